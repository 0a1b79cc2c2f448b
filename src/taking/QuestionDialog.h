// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "taking/QuizScreenDialog.h"

#include <array>
#include <memory>
#include <vector>

class CQuestion;
class Prompts;
class QAbstractButton;
class QuestionScreen;
class Quiz;
namespace Ui {
class QuestionDialog;
}

// The multiple-choice question screen. The quiz runner shows one object for
// every question of a run; the question editor shows it in preview mode.
// The caller sets questionNumber, question and previewMode, then exec()
// returns 1 (question finished, go on) or 2 (stop the quiz).
//
// The answers may be shown in a shuffled order; the order is a mapping from
// display slot to stored answer, and `correct`/`chosen` stay indexed by the
// stored answer. A question earns its current worth only when the ticked
// answers are exactly the correct ones.
class QuestionDialog : public QuizScreenDialog
{
    Q_OBJECT

public:
    QuestionDialog(Quiz &quiz, Prompts &prompts, QWidget *parent = nullptr);
    ~QuestionDialog() override;

    void done(int result) override;

    // Display slot → stored answer index; -1 for a slot not used.
    [[nodiscard]] const std::array<int, 5> &answerOrder() const { return m_answerOrder; }
    // The display slots framed as correct (painted with the window).
    [[nodiscard]] const std::array<bool, 5> &framedSlots() const { return m_framed; }

protected:
    void onOk() override; // Submit, Next question, or Enter in a preview
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool beginQuestion() override;
    void showStep(const QuestionClock::Step &step) override;
    [[nodiscard]] QuestionClock::Reduction reduction() const override;
    void showAnswerAgain(bool timedOut) override;
    [[nodiscard]] std::array<std::int8_t, 5> answerSlots() const override;
    void timeout(bool quizLimit) override;
    void ShowCorrectAnswer(bool timeExpired);
    void showReview(bool timeExpired);
    // The answer order the interrupted run had, when it fits the question.
    [[nodiscard]] bool takeResumedOrder(const std::vector<int> &stored);
    void answerClicked();
    void readButtons();
    void writeButtons();
    [[nodiscard]] QAbstractButton *answerButton(int slot) const;
    void layoutControls() override;

    std::unique_ptr<Ui::QuestionDialog> ui;
    std::array<QAbstractButton *, 5> m_checkBoxes{};
    std::array<QAbstractButton *, 5> m_radioButtons{};
    bool m_radioStyle = false;
    std::array<int, 5> m_buttonState{};
    std::array<int, 5> m_answerOrder{-1, -1, -1, -1, -1};
    int m_answerCount = 0;
    std::array<bool, 5> m_framed{};
};
