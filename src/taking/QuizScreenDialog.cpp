// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/QuizScreenDialog.h"

#include "model/Quiz.h"
#include "taking/QuestionScreen.h"
#include "ui/Prompts.h"
#include "ui/QuizEvents.h"

#include <QEvent>

#include <utility>

QuizScreenDialog::QuizScreenDialog(Quiz &quiz, QWidget *parent)
    : ModalDialog(parent)
    , m_quiz(quiz)
{}

QuizScreenDialog::~QuizScreenDialog() = default;

void QuizScreenDialog::setUpWindow(QSize normalSize)
{
    // A maximize box; the window may also be sized, since that is how
    // window managers allow maximizing, but not below its normal size.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setMinimumSize(normalSize);
    resize(normalSize);
    layoutControls();
}

bool QuizScreenDialog::isQuestionOpen() const
{
    return m_screen->isOpen();
}

bool QuizScreenDialog::answerShown() const
{
    return m_screen->clock.answerShown;
}

bool QuizScreenDialog::paused() const
{
    return m_screen->clock.paused;
}

int QuizScreenDialog::worth() const
{
    return m_screen->clock.worth;
}

std::array<std::int8_t, 5> QuizScreenDialog::answerSlots() const
{
    return {-1, -1, -1, -1, -1};
}

QuestionState QuizScreenDialog::questionState() const
{
    const QuestionClock &clock = m_screen->clock;
    QuestionState state;
    state.answerOrder = answerSlots();
    state.worth = clock.worth;
    state.reduceCounter = clock.reduceCounter;
    state.secondsLeft = clock.questionSecondsLeft;
    state.answerShown = clock.answerShown;
    state.timedOut = clock.answerShown && m_answerTimedOut;
    return state;
}

void QuizScreenDialog::notifyChange(bool durable)
{
    if (onStateChange && !previewMode && isQuestionOpen())
        onStateChange(durable);
}

void QuizScreenDialog::resumeQuestion(const QuizScreen::Resume &resume)
{
    QuestionClock &clock = m_screen->clock;
    QuestionClock::Step step;
    if (resume.state) {
        const QuestionState &state = *resume.state;
        clock.restore(*question, reduction(), state.worth, state.reduceCounter, state.secondsLeft,
                      state.answerShown);
        if (state.answerShown) {
            showAnswerAgain(state.timedOut);
            step.questionLineChanged = true;
            showStep(step);
            return;
        }
        // A limit that had run out has its time-out handled again.
        step.questionRanOut = clock.paused;
        step.quizRanOut = m_quiz.overallTimeLimitOn && m_quiz.quizSecondsLeft < 0;
        clock.paused = clock.paused || step.quizRanOut;
    }
    if (!clock.paused)
        step = clock.elapse(m_quiz, *question, resume.idleSeconds);
    step.worthChanged = step.questionLineChanged = true;
    step.quizLineChanged = !step.quizRanOut;
    showStep(step);
}

void QuizScreenDialog::onCancel()
{
    if (!isQuestionOpen())
        return;
    if (previewMode) {
        done(Cancel);
        return;
    }
    QuestionClock &clock = m_screen->clock;
    const bool wasPaused = clock.paused;
    clock.paused = true;
    const int answer = m_screen->showBox(tr("Are you sure you want to abort this quiz?"),
                                         QStringLiteral("Brainloft"), MB_ICONQUESTION | MB_YESNO);
    if (!isQuestionOpen())
        return;
    if (answer == IDYES)
        done(Cancel);
    else
        clock.paused = wasPaused;
}

void QuizScreenDialog::done(int result)
{
    if (m_screen->isOpen())
        m_screen->end();
    ModalDialog::done(result);
}

void QuizScreenDialog::customEvent(QEvent *event)
{
    if (event->type() == QuizTickEvent) {
        if (m_screen->takeTick()) {
            showStep(m_screen->clock.tick(m_quiz, *question));
            notifyChange(false);
        }
        return;
    }
    if (event->type() == QuizTimeoutEvent) {
        if (m_screen->takeTimeout(*event))
            timeout(static_cast<QuizTimeout *>(event)->quizLimit);
        return;
    }
    ModalDialog::customEvent(event);
}

bool QuizScreenDialog::openQuestion()
{
    const QuizScreen::Resume *resuming = std::exchange(resume, nullptr);
    m_answerTimedOut = false;
    m_resumeState = resuming && resuming->state ? &*resuming->state : nullptr;
    const bool opened = beginQuestion();
    m_resumeState = nullptr;
    if (!opened) {
        setResult(Cancel);
        return false;
    }
    if (resuming) {
        resumeQuestion(*resuming);
        if (!isQuestionOpen()) // the interruption used up the quiz's time
            return false;
    }
    // Not synced: a kill keeps it all the same, and a power cut that loses
    // it only lets the question open afresh.
    notifyChange(false);
    return true;
}

int QuizScreenDialog::exec()
{
    if (!openQuestion())
        return result();
    return ModalDialog::exec();
}

void QuizScreenDialog::open()
{
    if (openQuestion())
        ModalDialog::open();
}

void QuizScreenDialog::resizeEvent(QResizeEvent *event)
{
    ModalDialog::resizeEvent(event);
    if (isVisible())
        maximized = isMaximized();
    layoutControls();
}

void QuizScreenDialog::changeEvent(QEvent *event)
{
    ModalDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isVisible())
        maximized = isMaximized();
}
