// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Quizzes as a finished run leaves them, and an independent reader of the
// raw log layout, shared by the log tests and the append helper. No Qt.

#include "model/Quiz.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A multiple-choice question with the run state set: `correct` and `chosen`
// are answer letters ("BC"), an empty `chosen` means nothing was submitted.
std::unique_ptr<CQuestion> makeAnswered(const char *correct, const char *chosen, int score,
                                        int earned, bool presented = true);

// The three-question example: question 1 (1 point, A correct and chosen),
// question 2 (2 points, B and C correct, only B chosen), question 3 (1 point)
// never shown because the overall time ran out.
void fillExampleQuiz(Quiz &quiz);
inline constexpr char EXAMPLE_ENTRY_TAIL[] = "3\r\n"
                                             "1,A,A,1,1\r\n"
                                             "2,BC,B,2,0\r\n"
                                             "3,X,X,1,0\r\n"
                                             "Presented,2,1,3,33.33%\r\n"
                                             "All,3,1,4,25.00%\r\n";

// `count` multiple-choice questions, each presented with A correct and
// chosen, worth and earning 1 point: question n gives the line "n,A,A,1,1".
void fillAllRightQuiz(Quiz &quiz, int count);

// A varied quiz for the given seed, for tests that only compare an entry
// with itself.
void fillMixedQuiz(Quiz &quiz, int count, unsigned seed);

// The raw log: the signature, then the unscrambled text of every block. No
// value when the signature is missing or a block is cut.
std::optional<std::vector<std::string>> readLogBlocks(const std::string &path);

std::string readText(const std::string &path);
void writeText(const std::string &path, const std::string &text);
