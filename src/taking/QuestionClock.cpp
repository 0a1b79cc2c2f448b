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
