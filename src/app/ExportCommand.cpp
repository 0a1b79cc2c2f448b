// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Console.h"
#include "app/FileCommands.h"

int RunExportCommand(const CommandLine::Export &, Console &console)
{
    console.printError(QStringLiteral("--export is not available yet."));
    return ExitCode::Failed;
}
