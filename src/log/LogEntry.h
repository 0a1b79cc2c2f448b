// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The text of one results-log entry, built from the quiz as a run left it:
//
//   "comment"                      the comment between double quotes
//   3                              the question count
//   1,A,A,1,1                      one line per question, in stored order
//   2,BC,B,2,0
//   3,X,X,1,0
//   Presented,2,1,3,33.33%         questions shown: count, earned, possible, %
//   All,3,1,4,25.00%               all questions:   count, earned, possible, %
//
// Every line ends in CR LF. The entry is stored as several blocks: the
// comment and count lines alone, then the question lines, a block being cut
// after the line that takes it past LOG_SPLIT_SIZE characters, and the summary
// at the end of the last block. Numbers never depend on the user's locale.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CQuestion;
class Quiz;

inline constexpr std::size_t LOG_SPLIT_SIZE = 2048;

// points of total as a percentage with two decimals ("33.33"), rounded like
// printf's "%.2f" but always with a decimal point; "0.00" when total is 0.
[[nodiscard]] std::string FormatLogPercentage(std::int64_t points, std::int64_t total);

// The line of the question at stored index `index` (numbered index + 1),
// with its CR LF.
[[nodiscard]] std::string LogQuestionLine(std::int32_t quizType, int index,
                                          const CQuestion &question);

// The texts of the blocks of one entry, in order.
[[nodiscard]] std::vector<std::string> LogEntryBlocks(const Quiz &quiz, std::string_view comment);

// The whole entry as the export shows it: the blocks joined.
[[nodiscard]] std::string LogEntryText(const Quiz &quiz, std::string_view comment);
