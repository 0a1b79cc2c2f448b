// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/QuizRunner.h"

#include "model/Quiz.h"
#include "taking/QuizRandom.h"
#include "taking/QuizScreen.h"
#include "taking/QuizTexts.h"
#include "ui/Prompts.h"
#include "ui/QuizEvents.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>

#include <algorithm>
#include <limits>
#include <new>
#include <numeric>
#include <vector>

namespace {

const QString BRAINLOFT = QStringLiteral("Brainloft");

// This file's texts, under "QuizRunner" in the catalogues.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(QuizRunner)
};

} // namespace

QuizRunner::QuizRunner(Quiz &quiz, Prompts &prompts, QWidget *owner, Hooks hooks)
    : m_quiz(quiz)
    , m_prompts(prompts)
    , m_owner(owner)
    , m_hooks(std::move(hooks))
{}

QuizRunner::~QuizRunner() = default;

std::int64_t QuizRunner::now() const
{
    return m_hooks.wallClock ? m_hooks.wallClock() : QDateTime::currentMSecsSinceEpoch();
}

void QuizRunner::run()
{
    if (m_running || m_quiz.questionCount() < 1)
        return;

    const bool flashCards = m_quiz.quizType != 0;
    m_fingerprint = m_hooks.journal ? QuizFingerprint(m_quiz) : std::array<std::uint8_t, 32>{};
    const std::optional<AttemptRecord> resumed = interruptedRun();

    m_quiz.ResetRunState();
    m_quiz.possiblePoints = 0;
    m_quiz.earnedPoints = 0;
    // The editors allow 1 to 300 minutes; a damaged file must not overflow.
    m_quiz.quizSecondsLeft = static_cast<std::int32_t>(std::clamp<std::int64_t>(
        std::int64_t(m_quiz.overallTimeLimit) * 60, std::numeric_limits<std::int32_t>::min(),
        std::numeric_limits<std::int32_t>::max()));

    try {
        m_order.assign(static_cast<std::size_t>(m_quiz.questionCount()), 0);
    } catch (const std::bad_alloc &) {
        m_prompts.messageBox(m_owner, Texts::tr("Memory allocation error"), BRAINLOFT,
                             MB_ICONINFORMATION);
        return;
    }
    if (resumed) {
        restoreRun(*resumed);
    } else if (m_quiz.randomizeQuestions) {
        if (!ShuffleIndices(m_order)) {
            m_prompts.messageBox(m_owner, Texts::tr("Memory allocation error"), BRAINLOFT,
                                 MB_ICONINFORMATION);
            return;
        }
    } else {
        std::iota(m_order.begin(), m_order.end(), 0);
    }

    // The seconds the program was down, from the journal's last write (and
    // the part of a second that had passed since the tick before it); a
    // clock set back meanwhile counts as no time at all.
    QuizScreen::Resume resume;
    int firstTick = 1000;
    const bool asking = !resumed || resumed->phase == AttemptRecord::Phase::Asking;
    if (resumed && asking) {
        const std::int64_t idle =
            std::max<std::int64_t>(0, now() - resumed->writtenAt) + resumed->sinceTick;
        resume.state = resumed->open;
        resume.idleSeconds = idle / 1000;
        firstTick = 1000 - static_cast<int>(idle % 1000);
    }

    std::unique_ptr<QuizScreen> screen = m_hooks.makeScreen(flashCards);
    m_running = true;
    m_currentScreen = screen.get();
    if (QuizScreen *shown = screen.get()) {
        shown->setChangeListener([this, shown](bool durable) {
            writeJournal(durable, AttemptRecord::Phase::Asking, shown->questionState());
        });
    }
    if (!m_hooks.startClock(firstTick)) {
        m_currentScreen = nullptr;
        m_running = false;
        m_prompts.messageBox(m_owner, Texts::tr("SetTimer() API call failed."), BRAINLOFT,
                             MB_ICONINFORMATION);
        if (m_hooks.journal)
            m_hooks.journal->remove();
        return;
    }
    m_clockRunning = true;
    m_lastTickAt = now() - (1000 - firstTick);

    m_answered = resumed ? resumed->current : 0;
    bool completed = resumed && !asking ? resumed->completed : true;
    if (!resumed)
        writeJournal(true);
    const int count = static_cast<int>(m_order.size());
    for (int k = m_answered + 1; asking && k <= count; ++k) {
        CQuestion *question = m_quiz.QuestionAt(m_order[k - 1]);
        const bool resuming = resumed && k == resumed->current + 1;
        // A screen that could not be made counts as a stop.
        const int result = question && screen ? screen->present(static_cast<unsigned>(k), *question,
                                                                resuming ? &resume : nullptr)
                                              : 0;
        if (result != 1) {
            completed = false;
            break;
        }
        m_quiz.possiblePoints += question->score;
        ++m_answered;
        if (m_answered == count)
            writeJournal(true, AttemptRecord::Phase::Reporting, std::nullopt, true);
        else
            writeJournal(true);
    }

    // No ticks during the reports: a report left open changes nothing.
    m_currentScreen = nullptr;
    m_clockRunning = false;
    m_hooks.stopClock();
    const bool timedOut = m_quiz.overallTimeLimitOn && m_quiz.quizSecondsLeft < 0;
    if (!completed && timedOut && asking)
        writeJournal(true, AttemptRecord::Phase::Reporting);
    // A run the taker stopped shows nothing and has nothing left to resume.
    if (completed || timedOut) {
        const bool finishing = resumed && resumed->phase == AttemptRecord::Phase::Logging;
        report(m_answered, completed, finishing ? &*resumed : nullptr);
    }
    if (m_hooks.journal)
        m_hooks.journal->remove();
    m_running = false;
}

