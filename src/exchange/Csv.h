// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Spreadsheet rows. CSV (RFC 4180, UTF-8, a header row):
//   Question,A,B,C,D,E,Correct,Score,Time limit   (Correct as letters, "AC")
//   Question,Answer,Score,Time limit              (flash cards)
// TSV: "front<TAB>back" per line, as Anki exports notes as plain text, with
// its "#separator:" and "#html:" header lines understood.

#include "exchange/Exchange.h"

#include <QStringList>

[[nodiscard]] ExchangeRead ReadCsv(const QByteArray &bytes);
// The layout follows the questions: flash cards or multiple choice.
[[nodiscard]] ExchangeWritten WriteCsv(const QList<ExchangeQuestion> &questions);

[[nodiscard]] ExchangeRead ReadTsv(const QByteArray &bytes);
[[nodiscard]] ExchangeWritten WriteTsv(const QList<ExchangeQuestion> &questions);

// RFC 4180 records from text with the given separator: quoted fields may
// hold separators, quotes ("") and line breaks; CRLF or LF ends a record.
// `lines` receives the line each record starts on.
[[nodiscard]] QList<QStringList> SplitRecords(const QString &text, QChar separator,
                                              QList<int> *lines = nullptr);
