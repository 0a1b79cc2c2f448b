// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The results' words for people: what went wrong reading a log, the
// reading of alpha, a question's flags, figures as the window and the
// report show them. All of it is translated; the CSV files use none of it.

#include "LogReader.h"
#include "ResultsStats.h"

#include <QString>

#include <optional>

// Empty when the log was read to its end; otherwise one line naming the log.
[[nodiscard]] QString DescribeLogRead(const QString &path, const LogReadResult &result);

[[nodiscard]] QString ReliabilityWord(Reliability reliability);
// "hard", "easy", "check the key", "weak", joined by ", "; empty for none.
[[nodiscard]] QString FlagsText(const QuestionFlags &flags);
// A figure with `decimals` decimals in the user's locale; "-" without one.
[[nodiscard]] QString FigureText(std::optional<double> value, int decimals = 2);
// The entry's status as the Takers table shows it.
[[nodiscard]] QString StatusText(EntryStatus status);

// The summary's lines: each figure with a plain-language reading.
struct SummaryLine
{
    QString label, value, reading;
};
[[nodiscard]] std::vector<SummaryLine> SummaryLines(const SummaryFigures &summary);
