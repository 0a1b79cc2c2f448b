// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ByteStream.h"

#include <string>

class Quiz;

// The quiz file: the signature "Brainloft 1.2", the scrambled password, the
// settings, the question records and the defaults, little-endian, with no
// trailer. Reader and writer visit the elements in the same order.

inline constexpr char QUIZ_SIGNATURE[] = "Brainloft 1.2";

// Writes the whole quiz; false when the sink fails.
bool WriteQuiz(const Quiz &quiz, ByteSink &sink);

// Reads a whole quiz into `quiz`, which the caller has cleared. Sets and
// returns !loadFailed. Every length is checked against the bytes left, so a
// damaged file fails without large allocations. At most MAX_QUESTIONS
// questions are kept; further records are read and dropped.
bool ReadQuiz(ByteSource &source, Quiz &quiz);

enum class LoadResult { Ok, OpenFailed, BadContent };
// Opens the file with a shared lock (writers holding an exclusive lock make
// the open fail) and runs the reader.
LoadResult LoadQuizFromFile(const std::string &path, Quiz &quiz);

enum class SaveResult { Ok, CreateFailed, WriteFailed };
// Writes the quiz to a temporary file beside `path` and renames it over
// `path` once complete, so a failed save keeps the previous file. Clears
// `modified` on success only.
SaveResult SaveQuizToFile(Quiz &quiz, const std::string &path, int *error = nullptr);
