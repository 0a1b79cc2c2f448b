// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editor/QuizParameters.h"
#include "ui/ModalDialog.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class NumberField;
class Prompts;
class Quiz;
namespace Ui {
class QuizParametersDialog;
}

// The quiz-wide settings: type, logging, overall time limit, random order,
// review, the default question font, and the score and timing new questions
// start with. The dialog edits copies (QuizParameters) and writes them back
// on OK only. Its immediate commands act on the quiz at once and stay done
// whatever happens to the dialog: both "Apply to all existing questions"
// buttons, "Change Password..." and "Delete log...".
//
// Every read of the controls goes in one fixed order and stops at the first
// number that cannot be read (FormReader); OK and the scoring command then
// stop too, while the enabling rules and font commands carry on with what
// was read.
class QuizParametersDialog : public ModalDialog
{
    Q_OBJECT

public:
    // `allowTypeChange`: the quiz type may be chosen (a new quiz); from the
    // quiz editor it is fixed.
    QuizParametersDialog(Quiz &quiz, Prompts &prompts, bool allowTypeChange,
                         QWidget *parent = nullptr);
    ~QuizParametersDialog() override;

    // Asks which defaults to apply to every question; nothing = cancelled.
    using DefaultsChooser = std::function<std::optional<DefaultsChoice>()>;
    // Replaces the apply-defaults dialog (tests answer it directly).
    void setDefaultsChooser(DefaultsChooser chooser) { m_chooseDefaults = std::move(chooser); }

    [[nodiscard]] const QuizParameters &values() const { return m_values; }

    // Opens the results window for "View results...". The application sets
    // it once at start; the results window sits beside this layer, not below.
    using ResultsViewer = std::function<void(const Quiz &, Prompts &, QWidget *owner)>;
    static void setResultsViewer(ResultsViewer viewer);

    // The form's operations; the controls run them, tests may too.
    // ReadForm: false when a number could not be read (it has said so).
    bool ReadForm();
    void WriteForm();
    // The font chooser, starting from the dialog's font; true when confirmed.
    bool ChooseFont();
    void ApplyFontToAll();
    void ApplyDefaultsToAll();

protected:
    void onOk() override;

private:
    // Which numbers a command is about to store.
    enum class Storing { Parameters, Defaults };

    void updateOverallControls();
    void updateTypeControls();
    void updateScoringControls();
    void updateFontControls();
    void disableLogButtons();

    void onOverallTimeLimitClicked();
    void onQuizTypeClicked();
    void onScoringClicked();
    void onUseCustomFontClicked();
    void onChangePassword();
    void onExportLog();
    void onDeleteLog();
    void onViewResults();

    // OK's check of the overall limit, and the check of the default time
    // limit and score that OK and the scoring command share. Each corrects
    // the value it refuses, shows it, and leaves the focus on its field.
    bool checkOverallLimit();
    bool checkDefaults();
    // Refuses a number the quiz file cannot hold among those about to be
    // stored.
    bool checkStorable(Storing storing);
    bool refuse(NumberField *field, std::uint32_t &value, std::uint32_t corrected,
                const QString &text, const QString &caption, unsigned flags);

    std::unique_ptr<Ui::QuizParametersDialog> ui;
    Quiz &m_quiz;
    Prompts &m_prompts;
    const bool m_allowTypeChange;
    QuizParameters m_values;
    DefaultsChooser m_chooseDefaults;
};
