// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editor/QuestionEditorBase.h"

#include <array>
#include <memory>

class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QRadioButton;
namespace Ui {
class QuestionEditorDialog;
}

// Writes or changes one multiple-choice question: text, picture, font, up
// to five answers with their "Correct" marks, score and timing. The marks
// are check boxes while several answers may be correct and radio buttons
// otherwise (two sets of controls in the same places, one of them shown).
class QuestionEditorDialog : public QuestionEditorBase
{
    Q_OBJECT

public:
    // `question`: the question to edit in edit mode; ignored in add mode.
    QuestionEditorDialog(Quiz &quiz, Prompts &prompts, Mode mode, unsigned number,
                         CQuestion *question = nullptr, QWidget *parent = nullptr);
    ~QuestionEditorDialog() override;

    bool ReadForm() override;
    void WriteForm() override;
    bool ValidateForm() override;
    // Trims the answers and closes the gaps between them (shown at once);
    // true when an answer moved.
    bool CompactAnswers();
    // Shows the marks as check boxes or radio buttons as multiple correct
    // says; going to radio buttons keeps only the first mark.
    void SetAnswerMode();

protected:
    void loadSpecific(const CQuestion &question) override;
    [[nodiscard]] bool specificChanges(const CQuestion &question) const override;
    void storeSpecific(CQuestion &question) const override;

private:
    // The mark control of answer `i` in the style now shown.
    [[nodiscard]] QAbstractButton *correctButton(std::size_t i) const;
    void onCorrectClicked(std::size_t i);
    void onMultipleClicked();

    std::unique_ptr<Ui::QuestionEditorDialog> ui;
    std::array<QLineEdit *, 5> m_answerEdits{};
    std::array<QCheckBox *, 5> m_correctCheckBoxes{};
    std::array<QRadioButton *, 5> m_correctRadioButtons{};
    bool m_checkStyle = false; // the marks are shown as check boxes

    bool m_multipleCorrect = false;
    std::array<QString, 5> m_answers;
    std::array<bool, 5> m_correct{};
};
