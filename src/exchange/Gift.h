// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// GIFT, Moodle's text format for questions: "Text {=right ~wrong}" blocks
// separated by blank lines. Multiple choice (with or without weights), true
// or false, missing word and short answer (as flash cards) are read; the
// other kinds are skipped with their reason.

#include "exchange/Exchange.h"

// Short-answer questions become flash cards in a flash-card quiz and are
// skipped in a multiple-choice one.
[[nodiscard]] ExchangeRead ReadGift(const QByteArray &bytes, bool flashCardQuiz);
[[nodiscard]] ExchangeWritten WriteGift(const QList<ExchangeQuestion> &questions);

// A text with GIFT's special characters escaped and line breaks as "\n".
[[nodiscard]] QString GiftEscaped(const QString &text);
