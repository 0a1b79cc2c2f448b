// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/QuestionEditorDialog.h"
#include "ui_QuestionEditorDialog.h"

#include "editor/FormReader.h"
#include "editor/FormText.h"
#include "editor/Preview.h"
#include "model/CQuestion.h"
#include "ui/CodePage.h"
#include "ui/DialogUnits.h"

namespace {

const char LETTERS[] = "ABCDE";

// A flag as stored: a file may hold any non-zero value for true, which an
// unchanged mark keeps.
std::int32_t storedFlag(bool on, std::int32_t previous)
{
    if (!on)
        return 0;
    return previous != 0 ? previous : 1;
}

} // namespace

QuestionEditorDialog::QuestionEditorDialog(Quiz &quiz, Prompts &prompts, Mode mode, unsigned number,
                                           CQuestion *question, QWidget *parent)
    : QuestionEditorBase(quiz, prompts, mode, number, question,
                         {tr("Editing Question %1"), tr("Adding Question %1"), tr("Add Question"),
                          tr("Quit without adding this question?")},
                         parent)
    , ui(std::make_unique<Ui::QuestionEditorDialog>())
{
    ui->setupUi(this);
    setHelpTopic(QStringLiteral("question-editor"));
    m_answerEdits = {ui->answerEditA, ui->answerEditB, ui->answerEditC, ui->answerEditD,
                     ui->answerEditE};
    m_correctCheckBoxes = {ui->correctCheckBoxA, ui->correctCheckBoxB, ui->correctCheckBoxC,
                           ui->correctCheckBoxD, ui->correctCheckBoxE};
    m_correctRadioButtons = {ui->correctRadioButtonA, ui->correctRadioButtonB,
                             ui->correctRadioButtonC, ui->correctRadioButtonD,
                             ui->correctRadioButtonE};
    for (std::size_t i = 0; i < 5; ++i) {
        connect(m_correctCheckBoxes[i], &QCheckBox::clicked, this,
                [this, i] { onCorrectClicked(i); });
        connect(m_correctRadioButtons[i], &QRadioButton::clicked, this,
                [this, i] { onCorrectClicked(i); });
    }
    connect(ui->multipleCorrectCheckBox, &QCheckBox::clicked, this,
            &QuestionEditorDialog::onMultipleClicked);
    setPreviewScreen([this](CQuestion &shown, unsigned shownNumber) {
        PreviewQuestion(m_quiz, m_prompts, shown, shownNumber, this);
    });

    openForm({ui->questionEdit, ui->useCustomFontCheckBox, ui->changeFontButton, ui->imageCheckBox,
              ui->imageFileEdit, ui->browseButton, ui->scoreField, ui->timeLimitCheckBox,
              ui->timeLimitField, ui->reduceCheckBox, ui->reduceByField, ui->reduceEveryField,
              ui->okButton, ui->previewButton, ui->cancelButton});
    resize(sizeHint().expandedTo(DialogUnits(font()).size(358, 274)));
}

QuestionEditorDialog::~QuestionEditorDialog() = default;

void QuestionEditorDialog::loadSpecific(const CQuestion &question)
{
    for (std::size_t i = 0; i < 5; ++i) {
        m_answers[i] = CodePage::toUnicode(question.answers[i]);
        m_correct[i] = question.correct[i] != 0;
    }
    m_multipleCorrect = question.multipleCorrect != 0;
    m_checkStyle = m_multipleCorrect;
    for (std::size_t i = 0; i < 5; ++i) {
        m_correctCheckBoxes[i]->setVisible(m_checkStyle);
        m_correctRadioButtons[i]->setVisible(!m_checkStyle);
    }
}

QAbstractButton *QuestionEditorDialog::correctButton(std::size_t i) const
{
    if (m_checkStyle)
        return m_correctCheckBoxes[i];
    return m_correctRadioButtons[i];
}

bool QuestionEditorDialog::ReadForm()
{
    FormReader read(m_prompts, this);
    read.flag(ui->imageCheckBox, m_form.imageOn)
        .text(ui->questionEdit, m_form.text)
        .number(ui->scoreField, m_form.score)
        .number(ui->timeLimitField, m_form.timeLimit)
        .number(ui->reduceEveryField, m_form.reduceEvery)
        .number(ui->reduceByField, m_form.reduceBy)
        .flag(ui->timeLimitCheckBox, m_form.timeLimitOn)
        .flag(ui->reduceCheckBox, m_form.reduceOn)
        .text(ui->imageFileEdit, m_form.imageFile)
        .flag(ui->multipleCorrectCheckBox, m_multipleCorrect)
        .flag(ui->useCustomFontCheckBox, m_form.useCustomFont);
    for (std::size_t i = 0; i < 5; ++i)
        read.text(m_answerEdits[i], m_answers[i]).flag(correctButton(i), m_correct[i]);
    return read.ok();
}

