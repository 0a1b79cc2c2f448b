// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/FileCommands.h"

#include "LogFixtures.h"
#include "PdfText.h"
#include "QuizFixtures.h"
#include "ResultsTesting.h"
#include "ScriptedConsole.h"
#include "app/Console.h"
#include "model/Quiz.h"
#include "log/ResultsLog.h"
#include "model/QuizFile.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString readAll(const std::string &path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A four-question quiz with the password "teacher" and a log of three
// entries beside it, and a second log of two.
struct Classroom
{
    QTemporaryDir dir;
    std::string quiz = pathIn(dir, "quiz.blz");
    std::string log = pathIn(dir, "quiz.blg");
    std::string other = pathIn(dir, "room2.blg");
    std::string damaged = pathIn(dir, "damaged.blg");

    Classroom()
    {
        Quiz q;
        q.password = "teacher";
        q.AppendQuestion(makeQuestion("One?", {"a", "b"}, {0}));
        q.AppendQuestion(makeQuestion("Two?", {"a", "b"}, {1}));
        q.AppendQuestion(makeQuestion("Three?", {"a", "b", "c"}, {2}));
        q.AppendQuestion(makeQuestion("Four?", {"a", "b", "c", "d"}, {0, 1}, 2));
        EXPECT_EQ(SaveQuizToFile(q, quiz), SaveResult::Ok);
        writeText(log, LogBytes({
                           McEntry("Ann", {"A,A,1,1", "B,B,1,1", "C,D,1,0", "AB,AB,2,2"}),
                           McEntry("Ben", {"A,A,1,1", "B,B,1,1", "C,D,1,0", "AB,AB,2,2"}),
                           McEntry("Cy", {"A,A,1,1", "B,C,1,0", "C,C,1,1", "AB,A,2,1"}),
                       }));
        writeText(other, LogBytes({
                             McEntry("Dee", {"A,B,1,0", "B,B,1,1", "C,C,1,1", "AB,CD,2,0"}),
                             McEntry("Eve", {"A,X,1,0", "X,X,1,0", "C,C,1,1", "AB,X,2,0"}),
                         }));
        writeText(damaged,
                  LogBytes({McEntry("Fay", {"A,A,1,1", "B,B,1,1", "C,C,1,1", "AB,AB,2,2"})}) +
                      "\xff\xff\xff\xff");
    }
};

} // namespace

TEST(ResultsCommand, FilesFromTheLogs)
{
    Classroom room;
    const std::string folder = room.dir.path().toStdString();
    const struct Case
    {
        const char *name;
        std::vector<std::string> more;
        const char *password;
        const char *takers; // where the takers' file goes, in the folder
        int status;
        QStringList errors;
        int entries; // rows of the takers' file; -1 = none written
    } cases[] = {
        {"own log", {}, "teacher", "takers.csv", ExitCode::Done, {}, 3},
        {"merged", {room.other}, "teacher", "takers.csv", ExitCode::Done, {}, 5},
        {"wrong password", {room.other}, "Teacher", "wrong.csv", ExitCode::WrongPassword,
         {QStringLiteral("Invalid password!")}, -1},
        {"damaged", {room.damaged}, "teacher", "takers.csv", ExitCode::Done,
         {QString::fromStdString(room.damaged) +
          QStringLiteral(": read 1 entries; the log is damaged after entry 1")},
         4},
        {"a folder and a missing log", {folder, folder + "/none.blg"}, "teacher", "takers.csv",
         ExitCode::Done,
         {QString::fromStdString(folder) + QStringLiteral(" is a folder, not a results log."),
          QString::fromStdString(folder) + QStringLiteral("/none.blg: there is no such log.")},
         3},
        {"over a log", {room.other}, "teacher", "room2.blg", ExitCode::Failed,
         {QStringLiteral("Could not write %1: %1 is the quiz or one of its logs; please choose "
                         "another file.")
              .arg(QString::fromStdString(room.other))},
         -1},
    };
    for (const Case &c : cases) {
        CommandLine::Results command;
        command.quizFile = room.quiz;
        command.moreLogs = c.more;
        command.takersCsv = pathIn(room.dir, c.takers);
        ScriptedConsole console;
        console.variables[PASSWORD_VARIABLE] = QString::fromLatin1(c.password);
        EXPECT_EQ(RunResultsCommand(command, console), c.status) << c.name;
        EXPECT_EQ(console.err, c.errors) << c.name;
        if (c.entries >= 0) {
            const QStringList rows = readAll(command.takersCsv).split(QStringLiteral("\r\n"));
            EXPECT_EQ(rows.size(), c.entries + 2) << c.name; // the header, and after the last
        }
    }
    EXPECT_EQ(readText(room.other).substr(0, 13), "Brainloft Log");
}

TEST(ResultsCommand, NoLogAtAll)
{
    Classroom room;
    QFile::remove(QString::fromStdString(room.log));
    CommandLine::Results command;
    command.quizFile = room.quiz;
    command.summaryCsv = pathIn(room.dir, "summary.csv");
    ScriptedConsole console;
    console.answers = {QStringLiteral("teacher")}; // asked on the terminal
    EXPECT_EQ(RunResultsCommand(command, console), ExitCode::Failed);
    EXPECT_EQ(console.prompts.size(), 1);
    EXPECT_EQ(console.err.value(1), QStringLiteral("No results log could be read."));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(command.summaryCsv)));
}

