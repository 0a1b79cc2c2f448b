// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/QuestionClock.h"

#include "model/Quiz.h"
#include "taking/QuizTexts.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Reduction = QuestionClock::Reduction;

std::unique_ptr<CQuestion> timedQuestion(int score, int timeLimit, int reduceEvery, int reduceBy)
{
    auto q = std::make_unique<CQuestion>();
    q->score = score;
    q->timeLimit = timeLimit;
    q->reduceEvery = reduceEvery;
    q->reduceBy = reduceBy;
    return q;
}

// One second as the run has it: the main window's step, then the screen's.
QuestionClock::Step second(Quiz &quiz, QuestionClock &clock, const CQuestion &q)
{
    if (quiz.overallTimeLimitOn)
        quiz.quizSecondsLeft -= 1;
    return clock.tick(quiz, q);
}

} // namespace

TEST(QuestionClock, WorthDropsEveryIntervalButNeverBelowOne)
{
    Quiz quiz;
    const auto qOwner = timedQuestion(10, 30, 5, 3);
    const CQuestion &q = *qOwner;
    QuestionClock clock;
    clock.start(q, Reduction::NeedsTimeLimit);
    std::vector<int> worthAfter;
    int timedOutAt = 0;
    for (int t = 1; t <= 30; ++t) {
        const auto step = second(quiz, clock, q);
        worthAfter.push_back(clock.worth);
        EXPECT_EQ(step.worthChanged, t % 5 == 0) << t;
        if (step.questionRanOut)
            timedOutAt = t;
    }
    EXPECT_EQ(worthAfter[4], 7);
    EXPECT_EQ(worthAfter[9], 4);
    EXPECT_EQ(worthAfter[14], 1);
    EXPECT_EQ(worthAfter[29], 1);
    EXPECT_EQ(worthAfter[3], 10);
    EXPECT_EQ(timedOutAt, 30);
    EXPECT_TRUE(clock.paused);
}

TEST(QuestionClock, ReductionRulesOfTheTwoScreens)
{
    struct Case
    {
        int timeLimit;
        Reduction reduction;
        std::vector<int> worthAt5_10_15;
    } cases[] = {
        // Multiple choice: a reduction needs a time limit.
        {0, Reduction::NeedsTimeLimit, {6, 6, 6}},
        {60, Reduction::NeedsTimeLimit, {4, 2, 1}},
        // Flash cards reduce with or without one.
        {0, Reduction::Always, {4, 2, 1}},
    };
    for (const Case &c : cases) {
        Quiz quiz;
        const auto qOwner = timedQuestion(6, c.timeLimit, 5, 2);
        const CQuestion &q = *qOwner;
        QuestionClock clock;
        clock.start(q, c.reduction);
        std::vector<int> seen;
        for (int t = 1; t <= 15; ++t) {
            second(quiz, clock, q);
            if (t % 5 == 0)
                seen.push_back(clock.worth);
        }
        EXPECT_EQ(seen, c.worthAt5_10_15) << "time limit " << c.timeLimit;
    }

    // No reduction at all: the worth never changes.
    Quiz quiz;
    const auto plainOwner = timedQuestion(3, 0, 0, 0);
    const CQuestion &plain = *plainOwner;
    QuestionClock clock;
    clock.start(plain, Reduction::Always);
    for (int t = 0; t < 100; ++t)
        EXPECT_FALSE(second(quiz, clock, plain).worthChanged);
    EXPECT_EQ(clock.worth, 3);
    EXPECT_EQ(clock.reduceCounter, -1);
}

TEST(QuestionClock, OneMinuteQuizRunsOutAtTheSixtyFirstTick)
{
    Quiz quiz;
    quiz.overallTimeLimitOn = 1;
    quiz.quizSecondsLeft = 60;
    const auto qOwner = timedQuestion(1, 0, 0, 0);
    const CQuestion &q = *qOwner;
    QuestionClock clock;
    clock.start(q, Reduction::NeedsTimeLimit);
    EXPECT_EQ(FormatQuizTimeLeft(quiz.quizSecondsLeft),
              QStringLiteral("Time left for this quiz: 01:00"));
    second(quiz, clock, q);
    EXPECT_EQ(FormatQuizTimeLeft(quiz.quizSecondsLeft),
              QStringLiteral("Time left for this quiz: 00:59"));
    for (int t = 2; t <= 60; ++t)
        EXPECT_FALSE(second(quiz, clock, q).quizRanOut) << t;
    EXPECT_EQ(FormatQuizTimeLeft(quiz.quizSecondsLeft),
              QStringLiteral("Time left for this quiz: 00:00"));
    const auto step = second(quiz, clock, q);
    EXPECT_TRUE(step.quizRanOut);
    EXPECT_FALSE(step.quizLineChanged);
    EXPECT_TRUE(clock.paused);
}

TEST(QuestionClock, BothLimitsCanRunOutOnTheSameTick)
{
    Quiz quiz;
    quiz.overallTimeLimitOn = 1;
    quiz.quizSecondsLeft = 2;
    const auto qOwner = timedQuestion(1, 3, 0, 0);
    const CQuestion &q = *qOwner;
    QuestionClock clock;
    clock.start(q, Reduction::NeedsTimeLimit);
    second(quiz, clock, q);
    second(quiz, clock, q);
    const auto step = second(quiz, clock, q);
    EXPECT_TRUE(step.quizRanOut);
    EXPECT_TRUE(step.questionRanOut);
}

TEST(QuestionClock, WithoutAnOverallLimitTheQuizNeverRunsOut)
{
    // A damaged file may carry a negative limit; it is off, so it counts for nothing.
    Quiz quiz;
    quiz.overallTimeLimitOn = 0;
    quiz.quizSecondsLeft = -60;
    const auto qOwner = timedQuestion(1, 0, 0, 0);
    const CQuestion &q = *qOwner;
    QuestionClock clock;
    clock.start(q, Reduction::NeedsTimeLimit);
    EXPECT_FALSE(second(quiz, clock, q).quizRanOut);
    EXPECT_EQ(quiz.quizSecondsLeft, -60);
}
