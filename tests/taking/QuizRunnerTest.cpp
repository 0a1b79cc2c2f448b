// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/QuizRunner.h"

#include "QuizFixtures.h"
#include "ScreenTestSupport.h"
#include "ScriptedPrompts.h"
#include "model/Quiz.h"
#include "taking/DialogScreen.h"
#include "taking/QuestionDialog.h"
#include "taking/QuizScreen.h"
#include "ui/QuizEvents.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

namespace {

// A screen that counts the ticks posted to it and answers each question
// with a scripted step.
class FakeScreen : public QObject, public QuizScreen
{
public:
    using Step = std::function<int(unsigned number, CQuestion &question)>;

    explicit FakeScreen(Step step)
        : m_step(std::move(step))
    {}

    int present(unsigned number, CQuestion &question, const Resume *resume) override
    {
        m_open = true;
        lastResume = resume ? std::optional<Resume>(*resume) : std::nullopt;
        if (m_listener)
            m_listener(true);
        const int result = m_step(number, question);
        m_open = false;
        return result;
    }
    QObject *tickReceiver() override { return m_open ? this : nullptr; }
    QuestionState questionState() const override { return state; }
    void setChangeListener(std::function<void(bool)> listener) override
    {
        m_listener = std::move(listener);
    }
    void changed(bool durable) { m_listener(durable); }

    int ticks = 0;
    QuestionState state;              // what the journal is given
    std::optional<Resume> lastResume; // how the last question was shown

protected:
    void customEvent(QEvent *event) override
    {
        if (event->type() == QuizTickEvent)
            ++ticks;
    }

private:
    Step m_step;
    bool m_open = false;
    std::function<void(bool)> m_listener;
};

class QuizRunnerTest : public ::testing::Test
{
protected:
    // Runs the quiz with a fake screen whose every question goes by `step`.
    void run(FakeScreen::Step step)
    {
        QuizRunner::Hooks hooks;
        hooks.makeScreen = [&](bool flashCards) {
            flashCardScreen = flashCards;
            auto made = std::make_unique<FakeScreen>(step);
            screen = made.get();
            return std::unique_ptr<QuizScreen>(std::move(made));
        };
        hooks.startClock = [&](int firstTickMs) {
            firstTick = firstTickMs;
            clockRunning = clockStarts;
            return clockStarts;
        };
        hooks.stopClock = [&] { clockRunning = false; };
        hooks.offerLogEntry = [&](const QuizRunner::LogConfirmed &confirmed) {
            ++logOffers;
            if (confirmLog)
                confirmLog(confirmed);
        };
        hooks.finishLogEntry = [&](const std::string &comment, std::uint64_t) {
            finishedComments.push_back(comment);
        };
        if (journalled)
            hooks.journal.emplace(quiz.pathName, journalFolder());
        hooks.wallClock = [&] { return wallClock; };
        runner = std::make_unique<QuizRunner>(quiz, prompts, nullptr, std::move(hooks));
        runner->run();
    }

    // The clock's second while the screen is open: both steps of a tick.
    void second(int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            runner->tick();
            deliverPosted();
        }
    }

    void addQuestions(std::initializer_list<int> scores)
    {
        for (const int score : scores)
            quiz.AppendQuestion(makeQuestion("Q", {"a", "b"}, {0}, score));
    }

    Quiz quiz;
    ScriptedPrompts prompts;
    std::unique_ptr<QuizRunner> runner;
    FakeScreen *screen = nullptr;
    bool flashCardScreen = false;
    bool clockStarts = true;
    bool clockRunning = false;
    int firstTick = 0;
    int logOffers = 0;
    std::function<void(const QuizRunner::LogConfirmed &)> confirmLog;
    std::vector<std::string> finishedComments;
    bool journalled = false;
    QTemporaryDir tempDir;
    std::string journalFolder() const
    {
        return tempDir.filePath(QStringLiteral("attempts")).toStdString();
    }
    std::int64_t wallClock = 1'700'000'000'000;
};

// Answers right, earning the full score.
int answerRight(Quiz &quiz, CQuestion &q)
{
    quiz.earnedPoints += q.score;
    q.earnedPoints = q.score;
    return 1;
}

} // namespace