void QuestionEditorDialog::WriteForm()
{
    m_writing = true;
    writeCommon();
    ui->multipleCorrectCheckBox->setChecked(m_multipleCorrect);
    for (std::size_t i = 0; i < 5; ++i) {
        setLimitedText(m_answerEdits[i], m_answers[i], ANSWER_LIMIT);
        correctButton(i)->setChecked(m_correct[i]);
    }
    m_writing = false;
}

void QuestionEditorDialog::onCorrectClicked(std::size_t i)
{
    QAbstractButton *clicked = correctButton(i);
    if (!m_checkStyle) {
        // Radio buttons: clicking one marks it and clears the other four.
        clicked->setChecked(true);
        for (std::size_t j = 0; j < 5; ++j) {
            if (j != i)
                m_correctRadioButtons[j]->setChecked(false);
        }
    }
    m_correct[i] = clicked->isChecked();
}

void QuestionEditorDialog::onMultipleClicked()
{
    ReadForm();
    SetAnswerMode();
}

void QuestionEditorDialog::SetAnswerMode()
{
    m_checkStyle = m_multipleCorrect;
    for (std::size_t i = 0; i < 5; ++i) {
        m_correctCheckBoxes[i]->setVisible(m_checkStyle);
        m_correctRadioButtons[i]->setVisible(!m_checkStyle);
    }
    if (!m_checkStyle) {
        bool marked = false;
        for (bool &mark : m_correct) {
            if (marked)
                mark = false;
            marked = marked || mark;
        }
        WriteForm();
    } else {
        for (std::size_t i = 0; i < 5; ++i)
            m_correctCheckBoxes[i]->setChecked(m_correct[i]);
    }
}

bool QuestionEditorDialog::CompactAnswers()
{
    const bool moved = CompactAnswerList(m_answers, m_correct);
    WriteForm();
    return moved;
}

bool QuestionEditorDialog::ValidateForm()
{
    if (!ReadForm())
        return false;
    if (!checkStorableText(m_form.text, ui->questionEdit,
                           tr("The question text contains characters that a quiz file cannot "
                              "store:\n%1\nPlease replace or remove them.")))
        return false;
    for (std::size_t i = 0; i < 5; ++i) {
        if (!checkStorableText(m_answers[i], m_answerEdits[i],
                               //: %1 is the answer's letter (A to E), %2 the characters.
                               tr("The answer %1 contains characters that a quiz file cannot "
                                  "store:\n%2\nPlease replace or remove them.")
                                   .arg(QLatin1Char(LETTERS[i]))))
            return false;
    }
    if (!checkStorableCommon())
        return false;

    m_form.text = TrimBlanks(m_form.text);
    if (m_form.text.isEmpty() && !m_form.imageOn) {
        tell(tr("You must provide either question text,\nan image file, or both."));
        return false;
    }
    if (CompactAnswers()) {
        tell(tr("You answers have been compacted to remove gaps.\nPlease verify the results."));
        return false;
    }
    int given = 0;
    bool anyCorrect = false;
    bool blankCorrect = false;
    for (std::size_t i = 0; i < 5; ++i) {
        const bool empty = m_answers[i].isEmpty();
        given += empty ? 0 : 1;
        anyCorrect = anyCorrect || m_correct[i];
        blankCorrect = blankCorrect || (empty && m_correct[i]);
    }
    if (!anyCorrect) {
        tell(tr("You must specify at least one correct answer."));
        return false;
    }
    if (given < 2) {
        tell(tr("You must provide at least two answers."));
        return false;
    }
    if (blankCorrect) {
        tell(tr("Correct answer(s) cannot be blank."));
        return false;
    }
    if (!m_form.imageOn)
        return true;
    return checkPicture();
}

bool QuestionEditorDialog::specificChanges(const CQuestion &question) const
{
    for (std::size_t i = 0; i < 5; ++i) {
        const auto bytes = CodePage::fromUnicode(m_answers[i]);
        if (!bytes || *bytes != question.answers[i])
            return true;
        if (m_correct[i] != (question.correct[i] != 0))
            return true;
    }
    return m_multipleCorrect != (question.multipleCorrect != 0);
}

void QuestionEditorDialog::storeSpecific(CQuestion &question) const
{
    for (std::size_t i = 0; i < 5; ++i) {
        question.answers[i] = CodePage::fromUnicode(m_answers[i]).value_or(std::string());
        question.correct[i] = storedFlag(m_correct[i], question.correct[i]);
    }
    question.multipleCorrect = storedFlag(m_multipleCorrect, question.multipleCorrect);
}
