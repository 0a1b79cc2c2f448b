// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Quiz.h"

#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

// Small builders for quizzes in tests.

// A multiple-choice question with the given answers; `correct` lists the
// stored indices of the right ones.
std::unique_ptr<CQuestion> makeQuestion(const std::string &text,
                                        std::initializer_list<const char *> answers,
                                        std::initializer_list<int> correct, int score = 1);
// A flash card.
std::unique_ptr<CQuestion> makeCard(const std::string &prompt, const std::string &answer,
                                    int score = 1);
// A font block that differs from the default in a recognisable way.
LogFont sampleFont(std::uint8_t seed);

// The bytes of a saved quiz, and writing bytes to a file.
std::vector<std::uint8_t> quizBytes(const Quiz &quiz);
void writeFile(const std::string &path, const std::vector<std::uint8_t> &bytes);
std::vector<std::uint8_t> readFile(const std::string &path);
// A path inside a temporary folder, as the quiz keeps paths.
std::string pathIn(const QTemporaryDir &dir, const char *name);

// Limits the size of files this process may write, so writes fail midway as
// on a full file system; restored when it goes.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int);
};
