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

// The seconds an interrupted run was down, charged at once: what each rule
// leaves of the question and the quiz.
TEST(QuestionClock, DowntimeIsChargedAsIdleSeconds)
{
    struct Case
    {
        const char *what;
        int score, timeLimit, reduceEvery, reduceBy;
        Reduction reduction;
        bool overallOn;
        int quizSecondsLeft;
        std::int64_t down;
        // afterwards
        int worth, secondsLeft, quizLeft;
        bool questionRanOut, quizRanOut;
    } cases[] = {
        {"a few seconds", 10, 30, 5, 3, Reduction::NeedsTimeLimit, true, 600, 7, 7, 23, 593, false,
         false},
        {"more than the question has left: a time-out, then nothing", 10, 30, 5, 3,
         Reduction::NeedsTimeLimit, true, 600, 500, 1, 0, 570, true, false},
        {"more than the quiz has left: the quiz runs out on the tick past 0", 10, 300, 0, 0,
         Reduction::NeedsTimeLimit, true, 40, 5000, 10, 259, -1, false, true},
        {"both on the same tick", 6, 41, 0, 0, Reduction::NeedsTimeLimit, true, 40, 90, 6, 0, -1,
         true, true},
        {"exactly what the question has left", 6, 20, 0, 0, Reduction::NeedsTimeLimit, false, 0, 20,
         6, 0, 0, true, false},
        {"no limits: nothing is lost", 5, 0, 0, 0, Reduction::NeedsTimeLimit, false, 0, 1'000'000,
         5, 0, 0, false, false},
        {"no time limit: no reduction on a multiple-choice screen", 5, 0, 2, 1,
         Reduction::NeedsTimeLimit, false, 0, 100, 5, 0, 0, false, false},
        {"a flash card reduces without limits, down to 1", 9, 0, 4, 2, Reduction::Always, false, 0,
         3'000'000'000, 1, 0, 0, false, false},
        {"days over an overall limit only", 3, 0, 0, 0, Reduction::NeedsTimeLimit, true, 18000,
         200'000, 3, 0, -1, false, true},
        {"nothing down", 10, 30, 5, 3, Reduction::NeedsTimeLimit, true, 600, 0, 10, 30, 600, false,
         false},
    };
    for (const Case &c : cases) {
        Quiz quiz;
        quiz.overallTimeLimitOn = c.overallOn;
        quiz.quizSecondsLeft = c.quizSecondsLeft;
        const auto q = timedQuestion(c.score, c.timeLimit, c.reduceEvery, c.reduceBy);
        QuestionClock clock;
        clock.start(*q, c.reduction);
        const QuestionClock::Step step = clock.elapse(quiz, *q, c.down);
        EXPECT_EQ(clock.worth, c.worth) << c.what;
        EXPECT_EQ(clock.questionSecondsLeft, c.secondsLeft) << c.what;
        EXPECT_EQ(quiz.quizSecondsLeft, c.quizLeft) << c.what;
        EXPECT_EQ(step.questionRanOut, c.questionRanOut) << c.what;
        EXPECT_EQ(step.quizRanOut, c.quizRanOut) << c.what;
        EXPECT_EQ(clock.paused, c.questionRanOut || c.quizRanOut) << c.what;
    }
}

// elapse() must be exactly as many seconds of the running clock, whatever
// the state it starts from.
TEST(QuestionClock, DowntimeEqualsTheSameNumberOfTicks)
{
    std::uint32_t seed = 12345;
    auto draw = [&](int below) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 8) % unsigned(below));
    };
    for (int round = 0; round < 3000; ++round) {
        const auto q =
            timedQuestion(draw(12) - 1, draw(3) ? draw(40) : 0, draw(2) ? draw(7) : 0, draw(5) - 1);
        const Reduction reduction = draw(2) ? Reduction::Always : Reduction::NeedsTimeLimit;
        Quiz ticked, elapsed;
        ticked.overallTimeLimitOn = elapsed.overallTimeLimitOn = draw(2);
        ticked.quizSecondsLeft = elapsed.quizSecondsLeft = draw(50);
        QuestionClock byTicks, atOnce;
        byTicks.start(*q, reduction);
        // Somewhere into the question already.
        for (int t = draw(10); t > 0 && !byTicks.paused; --t)
            second(ticked, byTicks, *q);
        atOnce = byTicks;
        elapsed.quizSecondsLeft = ticked.quizSecondsLeft;
        const int down = draw(70);
        QuestionClock::Step last;
        bool questionRanOut = false, quizRanOut = false;
        for (int t = 0; t < down; ++t) {
            last = second(ticked, byTicks, *q);
            questionRanOut |= last.questionRanOut;
            quizRanOut |= last.quizRanOut;
        }
        const QuestionClock::Step step = atOnce.elapse(elapsed, *q, down);
        const auto where = ::testing::Message() << "round " << round << ", " << down << " s";
        EXPECT_EQ(atOnce.worth, byTicks.worth) << where;
        EXPECT_EQ(atOnce.reduceCounter, byTicks.reduceCounter) << where;
        EXPECT_EQ(atOnce.questionSecondsLeft, byTicks.questionSecondsLeft) << where;
        EXPECT_EQ(atOnce.paused, byTicks.paused) << where;
        EXPECT_EQ(elapsed.quizSecondsLeft, ticked.quizSecondsLeft) << where;
        EXPECT_EQ(step.questionRanOut, questionRanOut) << where;
        EXPECT_EQ(step.quizRanOut, quizRanOut) << where;
    }
}
