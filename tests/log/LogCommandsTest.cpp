// SPDX-License-Identifier: GPL-3.0-or-later

#include "LogFixtures.h"
#include "ScriptedPrompts.h"

#include "log/LogCommands.h"
#include "log/LogCommentDialog.h"
#include "log/ResultsLog.h"
#include "model/FileLock.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString DAMAGED = QStringLiteral("Input file %1\nis either damaged or not a Brainloft Log");

class LogCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        log = dir.filePath(QStringLiteral("Quiz.blg"));
        quiz.SetQuizPathName(dir.filePath(QStringLiteral("Quiz.blz")).toStdString());
        ASSERT_EQ(quiz.logPathName, log.toStdString());
        fillExampleQuiz(quiz);
    }

    void record(const std::string &comment) { ASSERT_TRUE(RecordResult(quiz, comment)); }
    [[nodiscard]] QString output(const char *name) const
    {
        return dir.filePath(QString::fromUtf8(name));
    }

    void expectBox(const QString &text, const QString &caption, unsigned flags)
    {
        const auto *box = prompts.lastMessage();
        ASSERT_TRUE(box);
        EXPECT_EQ(box->text, text);
        EXPECT_EQ(box->caption, caption);
        EXPECT_EQ(box->flags, flags);
        EXPECT_EQ(box->owner, &owner);
    }

    QTemporaryDir dir;
    QString log;
    Quiz quiz;
    ScriptedPrompts prompts;
    QWidget owner;
};

// Answers the comment dialog that OfferLogEntry opens, once it is open.
void answerCommentDialog(bool *shown, const QString &typed, bool accept)
{
    QTimer::singleShot(0, [=] {
        auto *dialog = qobject_cast<LogCommentDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        *shown = true;
        dialog->findChild<QLineEdit *>(QStringLiteral("commentEdit"))->setText(typed);
        dialog
            ->findChild<QPushButton *>(accept ? QStringLiteral("okButton")
                                              : QStringLiteral("cancelButton"))
            ->click();
    });
}

} // namespace

TEST_F(LogCommandsTest, OfferLogEntryRecordsTheConfirmedComment)
{
    quiz.logResults = 1;
    bool shown = false;
    answerCommentDialog(&shown, QStringLiteral("Jane Doe"), true);
    OfferLogEntry(quiz, prompts, &owner);
    EXPECT_TRUE(shown);
    EXPECT_EQ(readText(log.toStdString()).substr(0, 13), "Brainloft Log");
    EXPECT_TRUE(ExportLogFile(log.toStdString(), output("out.txt").toStdString()) ==
                ExportResult::Ok);
    EXPECT_EQ(readText(output("out.txt").toStdString()),
              "\"Jane Doe\"\r\n" + std::string(EXAMPLE_ENTRY_TAIL));
}

TEST_F(LogCommandsTest, OfferLogEntryWritesNothingWhenNotWanted)
{
    struct Case
    {
        const char *name;
        int logResults;
        bool hasPath;
        bool accept;
        bool dialogShown;
    };
    for (const Case &c :
         {Case{"logging off", 0, true, true, false}, Case{"never saved", 1, false, true, false},
          Case{"don't log my score", 1, true, false, true}}) {
        quiz.logResults = c.logResults;
        quiz.SetQuizPathName(c.hasPath ? dir.filePath(QStringLiteral("Quiz.blz")).toStdString()
                                       : std::string());
        bool shown = false;
        answerCommentDialog(&shown, QStringLiteral("x"), c.accept);
        OfferLogEntry(quiz, prompts, &owner);
        QApplication::processEvents(); // let an unused answer run
        EXPECT_EQ(shown, c.dialogShown) << c.name;
        EXPECT_FALSE(QFile::exists(log)) << c.name;
    }
}

TEST_F(LogCommandsTest, CommandsAreAvailableOnlyWithAReadableLog)
{
    EXPECT_FALSE(LogCommandsAvailable(quiz));
    record("a");
    EXPECT_TRUE(LogCommandsAvailable(quiz));
    Quiz unnamed;
    EXPECT_FALSE(LogCommandsAvailable(unnamed));
}

