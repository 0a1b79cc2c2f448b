// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/QuizRunner.h"

#include "model/Quiz.h"
#include "taking/QuizRandom.h"
#include "taking/QuizScreen.h"
#include "taking/QuizTexts.h"
#include "ui/Prompts.h"
#include "ui/QuizEvents.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <limits>
#include <new>
#include <numeric>
#include <vector>

namespace {

const QString BRAINLOFT = QStringLiteral("Brainloft");

} // namespace

QuizRunner::QuizRunner(Quiz &quiz, Prompts &prompts, QWidget *owner, Hooks hooks)
    : m_quiz(quiz)
    , m_prompts(prompts)
    , m_owner(owner)
    , m_hooks(std::move(hooks))
{}

QuizRunner::~QuizRunner() = default;

void QuizRunner::run()
{
    if (m_running || m_quiz.questionCount() < 1)
        return;

    const bool flashCards = m_quiz.quizType != 0;
    m_quiz.ResetRunState();
    m_quiz.possiblePoints = 0;
    m_quiz.earnedPoints = 0;
    // The editors allow 1 to 300 minutes; a damaged file must not overflow.
    m_quiz.quizSecondsLeft = static_cast<std::int32_t>(std::clamp<std::int64_t>(
        std::int64_t(m_quiz.overallTimeLimit) * 60, std::numeric_limits<std::int32_t>::min(),
        std::numeric_limits<std::int32_t>::max()));

    std::vector<int> order;
    try {
        order.resize(static_cast<std::size_t>(m_quiz.questionCount()));
    } catch (const std::bad_alloc &) {
        m_prompts.messageBox(m_owner, QStringLiteral("Memory allocation error"), BRAINLOFT,
                             MB_ICONINFORMATION);
        return;
    }
    if (m_quiz.randomizeQuestions) {
        if (!ShuffleIndices(order)) {
            m_prompts.messageBox(m_owner, QStringLiteral("Memory allocation error"), BRAINLOFT,
                                 MB_ICONINFORMATION);
            return;
        }
    } else {
        std::iota(order.begin(), order.end(), 0);
    }

    std::unique_ptr<QuizScreen> screen = m_hooks.makeScreen(flashCards);
    m_running = true;
    m_currentScreen = screen.get();
    if (!m_hooks.startClock()) {
        m_currentScreen = nullptr;
        m_running = false;
        m_prompts.messageBox(m_owner, QStringLiteral("SetTimer() API call failed."), BRAINLOFT,
                             MB_ICONINFORMATION);
        return;
    }
    m_clockRunning = true;

    int answeredCount = 0;
    bool completed = true;
    for (std::size_t k = 1; k <= order.size(); ++k) {
        CQuestion *question = m_quiz.QuestionAt(order[k - 1]);
        // A screen that could not be made counts as a stop.
        const int result =
            question && screen ? screen->present(static_cast<unsigned>(k), *question) : 0;
        if (result != 1) {
            completed = false;
            break;
        }
        m_quiz.possiblePoints += question->score;
        ++answeredCount;
    }

    // No ticks during the reports: a report left open changes nothing.
    m_currentScreen = nullptr;
    m_clockRunning = false;
    m_hooks.stopClock();
    report(answeredCount, completed);
    m_running = false;
}

void QuizRunner::report(int answeredCount, bool completed)
{
    // Each report that shows a score leads to the log step, but one run is
    // logged once: when the last question was finished just as the overall
    // time ran out, both reports appear and the log step follows the first.
    bool logged = false;
    auto offerLog = [&] {
        if (!logged && m_hooks.offerLogEntry)
            m_hooks.offerLogEntry();
        logged = true;
    };

    if (m_quiz.overallTimeLimitOn && m_quiz.quizSecondsLeft < 0) {
        if (answeredCount == 0) {
            m_prompts.messageBox(m_owner, QStringLiteral("You answered no questions at all."),
                                 QStringLiteral("Time Expired"), MB_ICONINFORMATION);
        } else {
            std::int64_t all = 0;
            for (int i = 0; i < m_quiz.questionCount(); ++i)
                all += m_quiz.QuestionAt(i)->score;
            m_prompts.messageBox(
                m_owner,
                TimeExpiredReport(answeredCount, m_quiz.earnedPoints, m_quiz.possiblePoints, all),
                QStringLiteral("Time Expired!"), MB_ICONINFORMATION);
            offerLog();
        }
    }
    if (completed) {
        m_prompts.messageBox(m_owner, FinalReport(m_quiz.earnedPoints, m_quiz.possiblePoints),
                             applicationName(), MB_OK);
        offerLog();
    }
}

void QuizRunner::tick()
{
    if (!m_clockRunning)
        return;
    if (m_quiz.overallTimeLimitOn &&
        m_quiz.quizSecondsLeft > std::numeric_limits<std::int32_t>::min())
        m_quiz.quizSecondsLeft -= 1;
    if (m_currentScreen) {
        if (QObject *receiver = m_currentScreen->tickReceiver())
            QCoreApplication::postEvent(receiver, new QEvent(QuizTickEvent));
    }
}
