// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The editors' previews: a question shown on its quiz screen in preview
// mode, numbered as in the editor. The editor has validated its form, set
// the quiz's run totals and filled `question` as OK would store it; these
// only show the screen and ignore its result.

class CQuestion;
class Prompts;
class Quiz;
class QWidget;

void PreviewQuestion(Quiz &quiz, Prompts &prompts, CQuestion &question, unsigned number,
                     QWidget *parent);
void PreviewFlashCard(Quiz &quiz, Prompts &prompts, CQuestion &question, unsigned number,
                      QWidget *parent);
