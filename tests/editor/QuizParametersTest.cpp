// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/QuizParameters.h"

#include "QuizFixtures.h"

#include "model/Quiz.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A quiz with every parameter set away from its initial value.
void configure(Quiz &quiz)
{
    quiz.quizType = 0;
    quiz.logResults = 1;
    quiz.overallTimeLimitOn = 1;
    quiz.overallTimeLimit = 45;
    quiz.randomizeQuestions = 1;
    quiz.randomizeAnswers = 0;
    quiz.reviewAnswers = 1;
    quiz.useCustomFont = 1;
    quiz.font = sampleFont(3);
    quiz.defaultScore = 4;
    quiz.defaultTimeLimit = 30;
    quiz.defaultReduceBy = 2;
    quiz.defaultReduceEvery = 10;
}

const LogFont WINDOW_FONT = sampleFont(9);

} // namespace

TEST(QuizParametersTest, LimitsThatAreOffOpenWithOne)
{
    Quiz quiz;
    quiz.overallTimeLimit = 0;
    quiz.defaultTimeLimit = 0;
    quiz.defaultReduceEvery = 0;
    quiz.defaultReduceBy = 7; // ignored without a reduction interval
    quiz.quizType = 5;        // a file's other non-zero value is flash cards
    const QuizParameters v = LoadQuizParameters(quiz, WINDOW_FONT);
    EXPECT_FALSE(v.overallTimeLimitOn);
    EXPECT_EQ(v.overallMinutes, 1u);
    EXPECT_FALSE(v.timeLimitOn);
    EXPECT_EQ(v.timeLimit, 1u);
    EXPECT_FALSE(v.reduceOn);
    EXPECT_EQ(v.reduceBy, 1u);
    EXPECT_EQ(v.reduceEvery, 1u);
    EXPECT_EQ(v.quizType, 1);
    EXPECT_EQ(v.font, WINDOW_FONT); // no custom font: the window's

    configure(quiz);
    const QuizParameters set = LoadQuizParameters(quiz, WINDOW_FONT);
    EXPECT_EQ(set.overallMinutes, 45u);
    EXPECT_EQ(set.timeLimit, 30u);
    EXPECT_EQ(set.reduceBy, 2u);
    EXPECT_EQ(set.reduceEvery, 10u);
    EXPECT_EQ(set.font, sampleFont(3));
    EXPECT_EQ(set.quizType, 0);
}

TEST(QuizParametersTest, UnchangedValuesLeaveTheQuizAsItWas)
{
    Quiz quiz;
    configure(quiz);
    quiz.AppendQuestion(makeQuestion("q", {"a", "b"}, {0}));
    const std::vector<std::uint8_t> before = quizBytes(quiz);
    const QuizParameters v = LoadQuizParameters(quiz, WINDOW_FONT);
    EXPECT_FALSE(ParametersChangeQuiz(v, quiz));
    StoreQuizParameters(v, quiz);
    EXPECT_EQ(quizBytes(quiz), before);

    // A flag stored as another non-zero value is kept as it was.
    quiz.logResults = 7;
    quiz.quizType = 3;
    const QuizParameters again = LoadQuizParameters(quiz, WINDOW_FONT);
    EXPECT_FALSE(ParametersChangeQuiz(again, quiz));
    StoreQuizParameters(again, quiz);
    EXPECT_EQ(quiz.logResults, 7);
    EXPECT_EQ(quiz.quizType, 3);
}

TEST(QuizParametersTest, EachShownChangeMarksTheQuiz)
{
    struct Case
    {
        const char *name;
        std::function<void(QuizParameters &)> change;
    } cases[] = {
        {"overall limit off", [](QuizParameters &v) { v.overallTimeLimitOn = false; }},
        {"overall minutes", [](QuizParameters &v) { v.overallMinutes = 46; }},
        {"randomize answers", [](QuizParameters &v) { v.randomizeAnswers = true; }},
        {"randomize questions", [](QuizParameters &v) { v.randomizeQuestions = false; }},
        {"log results", [](QuizParameters &v) { v.logResults = false; }},
        {"score", [](QuizParameters &v) { v.defaultScore = 5; }},
        {"time limit off", [](QuizParameters &v) { v.timeLimitOn = false; }},
        {"time limit", [](QuizParameters &v) { v.timeLimit = 31; }},
        {"reduce off", [](QuizParameters &v) { v.reduceOn = false; }},
        {"reduce by", [](QuizParameters &v) { v.reduceBy = 3; }},
        {"reduce every", [](QuizParameters &v) { v.reduceEvery = 11; }},
        {"review", [](QuizParameters &v) { v.reviewAnswers = false; }},
        {"type", [](QuizParameters &v) { v.quizType = 1; }},
        {"custom font off", [](QuizParameters &v) { v.useCustomFont = false; }},
        {"font", [](QuizParameters &v) { v.font = sampleFont(4); }},
    };
    for (const Case &c : cases) {
        Quiz quiz;
        configure(quiz);
        QuizParameters v = LoadQuizParameters(quiz, WINDOW_FONT);
        c.change(v);
        EXPECT_TRUE(ParametersChangeQuiz(v, quiz)) << c.name;
    }

    // With the boxes off in the quiz too, their numbers do not count.
    Quiz plain;
    plain.overallTimeLimit = 1;
    QuizParameters v = LoadQuizParameters(plain, WINDOW_FONT);
    v.timeLimit = 99;
    v.reduceBy = 9;
    v.reduceEvery = 9;
    v.font = sampleFont(5); // no custom font: the font is not kept
    EXPECT_FALSE(ParametersChangeQuiz(v, plain));
}

TEST(QuizParametersTest, DefaultsApplyOnlyTheChosenFields)
{
    struct Case
    {
        DefaultsChoice choice;
        bool timeLimitOn, reduceOn;
        std::int32_t score, timeLimit, reduceBy, reduceEvery;
    } cases[] = {
        {{true, true, true}, true, true, 7, 40, 3, 15},
        {{true, false, false}, true, true, 7, 90, 1, 5},
        // The reduction follows its own box, not the time limit's.
        {{false, true, true}, false, true, 2, 0, 3, 15},
        {{false, true, true}, true, false, 2, 40, 0, 0},
    };
    for (const Case &c : cases) {
        Quiz quiz;
        for (int i = 0; i < 3; ++i) {
            auto question = makeQuestion("q", {"a", "b"}, {0}, 2);
            question->timeLimit = 90;
            question->reduceBy = 1;
            question->reduceEvery = 5;
            question->answers[2] = "kept";
            quiz.AppendQuestion(std::move(question));
        }
        quiz.modified = false;
        QuizParameters v;
        v.defaultScore = 7;
        v.timeLimitOn = c.timeLimitOn;
        v.timeLimit = 40;
        v.reduceOn = c.reduceOn;
        v.reduceBy = 3;
        v.reduceEvery = 15;
        ApplyDefaultsToQuestions(quiz, c.choice, v);
        for (int i = 0; i < 3; ++i) {
            const CQuestion &q = *quiz.QuestionAt(i);
            EXPECT_EQ(q.score, c.score);
            EXPECT_EQ(q.timeLimit, c.timeLimit);
            EXPECT_EQ(q.reduceBy, c.reduceBy);
            EXPECT_EQ(q.reduceEvery, c.reduceEvery);
            EXPECT_EQ(q.answers[2], "kept");
        }
        EXPECT_TRUE(quiz.modified);
    }

    Quiz empty;
    ApplyDefaultsToQuestions(empty, {}, QuizParameters{});
    EXPECT_TRUE(empty.modified); // even without questions
}
