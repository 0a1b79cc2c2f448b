// Brainloft: build quizzes and flash cards, take them, log the results.

#include "app/CommandLine.h"
#include "app/QuizApp.h"
#include "ui/Icons.h"
#include "ui/Prompts.h"

#include <QApplication>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char *argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const CommandLine commandLine = ParseCommandLine(arguments);
    // Answered before any window system is needed, so they work anywhere.
    if (commandLine.action == CommandLine::Action::Help) {
        std::string program = argc > 0 ? argv[0] : "brainloft";
        program = program.substr(program.find_last_of('/') + 1);
        std::fputs(UsageText(program).c_str(), stdout);
        return 0;
    }
    if (commandLine.action == CommandLine::Action::Version) {
        std::puts("Brainloft " BRAINLOFT_VERSION);
        return 0;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(BRAINLOFT_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("brainloft"));
    QApplication::setWindowIcon(brainloftIcon());

    QtPrompts prompts;
    QuizApp app(prompts);
    return app.run(commandLine);
}
