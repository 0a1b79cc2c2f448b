// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Quiz files carry fonts as 60-byte font description blocks (height, width,
// escapement, orientation, weight as 32-bit ints; italic, underline,
// strike-out, charset, precisions, quality, pitch and family as bytes; a
// 32-byte face name). This is the one place that reads and writes them.
// Heights are pixels at 96 dpi; a negative height is the character height.

#include "model/LogFont.h"

#include <QFont>

[[nodiscard]] QFont fontFromLogFont(const LogFont &block);
[[nodiscard]] LogFont logFontFromFont(const QFont &font);
