// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Moodle's XML question format. The reader keeps multichoice, truefalse and
// (in a flash-card quiz) shortanswer questions, each with the first picture
// its text carries; everything else is skipped or dropped with a note. The
// writer writes multichoice (flash cards as shortanswer) with the pictures
// embedded as PNG.

#include "exchange/Exchange.h"

#include <QByteArray>
#include <QList>

// Files larger than this are refused before any parsing.
inline constexpr qsizetype MOODLE_XML_MAX_BYTES = qsizetype(64) * 1024 * 1024;

[[nodiscard]] ExchangeRead ReadMoodleXml(const QByteArray &bytes, bool flashCardQuiz);
[[nodiscard]] ExchangeWritten WriteMoodleXml(const QList<ExchangeQuestion> &questions,
                                             bool shuffleAnswers);

// Shared with the QTI writer: the question's picture as PNG bytes, or nothing
// when it does not decode or is too large to hold.
[[nodiscard]] QByteArray ExchangePictureAsPng(const QByteArray &picture);
// The same for many pictures, made on several threads; an empty picture
// gives an empty result. In the order given.
[[nodiscard]] QList<QByteArray> ExchangePicturesAsPng(const QList<QByteArray> &pictures);
// Removes what XML 1.0 cannot carry (control characters other than tab and
// line feed, lone surrogates, U+FFFE and U+FFFF); a carriage return, alone
// or before a line feed, becomes one line feed.
[[nodiscard]] QString XmlSafeText(const QString &text);
