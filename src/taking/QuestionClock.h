// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

class CQuestion;
class Quiz;

// The per-question side of the quiz clock, shared by both question screens:
// the worth and its reduction, the question's countdown, and the pause rule.
// The main window takes a second off the quiz's overall time before every
// tick; a paused screen (a box of its own is open, a time-out notice is
// pending, or the answer is on show) gives that second back, so the overall
// clock stands still while the taker reads.
class QuestionClock
{
public:
    // Where the reduction applies: on the multiple-choice screen only for a
    // question with a time limit, on the flash-card screen whenever the
    // question has a reduction interval.
    enum class Reduction { NeedsTimeLimit, Always };

    // What one tick changed, for the screen to show.
    struct Step
    {
        bool worthChanged = false;
        bool quizLineChanged = false;     // the overall time left is to be rewritten
        bool questionLineChanged = false; // the question's seconds left are to be rewritten
        bool quizRanOut = false;          // the overall limit has run out
        bool questionRanOut = false;      // the question's countdown reached 0
    };

    // Sets the clock for a question that is opening.
    void start(const CQuestion &question, Reduction reduction);
    // Takes over a question's clock as an interrupted run left it, with
    // values that cannot have come from a run put right (a counter outside
    // the reduction's interval, negative seconds).
    void restore(const CQuestion &question, Reduction reduction, std::int32_t worth,
                 std::int32_t reduceCounter, std::int32_t questionSecondsLeft, bool answerShown);
    // One second, with the main window's step already taken. A time limit
    // that runs out pauses the clock until the question closes.
    Step tick(Quiz &quiz, const CQuestion &question);
    // `seconds` of the quiz clock with nobody at the keyboard, the main
    // window's steps included: the same as that many ticks, worked out at
    // once, so that a long interruption costs nothing to charge. It stops at
    // the first limit that runs out, since its notice would then wait, with
    // the clocks held, for someone to close it.
    Step elapse(Quiz &quiz, const CQuestion &question, std::int64_t seconds);

    std::int32_t worth = 0;
    std::int32_t reduceCounter = -1;      // seconds since the last reduction; -1 = off
    std::int32_t questionSecondsLeft = 0; // 0 = no limit, or run out
    bool paused = false;
    bool answerShown = false;
};
