// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Console.h"
#include "app/FileCommands.h"

int RunImportCommand(const CommandLine::Import &, Console &console)
{
    console.printError(QStringLiteral("--import is not available yet."));
    return ExitCode::Failed;
}
