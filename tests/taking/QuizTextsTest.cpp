// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/QuizTexts.h"

#include <gtest/gtest.h>

TEST(QuizTexts, QuizTimeLeftDropsTheHoursBelowOneHour)
{
    struct Case
    {
        int seconds;
        const char *text;
    } cases[] = {
        {300 * 60, "Time left for this quiz: 05:00:00"},
        {3600, "Time left for this quiz: 01:00:00"},
        {3599, "Time left for this quiz: 59:59"},
        {3661, "Time left for this quiz: 01:01:01"},
        {60, "Time left for this quiz: 01:00"},
        {59, "Time left for this quiz: 00:59"},
        {0, "Time left for this quiz: 00:00"},
        {-1, "Time left for this quiz: 00:00"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FormatQuizTimeLeft(c.seconds).toStdString(), c.text) << c.seconds;
}

TEST(QuizTexts, StatusLines)
{
    EXPECT_EQ(WorthLine(1), QStringLiteral("This question is worth 1 point."));
    EXPECT_EQ(WorthLine(0), QStringLiteral("This question is worth 0 points."));
    EXPECT_EQ(WorthLine(12), QStringLiteral("This question is worth 12 points."));
    EXPECT_EQ(QuestionTimeLine(15), QStringLiteral("Time left for this question: 15 seconds"));

    struct Case
    {
        int earned, possible;
        bool none;
        const char *text;
    } cases[] = {
        {0, 0, false, "Score so far: none."},
        {3, 3, true, "Score so far: none."},
        {1, 3, false, "Score so far: 1 of 3 points (33%)"},
        {2, 3, false, "Score so far: 2 of 3 points (66%)"},
        {3, 3, false, "Score so far: 3 of 3 points (100%)"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ScoreLine(c.earned, c.possible, c.none).toStdString(), c.text);
}

TEST(QuizTexts, ReportsTruncateAndNeverDivideByZero)
{
    // Scores 2, 3, 1, 4, 5; two questions finished, the first right.
    EXPECT_EQ(TimeExpiredReport(2, 2, 5, 15).toStdString(),
              "For the 2 question(s) you answered, you scored 2 of 5 points (40%).\n"
              "For the entire quiz, you scored 2 of 15 points (13%).");
    EXPECT_EQ(TimeExpiredReport(1, 0, 0, 0).toStdString(),
              "For the 1 question(s) you answered, you scored 0 of 0 points (0%).\n"
              "For the entire quiz, you scored 0 of 0 points (0%).");
    EXPECT_EQ(FinalReport(1, 3), QStringLiteral("Final score: 1 of 3 points (33%)"));
    EXPECT_EQ(FinalReport(2, 3), QStringLiteral("Final score: 2 of 3 points (66%)"));
    EXPECT_EQ(FinalReport(0, 0), QStringLiteral("Final score: 0 of 0 points (0%)"));
    EXPECT_EQ(TimeExpiredText(true), QStringLiteral("Time limit for this quiz has expired."));
    EXPECT_EQ(TimeExpiredText(false), QStringLiteral("Time limit for this question has expired."));
}
