// SPDX-License-Identifier: GPL-3.0-or-later

// --export FORMAT QUIZ.blz OUTPUT: the quiz in another format. An export
// reveals the answers, so the quiz's password is asked for; what the
// format could not hold goes to standard output. OUTPUT is never replaced.

#include "app/Console.h"
#include "app/FileCommands.h"
#include "exchange/QuizExchange.h"
#include "model/Quiz.h"
#include "ui/QuizFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {} // namespace

int RunExportCommand(const CommandLine::Export &command, Console &console)
{
    const std::optional<ExchangeFormat> format =
        QuizExchange::formatNamed(QString::fromStdString(command.format));
    if (!format) {
        console.printError(QCoreApplication::translate("ExportCommand", "Unknown format %1.")
                               .arg(QString::fromStdString(command.format)));
        return ExitCode::BadArguments;
    }
    if (!QuizExchange::canWrite(*format)) {
        console.printError(
            QCoreApplication::translate("ExportCommand",
                                        "Writing %1 files is not available in this version.")
                .arg(QuizExchange::formatTitle(*format)));
        return ExitCode::Failed;
    }
    Quiz quiz;
    if (!LoadQuizForCommand(quiz, command.quizFile, console))
        return ExitCode::Failed;
    if (const int status = CheckQuizPassword(quiz, console); status != ExitCode::Done)
        return status;
    if (quiz.questionCount() == 0) {
        console.printError(
            QCoreApplication::translate("ExportCommand", "The quiz has no questions to export."));
        return ExitCode::Failed;
    }
    const QString output = pathToQString(command.output);
    const QString title = QFileInfo(pathToQString(command.quizFile)).completeBaseName();
    const ExchangeWritten written = QuizExchange::write(*format, quiz, title);
    int skipped = 0;
    for (const ExchangeNote &note : written.notes) {
        console.print(QuizExchange::noteLine(note));
        skipped += note.kind == ExchangeNote::Kind::Skipped ? 1 : 0;
    }
    const int count = quiz.questionCount() - skipped;
    if (count <= 0) {
        console.printError(
            QCoreApplication::translate(
                "ExportCommand", "%1 holds none of the quiz's questions; %2 was not written.")
                .arg(QuizExchange::formatTitle(*format), output));
        return ExitCode::Failed;
    }
    QFile file(output);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        console.printError(
            QFileInfo::exists(output)
                ? QCoreApplication::translate("ExportCommand",
                                              "%1 already exists; an export never replaces a file.")
                      .arg(output)
                : QCoreApplication::translate("ExportCommand", "Could not create %1: %2")
                      .arg(output, file.errorString()));
        return ExitCode::Failed;
    }
    if (file.write(written.bytes) != written.bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.remove();
        console.printError(QCoreApplication::translate("ExportCommand", "Could not write %1: %2")
                               .arg(output, reason));
        return ExitCode::Failed;
    }
    file.close();
    console.print(
        count == 1
            ? QCoreApplication::translate("ExportCommand", "Wrote %1 (1 question).").arg(output)
            : QCoreApplication::translate("ExportCommand", "Wrote %1 (%2 questions).")
                  .arg(output)
                  .arg(count));
    return ExitCode::Done;
}
