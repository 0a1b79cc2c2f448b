// SPDX-License-Identifier: GPL-3.0-or-later

#include "log/LogCommands.h"

#include "log/LogCommentDialog.h"
#include "log/ResultsLog.h"
#include "model/Quiz.h"
#include "ui/ModalDialog.h"
#include "ui/Prompts.h"
#include "ui/QuizFiles.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// This file's texts, under "LogCommands" in the catalogues.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(LogCommands)
};

const QString BRAINLOFT = QStringLiteral("Brainloft");
QString errorCaption()
{
    return Texts::tr("Error");
}

void inform(Prompts &prompts, QWidget *owner, const QString &text, const QString &caption)
{
    prompts.messageBox(owner, text, caption, MB_OK | MB_ICONINFORMATION);
}

bool samePathIgnoringCase(const QString &a, const QString &b)
{
    return QFileInfo(a).absoluteFilePath().compare(QFileInfo(b).absoluteFilePath(),
                                                   Qt::CaseInsensitive) == 0;
}

} // namespace

void OfferLogEntry(
    Quiz &quiz, Prompts &prompts, QWidget *owner,
    const std::function<void(const std::string &comment, std::uint64_t logSize)> &confirmed)
{
    if (!quiz.logResults || quiz.logPathName.empty())
        return;
    LogCommentDialog dialog(prompts, owner);
    if (dialog.exec() != ModalDialog::Ok)
        return;
    if (confirmed)
        confirmed(dialog.comment(), LogEntriesEnd(quiz.logPathName));
    (void)RecordResult(quiz, dialog.comment());
}

void FinishLogEntry(const Quiz &quiz, const std::string &comment, std::uint64_t logSize)
{
    if (quiz.logResults && !quiz.logPathName.empty())
        (void)FinishRecordResult(quiz, comment, logSize);
}

bool LogCommandsAvailable(const Quiz &quiz)
{
    return !quiz.logPathName.empty() && LogFileReadable(quiz.logPathName);
}

bool ExportLogCommand(const Quiz &quiz, Prompts &prompts, QWidget *owner)
{
    if (!LogFileReadable(quiz.logPathName)) {
        inform(prompts, owner, Texts::tr("Log file has been deleted by some other program!"),
               BRAINLOFT);
        return true;
    }
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.title = Texts::tr("Save Quiz Log As:");
    request.defaultSuffix = QStringLiteral("txt");
    //: A file dialog filter: names shown, each followed by |*.ext| as it is.
    request.filter =
        Texts::tr("Text files (*.txt)|*.txt|Log files (*.log)|*.log|All Files (*.*)|*.*||");
    request.overwritePrompt = true;
    request.pathMustExist = true;
    const std::optional<QString> chosen = prompts.fileDialog(owner, request);
    if (!chosen)
        return false;
    if (samePathIgnoringCase(*chosen, pathToQString(quiz.logPathName))) {
        inform(prompts, owner, Texts::tr("Cannot export log file to itself!"), BRAINLOFT);
        return false;
    }
    ExportLog(quiz, prompts, *chosen, owner);
    return false;
}

bool DeleteLogCommand(const Quiz &quiz, Prompts &prompts, QWidget *owner)
{
    if (prompts.messageBox(owner,
                           Texts::tr("This will delete the log file permanently.\n"
                                     "Are you sure you want to do this?"),
                           BRAINLOFT, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    if (DeleteLogFile(quiz.logPathName) == DeleteResult::Refused) {
        inform(prompts, owner,
               Texts::tr("Could not delete %1\nFile is either marked as Read-Only\n"
                         "or is in use by another program")
                   .arg(pathToQString(quiz.logPathName)),
               BRAINLOFT);
        return false;
    }
    return true;
}

void ExportLog(const Quiz &quiz, Prompts &prompts, const QString &outputPath, QWidget *owner)
{
    const QString logPath = pathToQString(quiz.logPathName);
    switch (ExportLogFile(quiz.logPathName, pathFromQString(outputPath))) {
    case ExportResult::Ok:
        return;
    case ExportResult::InputOpenFailed:
        inform(prompts, owner, Texts::tr("Could not open %1 for input.").arg(logPath),
               errorCaption());
        return;
    case ExportResult::OutputCreateFailed:
        inform(prompts, owner, Texts::tr("Could not replace output file %1").arg(outputPath),
               errorCaption());
        return;
    case ExportResult::SameFile:
        inform(prompts, owner, Texts::tr("Cannot export log file to itself!"), BRAINLOFT);
        return;
    case ExportResult::Damaged:
        inform(prompts, owner,
               Texts::tr("Input file %1\nis either damaged or not a Brainloft Log").arg(logPath),
               errorCaption());
        return;
    case ExportResult::WriteFailed:
        inform(prompts, owner, Texts::tr("Error writing to %1").arg(outputPath), errorCaption());
        return;
    }
}
