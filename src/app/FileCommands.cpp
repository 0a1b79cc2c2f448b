// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/FileCommands.h"

#include "app/Console.h"
#include "editor/FormText.h"
#include "model/Quiz.h"
#include "ui/CodePage.h"
#include "ui/QuizFiles.h"

#include <QCoreApplication>

namespace {

// This file's texts, under "FileCommands" in the catalogues.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(FileCommands)
};

} // namespace

int RunFileCommand(const CommandLine &line, Console &console)
{
    switch (line.action) {
    case CommandLine::Action::Results:
        return RunResultsCommand(line.results, console);
    case CommandLine::Action::Import:
        return RunImportCommand(line.import, console);
    case CommandLine::Action::Export:
        return RunExportCommand(line.exportQuiz, console);
    case CommandLine::Action::PrintPdf:
        return RunPrintPdfCommand(line.printPdf, console);
    default:
        console.printError(Texts::tr("No file command was given."));
        return ExitCode::BadArguments;
    }
}

ConsolePrompts::ConsolePrompts(Console &console)
    : m_console(console)
{}

int ConsolePrompts::messageBox(QWidget *, const QString &text, const QString &, unsigned flags)
{
    m_console.printError(text);
    switch (flags & MB_TYPEMASK) {
    case MB_YESNO:
        return IDNO;
    case MB_YESNOCANCEL:
    case MB_OKCANCEL:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

std::optional<QString> ConsolePrompts::fileDialog(QWidget *, const FileDialogRequest &)
{
    return std::nullopt;
}

std::optional<QFont> ConsolePrompts::chooseFont(QWidget *, const QFont &)
{
    return std::nullopt;
}

bool LoadQuizForCommand(Quiz &quiz, const std::string &path, Console &console)
{
    ConsolePrompts prompts(console);
    quiz.ClearQuiz();
    return LoadQuizFile(quiz, prompts, pathToQString(path), nullptr);
}

int CheckQuizPassword(const Quiz &quiz, Console &console)
{
    std::optional<QString> entered = console.environment(PASSWORD_VARIABLE);
    if (!entered)
        entered = console.askHidden(Texts::tr("Password: "));
    if (!entered) {
        console.printError(Texts::tr("This command needs the quiz's password: set %1 or "
                                     "run it on a terminal.")
                               .arg(QLatin1String(PASSWORD_VARIABLE)));
        return ExitCode::WrongPassword;
    }
    // A character the code page cannot hold is in no stored password.
    const auto bytes = CodePage::fromUnicode(TrimBlanks(*entered));
    if (!bytes || *bytes != quiz.password) {
        console.printError(Texts::tr("Invalid password!"));
        return ExitCode::WrongPassword;
    }
    return ExitCode::Done;
}

std::optional<std::string> ChooseNewPassword(Console &console)
{
    QString password;
    if (const auto fromEnvironment = console.environment(PASSWORD_VARIABLE)) {
        password = TrimBlanks(*fromEnvironment);
    } else {
        const auto first = console.askHidden(Texts::tr("Password for the new quiz: "));
        if (!first) {
            console.printError(Texts::tr("A new quiz needs a password: set %1 or run "
                                         "this on a terminal.")
                                   .arg(QLatin1String(PASSWORD_VARIABLE)));
            return std::nullopt;
        }
        password = TrimBlanks(*first);
        if (!password.isEmpty()) {
            const auto again = console.askHidden(Texts::tr("Confirm the password: "));
            if (!again || TrimBlanks(*again) != password) {
                console.printError(Texts::tr("Passwords don't match."));
                return std::nullopt;
            }
        }
    }
    if (password.isEmpty()) {
        console.printError(Texts::tr("Password cannot be blank!"));
        return std::nullopt;
    }
    const QString unstorable = UnstorableCharacters(password);
    if (!unstorable.isEmpty()) {
        console.printError(Texts::tr("The new password contains characters that a quiz "
                                     "file cannot store:\n%1\nPlease choose another "
                                     "password.")
                               .arg(unstorable));
        return std::nullopt;
    }
    return *CodePage::fromUnicode(password);
}