TEST(ResultsCommand, AllFourFiles)
{
    Classroom room;
    CommandLine::Results command;
    command.quizFile = room.quiz;
    command.moreLogs = {room.other};
    command.takersCsv = pathIn(room.dir, "t.csv");
    command.itemsCsv = pathIn(room.dir, "i.csv");
    command.summaryCsv = pathIn(room.dir, "s.csv");
    command.reportPdf = pathIn(room.dir, "r.pdf");
    ScriptedConsole console;
    console.variables[PASSWORD_VARIABLE] = QStringLiteral(" teacher ");
    ASSERT_EQ(RunResultsCommand(command, console), ExitCode::Done) << console.err.join('\n').toStdString();
    EXPECT_TRUE(readAll(command.itemsCsv).startsWith(QStringLiteral("Question,Text,")));
    EXPECT_EQ(readAll(command.summaryCsv).split(QStringLiteral("\r\n")).value(1).section(',', 0, 3),
              QStringLiteral("5,5,56.00,60.00"));
    const QString pdf = QString::fromStdString(command.reportPdf);
    const PdfInfo info = ReadPdfInfo(pdf);
    EXPECT_EQ(info.pages, 2);
    EXPECT_EQ(info.title, QStringLiteral("Results - quiz"));
    const QString text = PdfPageTexts(pdf).join(QString());
    for (const char *expected : {"Cronbach", "Facility by question", "Takers by percentage",
                                 "Three?", "check the key", "Page 2 of 2"})
        EXPECT_TRUE(text.contains(QLatin1String(expected))) << expected;
    EXPECT_EQ(console.out.last(), QStringLiteral("Wrote %1 (2 pages).").arg(pdf));
}

// The samples after a few runs logged by the log's own writer, as a
// teacher would ask for them from a terminal without a display; then the
// same log with damage at its end.
TEST(ResultsCommand, SamplesWithoutADisplay)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("BRAINLOFT_PASSWORD"), QStringLiteral("teacher"));
    for (const char *sample : {"solar-system.blz", "french-words.blz"}) {
        QTemporaryDir dir;
        const std::string path = pathIn(dir, sample);
        ASSERT_TRUE(QFile::copy(QStringLiteral(BRAINLOFT_EXAMPLES_DIR "/") + QLatin1String(sample),
                                QString::fromStdString(path)));
        Quiz quiz;
        ASSERT_EQ(LoadQuizFromFile(path, quiz), LoadResult::Ok) << sample;
        quiz.SetQuizPathName(path);
        const int runs = 6;
        for (int run = 0; run < runs; ++run) {
            quiz.ResetRunState();
            for (int i = 0; i < quiz.questionCount(); ++i) {
                CQuestion &q = *quiz.QuestionAt(i);
                q.presented = (run + i) % 5 != 0;
                const bool right = (run * 3 + i) % 4 != 0;
                for (std::size_t a = 0; a < 5; ++a)
                    q.chosen[a] = right ? q.correct[a] : (a == std::size_t(run % 2));
                q.earnedPoints = q.presented && right ? q.score : 0;
            }
            ASSERT_TRUE(RecordResult(quiz, "Run " + std::to_string(run)));
        }
        const auto runCommand = [&](QString &errors) {
            QProcess program;
            program.setProcessEnvironment(environment);
            program.start(QStringLiteral(BRAINLOFT_EXECUTABLE),
                          {QStringLiteral("--results"), QString::fromStdString(path),
                           QStringLiteral("--takers-csv"), dir.filePath(QStringLiteral("t.csv")),
                           QStringLiteral("--items-csv"), dir.filePath(QStringLiteral("i.csv")),
                           QStringLiteral("--summary-csv"), dir.filePath(QStringLiteral("s.csv")),
                           QStringLiteral("--report-pdf"), dir.filePath(QStringLiteral("r.pdf"))});
            EXPECT_TRUE(program.waitForFinished(60000));
            errors = QString::fromUtf8(program.readAllStandardError());
            return program.exitCode();
        };
        QString errors;
        EXPECT_EQ(runCommand(errors), ExitCode::Done) << sample << errors.toStdString();
        const QStringList takers =
            readAll(pathIn(dir, "t.csv")).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        EXPECT_EQ(takers.size(), runs + 1) << sample;
        EXPECT_EQ(readAll(pathIn(dir, "i.csv")).count(QStringLiteral("\r\n")),
                  quiz.questionCount() + 1)
            << sample;
        EXPECT_TRUE(readAll(pathIn(dir, "s.csv")).contains(QStringLiteral("\r\n6,6,")))
            << sample;
        EXPECT_GE(ReadPdfInfo(dir.filePath(QStringLiteral("r.pdf"))).pages, 2) << sample;

        QFile log(QString::fromStdString(quiz.logPathName));
        ASSERT_TRUE(log.open(QIODevice::Append));
        log.write("\x10\x00\x00\x00short", 9);
        log.close();
        EXPECT_EQ(runCommand(errors), ExitCode::Done) << sample;
        EXPECT_TRUE(errors.contains(QStringLiteral("read 6 entries; the log is damaged after "
                                                   "entry 6")))
            << errors.toStdString();
    }
}
