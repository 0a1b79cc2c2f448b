// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Prompts.h"

#include <gtest/gtest.h>

TEST(Prompts, FileFiltersConvertToQtForm)
{
    struct Case
    {
        const char *windows;
        const char *qt;
    } cases[] = {
        {"Brainloft Files (*.blz)|*.blz||", "Brainloft Files (*.blz)"},
        {"Windows Bitmaps (*.bmp)|*.bmp||", "Windows Bitmaps (*.bmp)"},
        {"Text files (*.txt)|*.txt|Log files (*.log)|*.log|All Files (*.*)|*.*||",
         "Text files (*.txt);;Log files (*.log);;All Files (*)"},
        {"Pictures|*.bmp;*.dib||", "Pictures (*.bmp *.dib)"},
        {"", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(qtFileFilter(QString::fromLatin1(c.windows)), QLatin1String(c.qt)) << c.windows;
}
