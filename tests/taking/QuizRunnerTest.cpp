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
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
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

    int present(unsigned number, CQuestion &question) override
    {
        m_open = true;
        const int result = m_step(number, question);
        m_open = false;
        return result;
    }
    QObject *tickReceiver() override { return m_open ? this : nullptr; }

    int ticks = 0;

protected:
    void customEvent(QEvent *event) override
    {
        if (event->type() == QuizTickEvent)
            ++ticks;
    }

private:
    Step m_step;
    bool m_open = false;
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
        hooks.startClock = [&] {
            clockRunning = clockStarts;
            return clockStarts;
        };
        hooks.stopClock = [&] { clockRunning = false; };
        hooks.offerLogEntry = [&] { ++logOffers; };
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
    int logOffers = 0;
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
    hooks.startClock = [] { return true; };
    hooks.stopClock = [&] { driver.stop(); };
    hooks.offerLogEntry = [&] { ++logOffers; };
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
