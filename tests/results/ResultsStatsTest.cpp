// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/LogReader.h"
#include "results/ResultsCsv.h"
#include "results/ResultsStats.h"
#include "results/ResultsText.h"

#include "ResultsTesting.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Worked out on paper: scores 1, 1, 1 and 2 (16 points of variance in all).
//          Q1      Q2      Q3      Q4         T   percent
//   E1     A  1    B  1    D  0    AB 2       4   80
//   E2     A  1    B  1    D  0    AB 2       4   80
//   E3     A  1    C  0    C  1    A  1       3   60
//   E4     B  0    B  1    C  1    CD 0       2   40
//   E5     X  0    -  -    C  1    X  0       1   20   (Q2 not shown)
// Q3 is answered right by the weakest takers only: it discriminates
// negatively; so does Q2, by the one strong taker who missed it.
const std::vector<std::string> CLASS = {
    McEntry("Ann", {"A,A,1,1", "B,B,1,1", "C,D,1,0", "AB,AB,2,2"}),
    McEntry("Ben", {"A,A,1,1", "B,B,1,1", "C,D,1,0", "AB,AB,2,2"}),
    McEntry("Cy, \"the third\"", {"A,A,1,1", "B,C,1,0", "C,C,1,1", "AB,A,2,1"}),
    McEntry("Dee", {"A,B,1,0", "B,B,1,1", "C,C,1,1", "AB,CD,2,0"}),
    McEntry("Eve", {"A,X,1,0", "X,X,1,0", "C,C,1,1", "AB,X,2,0"}),
};

void expectFigure(const std::optional<double> &value, std::optional<double> expected,
                  const std::string &what)
{
    ASSERT_EQ(value.has_value(), expected.has_value()) << what;
    if (expected) {
        EXPECT_NEAR(*value, *expected, 0.005) << what;
    }
}

} // namespace

TEST(ResultsStats, HandComputedClass)
{
    // An entry cut short and one of a three-question version of the quiz
    // are listed and change no figure.
    std::vector<std::string> entries = CLASS;
    entries.push_back(McEntry("Cut", {"A,A,1,1", "B,B,1,1"}, 4, false));
    entries.push_back(McEntry("Old", {"A,A,1,1", "B,B,1,1", "C,C,1,1"}));
    std::vector<LogRecord> records;
    const LogReadResult read = ReadLogText(Join(entries), records);
    ASSERT_EQ(read.status, LogReadStatus::Ok);
    ASSERT_EQ(records.size(), 7u);
    EXPECT_EQ(records[2].comment, "Cy, \"the third\"");

    const ResultsAnalysis a = AnalyseResults(records, 4, false);
    EXPECT_EQ(a.summary.entries, 7);
    EXPECT_EQ(a.summary.complete, 5);
    EXPECT_EQ(a.summary.incomplete, 1);
    EXPECT_EQ(a.summary.otherQuiz, 1);
    EXPECT_EQ(a.entries[5].status, EntryStatus::Incomplete);
    EXPECT_EQ(a.entries[6].status, EntryStatus::OtherQuiz);
    expectFigure(a.summary.mean, 56.0, "mean");
    expectFigure(a.summary.median, 60.0, "median");
    expectFigure(a.summary.sd, 26.08, "sd");
    expectFigure(a.summary.min, 20.0, "min");
    expectFigure(a.summary.max, 80.0, "max");
    // 4/3 * (1 - (0.3 + 0.3 + 0.3 + 1.0) / 1.7 ... see the table: item
    // variances 0.3, 0.3, 0.3, 1.0 (Q2 with 0 for Eve), Var(T) = 1.7.
    expectFigure(a.summary.alpha, 4.0 / 3.0 * (1.0 - 1.9 / 1.7), "alpha");
    expectFigure(a.summary.sem, 26.0768 * std::sqrt(1.0 - 4.0 / 3.0 * (1.0 - 1.9 / 1.7)), "sem");

    const struct
    {
        int presented;
        std::optional<double> facility, discrimination;
        std::array<int, 5> letters;
        int none;
        bool hard, easy, checkKey, weak;
    } questions[] = {
        {5, 60.0, 76.38, {3, 1, 0, 0, 0}, 1, false, false, false, false},
        {4, 75.0, -33.33, {0, 3, 1, 0, 0}, 0, false, false, true, false},
        {5, 60.0, -91.86, {0, 0, 3, 2, 0}, 0, false, false, true, false},
        {5, 50.0, 55.90, {3, 2, 1, 1, 0}, 1, false, false, false, false},
    };
    ASSERT_EQ(a.questions.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const auto &q = a.questions[i];
        const std::string name = "Q" + std::to_string(i + 1);
        EXPECT_EQ(q.presented, questions[i].presented) << name;
        expectFigure(q.facility, questions[i].facility, name + " facility");
        expectFigure(q.discrimination, questions[i].discrimination, name + " discrimination");
        EXPECT_EQ(q.letters, questions[i].letters) << name;
        EXPECT_EQ(q.none, questions[i].none) << name;
        const QuestionFlags flags = FlagQuestion(q);
        EXPECT_EQ(flags.checkKey, questions[i].checkKey) << name;
        EXPECT_EQ(flags.weak, questions[i].weak) << name;
    }
    EXPECT_EQ(PercentHistogram(a), (std::array<int, 10>{0, 0, 1, 0, 1, 0, 1, 0, 2, 0}));
}

