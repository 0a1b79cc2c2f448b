// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/QuizApp.h"

#include "app/CommandLine.h"
#include "app/FileCommands.h"
#include "app/MainWindow.h"
#include "system/Registration.h"
#include "system/Uninstall.h"
#include "ui/Prompts.h"
#include "ui/QuizFiles.h"

#include <QCoreApplication>

QuizApp::QuizApp(Prompts &prompts)
    : m_prompts(prompts)
{}

int QuizApp::run(const CommandLine &commandLine)
{
    RegisterProgram(m_prompts, RunningProgramPath());

    if (commandLine.action == CommandLine::Action::Uninstall) {
        if (m_prompts.messageBox(nullptr,
                                 QCoreApplication::translate(
                                     "QuizApp", "This will remove Brainloft from your system.\n"
                                                "Are you sure?"),
                                 QCoreApplication::translate("QuizApp", "Brainloft Uninstall"),
                                 MB_YESNO | MB_ICONQUESTION) == IDYES)
            UninstallProgram(m_prompts, RunningProgramPath());
        return 0;
    }

    if (commandLine.action == CommandLine::Action::Results)
        return RunResultsWindow(m_quiz, m_prompts, commandLine.results);

    StartOptions start;
    start.startFile = pathToQString(commandLine.startFile);
    start.editOnStart = commandLine.editOnStart;
    MainWindow window(m_quiz, m_prompts, start);
    window.exec();
    return 0;
}