TEST_F(QuizRunnerTest, TakesTheQuestionsInStoredOrderAndReportsTheScore)
{
    addQuestions({1, 1, 1});
    quiz.QuestionAt(1)->presented = 1; // left over from an earlier run
    quiz.earnedPoints = 9;
    prompts.answer(IDOK, [&](const auto &) { EXPECT_FALSE(clockRunning); });
    run([&](unsigned number, CQuestion &q) {
        EXPECT_TRUE(clockRunning);
        q.presented = 1;
        return number == 2 ? answerRight(quiz, q) : 1;
    });
    EXPECT_FALSE(flashCardScreen);
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.lastMessage()->text, QStringLiteral("Final score: 1 of 3 points (33%)"));
    EXPECT_EQ(prompts.lastMessage()->caption, applicationName());
    EXPECT_EQ(prompts.lastMessage()->flags, MB_OK);
    EXPECT_EQ(logOffers, 1);
    EXPECT_EQ(quiz.possiblePoints, 3);
    EXPECT_FALSE(runner->isRunning());
}

TEST_F(QuizRunnerTest, RandomOrderShowsEveryQuestionOnce)
{
    for (const int count : {1, 5, 512}) {
        quiz.ClearQuiz();
        for (int i = 0; i < count; ++i)
            quiz.AppendQuestion(makeQuestion("Q" + std::to_string(i), {"a", "b"}, {0}, 2));
        quiz.randomizeQuestions = 1;
        prompts.answer(IDOK);
        std::vector<unsigned> numbers;
        std::vector<CQuestion *> shown;
        run([&](unsigned number, CQuestion &q) {
            numbers.push_back(number);
            shown.push_back(&q);
            return 1;
        });
        ASSERT_EQ(shown.size(), std::size_t(count));
        for (int k = 0; k < count; ++k)
            EXPECT_EQ(numbers[k], unsigned(k + 1));
        std::sort(shown.begin(), shown.end());
        EXPECT_EQ(std::unique(shown.begin(), shown.end()), shown.end());
        EXPECT_EQ(quiz.possiblePoints, 2 * count);
        EXPECT_EQ(prompts.lastMessage()->text,
                  QStringLiteral("Final score: 0 of %1 points (0%)").arg(2 * count));
        prompts.clear();
    }
}

TEST_F(QuizRunnerTest, TheClockCountsDownOnlyWhileAQuestionIsOpen)
{
    addQuestions({1});
    quiz.overallTimeLimitOn = 1;
    quiz.overallTimeLimit = 2;
    prompts.answer(IDOK, [&](const auto &) {
        // The clock has stopped before the report; a late tick changes nothing.
        runner->tick();
        EXPECT_EQ(quiz.quizSecondsLeft, 115);
    });
    run([&](unsigned, CQuestion &) {
        EXPECT_EQ(quiz.quizSecondsLeft, 120);
        second(5);
        EXPECT_EQ(screen->ticks, 5);
        return 1;
    });
    EXPECT_EQ(quiz.quizSecondsLeft, 115);
}

TEST_F(QuizRunnerTest, OverallTimeOutReportsTheQuestionsAnswered)
{
    // Scores 2, 3, 1, 4, 5: the first right, the second wrong, the time
    // runs out on the third.
    addQuestions({2, 3, 1, 4, 5});
    quiz.overallTimeLimitOn = 1;
    quiz.overallTimeLimit = 1;
    prompts.answer(IDOK);
    run([&](unsigned number, CQuestion &q) {
        if (number == 1)
            return answerRight(quiz, q);
        if (number == 2)
            return 1;
        second(61);
        EXPECT_LT(quiz.quizSecondsLeft, 0);
        return 2;
    });
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.lastMessage()->text,
              QStringLiteral("For the 2 question(s) you answered, you scored 2 of 5 points (40%).\n"
                             "For the entire quiz, you scored 2 of 15 points (13%)."));
    EXPECT_EQ(prompts.lastMessage()->caption, QStringLiteral("Time Expired!"));
    EXPECT_EQ(prompts.lastMessage()->flags, MB_ICONINFORMATION);
    EXPECT_EQ(logOffers, 1);
}

TEST_F(QuizRunnerTest, OverallTimeOutOnTheFirstQuestion)
{
    addQuestions({2, 3});
    quiz.overallTimeLimitOn = 1;
    quiz.overallTimeLimit = 1;
    prompts.answer(IDOK);
    run([&](unsigned, CQuestion &) {
        second(61);
        return 2;
    });
    EXPECT_EQ(prompts.messages(),
              std::vector<QString>{QStringLiteral("You answered no questions at all.")});
    EXPECT_EQ(prompts.lastMessage()->caption, QStringLiteral("Time Expired"));
    EXPECT_EQ(logOffers, 0);
}

