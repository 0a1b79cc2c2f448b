// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <string>

// The command line's texts in the user's language. The parser and the --help
// text are plain C++ (a fuzzer builds them alone) and speak English; these
// translate them on the way out.

// UsageText with every paragraph translated.
[[nodiscard]] std::string TranslatedUsageText(const std::string &programName);

// A CommandLine::error in the user's language: the parser's English reasons
// are matched against their patterns ("%1 needs a value"), whose translation
// then takes the same option or name. A reason no pattern matches stays English.
[[nodiscard]] QString TranslatedArgumentError(const std::string &english);
