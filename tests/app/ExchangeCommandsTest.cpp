// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/FileCommands.h"

#include "QuizFixtures.h"
#include "ScriptedConsole.h"
#include "app/Console.h"
#include "model/Quiz.h"
#include "model/QuizFile.h"
#include "ui/CodePage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

std::string dataFile(const char *name)
{
    return std::string(BRAINLOFT_EXCHANGE_DATA_DIR "/") + name;
}

void writeText(const std::string &path, const QByteArray &text)
{
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

TEST(ImportCommand, FilesFromTheFormatsDocumentation)
{
    QTemporaryDir dir;
    const std::string taken = pathIn(dir, "taken.blz");
    writeText(taken, "keep me");
    const std::string latin1 = pathIn(dir, "latin1.gift");
    writeText(latin1, "Caf\xE9? {=oui ~non}\n");
    const std::string essays = pathIn(dir, "essays.gift");
    writeText(essays, "Write. {}\n");
    const struct Case
    {
        const char *name;
        std::string file;
        const char *output;
        const char *format;
        bool cards;
        const char *password;
        int status;
        int questions;     // in the quiz written; 0 = none written
        const char *first; // first line printed, or of standard error on failure
    } cases[] = {
        {"gift", dataFile("sample.gift"), "gift.blz", "", false, "secret", ExitCode::Done, 5,
         "question 1, 'Q1': imported"},
        {"aiken", dataFile("sample-aiken.txt"), "aiken.blz", "", false, "secret", ExitCode::Done, 2,
         "question 1, 'What is the correct answer to this qu...': imported"},
        {"csv", dataFile("sample.csv"), "csv.blz", "csv", false, "secret", ExitCode::Done, 2,
         "question 1, 'Which are even, then?': imported"},
        {"anki cards", dataFile("sample-anki.txt"), "anki.blz", "tsv", true, "secret",
         ExitCode::Done, 2, "question 1, 'bonjour': imported"},
        {"existing output", dataFile("sample.gift"), "taken.blz", "", false, "secret",
         ExitCode::Failed, 0, "taken.blz already exists"},
        {"other encoding", latin1, "latin1.blz", "", false, "secret", ExitCode::Failed, 0,
         "Could not read"},
        {"nothing to import", essays, "essays.blz", "", false, "secret", ExitCode::Failed, 0,
         "No questions were imported"},
        {"blank password", dataFile("sample.gift"), "blank.blz", "", false, "  ",
         ExitCode::Failed, 0, "Password cannot be blank!"},
        {"missing file", pathIn(dir, "none.gift"), "none.blz", "", false, "secret",
         ExitCode::Failed, 0, "Could not open"},
    };
    for (const Case &c : cases) {
        CommandLine::Import command;
        command.file = c.file;
        command.output = pathIn(dir, c.output);
        command.format = c.format;
        command.flashCards = c.cards;
        ScriptedConsole console;
        console.variables[PASSWORD_VARIABLE] = QString::fromLatin1(c.password);
        EXPECT_EQ(RunImportCommand(command, console), c.status) << c.name;
        const QStringList &lines = c.status == ExitCode::Done ? console.out : console.err;
        EXPECT_TRUE(lines.value(0).contains(QString::fromUtf8(c.first)))
            << c.name << ": " << lines.join(u'\n').toStdString();
        if (c.questions == 0) {
            EXPECT_TRUE(c.output == std::string("taken.blz") || !QFile::exists(QString::fromStdString(command.output)))
                << c.name;
            continue;
        }
        Quiz quiz;
        ASSERT_EQ(LoadQuizFromFile(command.output, quiz), LoadResult::Ok) << c.name;
        EXPECT_EQ(quiz.questionCount(), c.questions) << c.name;
        EXPECT_EQ(quiz.password, "secret") << c.name;
        EXPECT_EQ(quiz.quizType != 0, c.cards) << c.name;
        EXPECT_EQ(console.out.last(),
                  QStringLiteral("Wrote %1 (%2 questions).")
                      .arg(QString::fromStdString(command.output))
                      .arg(c.questions))
            << c.name;
    }
    EXPECT_EQ(readFile(taken), std::vector<std::uint8_t>({'k', 'e', 'e', 'p', ' ', 'm', 'e'}));
}

// Both sample quizzes go out in every text format and come back in through
// --import with what the format holds.
TEST(ExportCommand, SampleQuizzesReadBack)
{
    QTemporaryDir dir;
    const struct
    {
        const char *quiz;
        const char *format;
        bool cards;
        bool scores;
    } cases[] = {
        {"solar-system.blz", "gift", false, false}, {"solar-system.blz", "aiken", false, false},
        {"solar-system.blz", "csv", false, true},   {"french-words.blz", "gift", true, false},
        {"french-words.blz", "csv", true, true},    {"french-words.blz", "tsv", true, false},
    };
    for (const auto &c : cases) {
        const std::string name = std::string(c.quiz) + "." + c.format;
        SCOPED_TRACE(name);
        CommandLine::Export exportCommand;
        exportCommand.format = c.format;
        exportCommand.quizFile = std::string(BRAINLOFT_EXAMPLES_DIR "/") + c.quiz;
        exportCommand.output = pathIn(dir, name.c_str());
        ScriptedConsole console;
        console.variables[PASSWORD_VARIABLE] = QStringLiteral("teacher");
        ASSERT_EQ(RunExportCommand(exportCommand, console), ExitCode::Done)
            << console.err.join(u'\n').toStdString();

        CommandLine::Import importCommand;
        importCommand.file = exportCommand.output;
        importCommand.output = pathIn(dir, (name + ".blz").c_str());
        importCommand.format = c.format;
        importCommand.flashCards = c.cards;
        ScriptedConsole importConsole;
        importConsole.variables[PASSWORD_VARIABLE] = QStringLiteral("teacher");
        ASSERT_EQ(RunImportCommand(importCommand, importConsole), ExitCode::Done)
            << importConsole.err.join(u'\n').toStdString();

        Quiz original;
        Quiz back;
        ASSERT_EQ(LoadQuizFromFile(exportCommand.quizFile, original), LoadResult::Ok);
        ASSERT_EQ(LoadQuizFromFile(importCommand.output, back), LoadResult::Ok);
        // Match each question read back to the original by its text: a
        // format that cannot hold a question skips it, and says so.
        int matched = 0;
        for (int i = 0; i < back.questionCount(); ++i) {
            const CQuestion &b = *back.QuestionAt(i);
            for (int j = 0; j < original.questionCount(); ++j) {
                const CQuestion &o = *original.QuestionAt(j);
                if (o.text != b.text)
                    continue;
                ++matched;
                EXPECT_EQ(o.answers[0], b.answers[0]) << o.text;
                if (!c.cards) {
                    EXPECT_EQ(o.answers, b.answers) << o.text;
                    EXPECT_EQ(o.correct, b.correct) << o.text;
                }
                if (c.scores) {
                    EXPECT_EQ(o.score, b.score) << o.text;
                    EXPECT_EQ(o.timeLimit, b.timeLimit) << o.text;
                }
                break;
            }
        }
        EXPECT_EQ(matched, back.questionCount());
        int skipped = 0;
        for (const QString &line : console.out)
            skipped += line.startsWith(QLatin1String("question ")) && !line.contains(QLatin1String("picture")) ? 1 : 0;
        EXPECT_EQ(back.questionCount() + skipped, original.questionCount())
            << console.out.join(u'\n').toStdString();
    }
}

TEST(ExportCommand, PasswordAndExistingFiles)
{
    QTemporaryDir dir;
    const std::string taken = pathIn(dir, "taken.gift");
    writeText(taken, "keep");
    const struct
    {
        const char *name;
        const char *format;
        std::string output;
        const char *password;
        int status;
        const char *error;
    } cases[] = {
        {"wrong password", "gift", pathIn(dir, "w.gift"), "Teacher", ExitCode::WrongPassword,
         "Invalid password!"},
        {"existing output", "gift", taken, "teacher", ExitCode::Failed, "already exists"},
        {"missing folder", "csv", pathIn(dir, "no/such.csv"), "teacher", ExitCode::Failed,
         "Could not create"},
        {"nothing the format holds", "tsv", pathIn(dir, "q.tsv"), "teacher", ExitCode::Failed,
         "holds none of the quiz's questions"},
    };
    for (const auto &c : cases) {
        CommandLine::Export command;
        command.format = c.format;
        command.quizFile = BRAINLOFT_EXAMPLES_DIR "/solar-system.blz";
        command.output = c.output;
        ScriptedConsole console;
        console.variables[PASSWORD_VARIABLE] = QString::fromLatin1(c.password);
        EXPECT_EQ(RunExportCommand(command, console), c.status) << c.name;
        EXPECT_TRUE(console.err.join(u'\n').contains(QLatin1String(c.error)))
            << c.name << ": " << console.err.join(u'\n').toStdString();
        if (c.output != taken) {
            EXPECT_FALSE(QFile::exists(QString::fromStdString(c.output))) << c.name;
        }
    }
    EXPECT_EQ(readFile(taken), std::vector<std::uint8_t>({'k', 'e', 'e', 'p'}));
}
