// SPDX-License-Identifier: GPL-3.0-or-later

// --import FILE --output NEW.blz [--format F] [--flash-cards]: a new quiz
// with the default parameters from another format's questions. The summary
// goes to standard output; the new file is never written over an old one.

#include "app/Console.h"
#include "app/FileCommands.h"
#include "exchange/QuizExchange.h"
#include "model/Quiz.h"
#include "model/QuizFile.h"
#include "ui/CodePage.h"
#include "ui/QuizFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace {} // namespace

int RunImportCommand(const CommandLine::Import &command, Console &console)
{
    const QString input = pathToQString(command.file);
    const QString output = pathToQString(command.output);
    if (QFileInfo::exists(output) || QFileInfo(output).isSymLink()) {
        console.printError(QCoreApplication::translate(
                               "ImportCommand",
                               "%1 already exists; an import never replaces a file. Name a new "
                               "file with --output.")
                               .arg(output));
        return ExitCode::Failed;
    }
    QString error;
    const std::optional<QByteArray> bytes = QuizExchange::readFile(input, error);
    if (!bytes) {
        console.printError(error);
        return ExitCode::Failed;
    }
    const std::optional<ExchangeFormat> format =
        command.format.empty() ? QuizExchange::guessFormat(input, *bytes)
                               : QuizExchange::formatNamed(QString::fromStdString(command.format));
    if (!format) {
        console.printError(QCoreApplication::translate("ImportCommand", "Unknown format %1.")
                               .arg(QString::fromStdString(command.format)));
        return ExitCode::BadArguments;
    }

    Quiz quiz;
    quiz.quizType = command.flashCards ? 1 : 0;
    quiz.SetQuizPathName(command.output);
    const ExchangeRead read = QuizExchange::read(*format, *bytes, command.flashCards);
    if (!read.error.isEmpty()) {
        console.printError(
            QCoreApplication::translate("ImportCommand", "Could not read %1 as %2: %3")
                .arg(input, QuizExchange::formatTitle(*format), read.error));
        return ExitCode::Failed;
    }
    QuizExchange::ImportPlan plan = QuizExchange::prepareImport(read, quiz);
    for (const ExchangeNote &note : plan.notes)
        console.print(QuizExchange::noteLine(note));
    if (plan.count() == 0) {
        console.printError(QCoreApplication::translate(
                               "ImportCommand", "No questions were imported; %1 was not written.")
                               .arg(output));
        return ExitCode::Failed;
    }
    const std::optional<std::string> password = ChooseNewPassword(console);
    if (!password)
        return ExitCode::Failed;
    quiz.password = *password;

    // The name is taken first, so that a file appearing meanwhile is not
    // replaced either; the save then renames over our own empty file.
    QFile reserved(output);
    if (!reserved.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        console.printError(QCoreApplication::translate("ImportCommand", "Could not create %1: %2")
                               .arg(output, reserved.errorString()));
        return ExitCode::Failed;
    }
    reserved.close();
    const QString folder = QFileInfo(output).absolutePath();
    QList<ExchangeNote> pictureNotes;
    const int added = QuizExchange::commitImport(plan, quiz, folder, pictureNotes);
    for (const ExchangeNote &note : pictureNotes)
        console.print(QuizExchange::noteLine(note));
    int saveError = 0;
    if (SaveQuizToFile(quiz, command.output, &saveError) != SaveResult::Ok) {
        reserved.remove();
        // The pictures belong to the quiz that was not written.
        for (int i = 0; i < quiz.questionCount(); ++i) {
            const std::string &image = quiz.QuestionAt(i)->imageFile;
            if (!image.empty())
                QFile::remove(QDir(folder).filePath(CodePage::toUnicode(image)));
        }
        console.printError(QCoreApplication::translate("ImportCommand", "Could not write %1: %2")
                               .arg(output, QString::fromLocal8Bit(std::strerror(saveError))));
        return ExitCode::Failed;
    }
    console.print(
        added == 1
            ? QCoreApplication::translate("ImportCommand", "Wrote %1 (1 question).").arg(output)
            : QCoreApplication::translate("ImportCommand", "Wrote %1 (%2 questions).")
                  .arg(output)
                  .arg(added));
    return ExitCode::Done;
}
