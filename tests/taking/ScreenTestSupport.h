// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Helpers for the question screen tests: the clock's two steps without a
// timer, posted events delivered at once, and picture files.

#include <QSize>
#include <QString>

#include <ostream>

class QObject;
class Quiz;

// Delivers every posted event, including those posted while delivering.
void deliverPosted();
// One second of a quiz run as the main window makes it: the overall
// countdown, then a tick posted to `screen`, then delivery.
void tickScreen(Quiz &quiz, QObject &screen, int seconds = 1);
// Writes a bitmap file of `size` at `path`.
void writeBitmap(const QString &path, QSize size);

// Readable QStrings in test failures.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