TEST_F(LogCommandsTest, ExportAsksForATextFileAndWritesTheEntries)
{
    record("one");
    record("two");
    prompts.answerFile(output("results.txt"));
    EXPECT_FALSE(ExportLogCommand(quiz, prompts, &owner));
    ASSERT_EQ(prompts.calls().size(), 1u);
    const auto &call = prompts.calls()[0];
    EXPECT_EQ(call.owner, &owner);
    const FileDialogRequest &request = call.fileRequest;
    EXPECT_EQ(request.mode, FileDialogRequest::Mode::Save);
    EXPECT_EQ(request.title, QStringLiteral("Save Quiz Log As:"));
    EXPECT_EQ(request.initialName, QString());
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("txt"));
    EXPECT_EQ(request.filter, QStringLiteral("Text files (*.txt)|*.txt|Log files (*.log)|*.log|"
                                             "All Files (*.*)|*.*||"));
    EXPECT_TRUE(request.overwritePrompt);
    EXPECT_TRUE(request.pathMustExist);
    EXPECT_EQ(readText(output("results.txt").toStdString()),
              "\"one\"\r\n" + std::string(EXAMPLE_ENTRY_TAIL) + "\"two\"\r\n" + EXAMPLE_ENTRY_TAIL);
}

TEST_F(LogCommandsTest, CancelledExportDoesNothing)
{
    record("a");
    prompts.answerFile(std::nullopt);
    EXPECT_FALSE(ExportLogCommand(quiz, prompts, &owner));
    EXPECT_TRUE(prompts.messages().empty());
}

TEST_F(LogCommandsTest, ExportToTheLogItselfIsRefusedInAnyLetterCase)
{
    record("a");
    const std::string before = readText(log.toStdString());
    for (const QString &target :
         {log, dir.filePath(QStringLiteral("QUIZ.BLG")), dir.filePath(QStringLiteral("quiz.Blg")),
          dir.path() + QStringLiteral("/sub/../quiz.blg")}) {
        prompts.clear();
        prompts.answerFile(target).answer(IDOK);
        EXPECT_FALSE(ExportLogCommand(quiz, prompts, &owner));
        expectBox(QStringLiteral("Cannot export log file to itself!"), QStringLiteral("Brainloft"),
                  MB_OK | MB_ICONINFORMATION);
        EXPECT_FALSE(QFile::exists(target) && target != log) << target.toStdString();
    }
    EXPECT_EQ(readText(log.toStdString()), before);

    // Also through a link, which no spelling of the path gives away.
    const QString link = output("link.txt");
    ASSERT_TRUE(QFile::link(log, link));
    prompts.clear();
    prompts.answerFile(link).answer(IDOK);
    ExportLogCommand(quiz, prompts, &owner);
    expectBox(QStringLiteral("Cannot export log file to itself!"), QStringLiteral("Brainloft"),
              MB_OK | MB_ICONINFORMATION);
    EXPECT_EQ(readText(log.toStdString()), before);
}

TEST_F(LogCommandsTest, ExportOfAVanishedLogDisablesTheCommands)
{
    prompts.answer(IDOK);
    EXPECT_TRUE(ExportLogCommand(quiz, prompts, &owner));
    expectBox(QStringLiteral("Log file has been deleted by some other program!"),
              QStringLiteral("Brainloft"), MB_OK | MB_ICONINFORMATION);
    EXPECT_EQ(prompts.calls().size(), 1u) << "no file dialog";
}