std::optional<AttemptRecord> QuizRunner::interruptedRun()
{
    if (!m_hooks.journal)
        return std::nullopt;
    const AttemptJournal &journal = *m_hooks.journal;
    // Journals nothing can take up again go first, so they do not pile up.
    SweepAttempts(journal.folder());
    std::optional<AttemptRecord> record = journal.read();
    if (!record)
        return std::nullopt;
    const int count = m_quiz.questionCount();
    if (record->quizPath != m_quiz.pathName) {
        journal.remove(); // another file's name hashed alike: not ours to resume
        return std::nullopt;
    }
    if (record->fingerprint != m_fingerprint ||
        record->order.size() != static_cast<std::size_t>(count)) {
        journal.remove();
        m_prompts.messageBox(
            m_owner,
            Texts::tr("This quiz has changed since the attempt was interrupted. It "
                      "starts again from the beginning."),
            BRAINLOFT, MB_ICONINFORMATION);
        return std::nullopt;
    }
    const unsigned at = std::min<unsigned>(record->current + 1u, unsigned(count));
    const int answer = m_prompts.messageBox(
        m_owner,
        Texts::tr("An attempt at this quiz was interrupted at question %1 of %2.\nDo you want to "
                  "resume it?")
            .arg(at)
            .arg(count),
        BRAINLOFT, MB_YESNO | MB_ICONQUESTION);
    if (answer == IDYES)
        return record;
    // The taker confirmed that entry before the interruption: it is
    // recorded whatever comes next.
    if (record->phase == AttemptRecord::Phase::Logging && m_hooks.finishLogEntry) {
        m_quiz.ResetRunState();
        restoreRun(*record);
        m_hooks.finishLogEntry(record->comment, record->logSize);
    }
    journal.remove();
    return std::nullopt;
}

void QuizRunner::restoreRun(const AttemptRecord &record)
{
    m_order.assign(record.order.begin(), record.order.end());
    m_quiz.possiblePoints = record.possiblePoints;
    m_quiz.earnedPoints = record.earnedPoints;
    m_quiz.quizSecondsLeft = record.quizSecondsLeft;
    for (int i = 0; i < m_quiz.questionCount(); ++i) {
        CQuestion &question = *m_quiz.QuestionAt(i);
        const AttemptQuestion &done = record.questions[static_cast<std::size_t>(i)];
        question.presented = done.presented ? 1 : 0;
        for (int a = 0; a < 5; ++a)
            question.chosen[a] = done.chosen[a];
        question.earnedPoints = done.earned;
    }
}