TEST_F(QuizRunnerTest, TheLastQuestionFinishedAsTimeRanOutIsLoggedOnce)
{
    addQuestions({2});
    quiz.overallTimeLimitOn = 1;
    quiz.overallTimeLimit = 1;
    prompts.answer(IDOK).answer(IDOK);
    run([&](unsigned, CQuestion &q) {
        second(61);
        return answerRight(quiz, q);
    });
    ASSERT_EQ(prompts.messages().size(), 2u);
    EXPECT_EQ(prompts.calls()[0].caption, QStringLiteral("Time Expired!"));
    EXPECT_EQ(prompts.calls()[1].text, QStringLiteral("Final score: 2 of 2 points (100%)"));
    EXPECT_EQ(logOffers, 1);
}

TEST_F(QuizRunnerTest, AnAbortedRunShowsAndRecordsNothing)
{
    addQuestions({1, 1, 1});
    quiz.overallTimeLimitOn = 1;
    quiz.overallTimeLimit = 5;
    run([&](unsigned number, CQuestion &q) { return number == 1 ? answerRight(quiz, q) : 2; });
    EXPECT_TRUE(prompts.calls().empty());
    EXPECT_EQ(logOffers, 0);
    // The run fields stay as the run left them.
    EXPECT_EQ(quiz.earnedPoints, 1);
    EXPECT_EQ(quiz.possiblePoints, 1);
    EXPECT_EQ(quiz.QuestionAt(0)->earnedPoints, 1);
    EXPECT_FALSE(clockRunning);
}

// A quiz with a file, whose runs keep a journal.
class JournalledRunTest : public QuizRunnerTest
{
protected:
    void SetUp() override
    {
        addQuestions({2, 3, 4});
        quiz.SetQuizPathName(pathIn(tempDir, "quiz.blz"));
        writeFile(quiz.pathName, quizBytes(quiz));
        journalled = true;
    }

    [[nodiscard]] AttemptJournal journal() const
    {
        return AttemptJournal(quiz.pathName, journalFolder());
    }

    // A run of this quiz interrupted on its second question (stored 0),
    // after the first (stored 2) was answered right.
    AttemptRecord interrupted() const
    {
        AttemptRecord record;
        record.quizPath = quiz.pathName;
        record.fingerprint = QuizFingerprint(quiz);
        record.writtenAt = wallClock - 2500;
        record.sinceTick = 300;
        record.order = {2, 0, 1};
        record.current = 1;
        record.possiblePoints = 4;
        record.earnedPoints = 4;
        record.quizSecondsLeft = 100;
        QuestionState open;
        open.answerOrder = {1, 0, -1, -1, -1};
        open.worth = 2;
        open.secondsLeft = 7;
        record.open = open;
        record.questions.resize(3);
        record.questions[2] = {true, {1, 0, 0, 0, 0}, 4};
        record.questions[0] = {true, {}, 0};
        return record;
    }

    void interruptWith(const AttemptRecord &record)
    {
        ASSERT_TRUE(journal().write(record, AtomicFile::Sync::Unsynced));
    }

    std::vector<unsigned> numbers;
    std::vector<std::optional<QuizScreen::Resume>> resumes;
    // Answers every question right, noting how it was shown.
    FakeScreen::Step answerAll()
    {
        return [this](unsigned number, CQuestion &q) {
            numbers.push_back(number);
            resumes.push_back(screen->lastResume);
            q.presented = 1;
            return answerRight(quiz, q);
        };
    }
};

TEST_F(JournalledRunTest, ResumesWhereTheRunStopped)
{
    interruptWith(interrupted());
    prompts.answer(IDYES).answer(IDOK);
    run(answerAll());
    EXPECT_EQ(prompts.calls()[0].text,
              QStringLiteral("An attempt at this quiz was interrupted at question 2 of 3.\n"
                             "Do you want to resume it?"));
    EXPECT_EQ(prompts.calls()[0].caption, QStringLiteral("Brainloft"));
    EXPECT_EQ(prompts.calls()[0].flags, MB_YESNO | MB_ICONQUESTION);
    // Questions 2 and 3 only, the second as it was, charged 2.8 s: two whole
    // seconds, and the first tick 0.2 s after the start keeps the phase.
    EXPECT_EQ(numbers, (std::vector<unsigned>{2, 3}));
    ASSERT_TRUE(resumes[0]);
    EXPECT_EQ(resumes[0]->state, interrupted().open);
    EXPECT_EQ(resumes[0]->idleSeconds, 2);
    EXPECT_EQ(firstTick, 200);
    EXPECT_FALSE(resumes[1]);
    EXPECT_EQ(prompts.lastMessage()->text, QStringLiteral("Final score: 9 of 9 points (100%)"));
    EXPECT_EQ(quiz.QuestionAt(2)->chosen[0], 1); // the first question's answer kept
    EXPECT_FALSE(journal().read());
}

