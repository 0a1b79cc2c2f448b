// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Plain helpers of the editors' forms: trimming, the compaction of the
// answer list, and naming the characters a quiz file cannot store.

#include <QString>

#include <array>
#include <cstdint>
#include <limits>

// `text` without white space (blank, tab, line feed, vertical tab, form
// feed, carriage return) at either end.
[[nodiscard]] QString TrimBlanks(const QString &text);

// Trims the five answers and closes the gaps between them: the non-empty
// answers move up in their order, each with its own mark, and the empty
// ones (with cleared marks) go to the end. True when an answer moved;
// trimming alone does not count.
bool CompactAnswerList(std::array<QString, 5> &answers, std::array<bool, 5> &correct);

// The distinct characters of `text` that the quiz's code page cannot
// hold, as a list to show the author: "ł" (U+0142), "→" (U+2192). Empty
// when the text can be stored.
[[nodiscard]] QString UnstorableCharacters(const QString &text);

// The largest number a quiz file holds: it keeps numbers as 32-bit signed
// integers, while the forms' fields read unsigned ones.
inline constexpr std::uint32_t LARGEST_STORED_NUMBER = std::numeric_limits<std::int32_t>::max();

// The message for a number the quiz file cannot hold.
[[nodiscard]] QString NumberTooLargeText(std::uint32_t number);
