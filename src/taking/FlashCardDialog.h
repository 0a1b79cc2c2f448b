// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "taking/QuizScreenDialog.h"

#include <memory>

class CQuestion;
class Prompts;
class QuestionScreen;
class Quiz;
namespace Ui {
class FlashCardDialog;
}

// The flash-card screen. The taker may type an answer (it is never read),
// reveals the card's answer and judges themselves Right or Wrong. The quiz
// runner shows one object for every card of a run; the flash-card editor
// shows it in preview mode. The caller sets questionNumber, question and
// previewMode, then exec() returns 1 (card finished) or 2 (stop the quiz).
class FlashCardDialog : public QuizScreenDialog
{
    Q_OBJECT

public:
    FlashCardDialog(Quiz &quiz, Prompts &prompts, QWidget *parent = nullptr);
    ~FlashCardDialog() override;

private:
    bool beginQuestion() override;
    void showStep(const QuestionClock::Step &step) override;
    [[nodiscard]] QuestionClock::Reduction reduction() const override;
    void showAnswerAgain(bool timedOut) override;
    // Only the card's own limit posts a time-out here; when the quiz runs
    // out, the tick closes the card at once.
    void timeout(bool quizLimit) override;
    void showAnswer();
    void judgeRight();
    void judgeWrong();
    void layoutControls() override;

    std::unique_ptr<Ui::FlashCardDialog> ui;
};