void QuizRunner::writeJournal(bool durable, AttemptRecord::Phase phase,
                              const std::optional<QuestionState> &open, bool completed,
                              const std::string &comment, std::uint64_t logSize)
{
    if (!m_hooks.journal)
        return;
    AttemptRecord record;
    record.quizPath = m_quiz.pathName;
    record.fingerprint = m_fingerprint;
    record.writtenAt = now();
    record.sinceTick = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(record.writtenAt - m_lastTickAt, 0, 999));
    record.order.assign(m_order.begin(), m_order.end());
    record.phase = phase;
    record.current = static_cast<std::uint16_t>(m_answered);
    record.completed = completed;
    record.possiblePoints = m_quiz.possiblePoints;
    record.earnedPoints = m_quiz.earnedPoints;
    record.quizSecondsLeft = m_quiz.quizSecondsLeft;
    record.open = open;
    record.comment = comment;
    record.logSize = logSize;
    record.questions.resize(static_cast<std::size_t>(m_quiz.questionCount()));
    for (int i = 0; i < m_quiz.questionCount(); ++i) {
        const CQuestion &question = *m_quiz.QuestionAt(i);
        AttemptQuestion &done = record.questions[static_cast<std::size_t>(i)];
        done.presented = question.presented != 0;
        for (int a = 0; a < 5; ++a)
            done.chosen[a] = question.chosen[a] != 0 ? 1 : 0;
        done.earned = question.earnedPoints;
    }
    // A journal that cannot be written costs the taker nothing now.
    (void)m_hooks.journal->write(record,
                                 durable ? AtomicFile::Sync::Durable : AtomicFile::Sync::Unsynced);
}

void QuizRunner::report(int answeredCount, bool completed, const AttemptRecord *finishing)
{
    // Each report that shows a score leads to the log step, but one run is
    // logged once: when the last question was finished just as the overall
    // time ran out, both reports appear and the log step follows the first.
    // A log step that an interruption cut short is finished without asking
    // again: the taker confirmed it.
    bool logged = false;
    auto offerLog = [&] {
        if (logged)
            return;
        logged = true;
        if (finishing) {
            if (m_hooks.finishLogEntry)
                m_hooks.finishLogEntry(finishing->comment, finishing->logSize);
            return;
        }
        if (!m_hooks.offerLogEntry)
            return;
        m_hooks.offerLogEntry([&](const std::string &comment, std::uint64_t logSize) {
            writeJournal(true, AttemptRecord::Phase::Logging, std::nullopt, completed, comment,
                         logSize);
        });
    };

    if (m_quiz.overallTimeLimitOn && m_quiz.quizSecondsLeft < 0) {
        if (answeredCount == 0) {
            m_prompts.messageBox(m_owner, Texts::tr("You answered no questions at all."),
                                 Texts::tr("Time Expired"), MB_ICONINFORMATION);
        } else {
            std::int64_t all = 0;
            for (int i = 0; i < m_quiz.questionCount(); ++i)
                all += m_quiz.QuestionAt(i)->score;
            m_prompts.messageBox(
                m_owner,
                TimeExpiredReport(answeredCount, m_quiz.earnedPoints, m_quiz.possiblePoints, all),
                Texts::tr("Time Expired!"), MB_ICONINFORMATION);
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
    m_lastTickAt = now();
    if (m_quiz.overallTimeLimitOn &&
        m_quiz.quizSecondsLeft > std::numeric_limits<std::int32_t>::min())
        m_quiz.quizSecondsLeft -= 1;
    if (m_currentScreen) {
        if (QObject *receiver = m_currentScreen->tickReceiver())
            QCoreApplication::postEvent(receiver, new QEvent(QuizTickEvent));
    }
}