TEST_F(LogCommandsTest, ExportReportsDamageAndKeepsWhatWasRead)
{
    record("whole");
    const std::string good = readText(log.toStdString());
    writeText(log.toStdString(), good + std::string("\x10\0\0\0abc", 7));
    prompts.answerFile(output("out.txt")).answer(IDOK);
    EXPECT_FALSE(ExportLogCommand(quiz, prompts, &owner));
    expectBox(DAMAGED.arg(log), QStringLiteral("Error"), MB_OK | MB_ICONINFORMATION);
    EXPECT_EQ(readText(output("out.txt").toStdString()),
              "\"whole\"\r\n" + std::string(EXAMPLE_ENTRY_TAIL));

    // A text file saved under the log's name leaves an empty output.
    writeText(log.toStdString(), "\"whole\"\r\n3\r\n");
    prompts.answerFile(output("out.txt")).answer(IDOK);
    ExportLogCommand(quiz, prompts, &owner);
    expectBox(DAMAGED.arg(log), QStringLiteral("Error"), MB_OK | MB_ICONINFORMATION);
    EXPECT_EQ(readText(output("out.txt").toStdString()), "");
}

TEST_F(LogCommandsTest, ExportLogReportsOpenAndWriteFailures)
{
    struct Case
    {
        const char *name;
        bool haveLog;
        QString output;
        QString message;
    };
    const QString folder = dir.path();
    std::vector<Case> cases = {
        {"log gone", false, output("out.txt"),
         QStringLiteral("Could not open %1 for input.").arg(log)},
        {"output is a folder", true, folder,
         QStringLiteral("Could not replace output file %1").arg(folder)},
    };
    if (::access("/dev/full", W_OK) == 0)
        cases.push_back({"disk full", true, QStringLiteral("/dev/full"),
                         QStringLiteral("Error writing to /dev/full")});
    for (const Case &c : cases) {
        QFile::remove(log);
        if (c.haveLog)
            record("a");
        prompts.clear();
        prompts.answer(IDOK);
        ExportLog(quiz, prompts, c.output, &owner);
        expectBox(c.message, QStringLiteral("Error"), MB_OK | MB_ICONINFORMATION);
    }
}

TEST_F(LogCommandsTest, DeleteAsksFirst)
{
    record("a");
    prompts.answer(IDNO);
    EXPECT_FALSE(DeleteLogCommand(quiz, prompts, &owner));
    expectBox(QStringLiteral("This will delete the log file permanently.\n"
                             "Are you sure you want to do this?"),
              QStringLiteral("Brainloft"), MB_YESNO | MB_ICONQUESTION);
    EXPECT_TRUE(QFile::exists(log));

    prompts.answer(IDYES);
    EXPECT_TRUE(DeleteLogCommand(quiz, prompts, &owner));
    EXPECT_FALSE(QFile::exists(log));
    EXPECT_EQ(prompts.messages().size(), 2u);

    // Already gone: the buttons go without a message.
    prompts.answer(IDYES);
    EXPECT_TRUE(DeleteLogCommand(quiz, prompts, &owner));
    EXPECT_EQ(prompts.messages().size(), 3u);

    // The next result creates the log again under the same name.
    record("b");
    EXPECT_TRUE(LogCommandsAvailable(quiz));
}

TEST_F(LogCommandsTest, DeleteRefusesAReadOnlyOrBusyLog)
{
    record("a");
    const QString refused = QStringLiteral("Could not delete %1\nFile is either marked as "
                                           "Read-Only\nor is in use by another program")
                                .arg(log);
    ASSERT_EQ(::chmod(log.toLocal8Bit().constData(), 0444), 0);
    prompts.answer(IDYES).answer(IDOK);
    EXPECT_FALSE(DeleteLogCommand(quiz, prompts, &owner));
    expectBox(refused, QStringLiteral("Brainloft"), MB_OK | MB_ICONINFORMATION);
    EXPECT_TRUE(QFile::exists(log));

    // A taker's append in progress holds the log.
    ASSERT_EQ(::chmod(log.toLocal8Bit().constData(), 0644), 0);
    const int taker = ::open(log.toLocal8Bit().constData(), O_WRONLY | O_CLOEXEC);
    ASSERT_TRUE(LockFile(taker, LockKind::Exclusive, false));
    prompts.answer(IDYES).answer(IDOK);
    EXPECT_FALSE(DeleteLogCommand(quiz, prompts, &owner));
    expectBox(refused, QStringLiteral("Brainloft"), MB_OK | MB_ICONINFORMATION);
    ::close(taker);
    EXPECT_TRUE(QFile::exists(log));
}
