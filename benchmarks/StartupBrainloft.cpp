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
    // Read once before the toolkit starts (for --help and the file
    // commands) and once after it has taken out its own options.
    const CommandLine early = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (early.action != CommandLine::Action::Start)
        return 2;

    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(BRAINLOFT_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("brainloft"));
    QApplication::setWindowIcon(brainloftIcon());
    watchForFirstPaint();

    QtPrompts prompts;
    QuizApp app(prompts);
    return app.run(ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc)));
}
