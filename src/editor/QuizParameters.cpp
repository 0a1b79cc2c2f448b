// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/QuizParameters.h"

#include "editor/FormText.h"
#include "model/Quiz.h"

#include <algorithm>

namespace {

// A stored number as a field shows it; a damaged file's negative number
// shows as 0.
std::uint32_t shown(std::int32_t stored)
{
    return stored < 0 ? 0 : std::uint32_t(stored);
}

std::int32_t stored(std::uint32_t value)
{
    return std::int32_t(std::min(value, LARGEST_STORED_NUMBER));
}

// A flag as stored: a file may hold any non-zero value for true, which an
// unchanged setting keeps, so a quiz written back stays byte-identical.
std::int32_t storedFlag(bool on, std::int32_t previous)
{
    if (!on)
        return 0;
    return previous != 0 ? previous : 1;
}

bool differs(std::uint32_t value, std::int32_t stored)
{
    return std::int64_t(value) != std::int64_t(stored);
}

} // namespace

QuizParameters LoadQuizParameters(const Quiz &quiz, const LogFont &windowFont)
{
    QuizParameters v;
    v.overallTimeLimitOn = quiz.overallTimeLimitOn != 0;
    v.overallMinutes = v.overallTimeLimitOn ? shown(quiz.overallTimeLimit) : 1;
    v.quizType = quiz.quizType != 0 ? 1 : 0;
    v.logResults = quiz.logResults != 0;
    v.randomizeQuestions = quiz.randomizeQuestions != 0;
    v.randomizeAnswers = quiz.randomizeAnswers != 0;
    v.useCustomFont = quiz.useCustomFont != 0;
    v.reviewAnswers = quiz.reviewAnswers != 0;
    v.defaultScore = shown(quiz.defaultScore);
    v.font = v.useCustomFont ? quiz.font : windowFont;
    v.timeLimitOn = quiz.defaultTimeLimit != 0;
    v.timeLimit = v.timeLimitOn ? shown(quiz.defaultTimeLimit) : 1;
    v.reduceOn = quiz.defaultReduceEvery != 0;
    v.reduceBy = v.reduceOn ? shown(quiz.defaultReduceBy) : 1;
    v.reduceEvery = v.reduceOn ? shown(quiz.defaultReduceEvery) : 1;
    return v;
}

bool ParametersChangeQuiz(const QuizParameters &v, const Quiz &quiz)
{
    const bool quizTimeLimitOn = quiz.defaultTimeLimit != 0;
    const bool quizReduceOn = quiz.defaultReduceEvery != 0;
    const bool quizCustomFont = quiz.useCustomFont != 0;
    return v.overallTimeLimitOn != (quiz.overallTimeLimitOn != 0) ||
           differs(v.overallMinutes, quiz.overallTimeLimit) ||
           v.randomizeAnswers != (quiz.randomizeAnswers != 0) ||
           v.randomizeQuestions != (quiz.randomizeQuestions != 0) ||
           v.logResults != (quiz.logResults != 0) || differs(v.defaultScore, quiz.defaultScore) ||
           v.timeLimitOn != quizTimeLimitOn ||
           (v.timeLimitOn && differs(v.timeLimit, quiz.defaultTimeLimit)) ||
           v.reduceOn != quizReduceOn ||
           (v.reduceOn && (differs(v.reduceBy, quiz.defaultReduceBy) ||
                           differs(v.reduceEvery, quiz.defaultReduceEvery))) ||
           v.reviewAnswers != (quiz.reviewAnswers != 0) ||
           // The type and the default font are settings of the quiz file as
           // well; a change of either alone must not be lost unasked.
           (v.quizType >= 0 && (v.quizType != 0) != (quiz.quizType != 0)) ||
           v.useCustomFont != quizCustomFont || (v.useCustomFont && v.font != quiz.font);
}

void StoreQuizParameters(const QuizParameters &v, Quiz &quiz)
{
    if (v.quizType >= 0)
        quiz.quizType = storedFlag(v.quizType != 0, quiz.quizType);
    quiz.logResults = storedFlag(v.logResults, quiz.logResults);
    quiz.overallTimeLimitOn = storedFlag(v.overallTimeLimitOn, quiz.overallTimeLimitOn);
    quiz.overallTimeLimit = stored(v.overallMinutes);
    quiz.randomizeQuestions = storedFlag(v.randomizeQuestions, quiz.randomizeQuestions);
    quiz.randomizeAnswers = storedFlag(v.randomizeAnswers, quiz.randomizeAnswers);
    quiz.reviewAnswers = storedFlag(v.reviewAnswers, quiz.reviewAnswers);
    quiz.useCustomFont = storedFlag(v.useCustomFont, quiz.useCustomFont);
    if (v.useCustomFont)
        quiz.font = v.font;
    quiz.defaultScore = stored(v.defaultScore);
    quiz.defaultTimeLimit = v.timeLimitOn ? stored(v.timeLimit) : 0;
    const bool reducing = v.timeLimitOn && v.reduceOn;
    quiz.defaultReduceBy = reducing ? stored(v.reduceBy) : 0;
    quiz.defaultReduceEvery = reducing ? stored(v.reduceEvery) : 0;
}

void ApplyDefaultsToQuestions(Quiz &quiz, const DefaultsChoice &choice, const QuizParameters &v)
{
    for (int i = 0; i < quiz.questionCount(); ++i) {
        CQuestion &question = *quiz.QuestionAt(i);
        if (choice.score)
            question.score = stored(v.defaultScore);
        if (choice.timeLimit)
            question.timeLimit = v.timeLimitOn ? stored(v.timeLimit) : 0;
        if (choice.reduce) {
            question.reduceBy = v.reduceOn ? stored(v.reduceBy) : 0;
            question.reduceEvery = v.reduceOn ? stored(v.reduceEvery) : 0;
        }
    }
    quiz.SetModifiedFlag(true);
}

void ApplyFontToQuestions(Quiz &quiz, const QuizParameters &v)
{
    for (int i = 0; i < quiz.questionCount(); ++i)
        quiz.QuestionAt(i)->SetCustomFont(v.useCustomFont ? &v.font : nullptr);
    quiz.SetModifiedFlag(true);
}
