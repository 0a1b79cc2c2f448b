// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The quiz parameters dialog's values as plain data. The dialog
// (QuizParametersDialog) loads them from the quiz when it opens, reads its
// controls into them, and on OK compares them with the quiz and writes them
// back; the two "Apply to all existing questions" commands copy some of them
// into every question at once.

#include "model/LogFont.h"

#include <cstdint>

class Quiz;

struct QuizParameters
{
    // Until loaded every value is 0 and no quiz type is chosen.
    int quizType = -1; // 0 multiple choice, 1 flash cards
    bool logResults = false;
    bool overallTimeLimitOn = false;
    std::uint32_t overallMinutes = 0;
    bool randomizeQuestions = false;
    bool randomizeAnswers = false;
    bool reviewAnswers = false;
    bool useCustomFont = false;
    LogFont font{};
    std::uint32_t defaultScore = 0;
    bool timeLimitOn = false;
    std::uint32_t timeLimit = 0;
    bool reduceOn = false;
    std::uint32_t reduceBy = 0;
    std::uint32_t reduceEvery = 0;
};

// Which defaults "Apply to all existing questions..." copies.
struct DefaultsChoice
{
    bool score = true;
    bool timeLimit = true;
    bool reduce = true;
};

// The values the dialog opens with. A limit that is off shows 1 in its
// field, and without a custom font the font is `windowFont`, the dialog's
// own.
[[nodiscard]] QuizParameters LoadQuizParameters(const Quiz &quiz, const LogFont &windowFont);

// Whether writing `values` back changes a setting of the quiz, so that OK
// marks it modified. Every setting the dialog shows takes part: the limits
// and numbers behind a box that is off only through the box.
[[nodiscard]] bool ParametersChangeQuiz(const QuizParameters &values, const Quiz &quiz);

// Writes the values back. The overall minutes are kept even while that
// limit is off; a default time limit that is off becomes 0, and so do both
// reduction values unless the time limit and the reduction are on. The
// quiz's font changes only while a custom font is chosen. Numbers above
// LARGEST_STORED_NUMBER must have been refused before.
void StoreQuizParameters(const QuizParameters &values, Quiz &quiz);

// Copies the chosen defaults into every question and marks the quiz
// modified (even without questions). The reduction follows its own box
// alone, whether or not the time limit is on; a box that is off gives 0.
void ApplyDefaultsToQuestions(Quiz &quiz, const DefaultsChoice &choice,
                              const QuizParameters &values);

// Gives every question the default font, or takes each question's own font
// away when no custom font is chosen; marks the quiz modified.
void ApplyFontToQuestions(Quiz &quiz, const QuizParameters &values);
