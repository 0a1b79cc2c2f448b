// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/FlashCardEditorDialog.h"
#include "ui_FlashCardEditorDialog.h"

#include "editor/FormReader.h"
#include "editor/FormText.h"
#include "editor/Preview.h"
#include "model/CQuestion.h"
#include "ui/CodePage.h"
#include "ui/DialogUnits.h"

FlashCardEditorDialog::FlashCardEditorDialog(Quiz &quiz, Prompts &prompts, Mode mode,
                                             unsigned number, CQuestion *card, QWidget *parent)
    : QuestionEditorBase(quiz, prompts, mode, number, card,
                         {tr("Editing Flash Card %1"), tr("Adding Flash Card %1"),
                          tr("Add Flash Card"), tr("Quit without adding this flash card?")},
                         parent)
    , ui(std::make_unique<Ui::FlashCardEditorDialog>())
{
    ui->setupUi(this);
    setHelpTopic(QStringLiteral("flash-card-editor"));
    setPreviewScreen([this](CQuestion &shown, unsigned shownNumber) {
        PreviewFlashCard(m_quiz, m_prompts, shown, shownNumber, this);
    });
    openForm({ui->questionEdit, ui->useCustomFontCheckBox, ui->changeFontButton, ui->imageCheckBox,
              ui->imageFileEdit, ui->browseButton, ui->scoreField, ui->timeLimitCheckBox,
              ui->timeLimitField, ui->reduceCheckBox, ui->reduceByField, ui->reduceEveryField,
              ui->okButton, ui->previewButton, ui->cancelButton});
    resize(sizeHint().expandedTo(DialogUnits(font()).size(358, 198)));
}

FlashCardEditorDialog::~FlashCardEditorDialog() = default;

void FlashCardEditorDialog::loadSpecific(const CQuestion &card)
{
    m_answer = CodePage::toUnicode(card.answers[0]);
}

bool FlashCardEditorDialog::ReadForm()
{
    FormReader read(m_prompts, this);
    read.flag(ui->imageCheckBox, m_form.imageOn)
        .flag(ui->reduceCheckBox, m_form.reduceOn)
        .flag(ui->timeLimitCheckBox, m_form.timeLimitOn)
        .text(ui->imageFileEdit, m_form.imageFile)
        .text(ui->questionEdit, m_form.text)
        .text(ui->answerEdit, m_answer)
        .number(ui->reduceByField, m_form.reduceBy)
        .number(ui->reduceEveryField, m_form.reduceEvery)
        .number(ui->scoreField, m_form.score)
        .number(ui->timeLimitField, m_form.timeLimit)
        .flag(ui->useCustomFontCheckBox, m_form.useCustomFont);
    return read.ok();
}

void FlashCardEditorDialog::WriteForm()
{
    m_writing = true;
    writeCommon();
    setLimitedText(ui->answerEdit, m_answer, ANSWER_LIMIT);
    m_writing = false;
}

bool FlashCardEditorDialog::ValidateForm()
{
    if (!ReadForm())
        return false;
    if (!checkStorableText(m_form.text, ui->questionEdit,
                           tr("The question text contains characters that a quiz file cannot "
                              "store:\n%1\nPlease replace or remove them.")) ||
        !checkStorableText(m_answer, ui->answerEdit,
                           tr("The answer contains characters that a quiz file cannot "
                              "store:\n%1\nPlease replace or remove them.")) ||
        !checkStorableCommon())
        return false;
    m_form.text = TrimBlanks(m_form.text);
    if (m_form.imageOn)
        return checkPicture();
    if (!m_form.text.isEmpty())
        return true;
    tell(tr("Flash cards must have question text or an image file."));
    return false;
}

bool FlashCardEditorDialog::specificChanges(const CQuestion &card) const
{
    const auto bytes = CodePage::fromUnicode(m_answer);
    return !bytes || *bytes != card.answers[0];
}

void FlashCardEditorDialog::storeSpecific(CQuestion &card) const
{
    card.answers[0] = CodePage::fromUnicode(m_answer).value_or(std::string());
}
