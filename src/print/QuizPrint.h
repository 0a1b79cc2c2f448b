// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The printed quiz: exam papers, answer keys and flash-card sheets, drawn
// on any paged device (a printer, its preview, a PDF file). Papers come
// first, one per version, then the keys. Each paper and each key counts its
// own pages ("Page N of M") and names its version on every page. The
// orders, the pagination and the card positions come from PrintLayout; this
// part measures and draws. Text is drawn as text, so a PDF can be searched.

#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;
class Quiz;

struct PrintRequest
{
    bool paper = true; // the exam paper, or the flash-card sheets
    bool key = false;  // the answer key
    int versions = 1;  // 1 to 26, A to Z
    // Pages of the whole document to draw, 1-based; 0 = from the start, to
    // the end.
    int fromPage = 0;
    int toPage = 0;
};

struct PrintOutcome
{
    bool ok = false;
    int pages = 0;     // pages of the whole document
    QString error;     // why it failed, when it did
    QStringList notes; // pictures that could not be printed, once each
};

// Draws the request on the device with the device's page layout.
[[nodiscard]] PrintOutcome PrintQuiz(const Quiz &quiz, const PrintRequest &request,
                                     QPagedPaintDevice &device);

// Writes the request to a PDF file: portrait pages of `pageSize` with
// margins of 2 cm, titled with the quiz's name, created by Brainloft. The
// file is replaced only once the new one is complete, and never when it is
// the quiz itself or its results log.
[[nodiscard]] PrintOutcome WriteQuizPdf(const Quiz &quiz, const PrintRequest &request,
                                        const QString &path, const QPageSize &pageSize);

// Letter where the locale measures in US units, A4 elsewhere.
[[nodiscard]] QPageSize DefaultPageSize();
// Portrait pages of `pageSize` with the paper's margins (2 cm).
[[nodiscard]] QPageLayout PaperPageLayout(const QPageSize &pageSize);

// The quiz's name on paper: its file name without the extension, or "New
// Quiz" for a quiz never saved.
[[nodiscard]] QString QuizTitle(const Quiz &quiz);
