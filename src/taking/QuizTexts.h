// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The texts a quiz run shows: the four status lines of the question screens,
// the time-out notices and the reports at the end. Plain functions, so the
// wording and the arithmetic are tested without a window.

#include <QString>

#include <cstdint>

// points × 100 / total, truncated; 0 when total is 0 (all questions worth
// nothing), so a report never divides by zero.
[[nodiscard]] std::int64_t Percent(std::int64_t points, std::int64_t total);

// "Time left for this quiz: hh:mm:ss", or "…: mm:ss" below one hour. A
// negative count (the limit has run out) shows as 00:00.
[[nodiscard]] QString FormatQuizTimeLeft(std::int32_t quizSecondsLeft);
[[nodiscard]] QString WorthLine(std::int32_t worth);
// "Score so far: none." while nothing has been finished (or in a preview).
[[nodiscard]] QString ScoreLine(std::int32_t earned, std::int32_t possible, bool none);
[[nodiscard]] QString QuestionTimeLine(std::int32_t secondsLeft);

// ShowTimeExpired's text.
[[nodiscard]] QString TimeExpiredText(bool quizLimit);

// The overall time report when at least one question was finished.
[[nodiscard]] QString TimeExpiredReport(std::int32_t answeredCount, std::int32_t earned,
                                        std::int32_t possible, std::int64_t all);
[[nodiscard]] QString FinalReport(std::int32_t earned, std::int32_t possible);
