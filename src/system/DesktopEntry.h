// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Writing the values of a desktop entry (the freedesktop Desktop Entry
// format) from the program's shell commands, with the format's two layers
// of escaping: an Exec argument is quoted when it holds a reserved character,
// and every string value escapes its backslashes and control characters.

// A command as the registry records it: the program in double quotes, then
// its arguments separated by blanks, "%1" standing for the document.
struct ShellCommand
{
    QString program;
    QStringList arguments;
};
// Splits a recorded command. The program is everything between the first and
// the last double quote (a Linux path may itself hold quotes; the arguments
// never do). Nothing when the command does not start with a quoted program.
[[nodiscard]] std::optional<ShellCommand> parseShellCommand(const QString &command);

// One Exec argument, quoted and escaped as needed ('%' doubled).
[[nodiscard]] QString desktopExecArgument(const QString &argument);
// A string value with the key-file escapes (\\, \n, \t, \r, leading \s).
[[nodiscard]] QString desktopStringValue(const QString &value);
// The Exec value for a recorded command: the document placeholder "%1"
// becomes the field code %f, the options "/edit" and "/uninstall" their
// "--" forms, and every other argument is passed on literally.
[[nodiscard]] QString desktopExecValue(const ShellCommand &command);