TEST_F(JournalledRunTest, DowntimeByTheWallClock)
{
    struct Case
    {
        const char *what;
        std::int64_t writtenAgo, sinceTick, idleSeconds;
        int firstTick;
    } cases[] = {
        {"a few seconds", 3200, 0, 3, 800},
        {"the part of a second before the write counts", 700, 400, 1, 900},
        {"the clock set back", -60000, 250, 0, 750},
        {"an hour", 3'600'000, 999, 3600, 1},
    };
    for (const Case &c : cases) {
        AttemptRecord record = interrupted();
        record.writtenAt = wallClock - c.writtenAgo;
        record.sinceTick = std::int32_t(c.sinceTick);
        interruptWith(record);
        numbers.clear();
        resumes.clear();
        prompts.clear();
        prompts.answer(IDYES).answer(IDOK);
        run(answerAll());
        ASSERT_FALSE(resumes.empty()) << c.what;
        ASSERT_TRUE(resumes[0]) << c.what;
        EXPECT_EQ(resumes[0]->idleSeconds, c.idleSeconds) << c.what;
        EXPECT_EQ(firstTick, c.firstTick) << c.what;
    }
}

// A journal that is declined, out of date or damaged: a fresh run, and the
// file is gone, replaced by the new run's own while it lasts.
TEST_F(JournalledRunTest, JournalsNotTakenUpGiveAFreshRun)
{
    AttemptRecord changed = interrupted();
    changed.fingerprint[0] ^= 1;
    const std::vector<std::uint8_t> good = EncodeAttempt(interrupted());
    const struct Case
    {
        const char *what;
        std::vector<std::uint8_t> bytes;
        int answer;           // to the resume question, if asked
        QString firstMessage; // empty: none before the run
    } cases[] = {
        {"declined", good, IDNO, QString()},
        {"the quiz changed", EncodeAttempt(changed), 0,
         QStringLiteral("This quiz has changed since the attempt was interrupted. It starts again "
                        "from the beginning.")},
        {"cut short", std::vector<std::uint8_t>(good.begin(), good.begin() + 60), 0, QString()},
        {"random bytes", std::vector<std::uint8_t>(300, 0xA5), 0, QString()},
        {"empty", {}, 0, QString()},
    };
    for (const Case &c : cases) {
        ::mkdir(journalFolder().c_str(), 0700);
        writeFile(journal().path(), c.bytes);
        prompts.clear();
        if (c.answer)
            prompts.answer(c.answer);
        if (!c.firstMessage.isEmpty())
            prompts.answer(IDOK);
        numbers.clear();
        run([&](unsigned number, CQuestion &) {
            numbers.push_back(number);
            EXPECT_FALSE(screen->lastResume) << c.what;
            const std::optional<AttemptRecord> now = journal().read();
            EXPECT_TRUE(now && now->current == number - 1) << c.what;
            return number == 2 ? 2 : 1; // then the taker stops: nothing left to resume
        });
        EXPECT_EQ(numbers, (std::vector<unsigned>{1, 2})) << c.what;
        EXPECT_EQ(firstTick, 1000) << c.what;
        if (!c.firstMessage.isEmpty()) {
            EXPECT_EQ(prompts.calls()[0].text, c.firstMessage) << c.what;
        }
        EXPECT_TRUE(prompts.allAnswered()) << c.what;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(journal().path()))) << c.what;
    }
}

