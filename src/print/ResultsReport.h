// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The printed results of a quiz: the summary with its readings, the
// histogram of the takers' percentages and the facility of every question
// as bar charts drawn on the page, then the question table over as many
// pages as it needs, each page numbered. Drawn on any paged device (a
// printer, its preview, a PDF file); the text stays text.

#include "print/QuizPrint.h"
#include "results/ResultsStats.h"

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

class QPagedPaintDevice;
class Quiz;

struct ResultsReportInput
{
    const Quiz &quiz;
    const ResultsAnalysis &analysis;
    QStringList logs;  // the logs read, as named to the user
    QStringList notes; // what went wrong reading them
};

// Draws the report with the device's page layout.
[[nodiscard]] PrintOutcome PrintResultsReport(const ResultsReportInput &input,
                                              QPagedPaintDevice &device);

// Writes the report to a PDF file of `pageSize` pages, replaced only once
// complete and never when it is one of `keep` (the quiz and its logs).
[[nodiscard]] PrintOutcome WriteResultsReportPdf(const ResultsReportInput &input,
                                                 const QString &path, const QPageSize &pageSize,
                                                 const std::vector<std::string> &keep);

// The title of the report and of the results window: "Results - QUIZNAME".
[[nodiscard]] QString ResultsTitle(const Quiz &quiz);
