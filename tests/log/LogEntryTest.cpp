// SPDX-License-Identifier: GPL-3.0-or-later

#include "LogFixtures.h"

#include "log/LogEntry.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>
#include <ostream>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string printfPercentage(long long points, long long total)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", double(points * 100) / double(total));
    return text;
}

std::string joined(const std::vector<std::string> &blocks)
{
    std::string text;
    for (const std::string &block : blocks)
        text += block;
    return text;
}

} // namespace

TEST(LogEntry, ExampleEntryIsExact)
{
    Quiz quiz;
    fillExampleQuiz(quiz);
    const std::vector<std::string> blocks = LogEntryBlocks(quiz, "Jane Doe, 4711");
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0], "\"Jane Doe, 4711\"\r\n3\r\n");
    EXPECT_EQ(blocks[0] + blocks[1], std::string("\"Jane Doe, 4711\"\r\n") + EXAMPLE_ENTRY_TAIL);
}

struct PercentageCase
{
    long long points, total;
    const char *text;
    friend void PrintTo(const PercentageCase &c, std::ostream *os)
    {
        *os << c.points << " of " << c.total;
    }
};

class LogPercentage : public ::testing::TestWithParam<PercentageCase>
{
};

TEST_P(LogPercentage, HasTwoDecimals)
{
    EXPECT_EQ(FormatLogPercentage(GetParam().points, GetParam().total), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LogPercentage,
    ::testing::Values(PercentageCase{1, 3, "33.33"}, PercentageCase{2, 3, "66.67"},
                      PercentageCase{1, 4, "25.00"}, PercentageCase{3, 3, "100.00"},
                      PercentageCase{0, 7, "0.00"}, PercentageCase{1, 6, "16.67"},
                      PercentageCase{25600, 25600, "100.00"},
                      // No points possible: nothing to divide by.
                      PercentageCase{0, 0, "0.00"}, PercentageCase{5, 0, "0.00"}));

TEST(LogEntry, PercentagesRoundAsPrintfDoes)
{
    // Including exact halves such as 1/8 % = 0.125, where the rounding rule shows.
    for (long long total = 1; total <= 900; total += 7) {
        for (long long points = 0; points <= total; points += 1 + total / 40)
            ASSERT_EQ(FormatLogPercentage(points, total), printfPercentage(points, total))
                << points << " of " << total;
    }
    EXPECT_EQ(FormatLogPercentage(1, 800), printfPercentage(1, 800));
}

// A German locale writes "33,33" with printf; the log must not.
TEST(LogEntry, NumbersIgnoreTheUsersLocale)
{
    QTemporaryDir localeDir;
    const char *const names[] = {"de_DE.UTF-8", "de_DE.utf8", "de_DE"};
    bool german = false;
    for (const char *name : names)
        german = german || std::setlocale(LC_ALL, name);
    if (!german && localeDir.isValid()) {
        // Build the locale for this test when the system has none installed.
        const std::string dir = localeDir.path().toStdString();
        const std::string command =
            "localedef -i de_DE -f UTF-8 '" + dir + "/de_DE.UTF-8' >/dev/null 2>&1";
        if (std::system(command.c_str()) == 0) {
            setenv("LOCPATH", dir.c_str(), 1);
            german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
        }
    }
    if (!german)
        GTEST_SKIP() << "no German locale available";

    const std::string printed = printfPercentage(1, 3);
    Quiz quiz;
    fillExampleQuiz(quiz);
    quiz.QuestionAt(0)->score = 1500; // a thousands separator would show in 1501
    quiz.QuestionAt(0)->earnedPoints = 1200;
    const std::string text = LogEntryText(quiz, "x");
    std::setlocale(LC_ALL, "C");
    unsetenv("LOCPATH");

    ASSERT_EQ(printed, "33,33") << "the locale did not take effect";
    EXPECT_EQ(FormatLogPercentage(1, 3), "33.33");
    EXPECT_NE(text.find("Presented,2,1200,1502,79.89%\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("All,3,1200,1503,79.84%\r\n"), std::string::npos) << text;
}

struct LineCase
{
    const char *name;
    int quizType;
    const char *correct, *chosen;
    int score, earned;
    bool presented;
    int logFlag;
    const char *line;
    friend void PrintTo(const LineCase &c, std::ostream *os) { *os << c.name; }
};

class LogQuestionLines : public ::testing::TestWithParam<LineCase>
{
};

TEST_P(LogQuestionLines, FollowTheQuizType)
{
    const LineCase &c = GetParam();
    auto question = makeAnswered(c.correct, c.chosen, c.score, c.earned, c.presented);
    question->logFlag = c.logFlag;
    EXPECT_EQ(LogQuestionLine(c.quizType, 11, *question), std::string(c.line) + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LogQuestionLines,
    ::testing::Values(LineCase{"AnsweredRight", 0, "A", "A", 1, 1, true, 0, "12,A,A,1,1"},
                      LineCase{"LettersInAuthoredOrder", 0, "ACE", "EB", 5, 0, true, 0,
                               "12,ACE,BE,5,0"},
                      LineCase{"ShownButNotSubmitted", 0, "D", "", 3, 0, true, 0, "12,D,X,3,0"},
                      LineCase{"NotShown", 0, "B", "B", 4, 4, false, 0, "12,X,X,4,0"},
                      LineCase{"CardJudgedRight", 1, "", "", 2, 2, true, 0, "12,2,2,0,1"},
                      LineCase{"CardJudgedWrong", 1, "", "", 2, 0, true, 0, "12,2,0,0,1"},
                      LineCase{"CardFlagSet", 1, "", "", 2, 2, true, 7, "12,2,2,1,1"},
                      LineCase{"CardNotShown", 1, "", "", 3, 3, false, 0, "12,3,0,0,0"},
                      LineCase{"AnyNonZeroTypeIsCards", 5, "", "", 1, 1, true, 0, "12,1,1,0,1"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LogEntry, FlashCardEntry)
{
    Quiz quiz;
    quiz.quizType = 1;
    auto card = makeAnswered("", "", 2, 2);
    quiz.AppendQuestion(std::move(card));
    quiz.AppendQuestion(makeAnswered("", "", 1, 0, false));
    EXPECT_EQ(LogEntryText(quiz, "Card"), "\"Card\"\r\n2\r\n"
                                          "1,2,2,0,1\r\n"
                                          "2,1,0,0,0\r\n"
                                          "Presented,1,2,2,100.00%\r\n"
                                          "All,2,2,3,66.67%\r\n");
}

TEST(LogEntry, EmptyQuizAndWorthlessQuestionsWriteZeroPercent)
{
    Quiz empty;
    EXPECT_EQ(LogEntryText(empty, ""), "\"\"\r\n0\r\n"
                                       "Presented,0,0,0,0.00%\r\n"
                                       "All,0,0,0,0.00%\r\n");
    Quiz worthless;
    worthless.AppendQuestion(makeAnswered("A", "A", 0, 0));
    EXPECT_NE(LogEntryText(worthless, "").find("Presented,1,0,0,0.00%\r\nAll,1,0,0,0.00%\r\n"),
              std::string::npos);
}

TEST(LogEntry, CommentIsWrittenAsTypedExceptLineBreaks)
{
    Quiz quiz;
    EXPECT_EQ(LogEntryBlocks(quiz, "Smith, \"Jo\"  ")[0], "\"Smith, \"Jo\"  \"\r\n0\r\n");
    EXPECT_EQ(LogEntryBlocks(quiz, "\xe9t\xe9")[0], "\"\xe9t\xe9\"\r\n0\r\n");
    // A line break would end the comment line early and shift every line
    // after it.
    EXPECT_EQ(LogEntryBlocks(quiz, "a\r\nb\nc")[0], "\"a  b c\"\r\n0\r\n");
}

TEST(LogEntry, TwoHundredQuestionsSplitAfterTheLineThatPasses2048)
{
    Quiz quiz;
    fillAllRightQuiz(quiz, 200);
    const std::vector<std::string> blocks = LogEntryBlocks(quiz, "Long");

    std::string expected = "\"Long\"\r\n200\r\n";
    for (int n = 1; n <= 200; ++n)
        expected += std::to_string(n) + ",A,A,1,1\r\n";
    expected += "Presented,200,200,200,100.00%\r\nAll,200,200,200,100.00%\r\n";
    EXPECT_EQ(joined(blocks), expected);

    // Lines 1-9 take 11 characters, 10-99 12 and 100-200 13: the buffer
    // holds 2037 after line 165 and passes 2048 with line 166.
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0], "\"Long\"\r\n200\r\n");
    EXPECT_EQ(blocks[1].size(), 2050u);
    EXPECT_TRUE(blocks[1].starts_with("1,A,A,1,1\r\n"));
    EXPECT_TRUE(blocks[1].ends_with("\r\n166,A,A,1,1\r\n"));
    EXPECT_TRUE(blocks[2].starts_with("167,A,A,1,1\r\n"));
    EXPECT_TRUE(blocks[2].ends_with("200,A,A,1,1\r\nPresented,200,200,200,100.00%\r\n"
                                    "All,200,200,200,100.00%\r\n"));
}

TEST(LogEntry, ExactlyFullBufferIsNotSplit)
{
    // Longer letter fields in questions 1 and 2 add `extra` characters.
    struct Case
    {
        const char *correct2, *chosen2;
        std::size_t firstBlock;
        const char *lastLine;
    };
    // +11: 2048 after line 165, which is not past the limit; +12: 2049.
    for (const Case &c : {Case{"AB", "ABC", 2061, "166"}, Case{"ABC", "ABC", 2049, "165"}}) {
        Quiz quiz;
        quiz.AppendQuestion(makeAnswered("ABCDE", "ABCDE", 1, 1));
        quiz.AppendQuestion(makeAnswered(c.correct2, c.chosen2, 1, 1));
        fillAllRightQuiz(quiz, 198);
        const std::vector<std::string> blocks = LogEntryBlocks(quiz, "c");
        ASSERT_GE(blocks.size(), 2u);
        EXPECT_EQ(blocks[1].size(), c.firstBlock);
        EXPECT_TRUE(blocks[1].ends_with(std::string("\r\n") + c.lastLine + ",A,A,1,1\r\n"));
    }
}

TEST(LogEntry, FullQuizKeepsEveryBlockWithinTheExportBuffer)
{
    Quiz quiz;
    for (int i = 0; i < MAX_QUESTIONS; ++i)
        quiz.AppendQuestion(makeAnswered("ABCDE", "ABCDE", 2147483647, 2147483647));
    const std::vector<std::string> blocks = LogEntryBlocks(quiz, std::string(128, 'w'));
    for (const std::string &block : blocks)
        EXPECT_LE(block.size(), 4096u);
    // Sums of large scores do not overflow.
    EXPECT_TRUE(blocks.back().ends_with("All,512,1099511627264,1099511627264,100.00%\r\n"));
}
