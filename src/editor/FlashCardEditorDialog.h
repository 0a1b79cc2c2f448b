// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editor/QuestionEditorBase.h"

#include <memory>

namespace Ui {
class FlashCardEditorDialog;
}

// Writes or changes one flash card: the prompt text, picture, font, the one
// expected answer (kept in answers[0]), score and timing. The twin of the
// question editor, with its own read order and validation; the answer may
// stay empty and is stored as typed.
class FlashCardEditorDialog : public QuestionEditorBase
{
    Q_OBJECT

public:
    // `card`: the card to edit in edit mode; ignored in add mode.
    FlashCardEditorDialog(Quiz &quiz, Prompts &prompts, Mode mode, unsigned number,
                          CQuestion *card = nullptr, QWidget *parent = nullptr);
    ~FlashCardEditorDialog() override;

    bool ReadForm() override;
    void WriteForm() override;
    bool ValidateForm() override;

protected:
    void loadSpecific(const CQuestion &card) override;
    [[nodiscard]] bool specificChanges(const CQuestion &card) const override;
    void storeSpecific(CQuestion &card) const override;

private:
    std::unique_ptr<Ui::FlashCardEditorDialog> ui;
    QString m_answer;
};
