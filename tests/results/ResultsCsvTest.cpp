// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultsCsv.h"

#include "QuizFixtures.h"
#include "ResultsTesting.h"
#include "model/Quiz.h"
#include "ui/CodePage.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(ResultsCsv, FieldsAndNumbers)
{
    const struct
    {
        const char *text, *field;
    } fields[] = {
        {"plain", "plain"},
        {"", ""},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\r\nlines", "\"two\r\nlines\""},
        {"line\nfeed", "\"line\nfeed\""},
        {" spaced ", " spaced "},
    };
    for (const auto &f : fields)
        EXPECT_EQ(CsvField(f.text), f.field) << f.text;

    // The user's locale would write "33,33".
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const struct
    {
        std::optional<double> value;
        int decimals;
        const char *text;
    } numbers[] = {
        {100.0 / 3.0, 2, "33.33"}, {200.0 / 3.0, 2, "66.67"}, {100.0, 2, "100.00"},
        {-0.001, 2, "0.00"},       {-0.156862, 3, "-0.157"},  {std::nullopt, 2, ""},
        {1234567.891, 2, "1234567.89"},
    };
    for (const auto &n : numbers)
        EXPECT_EQ(CsvNumber(n.value, n.decimals), n.text) << n.text;
    QLocale::setDefault(QLocale::c());
}

TEST(ResultsCsv, TheThreeFiles)
{
    CodePage::setName(QStringLiteral("windows-1252"));
    Quiz quiz;
    quiz.AppendQuestion(makeQuestion("Caf\xe9, or tea?", {"a", "b"}, {0}));
    quiz.AppendQuestion(makeQuestion("Say \"yes\"", {"a", "b"}, {1}));
    quiz.AppendQuestion(makeQuestion("Two\r\nlines", {"a", "b", "c"}, {2}));
    quiz.AppendQuestion(makeQuestion("Both", {"a", "b", "c", "d"}, {0, 1}, 2));
    std::vector<LogRecord> records;
    ASSERT_EQ(ReadLogText(Join({
                              McEntry("Ann", {"A,A,1,1", "B,B,1,1", "C,D,1,0", "AB,AB,2,2"}),
                              McEntry("Eve, \"B\xe9\"", {"A,X,1,0", "X,X,1,0", "C,C,1,1", "AB,X,2,0"}),
                              McEntry("Cut", {"A,A,1,1"}, 4, false),
                              McEntry("Dee", {"A,B,1,0", "B,B,1,1", "C,C,1,1", "AB,CD,2,0"}),
                          }),
                          records)
                  .status,
              LogReadStatus::Ok);
    const ResultsAnalysis analysis = AnalyseResults(records, 4, false);

    EXPECT_EQ(TakersCsv(quiz, records, analysis).toStdString(),
              "Entry,Comment,Status,Presented,Earned,Possible,Percent,All earned,All possible,"
              "All percent,Q1,Q2,Q3,Q4\r\n"
              "1,Ann,complete,4,4,5,80.00,4,5,80.00,1,1,0,2\r\n"
              "2,\"Eve, \"\"B\xc3\xa9\"\"\",complete,3,1,4,25.00,1,5,20.00,0,,1,0\r\n"
              "3,Cut,incomplete,1,1,1,100.00,1,1,100.00,1,,,\r\n"
              "4,Dee,complete,4,2,5,40.00,2,5,40.00,0,1,1,0\r\n");
    // Facility Q1: 1 of 3; Q2: 2 of 2 shown; Q3: 2 of 3; Q4: 2 of 6.
    EXPECT_EQ(ItemsCsv(quiz, analysis).toStdString(),
              "Question,Text,Presented,Facility,Discrimination,A,B,C,D,E,None,Correct\r\n"
              "1,\"Caf\xc3\xa9, or tea?\",3,33.33,86.60,1,1,0,0,0,1,A\r\n"
              "2,\"Say \"\"yes\"\"\",2,100.00,,0,2,0,0,0,0,B\r\n"
              "3,\"Two\r\nlines\",3,66.67,-97.07,0,0,2,1,0,0,C\r\n"
              "4,Both,3,33.33,50.00,1,1,1,1,0,1,AB\r\n");
    const std::string summary = SummaryCsv(analysis).toStdString();
    EXPECT_EQ(summary.substr(0, summary.find("\r\n") + 2),
              "Entries,Complete,Mean,Median,SD,Min,Max,Alpha,SEM\r\n");
    // Alpha is 0 here (the items' variances add up to the total's).
    EXPECT_EQ(summary.substr(summary.find("\r\n") + 2),
              "4,3,46.67,40.00,30.55,20.00,80.00,0.000,30.55\r\n");
}

TEST(ResultsCsv, FlashCardsHaveNoLettersOrKey)
{
    Quiz quiz;
    quiz.quizType = 1;
    quiz.AppendQuestion(makeCard("front", "back"));
    std::vector<LogRecord> records;
    ASSERT_EQ(ReadLogText(CardEntry("x", {"1,1,0,1"}), records).status, LogReadStatus::Ok);
    EXPECT_EQ(ItemsCsv(quiz, AnalyseResults(records, 1, true)).toStdString(),
              "Question,Text,Presented,Facility,Discrimination,A,B,C,D,E,None,Correct\r\n"
              "1,front,1,100.00,,,,,,,,\r\n");
}

TEST(ResultsCsv, NeverOverTheQuizOrItsLogs)
{
    QTemporaryDir dir;
    const std::string log = pathIn(dir, "quiz.blg");
    writeFile(log, {'k', 'e', 'e', 'p'});
    const QString link = dir.filePath(QStringLiteral("link.csv"));
    ASSERT_TRUE(QFile::link(QString::fromStdString(log), link));
    for (const QString &path : {QString::fromStdString(log), link})
        EXPECT_TRUE(WriteResultsFile(path, "new", {pathIn(dir, "quiz.blz"), log})) << path.toStdString();
    EXPECT_EQ(readFile(log), (std::vector<std::uint8_t>{'k', 'e', 'e', 'p'}));

    const QString out = dir.filePath(QStringLiteral("out.csv"));
    EXPECT_FALSE(WriteResultsFile(out, "a,b\r\n", {log}));
    EXPECT_EQ(readFile(out.toStdString()), (std::vector<std::uint8_t>{'a', ',', 'b', '\r', '\n'}));
    EXPECT_TRUE(WriteResultsFile(dir.filePath(QStringLiteral("missing/out.csv")), "x", {log}));
}
