// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Data and files for the benchmarks. Files go to $BRAINLOFT_BENCH_DIR (set by
// ./bench to a folder in its build folder, on disk), else the temporary
// folder.

#include "model/Quiz.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// A folder that lives as long as the benchmark program.
[[nodiscard]] const std::string &benchFolder();
[[nodiscard]] std::string benchPath(const char *name);

// A quiz of MAX_QUESTIONS questions of a realistic length, every other one
// with its own font.
void fillLargeQuiz(Quiz &quiz);
// A quiz of `count` questions as a finished run leaves them.
void fillAnsweredQuiz(Quiz &quiz, int count);

[[nodiscard]] std::vector<std::uint8_t> readWhole(const std::string &path);
// Writes the bytes to `path` (created or truncated), optionally forcing them
// to disk. Aborts on failure: a benchmark must not measure a failure.
void writeWhole(const std::string &path, std::span<const std::uint8_t> bytes, bool sync);
// Copies the file with a 128 KiB buffer, as a plain copy program does.
void copyFile(const std::string &from, const std::string &to);
// Makes a results log of at least `bytes` bytes of real entries, on disk.
void makeLog(const std::string &path, std::uint64_t bytes);
[[nodiscard]] std::uint64_t fileSize(const std::string &path);
void check(bool ok, const char *what);

// When this program was started again by the results memory benchmark:
// measures there and returns the exit code; -1 otherwise.
int RunResultsMemoryChild();
