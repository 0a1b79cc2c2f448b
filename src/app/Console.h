// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The file commands (--results, --import, --export, --print-pdf) run without
// any window: they print their notes to standard output and their errors to
// standard error, and ask for a password on the terminal. They do all of
// that through a Console, which tests replace with a scripted one.

#include <QString>

#include <optional>

// The exit status of a file command.
namespace ExitCode {
inline constexpr int Done = 0;
inline constexpr int Failed = 1; // with a message on standard error
inline constexpr int BadArguments = 2;
inline constexpr int WrongPassword = 3;
} // namespace ExitCode

class Console
{
public:
    virtual ~Console() = default;

    // One line (or several, separated by "\n") to standard output.
    virtual void print(const QString &lines) = 0;
    // One line (or several) to standard error.
    virtual void printError(const QString &lines) = 0;
    // An environment variable, or nothing when it is not set.
    [[nodiscard]] virtual std::optional<QString> environment(const char *name) const = 0;
    // Asks on the terminal without echoing what is typed; nothing when
    // there is no terminal to ask on.
    virtual std::optional<QString> askHidden(const QString &prompt) = 0;
};

// The process's own standard streams and controlling terminal. Text goes
// out as UTF-8.
class StandardConsole : public Console
{
public:
    void print(const QString &lines) override;
    void printError(const QString &lines) override;
    [[nodiscard]] std::optional<QString> environment(const char *name) const override;
    std::optional<QString> askHidden(const QString &prompt) override;
};
