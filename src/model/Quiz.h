// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The model of Brainloft: one Quiz with its questions, the scrambling of
// stored text, and the quiz file reader and writer. Plain C++ without any
// window code; the windows work on the one Quiz the application owns.

#include "CQuestion.h"
#include "LogFont.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

inline constexpr int MAX_QUESTIONS = 512;

class Quiz
{
public:
    Quiz() = default;
    Quiz(const Quiz &) = delete;
    Quiz &operator=(const Quiz &) = delete;

    [[nodiscard]] bool IsModified() const { return modified; }
    void SetModifiedFlag(bool value = true) { modified = value; }

    // Stores the question at the end and returns its position; -1 when the
    // quiz is full, in which case `question` is left with the caller.
    int AppendQuestion(std::unique_ptr<CQuestion> &&question);
    // Inserts at `position` (0..questionCount); false when full or out of
    // range, `question` then stays with the caller.
    bool InsertQuestion(int position, std::unique_ptr<CQuestion> &&question);
    void RemoveQuestion(int position);
    enum class Direction { Up, Down };
    bool MoveQuestion(Direction direction, int position);
    [[nodiscard]] CQuestion *QuestionAt(int position) const;
    [[nodiscard]] int questionCount() const { return m_questionCount; }

    // Empties the quiz for a new one; the defaults, the default font, the
    // review setting and the run totals stay as they were.
    void ClearQuiz();
    // Clears what a quiz run records in every question.
    void ResetRunState();
    // Sets pathName and derives logPathName from it; an empty path clears both.
    void SetQuizPathName(std::string_view path);

    bool modified = false;
    std::int32_t useCustomFont = 0;
    std::int32_t reviewAnswers = 1;
    std::int32_t possiblePoints = 0;  // run
    std::int32_t earnedPoints = 0;    // run
    std::int32_t quizSecondsLeft = 0; // run
    std::int32_t defaultScore = 1;
    std::int32_t defaultTimeLimit = 0;
    std::int32_t defaultReduceEvery = 0;
    std::int32_t defaultReduceBy = 1;
    std::int32_t quizType = 0; // 0 multiple choice, otherwise flash cards
    bool loadFailed = false;
    std::int32_t overallTimeLimitOn = 0;
    std::int32_t logResults = 0;
    std::int32_t overallTimeLimit = 0; // minutes
    std::int32_t randomizeAnswers = 0;
    std::int32_t randomizeQuestions = 0;
    std::string password;
    std::string pathName;    // file system path (local 8-bit encoding)
    std::string logPathName; // empty exactly when pathName is
    LogFont font{};

private:
    std::array<std::unique_ptr<CQuestion>, MAX_QUESTIONS> m_questions;
    int m_questionCount = 0;
};

// The results log that belongs to a quiz file: the quiz path with its
// extension replaced by "blg", or with ".blg" added when it has none. Both
// '/' and '\\' separate folders, so a dot in a folder name is no extension.
[[nodiscard]] std::string LogPathFor(std::string_view quizPath);
