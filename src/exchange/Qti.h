// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// IMS QTI 2.1 content packages (export only): a zip with imsmanifest.xml and
// one assessmentItem per question. A multiple-choice question becomes a
// choiceInteraction scored by the match_correct template, which is exactly
// the quiz's all-or-nothing rule; a flash card becomes a textEntryInteraction
// whose correct response is its answer. Pictures go into the package as PNG.

#include "exchange/Exchange.h"

#include <QList>
#include <QString>

[[nodiscard]] ExchangeWritten WriteQtiPackage(const QList<ExchangeQuestion> &questions,
                                              const QString &title);
