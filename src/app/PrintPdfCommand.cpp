// SPDX-License-Identifier: GPL-3.0-or-later

// --print-pdf QUIZ.blz OUT.pdf [--answer-key | --key-only] [--versions N]:
// the exam papers and/or keys of a quiz as a PDF, without a window. The key
// reveals the answers, so the quiz's password is asked for in every case.

#include "app/Console.h"
#include "app/FileCommands.h"
#include "model/Quiz.h"
#include "print/QuizPrint.h"
#include "ui/QuizFiles.h"

#include <QCoreApplication>

namespace {

// This file's texts, under "PrintPdfCommand" in the catalogues.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(PrintPdfCommand)
};

} // namespace

int RunPrintPdfCommand(const CommandLine::PrintPdf &command, Console &console)
{
    Quiz quiz;
    if (!LoadQuizForCommand(quiz, command.quizFile, console))
        return ExitCode::Failed;
    if (const int status = CheckQuizPassword(quiz, console); status != ExitCode::Done)
        return status;
    if (quiz.questionCount() == 0) {
        console.printError(Texts::tr("The quiz has no questions to print."));
        return ExitCode::Failed;
    }

    using Content = CommandLine::PrintPdf::Content;
    PrintRequest request;
    request.paper = command.content != Content::KeyOnly;
    request.key = command.content != Content::Paper;
    request.versions = command.versions;
    const QString output = pathToQString(command.output);
    const PrintOutcome outcome = WriteQuizPdf(quiz, request, output, DefaultPageSize());
    for (const QString &note : outcome.notes)
        console.print(Texts::tr("note: %1").arg(note));
    if (!outcome.ok) {
        console.printError(Texts::tr("Could not write %1: %2").arg(output, outcome.error));
        return ExitCode::Failed;
    }
    console.print(Texts::tr("Wrote %1 (%2 pages).").arg(output).arg(outcome.pages));
    return ExitCode::Done;
}
