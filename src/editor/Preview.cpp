// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/Preview.h"

#include "taking/FlashCardDialog.h"
#include "taking/QuestionDialog.h"

namespace {

template<typename Screen>
void showPreview(Quiz &quiz, Prompts &prompts, CQuestion &question, unsigned number,
                 QWidget *parent)
{
    Screen screen(quiz, prompts, parent);
    screen.question = &question;
    screen.questionNumber = number;
    screen.previewMode = true;
    (void)screen.exec(); // a preview's result means nothing to the editor
}

} // namespace

void PreviewQuestion(Quiz &quiz, Prompts &prompts, CQuestion &question, unsigned number,
                     QWidget *parent)
{
    showPreview<QuestionDialog>(quiz, prompts, question, number, parent);
}

void PreviewFlashCard(Quiz &quiz, Prompts &prompts, CQuestion &question, unsigned number,
                      QWidget *parent)
{
    showPreview<FlashCardDialog>(quiz, prompts, question, number, parent);
}
