// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LogFont.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

// One multiple-choice question or one flash card. A flash card keeps its
// answer in answers[0] and leaves the other answers and the marks alone.
//
// Flags are 32-bit integers, 0 false and anything else true: the file reader
// keeps whatever value it finds, so a question written back is byte-identical.
// Strings are bytes in the quiz's 8-bit code page.
class CQuestion
{
public:
    CQuestion() = default;
    CQuestion(const CQuestion &) = delete;
    CQuestion &operator=(const CQuestion &) = delete;

    // Copies the font into the question's own block (allocated on first use)
    // and sets useCustomFont. With nullptr, frees the block if there is one
    // and clears useCustomFont; without a block nothing changes.
    bool SetCustomFont(const LogFont *record);

    std::int32_t score = 1;
    std::int32_t timeLimit = 0;    // seconds; 0 = no limit
    std::int32_t reduceEvery = 0;  // seconds; 0 = no reduction
    std::int32_t reduceBy = 0;     // points per reduction
    std::int32_t earnedPoints = 0; // run
    std::int32_t useCustomFont = 0;
    std::int32_t multipleCorrect = 0;
    std::array<std::int32_t, 5> correct{};
    std::array<std::int32_t, 5> chosen{}; // run, by stored answer index
    std::int32_t logFlag = 0;             // run; nothing ever sets it
    std::int32_t presented = 0;           // run
    std::string text;
    std::array<std::string, 5> answers;
    std::string imageFile;
    std::unique_ptr<LogFont> font; // non-null exactly while a custom font is set
};
