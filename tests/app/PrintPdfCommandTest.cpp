// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/FileCommands.h"

#include "PdfText.h"
#include "QuizFixtures.h"
#include "ScriptedConsole.h"
#include "app/Console.h"
#include "model/Quiz.h"
#include "model/QuizFile.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(PrintPdfCommand, PasswordFirstThenThePdf)
{
    QTemporaryDir dir;
    Quiz quiz;
    quiz.password = "teacher";
    quiz.AppendQuestion(makeQuestion("Which is blue?", {"sky", "grass"}, {0}));
    const std::string quizFile = pathIn(dir, "quiz.blz");
    ASSERT_EQ(SaveQuizToFile(quiz, quizFile), SaveResult::Ok);
    Quiz empty;
    empty.password = "teacher";
    const std::string emptyFile = pathIn(dir, "empty.blz");
    ASSERT_EQ(SaveQuizToFile(empty, emptyFile), SaveResult::Ok);

    using Content = CommandLine::PrintPdf::Content;
    const struct Case
    {
        const char *name;
        std::string quiz;
        const char *output;
        const char *password;
        Content content;
        int status;
        const char *error; // start of the first line on standard error
        int pages;         // of the PDF written; 0 = none written
    } cases[] = {
        {"paper", quizFile, "paper.pdf", "teacher", Content::Paper, ExitCode::Done, "", 2},
        {"paper and keys", quizFile, "both.pdf", "teacher", Content::PaperAndKey, ExitCode::Done,
         "", 4},
        {"wrong password", quizFile, "wrong.pdf", "Teacher", Content::KeyOnly,
         ExitCode::WrongPassword, "Invalid password!", 0},
        {"no questions", emptyFile, "empty.pdf", "teacher", Content::Paper, ExitCode::Failed,
         "The quiz has no questions to print.", 0},
        {"missing folder", quizFile, "missing/out.pdf", "teacher", Content::Paper, ExitCode::Failed,
         "Could not write ", 0},
        {"missing quiz", pathIn(dir, "nothing.blz"), "nothing.pdf", "teacher", Content::Paper,
         ExitCode::Failed, "Could not open", 0},
    };
    for (const Case &c : cases) {
        CommandLine::PrintPdf command;
        command.quizFile = c.quiz;
        command.output = pathIn(dir, c.output);
        command.content = c.content;
        command.versions = 2;
        ScriptedConsole console;
        console.variables[PASSWORD_VARIABLE] = QString::fromLatin1(c.password);
        EXPECT_EQ(RunPrintPdfCommand(command, console), c.status) << c.name;
        if (*c.error) {
            EXPECT_TRUE(console.err.value(0).startsWith(QString::fromLatin1(c.error))) << c.name;
        } else {
            EXPECT_TRUE(console.err.isEmpty()) << c.name;
        }
        const QString output = QString::fromStdString(command.output);
        EXPECT_EQ(QFile::exists(output), c.pages > 0) << c.name;
        if (c.pages > 0) {
            EXPECT_EQ(ReadPdfInfo(output).pages, c.pages) << c.name;
            EXPECT_EQ(console.out.value(0),
                      QStringLiteral("Wrote %1 (%2 pages).").arg(output).arg(c.pages))
                << c.name;
        }
    }
}

// The samples, as a teacher would print them from a terminal: no display,
// three versions with their keys.
TEST(PrintPdfCommand, SamplesPrintWithoutADisplay)
{
    QTemporaryDir dir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("BRAINLOFT_PASSWORD"), QStringLiteral("teacher"));
    const struct
    {
        const char *quiz;
        QStringList options;
        int pages;
        const char *text;
    } cases[] = {
        {"solar-system.blz",
         {QStringLiteral("--answer-key")},
         9,
         "Which planet is closest to the Sun?"},
        {"french-words.blz", {QStringLiteral("--answer-key")}, 9, "le soleil"},
        {"solar-system.blz", {QStringLiteral("--key-only")}, 3, "Answer key \u2014 Version C"},
    };
    for (const auto &c : cases) {
        const QString output = dir.filePath(QStringLiteral("out.pdf"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(
            QStringLiteral(BRAINLOFT_EXECUTABLE),
            QStringList{QStringLiteral("--print-pdf"),
                        QStringLiteral(BRAINLOFT_EXAMPLES_DIR "/") + QLatin1String(c.quiz), output,
                        QStringLiteral("--versions"), QStringLiteral("3")} +
                c.options);
        ASSERT_TRUE(program.waitForFinished(60000));
        EXPECT_EQ(program.exitCode(), ExitCode::Done)
            << program.readAllStandardError().toStdString();
        EXPECT_EQ(ReadPdfInfo(output).pages, c.pages) << c.quiz;
        EXPECT_TRUE(PdfPageTexts(output).join(QString()).contains(QString::fromUtf8(c.text)))
            << c.quiz;
    }
}
