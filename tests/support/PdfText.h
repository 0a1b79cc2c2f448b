// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Reads PDFs back with poppler's command-line tools (pdftotext, pdfinfo,
// pdffonts), as a reader of the file would see them.

#include <QString>
#include <QStringList>

#include <vector>

struct PdfInfo
{
    int pages = 0;
    QString title, creator;
    double width = 0, height = 0; // points
    bool fontsEmbedded = false;   // every font listed is embedded
};

// Empty (pages 0) when the file cannot be read as a PDF.
[[nodiscard]] PdfInfo ReadPdfInfo(const QString &path);

// The text of each page; with `layout`, lines keep their columns.
[[nodiscard]] QStringList PdfPageTexts(const QString &path, bool layout = false);

struct PdfWord
{
    int page = 0; // 0-based
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    double pageWidth = 0;
    QString text;
};

// Every word with its box, in points from the page's top left corner.
[[nodiscard]] std::vector<PdfWord> PdfWords(const QString &path);
