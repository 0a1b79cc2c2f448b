// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Text in quiz files and logs is 8-bit, in the ANSI code page of the system
// the quiz was written on. The model keeps those bytes; windows convert them
// here, at the boundary. The code page follows the locale (Windows-1252 for
// Western languages, 1251 for Cyrillic, ...) unless BRAINLOFT_CODEPAGE names
// another (for example "windows-1250" or just "1250").

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace CodePage {

// The code page in use, for example "windows-1252".
[[nodiscard]] QString name();
// Replaces the code page for the rest of the run; false when unknown.
bool setName(const QString &codePage);
// The code page a locale name ("de_DE.UTF-8", "ru", "zh_TW") implies.
[[nodiscard]] QString forLocale(const QString &localeName);

[[nodiscard]] QString toUnicode(std::string_view bytes);
// The text in the code page, or nothing when some character has no place in
// it; nothing is ever replaced silently.
[[nodiscard]] std::optional<std::string> fromUnicode(const QString &text);
// The distinct characters of `text` that the code page cannot hold.
[[nodiscard]] QString unrepresentable(const QString &text);

} // namespace CodePage
