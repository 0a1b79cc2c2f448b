// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "taking/QuestionClock.h"
#include "taking/QuizScreen.h"
#include "ui/ModalDialog.h"

#include <functional>
#include <memory>

class CQuestion;
class QuestionScreen;
class Quiz;

// What the two question screens share: the fields the quiz runner and the
// editors' previews set before each showing, the question's clock state,
// opening the question when the window is shown, and keeping `maximized`
// from one question to the next. exec() returns 1 (finished) or 2 (stop).
class QuizScreenDialog : public ModalDialog
{
    Q_OBJECT

public:
    ~QuizScreenDialog() override;

    int exec() override;
    void open() override;
    // Ends the question first, so no tick or time-out reaches it afterwards.
    void done(int result) override;

    unsigned questionNumber = 0;
    CQuestion *question = nullptr; // not owned
    bool previewMode = false;
    bool maximized = false; // carried from one showing to the next
    // Set with the question when an interrupted run is taken up again; read
    // once, when the question opens.
    const QuizScreen::Resume *resume = nullptr;
    // Told of every change of the open question's state (QuizScreen).
    std::function<void(bool durable)> onStateChange;

    // True from opening to closing: the screen takes clock ticks.
    [[nodiscard]] bool isQuestionOpen() const;
    [[nodiscard]] bool answerShown() const;
    [[nodiscard]] bool paused() const;
    [[nodiscard]] int worth() const;
    [[nodiscard]] QuestionState questionState() const;

protected:
    QuizScreenDialog(Quiz &quiz, QWidget *parent);

    // Gives the window its flags and its normal (and smallest) client size.
    void setUpWindow(QSize normalSize);
    // Opens the question; false when the screen could not (it then ends at once).
    virtual bool beginQuestion() = 0;
    // Places the controls for the current client size.
    virtual void layoutControls() = 0;
    // Shows what a second of the quiz clock (or an interruption) changed,
    // and ends the question when a limit ran out.
    virtual void showStep(const QuestionClock::Step &step) = 0;
    // Where the worth is reduced on this screen.
    [[nodiscard]] virtual QuestionClock::Reduction reduction() const = 0;
    // Shows the answer again as an interrupted run had it on show, without
    // the notices that led there.
    virtual void showAnswerAgain(bool timedOut) = 0;
    // The display slots' stored answers, for the journal.
    [[nodiscard]] virtual std::array<std::int8_t, 5> answerSlots() const;
    void notifyChange(bool durable);
    // A time-out posted by tick(); quizLimit tells which limit ran out.
    virtual void timeout(bool quizLimit) = 0;

    // Abort, Escape and the close box: a preview just closes; a quiz asks
    // first, with the clocks held while the question is on screen.
    void onCancel() override;

    void customEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

    Quiz &m_quiz;
    std::unique_ptr<QuestionScreen> m_screen; // made by the screen once its form exists
    bool m_answerTimedOut = false;            // the answer is on show because time ran out
    // While an interrupted question opens again: how it was.
    const QuestionState *m_resumeState = nullptr;

private:
    // Opens the question (as it was, when resuming); false when it ended at once.
    bool openQuestion();
    // Puts the clock back as the interrupted run left it and charges the
    // seconds it was down.
    void resumeQuestion(const QuizScreen::Resume &resume);
};
