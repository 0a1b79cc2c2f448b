// SPDX-License-Identifier: GPL-3.0-or-later

// Brainloft: build quizzes and flash cards, take them, log the results.

#include "app/CommandLine.h"
#include "app/Console.h"
#include "app/FileCommands.h"
#include "app/QuizApp.h"
#include "app/UsageTexts.h"
#include "ui/Icons.h"
#include "ui/Prompts.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string programName(int argc, char *argv[])
{
    std::string program = argc > 0 ? argv[0] : "brainloft";
    return program.substr(program.find_last_of('/') + 1);
}

// The toolkit takes its own options (-reverse, -style, -platform ...) out
// of argc and argv when it starts; what is left is ours.
CommandLine remainingCommandLine(int argc, char *argv[])
{
    return ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
}

} // namespace

int main(int argc, char *argv[])
{
    // Answered before any window system is needed, so they work anywhere.
    const CommandLine early = remainingCommandLine(argc, argv);
    if (early.action == CommandLine::Action::Help) {
        // Translators need an application, not a display.
        QCoreApplication application(argc, argv);
        Translations::InstallForSystem();
        std::fputs(TranslatedUsageText(programName(argc, argv)).c_str(), stdout);
        return 0;
    }
    if (early.action == CommandLine::Action::Version) {
        std::puts("Brainloft " BRAINLOFT_VERSION);
        return 0;
    }

    if (early.isHeadless() || early.action == CommandLine::Action::BadArguments) {
        // Fonts and PDF output need a GUI application, but no display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication application(argc, argv);
        QGuiApplication::setApplicationVersion(QStringLiteral(BRAINLOFT_VERSION));
        Translations::InstallForSystem();
        const CommandLine line = remainingCommandLine(argc, argv);
        StandardConsole console;
        if (line.action == CommandLine::Action::BadArguments) {
            const QString program = QString::fromStdString(programName(argc, argv));
            console.printError(
                program + QStringLiteral(": ") + TranslatedArgumentError(line.error) + u'\n' +
                QCoreApplication::translate("main", "Try '%1 --help'.").arg(program));
            return ExitCode::BadArguments;
        }
        return RunFileCommand(line, console);
    }

    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(BRAINLOFT_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("brainloft"));
    QApplication::setWindowIcon(brainloftIcon());
    Translations::InstallForSystem();

    QtPrompts prompts;
    QuizApp app(prompts);
    return app.run(remainingCommandLine(argc, argv));
}
