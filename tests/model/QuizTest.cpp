// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Quiz.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<CQuestion> question(const char *text)
{
    auto q = std::make_unique<CQuestion>();
    q->text = text;
    return q;
}

std::string texts(const Quiz &quiz)
{
    std::string out;
    for (int i = 0; i < quiz.questionCount(); ++i)
        out += quiz.QuestionAt(i)->text;
    return out;
}

Quiz &fill(Quiz &quiz, const char *letters)
{
    for (const char *p = letters; *p; ++p)
        quiz.AppendQuestion(question(std::string(1, *p).c_str()));
    quiz.modified = false;
    return quiz;
}

} // namespace

TEST(Quiz, AppendStopsAtTheCapacityAndLeavesTheQuestionWithTheCaller)
{
    Quiz quiz;
    for (int i = 0; i < MAX_QUESTIONS - 1; ++i)
        ASSERT_EQ(quiz.AppendQuestion(question("q")), i);
    EXPECT_EQ(quiz.AppendQuestion(question("last")), MAX_QUESTIONS - 1);
    EXPECT_TRUE(quiz.modified);

    auto extra = question("extra");
    EXPECT_EQ(quiz.AppendQuestion(std::move(extra)), -1);
    ASSERT_NE(extra, nullptr);
    EXPECT_EQ(extra->text, "extra");
    EXPECT_EQ(quiz.questionCount(), MAX_QUESTIONS);
    EXPECT_FALSE(quiz.InsertQuestion(0, std::move(extra)));
    EXPECT_NE(extra, nullptr);
}

TEST(Quiz, InsertPlacesBeforeTheGivenPosition)
{
    Quiz quiz;
    EXPECT_TRUE(quiz.InsertQuestion(0, question("b")));
    EXPECT_TRUE(quiz.InsertQuestion(0, question("a")));
    EXPECT_TRUE(quiz.InsertQuestion(2, question("d")));
    EXPECT_TRUE(quiz.InsertQuestion(2, question("c")));
    EXPECT_EQ(texts(quiz), "abcd");
    // A position past the end would leave a hole in the list.
    auto late = question("x");
    EXPECT_FALSE(quiz.InsertQuestion(6, std::move(late)));
    EXPECT_FALSE(quiz.InsertQuestion(-1, std::move(late)));
    EXPECT_EQ(quiz.questionCount(), 4);
}

TEST(Quiz, RemoveClosesTheGap)
{
    Quiz quiz;
    fill(quiz, "abcde");
    quiz.RemoveQuestion(2);
    EXPECT_EQ(texts(quiz), "abde");
    EXPECT_TRUE(quiz.modified);
    quiz.RemoveQuestion(3);
    EXPECT_EQ(texts(quiz), "abd");
    EXPECT_EQ(quiz.QuestionAt(3), nullptr);

    quiz.modified = false;
    quiz.RemoveQuestion(3);
    quiz.RemoveQuestion(-1);
    EXPECT_EQ(texts(quiz), "abd");
    EXPECT_FALSE(quiz.modified);
}

TEST(Quiz, MoveSwapsWithTheNeighbourAndRefusesAtTheEdges)
{
    Quiz quiz;
    fill(quiz, "abc");
    EXPECT_FALSE(quiz.MoveQuestion(Quiz::Direction::Up, 0));
    EXPECT_FALSE(quiz.MoveQuestion(Quiz::Direction::Down, 2));
    EXPECT_FALSE(quiz.MoveQuestion(Quiz::Direction::Down, 3));
    EXPECT_FALSE(quiz.modified);
    EXPECT_TRUE(quiz.MoveQuestion(Quiz::Direction::Up, 2));
    EXPECT_EQ(texts(quiz), "acb");
    EXPECT_TRUE(quiz.MoveQuestion(Quiz::Direction::Down, 0));
    EXPECT_EQ(texts(quiz), "cab");
    EXPECT_TRUE(quiz.modified);

    Quiz single;
    fill(single, "a");
    EXPECT_FALSE(single.MoveQuestion(Quiz::Direction::Up, 0));
    EXPECT_FALSE(single.MoveQuestion(Quiz::Direction::Down, 0));
    EXPECT_FALSE(single.modified);
}

