// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start-up as src/main.cpp performs it (keep the two alike),
// up to the main window's first paint.

#include "StartupSignal.h"

#include "app/CommandLine.h"
#include "app/QuizApp.h"
#include "ui/Icons.h"
#include "ui/Prompts.h"

#include <QApplication>

#include <string>
#include <vector>

int main(int argc, char *argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const CommandLine commandLine = ParseCommandLine(arguments);

    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(BRAINLOFT_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("brainloft"));
    QApplication::setWindowIcon(brainloftIcon());
    watchForFirstPaint();

    QtPrompts prompts;
    QuizApp app(prompts);
    return app.run(commandLine);
}
