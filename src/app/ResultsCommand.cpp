// SPDX-License-Identifier: GPL-3.0-or-later

// --results QUIZ.blz [MORE.blg ...] [--takers-csv F] [--items-csv F]
// [--summary-csv F] [--report-pdf F]: the results of a quiz's log and of
// further logs, as CSV files and a printed report, without a window; or,
// with no file to write, the results window. Results are the author's, so
// the quiz's password is asked for first.

#include "app/Console.h"
#include "app/FileCommands.h"
#include "editor/PasswordDialog.h"
#include "editor/QuizParametersDialog.h"
#include "model/Quiz.h"
#include "print/ResultsReport.h"
#include "results/LogReader.h"
#include "results/ResultsCsv.h"
#include "results/ResultsStats.h"
#include "results/ResultsText.h"
#include "results/ResultsWindow.h"
#include "ui/QuizFiles.h"

#include <QCoreApplication>

namespace {

// The parameters dialog's "View results..." opens the window through this
// hook: the editor layer does not link the results window.
[[maybe_unused]] const bool viewerSet = [] {
    QuizParametersDialog::setResultsViewer(&OpenResultsWindow);
    return true;
}();

} // namespace

int RunResultsCommand(const CommandLine::Results &command, Console &console)
{
    Quiz quiz;
    if (!LoadQuizForCommand(quiz, command.quizFile, console))
        return ExitCode::Failed;
    if (const int status = CheckQuizPassword(quiz, console); status != ExitCode::Done)
        return status;

    std::vector<std::string> logs{quiz.logPathName};
    logs.insert(logs.end(), command.moreLogs.begin(), command.moreLogs.end());
    std::vector<LogRecord> records;
    QStringList names, notes;
    int readable = 0;
    for (std::size_t i = 0; i < logs.size(); ++i) {
        const QString name = pathToQString(logs[i]);
        const LogReadResult read = ReadLogFile(logs[i], records, int(i));
        if (read.status == LogReadStatus::Ok || read.status == LogReadStatus::Damaged) {
            ++readable;
            names << name;
        }
        if (const QString problem = DescribeLogRead(name, read); !problem.isEmpty()) {
            console.printError(problem);
            notes << problem;
        }
    }
    if (readable == 0) {
        console.printError(
            QCoreApplication::translate("ResultsCommand", "No results log could be read."));
        return ExitCode::Failed;
    }

    const ResultsAnalysis analysis =
        AnalyseResults(records, quiz.questionCount(), quiz.quizType != 0);
    const SummaryFigures &summary = analysis.summary;
    console.print(QCoreApplication::translate("ResultsCommand",
                                              "Read %1 entries (%2 complete, %3 incomplete).")
                      .arg(summary.entries)
                      .arg(summary.complete + summary.otherQuiz)
                      .arg(summary.incomplete));
    if (summary.otherQuiz > 0) {
        const QString note =
            QCoreApplication::translate(
                "ResultsCommand", "%1 entries are of another version of the quiz (another number "
                                  "of questions) and are left out of the figures.")
                .arg(summary.otherQuiz);
        console.print(QCoreApplication::translate("ResultsCommand", "note: %1").arg(note));
        notes << note;
    }

    // Nothing is ever written over the quiz or a log being read.
    std::vector<std::string> keep = logs;
    keep.push_back(quiz.pathName);
    int status = ExitCode::Done;
    const auto write = [&](const std::string &target, const QByteArray &bytes) {
        if (target.empty())
            return;
        const QString path = pathToQString(target);
        if (const auto error = WriteResultsFile(path, bytes, keep)) {
            console.printError(
                QCoreApplication::translate("ResultsCommand", "Could not write %1: %2")
                    .arg(path, *error));
            status = ExitCode::Failed;
        } else {
            console.print(QCoreApplication::translate("ResultsCommand", "Wrote %1.").arg(path));
        }
    };
    write(command.takersCsv, TakersCsv(quiz, records, analysis));
    write(command.itemsCsv, ItemsCsv(quiz, analysis));
    write(command.summaryCsv, SummaryCsv(analysis));
    if (!command.reportPdf.empty()) {
        const QString path = pathToQString(command.reportPdf);
        const PrintOutcome outcome =
            WriteResultsReportPdf({quiz, analysis, names, notes}, path, DefaultPageSize(), keep);
        if (!outcome.ok) {
            console.printError(
                QCoreApplication::translate("ResultsCommand", "Could not write %1: %2")
                    .arg(path, outcome.error));
            status = ExitCode::Failed;
        } else {
            console.print(QCoreApplication::translate("ResultsCommand", "Wrote %1 (%2 pages).")
                              .arg(path)
                              .arg(outcome.pages));
        }
    }
    return status;
}

int RunResultsWindow(Quiz &quiz, Prompts &prompts, const CommandLine::Results &command)
{
    if (!LoadQuizFile(quiz, prompts, pathToQString(command.quizFile), nullptr))
        return ExitCode::Failed;
    // As the Edit command asks: mode 0, wrong entries counted.
    unsigned wrongEntries = 0;
    PasswordDialog password(quiz, prompts, 0, &wrongEntries);
    switch (password.exec()) {
    case ModalDialog::Ok:
        break;
    case PasswordDialog::WrongTooOften:
        prompts.messageBox(nullptr, QStringLiteral("Access Denied!"), QStringLiteral("Brainloft"),
                           MB_ICONHAND);
        return ExitCode::WrongPassword;
    default:
        return ExitCode::Done;
    }
    ResultsWindow window(quiz, prompts, command.moreLogs);
    window.exec();
    return ExitCode::Done;
}
