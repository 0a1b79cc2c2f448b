// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The three CSV files of the results: one row per taker, one per question,
// and the summary. RFC 4180 (a field with a comma, quote or line break is
// quoted, its quotes doubled), UTF-8, CR LF, a header row; numbers with a
// dot and two decimals whatever the locale (alpha with three), an empty
// field where a figure is undefined. Headers and status words are part of
// the file format and never translated.

#include "ResultsStats.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Quiz;

// One field as RFC 4180 wants it.
[[nodiscard]] std::string CsvField(std::string_view text);
// A figure with `decimals` decimals and a dot; empty without a value.
[[nodiscard]] std::string CsvNumber(std::optional<double> value, int decimals = 2);

// Entry,Comment,Status,Presented,Earned,Possible,Percent,All earned,
// All possible,All percent,Q1,...,Qn: Status "complete", "incomplete" or
// "other quiz"; Qi the points earned, empty when not presented (and for an
// entry of another quiz, whose questions are not these).
[[nodiscard]] QByteArray TakersCsv(const Quiz &quiz, const std::vector<LogRecord> &records,
                                   const ResultsAnalysis &analysis);
// Question,Text,Presented,Facility,Discrimination,A,B,C,D,E,None,Correct;
// the text and key from the quiz, the letters empty for flash cards.
[[nodiscard]] QByteArray ItemsCsv(const Quiz &quiz, const ResultsAnalysis &analysis);
// Entries,Complete,Mean,Median,SD,Min,Max,Alpha,SEM: Complete counts the
// entries in the figures.
[[nodiscard]] QByteArray SummaryCsv(const ResultsAnalysis &analysis);

// The key of a question as letters ("BD"); empty for a flash card.
[[nodiscard]] std::string KeyLetters(const Quiz &quiz, int question);

// Writes `bytes` to `path`, replacing it only once the new file is complete,
// and never when it is one of `keep` (the quiz and the logs being read,
// also through another spelling or a link). The error, when it fails.
[[nodiscard]] std::optional<QString> WriteResultsFile(const QString &path, const QByteArray &bytes,
                                                      const std::vector<std::string> &keep);
// Whether `path` names the same file as one of `keep`.
[[nodiscard]] bool IsKeptFile(const QString &path, const std::vector<std::string> &keep);
