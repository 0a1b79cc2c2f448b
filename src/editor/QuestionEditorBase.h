// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/LogFont.h"
#include "ui/ModalDialog.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class CQuestion;
class NumberField;
class Prompts;
class Quiz;
class QCheckBox;
class QLineEdit;
class QPushButton;

// What the question editor and the flash-card editor have in common: the
// add and edit modes, the question text, picture, font, score and timing
// parts of the form, and the flow of OK, Cancel and Preview. Each editor
// adds its answers, its read order (ReadForm) and its validation.
//
// The quiz editor opens one editor per question:
//
//     QuestionEditorDialog editor(quiz, prompts, QuestionEditorBase::Mode::Add, number);
//     if (editor.exec() == ModalDialog::Ok)
//         quiz.AppendQuestion(editor.takeQuestion());
//
// In edit mode the editor works on the question inside the quiz and changes
// it only on OK. The form keeps text as the author typed it; it becomes
// code-page bytes only when it is stored, and text the code page cannot
// hold is refused by the validation rather than damaged.
class QuestionEditorBase : public ModalDialog
{
    Q_OBJECT

public:
    enum class Mode { Add, Edit };
    // Shows a question on its quiz screen in preview mode.
    using PreviewScreen = std::function<void(CQuestion &question, unsigned number)>;

    ~QuestionEditorBase() override;

    // Ends with Cancel at once when the new question could not be made.
    int exec() override;

    [[nodiscard]] Mode mode() const { return m_mode; }
    [[nodiscard]] unsigned number() const { return m_number; }
    // Add mode, after OK: the new question, which is the caller's from now
    // on. Null in edit mode, before OK and after the first call.
    [[nodiscard]] std::unique_ptr<CQuestion> takeQuestion();
    // Replaces the screen that Preview shows (tests record the question).
    void setPreviewScreen(PreviewScreen screen) { m_previewScreen = std::move(screen); }

    // The form's operations; the controls run them, tests may too.
    // ReadForm: false when a numeric field could not be read (it has said so).
    virtual bool ReadForm() = 0;
    virtual void WriteForm() = 0;
    virtual bool ValidateForm() = 0;
    [[nodiscard]] bool HasChanges() const;
    void UpdateTimingControls();
    void UpdateOkButton();
    bool ChooseQuestionFont();
    void Preview();

protected:
    // The captions, whole sentences for each kind of item (translated as such).
    struct Words
    {
        QString editing;    // "Editing Question %1"
        QString adding;     // "Adding Question %1"
        QString add;        // "Add Question"
        QString quitAdding; // "Quit without adding this question?"
    };
    struct Controls
    {
        QLineEdit *text;
        QCheckBox *useCustomFont;
        QPushButton *changeFont;
        QCheckBox *image;
        QLineEdit *imageFile;
        QPushButton *browse;
        NumberField *score;
        QCheckBox *timeLimitOn;
        NumberField *timeLimit;
        QCheckBox *reduceOn;
        NumberField *reduceBy;
        NumberField *reduceEvery;
        QPushButton *ok;
        QPushButton *preview;
        QPushButton *cancel;
    };
    // The values of the form both editors show.
    struct Form
    {
        bool imageOn = false;
        QString text;
        std::uint32_t score = 1;
        std::uint32_t timeLimit = 1;
        std::uint32_t reduceEvery = 1;
        std::uint32_t reduceBy = 1;
        bool timeLimitOn = false;
        bool reduceOn = false;
        QString imageFile;
        bool useCustomFont = false;
        LogFont font{};
    };

    // `question` is the one to edit (edit mode) and ignored in add mode.
    QuestionEditorBase(Quiz &quiz, Prompts &prompts, Mode mode, unsigned number,
                       CQuestion *question, Words words, QWidget *parent);

    // Runs the opening once the editor's form is set up: makes the new
    // question in add mode, loads the form from the question, shows it.
    void openForm(const Controls &controls);

    // The editor's own part of loading, comparing and storing.
    virtual void loadSpecific(const CQuestion &question) = 0;
    [[nodiscard]] virtual bool specificChanges(const CQuestion &question) const = 0;
    virtual void storeSpecific(CQuestion &question) const = 0;

    // The typing limits of the text fields. A quiz file holds texts of any
    // length (other tools and the importers write longer ones), so a field
    // shows a longer text whole and only refuses typing beyond what it was
    // given; OK then stores the text unchanged.
    static constexpr int QUESTION_TEXT_LIMIT = 255;
    static constexpr int ANSWER_LIMIT = 128;
    static void setLimitedText(QLineEdit *edit, const QString &text, int typingLimit);

    // Shows the common part of the form in the controls.
    void writeCommon();
    // Validation steps both editors use. Each shows its own message and
    // puts the focus on the field to correct.
    // `message` names the field and takes the characters as %1.
    bool checkStorableText(const QString &text, QWidget *field, const QString &message);
    bool checkStorableCommon();
    bool checkPicture();
    // A message of the editors' validation ("Brainloft", information icon).
    void tell(const QString &text);

    void onOk() override;
    void onCancel() override;

    Quiz &m_quiz;
    Prompts &m_prompts;
    Form m_form;
    Controls m_controls{};
    // Set while the form is written, so that the controls' change
    // notifications do not read the half-written form.
    bool m_writing = false;

private:
    [[nodiscard]] const CQuestion &target() const { return *m_question; }
    void storeInto(CQuestion &question) const;
    void onImageClicked();
    void onBrowse();
    void onUseCustomFontClicked();
    void updateImageControls();

    const Mode m_mode;
    const unsigned m_number;
    const Words m_words;
    CQuestion *m_question;              // the question compared with and stored into
    std::unique_ptr<CQuestion> m_owned; // add mode: the new question until it is taken
    bool m_allocationFailed = false;
    bool m_accepted = false;
    PreviewScreen m_previewScreen;
};
