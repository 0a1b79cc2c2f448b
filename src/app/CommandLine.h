#pragma once

#include <string>
#include <vector>

// What the program was asked to do on its command line. Options are whole
// arguments, matched without regard to letter case: "/edit" or "--edit"
// (the arguments after it, joined by blanks, name the quiz to edit),
// "/uninstall" or "--uninstall", and "--help" or "--version". Everything else
// is the quiz to take, its letter case kept. After "--" nothing is an option.
struct CommandLine
{
    enum class Action { Start, Uninstall, Help, Version };
    Action action = Action::Start;
    bool editOnStart = false;
    std::string startFile; // empty = no quiz named
};

[[nodiscard]] CommandLine ParseCommandLine(const std::vector<std::string> &arguments);

// The text printed for --help.
[[nodiscard]] std::string UsageText(const std::string &programName);
