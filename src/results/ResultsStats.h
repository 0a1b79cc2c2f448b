// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The class's figures from the entries of one or more results logs: each
// entry's totals, the summary (mean, median, spread, Cronbach's alpha and
// the standard error of measurement) and, per question, its facility,
// discrimination and answer counts. The window, the CSV files and the
// printed report all show these, so they are computed in one place.
//
// Only complete entries of this quiz count: an incomplete one (a write that
// failed partway) and one of another quiz (another question count, or
// another kind of quiz) are listed with their totals and left out of every
// figure. For entry e and question i, x is the points earned (0 when not
// presented), m the question's score as logged, T the entry's total.
// Variances and covariances are those of a sample (divided by s - 1).
// A figure that is undefined for the entries at hand has no value.

#include "LogReader.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

enum class EntryStatus { Complete, Incomplete, OtherQuiz };

struct EntryFigures
{
    EntryStatus status = EntryStatus::Complete;
    int presented = 0;            // questions presented
    std::int64_t earned = 0;      // over the questions presented
    std::int64_t possible = 0;
    double percent = 0;           // 100 * earned / possible, 0 when possible is 0
    std::int64_t allEarned = 0;   // T, over every question line
    std::int64_t allPossible = 0; // the sum of m
    double allPercent = 0;        // the entry's percent in every figure
};

struct QuestionFigures
{
    int presented = 0;                    // counted entries in which it was shown
    std::optional<double> facility;       // 100 * sum x / sum m over those
    std::optional<double> discrimination; // 100 * corr(x, T - x) over those
    std::array<int, 5> letters{};         // entries whose choice holds A..E
    int none = 0;                         // entries that chose nothing ("X")
};

struct SummaryFigures
{
    int entries = 0; // listed
    int complete = 0; // counted in the figures
    int incomplete = 0;
    int otherQuiz = 0;
    std::optional<double> mean, median, sd, min, max; // of the entries' percents
    std::optional<double> alpha, sem;
};

struct ResultsAnalysis
{
    bool flashCards = false; // no answer counts then
    std::vector<EntryFigures> entries;     // one per record, in order
    std::vector<QuestionFigures> questions; // one per question of the quiz
    SummaryFigures summary;
};

// `questionCount` and `flashCards` describe the quiz as it is now.
[[nodiscard]] ResultsAnalysis AnalyseResults(const std::vector<LogRecord> &records,
                                             int questionCount, bool flashCards);

// The counted entries' percents in ten bins of ten points each (the last
// holds 100 as well).
[[nodiscard]] std::array<int, 10> PercentHistogram(const ResultsAnalysis &analysis);

// The plain-language reading of alpha: "consistent" from 0.75 on,
// "unreliable" below 0.64, "acceptable" between.
enum class Reliability { Consistent, Acceptable, Unreliable };
[[nodiscard]] Reliability ReadReliability(double alpha);

// What a question's row warns of: facility below 20 is hard, above 90 easy;
// discrimination below 0 asks to check the key, below 20 is weak.
struct QuestionFlags
{
    bool hard = false, easy = false, checkKey = false, weak = false;
    [[nodiscard]] bool any() const { return hard || easy || checkKey || weak; }
};
[[nodiscard]] QuestionFlags FlagQuestion(const QuestionFigures &figures);
