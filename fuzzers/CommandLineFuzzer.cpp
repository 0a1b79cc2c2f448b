// SPDX-License-Identifier: GPL-3.0-or-later
// Splits the input at NUL bytes into command-line arguments and checks what
// the parser makes of them against what the options promise.

#include "app/CommandLine.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            arguments.emplace_back();
        else
            arguments.back() += static_cast<char>(data[i]);
    }
    const CommandLine line = ParseCommandLine(arguments);

    // Only a start names a quiz, and its name comes trimmed.
    const std::string &file = line.startFile;
    if (line.action != CommandLine::Action::Start && (line.editOnStart || !file.empty()))
        std::abort();
    if (!file.empty() && (isBlank(file.front()) || isBlank(file.back())))
        std::abort();
    // The name is made of the arguments' own bytes and the blanks between.
    std::size_t argumentBytes = 0;
    for (const std::string &argument : arguments)
        argumentBytes += argument.size() + 1;
    if (file.size() > argumentBytes)
        std::abort();
    // A lone argument that is no option (nor the end of options) is the
    // quiz itself, as typed.
    if (arguments.size() == 1 && arguments[0] != "--" &&
        line.action == CommandLine::Action::Start && !line.editOnStart) {
        const std::string &only = arguments[0];
        const auto first = std::find_if_not(only.begin(), only.end(), isBlank);
        const auto last = std::find_if_not(only.rbegin(), only.rend(), isBlank).base();
        if (file != (first < last ? std::string(first, last) : std::string()))
            std::abort();
    }
    (void)UsageText(arguments[0]);
    return 0;
}