TEST(Quiz, ClearKeepsDefaultsReviewAndFont)
{
    Quiz quiz;
    fill(quiz, "ab");
    quiz.reviewAnswers = 0;
    quiz.defaultScore = 7;
    quiz.defaultTimeLimit = 30;
    quiz.defaultReduceEvery = 5;
    quiz.defaultReduceBy = 2;
    quiz.font[3] = 9;
    quiz.quizType = 1;
    quiz.overallTimeLimitOn = 1;
    quiz.overallTimeLimit = 12;
    quiz.logResults = 1;
    quiz.randomizeAnswers = 1;
    quiz.randomizeQuestions = 1;
    quiz.useCustomFont = 1;
    quiz.password = "secret";
    quiz.SetQuizPathName("/tmp/quiz.blz");
    quiz.modified = true;

    quiz.ClearQuiz();

    EXPECT_EQ(quiz.questionCount(), 0);
    EXPECT_EQ(quiz.QuestionAt(0), nullptr);
    EXPECT_EQ(quiz.reviewAnswers, 0);
    EXPECT_EQ(quiz.defaultScore, 7);
    EXPECT_EQ(quiz.defaultTimeLimit, 30);
    EXPECT_EQ(quiz.defaultReduceEvery, 5);
    EXPECT_EQ(quiz.defaultReduceBy, 2);
    EXPECT_EQ(quiz.font[3], 9);
    EXPECT_EQ(quiz.quizType, 0);
    EXPECT_EQ(quiz.overallTimeLimitOn, 0);
    EXPECT_EQ(quiz.overallTimeLimit, 0);
    EXPECT_EQ(quiz.logResults, 0);
    EXPECT_EQ(quiz.randomizeAnswers, 0);
    EXPECT_EQ(quiz.randomizeQuestions, 0);
    EXPECT_EQ(quiz.useCustomFont, 0);
    EXPECT_TRUE(quiz.password.empty());
    EXPECT_TRUE(quiz.pathName.empty());
    EXPECT_TRUE(quiz.logPathName.empty());
    EXPECT_FALSE(quiz.modified);
}

TEST(Quiz, ResetRunStateClearsWhatARunRecorded)
{
    Quiz quiz;
    fill(quiz, "ab");
    CQuestion &q = *quiz.QuestionAt(1);
    q.presented = 1;
    q.earnedPoints = 4;
    q.logFlag = 1;
    q.chosen = {1, 0, 1, 0, 1};
    q.correct = {1, 1, 0, 0, 0};
    quiz.ResetRunState();
    EXPECT_EQ(q.presented, 0);
    EXPECT_EQ(q.earnedPoints, 0);
    EXPECT_EQ(q.logFlag, 0);
    EXPECT_EQ(q.chosen, (std::array<std::int32_t, 5>{}));
    EXPECT_EQ(q.correct, (std::array<std::int32_t, 5>{1, 1, 0, 0, 0}));
}

TEST(Quiz, LogPathReplacesTheExtension)
{
    struct Case
    {
        const char *quiz;
        const char *log;
    } cases[] = {
        {"/home/ann/quiz.blz", "/home/ann/quiz.blg"},
        {"/home/ann/quiz.txt", "/home/ann/quiz.blg"},
        {"/home/ann/quiz.", "/home/ann/quiz.blg"},
        {"/home/ann/quiz", "/home/ann/quiz.blg"},
        {"/home/ann.b/quiz", "/home/ann.b/quiz.blg"},
        {"C:\\Quizzes.old\\unit1", "C:\\Quizzes.old\\unit1.blg"},
        {"C:\\Quizzes\\unit1.BLZ", "C:\\Quizzes\\unit1.blg"},
        {"quiz.blz", "quiz.blg"},
    };
    for (const Case &c : cases) {
        Quiz quiz;
        quiz.SetQuizPathName(c.quiz);
        EXPECT_EQ(quiz.pathName, c.quiz);
        EXPECT_EQ(quiz.logPathName, c.log) << c.quiz;
    }
    Quiz quiz;
    quiz.SetQuizPathName("/a/b.blz");
    quiz.SetQuizPathName("");
    EXPECT_TRUE(quiz.pathName.empty());
    EXPECT_TRUE(quiz.logPathName.empty());
}

TEST(CQuestion, SetCustomFontReusesItsBlockAndRemovesIt)
{
    CQuestion q;
    q.SetCustomFont(nullptr);
    EXPECT_EQ(q.useCustomFont, 0);
    EXPECT_EQ(q.font, nullptr);

    LogFont first{};
    first[0] = 1;
    LogFont second{};
    second[0] = 2;
    q.SetCustomFont(&first);
    const LogFont *block = q.font.get();
    q.SetCustomFont(&second);
    EXPECT_EQ(q.font.get(), block);
    EXPECT_EQ((*q.font)[0], 2);
    EXPECT_EQ(q.useCustomFont, 1);

    q.SetCustomFont(nullptr);
    EXPECT_EQ(q.font, nullptr);
    EXPECT_EQ(q.useCustomFont, 0);
}
