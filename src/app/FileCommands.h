// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The file commands: --results (with files to write), --import, --export
// and --print-pdf. They run on the offscreen platform without any window,
// write nothing to the registry or the desktop's files, and end with an
// ExitCode. Each command lives in a file of its own; this header is what
// they share.

#include "app/CommandLine.h"
#include "ui/Prompts.h"

#include <optional>
#include <string>

class Console;
class Quiz;

// Runs the file command that `line` names; returns its exit status.
int RunFileCommand(const CommandLine &line, Console &console);

int RunResultsCommand(const CommandLine::Results &command, Console &console);
int RunImportCommand(const CommandLine::Import &command, Console &console);
int RunExportCommand(const CommandLine::Export &command, Console &console);
int RunPrintPdfCommand(const CommandLine::PrintPdf &command, Console &console);

// --results without files to write: the results window over the quiz's
// log and the further logs named, once the quiz's password is given.
int RunResultsWindow(Quiz &quiz, Prompts &prompts, const CommandLine::Results &command);

// Message boxes become lines on standard error; a question is answered
// with its safe choice (No, or Cancel when there is one), and no file or
// font dialog is ever shown.
class ConsolePrompts : public Prompts
{
public:
    explicit ConsolePrompts(Console &console);

    int messageBox(QWidget *owner, const QString &text, const QString &caption,
                   unsigned flags) override;
    std::optional<QString> fileDialog(QWidget *owner, const FileDialogRequest &request) override;
    std::optional<QFont> chooseFont(QWidget *owner, const QFont &initial) override;

private:
    Console &m_console;
};

// The environment variable that gives a file command the quiz's password.
inline constexpr const char *PASSWORD_VARIABLE = "BRAINLOFT_PASSWORD";

// Loads the quiz named on the command line; failures are reported on
// standard error with the load's own messages.
bool LoadQuizForCommand(Quiz &quiz, const std::string &path, Console &console);

// The password check of a command that reveals a quiz's answers or
// results: BRAINLOFT_PASSWORD when it is set, otherwise asked on the
// terminal, and compared as the password dialog compares (blanks at the
// ends trimmed, letter case kept). A wrong password prints "Invalid
// password!"; both that and a password that cannot be had at all give
// ExitCode::WrongPassword. ExitCode::Done when it is right.
int CheckQuizPassword(const Quiz &quiz, Console &console);

// The password of a new quiz: BRAINLOFT_PASSWORD when it is set, otherwise
// asked twice on the terminal. Refused, with the password dialog's
// messages, when blank, when the two differ, or when the quiz's code page
// cannot store it; nothing is returned then.
std::optional<std::string> ChooseNewPassword(Console &console);