TEST(ResultsStats, FlashCardsHaveNoAnswerCounts)
{
    // Cards worth 1, 2 and 1; the last not shown to the second taker.
    const std::vector<std::string> entries = {
        CardEntry("A", {"1,1,0,1", "2,2,0,1", "1,0,0,1"}),
        CardEntry("B", {"1,0,0,1", "2,2,0,1", "1,0,0,0"}),
        CardEntry("C", {"1,1,0,1", "2,0,0,1", "1,1,0,1"}),
    };
    std::vector<LogRecord> records;
    ASSERT_EQ(ReadLogText(Join(entries), records).status, LogReadStatus::Ok);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_TRUE(records[0].questions[0].flashCard);

    const ResultsAnalysis a = AnalyseResults(records, 3, true);
    EXPECT_EQ(a.summary.complete, 3);
    // Percents 75, 50, 50.
    expectFigure(a.summary.mean, 175.0 / 3.0, "mean");
    expectFigure(a.summary.median, 50.0, "median");
    expectFigure(a.questions[0].facility, 200.0 / 3.0, "card 1");
    expectFigure(a.questions[1].facility, 200.0 / 3.0, "card 2");
    EXPECT_EQ(a.questions[2].presented, 2);
    expectFigure(a.questions[2].facility, 50.0, "card 3");
    EXPECT_EQ(a.questions[0].letters, (std::array<int, 5>{}));
    EXPECT_EQ(a.questions[0].none, 0);
    // Totals 3, 2, 2 and items (1,0,1), (2,2,0), (0,0,1): alpha is
    // 3/2 * (1 - (1/3 + 4/3 + 1/3) / (1/3)).
    expectFigure(a.summary.alpha, 1.5 * (1.0 - 2.0 / (1.0 / 3.0)), "alpha");

    // A flash-card entry read against a multiple-choice quiz is another quiz.
    EXPECT_EQ(AnalyseResults(records, 3, false).summary.otherQuiz, 3);
}

TEST(ResultsStats, ZeroVarianceLeavesFiguresEmpty)
{
    const std::string same = McEntry("Same", {"A,A,1,1", "B,C,1,0", "C,C,1,1"});
    std::vector<LogRecord> records;
    ASSERT_EQ(ReadLogText(Join({same, same, same, same}), records).status, LogReadStatus::Ok);
    const ResultsAnalysis a = AnalyseResults(records, 3, false);
    expectFigure(a.summary.sd, 0.0, "sd");
    expectFigure(a.summary.alpha, std::nullopt, "alpha: Var(T) is 0");
    expectFigure(a.summary.sem, std::nullopt, "sem");
    for (const auto &q : a.questions)
        expectFigure(q.discrimination, std::nullopt, "discrimination");
    expectFigure(a.questions[0].facility, 100.0, "easy");
    EXPECT_TRUE(FlagQuestion(a.questions[0]).easy);
    EXPECT_TRUE(FlagQuestion(a.questions[1]).hard);

    // Too few entries for the spread, and a question worth nothing.
    records.clear();
    ASSERT_EQ(ReadLogText(Join({McEntry("One", {"A,A,0,0", "B,B,1,1"})}), records).status,
              LogReadStatus::Ok);
    const ResultsAnalysis one = AnalyseResults(records, 2, false);
    expectFigure(one.summary.mean, 100.0, "mean");
    expectFigure(one.summary.sd, std::nullopt, "sd of one");
    expectFigure(one.questions[0].facility, std::nullopt, "worth 0 points");

    const ResultsAnalysis none = AnalyseResults({}, 2, false);
    expectFigure(none.summary.mean, std::nullopt, "no entries");
    // The summary shows a percentage with its sign, and a missing one as a dash alone.
    EXPECT_EQ(SummaryLines(one.summary)[1].value,
              QLocale().toString(100.0, 'f', 2) + QLatin1Char('%'));
    for (std::size_t line = 1; line < SummaryLines(none.summary).size(); ++line)
        EXPECT_EQ(SummaryLines(none.summary)[line].value, "-") << line;
}

TEST(ResultsStats, ReliabilityReadings)
{
    EXPECT_EQ(ReadReliability(0.75), Reliability::Consistent);
    EXPECT_EQ(ReadReliability(0.7499), Reliability::Acceptable);
    EXPECT_EQ(ReadReliability(0.64), Reliability::Acceptable);
    EXPECT_EQ(ReadReliability(0.6399), Reliability::Unreliable);
}
