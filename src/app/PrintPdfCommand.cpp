// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Console.h"
#include "app/FileCommands.h"

int RunPrintPdfCommand(const CommandLine::PrintPdf &, Console &console)
{
    console.printError(QStringLiteral("--print-pdf is not available yet."));
    return ExitCode::Failed;
}