TEST_F(JournalledRunTest, AnInterruptedLogStepIsFinishedOnce)
{
    quiz.logResults = 1;
    // The log step keeps the confirmed comment in the journal first.
    prompts.answer(IDOK);
    confirmLog = [&](const QuizRunner::LogConfirmed &confirmed) {
        confirmed("Ada", 77);
        const std::optional<AttemptRecord> now = journal().read();
        ASSERT_TRUE(now);
        EXPECT_EQ(now->phase, AttemptRecord::Phase::Logging);
        EXPECT_EQ(now->comment, "Ada");
        EXPECT_EQ(now->logSize, 77u);
        EXPECT_TRUE(now->completed);
    };
    run(answerAll());
    EXPECT_FALSE(journal().read()); // the run ended and took it away
    confirmLog = {};

    // Taken up: the report again, the entry finished without a dialog;
    // declined: the entry is finished all the same.
    for (const int answer : {IDYES, IDNO}) {
        AttemptRecord record = interrupted();
        record.phase = AttemptRecord::Phase::Logging;
        record.open.reset();
        record.current = 3;
        record.completed = true;
        record.comment = "Ada";
        interruptWith(record);
        logOffers = 0;
        finishedComments.clear();
        prompts.clear();
        prompts.answer(answer).answer(IDOK);
        run(answerAll());
        EXPECT_EQ(finishedComments, std::vector<std::string>{"Ada"}) << answer;
        EXPECT_TRUE(prompts.calls()[0].text.startsWith(
            QStringLiteral("An attempt at this quiz was interrupted at question 3 of 3.")));
        EXPECT_EQ(logOffers, answer == IDYES ? 0 : 1);
    }
}

TEST_F(QuizRunnerTest, AClockThatCannotStartEndsTheRunAtOnce)
{
    addQuestions({1});
    clockStarts = false;
    prompts.answer(IDOK);
    int presented = 0;
    run([&](unsigned, CQuestion &) { return ++presented; });
    EXPECT_EQ(presented, 0);
    EXPECT_EQ(prompts.messages(),
              std::vector<QString>{QStringLiteral("SetTimer() API call failed.")});
    EXPECT_EQ(logOffers, 0);
}

TEST_F(QuizRunnerTest, FlashCardQuizzesUseTheFlashCardScreen)
{
    quiz.quizType = 1;
    quiz.AppendQuestion(makeCard("Prompt", "Answer", 3));
    prompts.answer(IDOK);
    run([&](unsigned, CQuestion &q) { return answerRight(quiz, q); });
    EXPECT_TRUE(flashCardScreen);
    EXPECT_EQ(prompts.lastMessage()->text, QStringLiteral("Final score: 3 of 3 points (100%)"));
}

// The whole way with the real multiple-choice screen: the question windows
// run modally, the runner's ticks reach them, and they are answered by
// keyboard and mouse as a taker would.
TEST_F(QuizRunnerTest, RunsRealQuestionScreens)
{
    quiz.AppendQuestion(makeQuestion("First", {"right", "wrong"}, {0}, 2));
    quiz.AppendQuestion(makeQuestion("Second", {"wrong", "right"}, {1}, 3));
    for (int i = 0; i < 2; ++i)
        quiz.QuestionAt(i)->timeLimit = 60;
    quiz.reviewAnswers = 0;

    std::vector<QString> timeLines;
    QTimer driver;
    driver.setInterval(0);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QuestionDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isQuestionOpen())
            return;
        for (int i = 0; i < 3; ++i) {
            runner->tick();
            deliverPosted();
        }
        timeLines.push_back(dialog->findChild<QLabel *>("questionTimeLabel")->text());
        // Question 1: Enter submits slot A; question 2: the first answer, wrong.
        dialog->findChild<QPushButton *>("submitButton")->click();
    });
    driver.start();

    QuizRunner::Hooks hooks;
    hooks.makeScreen = [&](bool) -> std::unique_ptr<QuizScreen> {
        return std::make_unique<DialogScreen<QuestionDialog>>(quiz, prompts);
    };
    hooks.startClock = [](int) { return true; };
    hooks.stopClock = [&] { driver.stop(); };
    hooks.offerLogEntry = [&](const QuizRunner::LogConfirmed &) { ++logOffers; };
    runner = std::make_unique<QuizRunner>(quiz, prompts, nullptr, std::move(hooks));
    prompts.answer(IDOK);
    runner->run();

    EXPECT_EQ(timeLines,
              (std::vector<QString>{QStringLiteral("Time left for this question: 57 seconds"),
                                    QStringLiteral("Time left for this question: 57 seconds")}));
    EXPECT_EQ(prompts.lastMessage()->text, QStringLiteral("Final score: 2 of 5 points (40%)"));
    EXPECT_EQ(logOffers, 1);
    EXPECT_EQ(quiz.QuestionAt(1)->chosen, (std::array<std::int32_t, 5>{1, 0, 0, 0, 0}));
    EXPECT_EQ(QApplication::topLevelWidgets().size(), 0);
}
