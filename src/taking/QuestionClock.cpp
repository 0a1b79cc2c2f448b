// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/QuestionClock.h"

#include "model/Quiz.h"

#include <algorithm>
#include <limits>

void QuestionClock::start(const CQuestion &question, Reduction reduction)
{
    worth = question.score;
    questionSecondsLeft = question.timeLimit > 0 ? question.timeLimit : 0;
    const bool reduces =
        question.reduceEvery > 0 && (reduction == Reduction::Always || question.timeLimit != 0);
    reduceCounter = reduces ? 0 : -1;
    paused = false;
    answerShown = false;
}

void QuestionClock::restore(const CQuestion &question, Reduction reduction, std::int32_t worth_,
                            std::int32_t reduceCounter_, std::int32_t questionSecondsLeft_,
                            bool answerShown_)
{
    start(question, reduction);
    worth = worth_;
    if (reduceCounter >= 0)
        reduceCounter = std::clamp(reduceCounter_, 0, question.reduceEvery - 1);
    if (question.timeLimit > 0)
        questionSecondsLeft = std::clamp(questionSecondsLeft_, 0, question.timeLimit);
    answerShown = answerShown_;
    // A question whose limit had run out waits for its time-out to be handled.
    paused = question.timeLimit > 0 && questionSecondsLeft == 0;
}

QuestionClock::Step QuestionClock::tick(Quiz &quiz, const CQuestion &question)
{
    Step step;
    if (paused || answerShown) {
        if (quiz.overallTimeLimitOn &&
            quiz.quizSecondsLeft < std::numeric_limits<std::int32_t>::max())
            quiz.quizSecondsLeft += 1;
        return step;
    }

    if (reduceCounter >= 0) {
        reduceCounter += 1;
        if (reduceCounter >= question.reduceEvery) {
            reduceCounter = 0;
            // Long arithmetic: a damaged file may carry any reduction.
            const std::int64_t reduced = std::int64_t(worth) - question.reduceBy;
            worth = static_cast<std::int32_t>(
                std::clamp<std::int64_t>(reduced, 1, std::numeric_limits<std::int32_t>::max()));
            step.worthChanged = true;
        }
    }

    // Without an overall limit the quiz's seconds never run out, even when a
    // damaged file gives a negative limit.
    if (quiz.overallTimeLimitOn && quiz.quizSecondsLeft < 0) {
        paused = true;
        step.quizRanOut = true;
    } else {
        step.quizLineChanged = true;
    }

    if (questionSecondsLeft > 0) {
        questionSecondsLeft -= 1;
        step.questionLineChanged = true;
        if (questionSecondsLeft == 0) {
            paused = true;
            step.questionRanOut = true;
        }
    }
    return step;
}

QuestionClock::Step QuestionClock::elapse(Quiz &quiz, const CQuestion &question,
                                          std::int64_t seconds)
{
    Step step;
    if (seconds <= 0 || paused || answerShown)
        return step; // a held clock gives every second back
    constexpr std::int64_t MIN = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t MAX = std::numeric_limits<std::int32_t>::max();

    // The tick that ends it: the overall limit runs out on the tick that
    // takes its seconds below 0, the question's on the one that takes them to 0.
    std::int64_t n = seconds;
    if (quiz.overallTimeLimitOn) {
        const std::int64_t runsOut = std::max<std::int64_t>(quiz.quizSecondsLeft, 0) + 1;
        if (runsOut <= n) {
            n = runsOut;
            step.quizRanOut = true;
        }
    }
    if (questionSecondsLeft > 0 && questionSecondsLeft <= n) {
        if (questionSecondsLeft < n)
            step.quizRanOut = false;
        n = questionSecondsLeft;
        step.questionRanOut = true;
    }

    if (reduceCounter >= 0 && question.reduceEvery > 0) {
        const std::int64_t total = std::int64_t(reduceCounter) + n;
        const std::int64_t reductions = total / question.reduceEvery;
        reduceCounter = static_cast<std::int32_t>(total % question.reduceEvery);
        if (reductions > 0) {
            // After the first reduction the worth lies in 1 … MAX and moves
            // one way only, so the rest can be taken at once.
            std::int64_t value =
                std::clamp<std::int64_t>(std::int64_t(worth) - question.reduceBy, 1, MAX);
            value = std::clamp<std::int64_t>(value - (reductions - 1) * question.reduceBy, 1, MAX);
            worth = static_cast<std::int32_t>(value);
            step.worthChanged = true;
        }
    }
    if (quiz.overallTimeLimitOn)
        quiz.quizSecondsLeft = static_cast<std::int32_t>(std::max(quiz.quizSecondsLeft - n, MIN));
    step.quizLineChanged = !step.quizRanOut;
    if (questionSecondsLeft > 0) {
        questionSecondsLeft -= static_cast<std::int32_t>(n);
        step.questionLineChanged = true;
    }
    paused = step.quizRanOut || step.questionRanOut;
    return step;
}
