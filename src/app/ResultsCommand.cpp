// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Console.h"
#include "app/FileCommands.h"

int RunResultsCommand(const CommandLine::Results &, Console &console)
{
    console.printError(QStringLiteral("--results is not available yet."));
    return ExitCode::Failed;
}

int RunResultsWindow(Quiz &, Prompts &prompts, const CommandLine::Results &)
{
    prompts.messageBox(nullptr, QStringLiteral("The results window is not available yet."),
                       QStringLiteral("Brainloft"), MB_OK | MB_ICONINFORMATION);
    return ExitCode::Failed;
}
