// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>

// Finds a question's picture. A quiz made on another computer names its
// pictures by paths that seldom exist here, so the bare file name (after the
// last '/' or '\\') is tried too: first as stored, then in the current
// folder, then beside the quiz file (a program opened from a file manager
// runs in the home folder, not where the quiz is).
//
// On success `found` is the name to open and the result is true; otherwise
// `found` is left alone.
bool LocateImageFile(const QString &path, QString &found, const QString &quizFolder = QString());

// The folder of the quiz file at `quizPath` (a path as the quiz keeps it).
[[nodiscard]] QString quizFolderOf(const QString &quizPath);

// Loads a bitmap (.bmp) file at its own size. A null image when the file is
// not a bitmap, is damaged, or declares a size beyond what a question
// screen could show (a damaged header may claim 60000 × 60000 pixels in a
// file of a few bytes); nothing is allocated for such a file.
[[nodiscard]] QImage LoadBitmapFile(const QString &path);
