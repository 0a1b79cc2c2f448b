// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Aiken, Moodle's simplest format: a question line, answer lines "A) ..."
// or "A. ...", then "ANSWER: X"; one correct answer per question.

#include "exchange/Exchange.h"

[[nodiscard]] ExchangeRead ReadAiken(const QByteArray &bytes);
// Questions with several correct answers (or none) and flash cards are
// skipped and named in the notes.
[[nodiscard]] ExchangeWritten WriteAiken(const QList<ExchangeQuestion> &questions);
