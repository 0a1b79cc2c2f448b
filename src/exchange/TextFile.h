// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the text formats' readers share: the size limit, UTF-8 decoding with
// a clear message for a file in another encoding, and the notes' wording.

#include "exchange/Exchange.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace ExchangeText {

// Files larger than this are refused before anything is decoded.
inline constexpr qsizetype MAX_FILE_BYTES = 64 * 1024 * 1024;

// The text of a UTF-8 file (a byte order mark is dropped), or nothing with
// `error` set: too large, or not UTF-8 (the line of the first bad byte).
[[nodiscard]] std::optional<QString> decodeUtf8(const QByteArray &bytes, QString &error);

// Line ends of every system (CR LF, CR alone) as LF.
void normaliseLineEnds(QString &text);

// The start of a question's text for the notes: its first line, at most 40
// characters, "..." when cut.
[[nodiscard]] QString shortTitle(const QString &text);

// A note about one question (title from the question) or the whole file.
[[nodiscard]] ExchangeNote note(ExchangeNote::Kind kind, const ExchangeQuestion &question,
                                const QString &text);
[[nodiscard]] ExchangeNote fileNote(ExchangeNote::Kind kind, const QString &text);

// "FORMAT stores no pictures: N questions lose them", and the same for
// points and time limits.
[[nodiscard]] QString lostPicturesText(const char *format, int count);
[[nodiscard]] QString lostScoresText(const char *format, int count);

} // namespace ExchangeText
