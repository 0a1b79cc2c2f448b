// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/QuizScreenDialog.h"

#include "taking/QuestionScreen.h"
#include "ui/Prompts.h"
#include "ui/QuizEvents.h"

#include <QEvent>

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
    const int answer =
        m_screen->showBox(QStringLiteral("Are you sure you want to abort this quiz?"),
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
        if (m_screen->takeTick())
            tick();
        return;
    }
    if (event->type() == QuizTimeoutEvent) {
        if (m_screen->takeTimeout(*event))
            timeout(static_cast<QuizTimeout *>(event)->quizLimit);
        return;
    }
    ModalDialog::customEvent(event);
}

int QuizScreenDialog::exec()
{
    if (!beginQuestion())
        return Cancel;
    return ModalDialog::exec();
}

void QuizScreenDialog::open()
{
    if (!beginQuestion()) {
        setResult(Cancel);
        return;
    }
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
