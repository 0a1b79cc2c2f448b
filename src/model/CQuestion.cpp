// SPDX-License-Identifier: GPL-3.0-or-later

#include "CQuestion.h"

bool CQuestion::SetCustomFont(const LogFont *record)
{
    if (record) {
        if (!font)
            font = std::make_unique<LogFont>();
        *font = *record;
        useCustomFont = 1;
    } else if (font) {
        font.reset();
        useCustomFont = 0;
    }
    return true;
}
