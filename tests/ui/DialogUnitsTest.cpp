// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/DialogUnits.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

TEST(DialogUnits, ScalesByTheFontsAverageWidthAndHeight)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    const DialogUnits units(font);
    const QFontMetrics metrics(font);
    const int average = (metrics.horizontalAdvance(QStringLiteral(
                             "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                             26 +
                         1) /
                        2;
    EXPECT_EQ(units.baseX(), average);
    EXPECT_EQ(units.baseY(), metrics.height());
    EXPECT_EQ(units.x(4), average);
    EXPECT_EQ(units.y(8), metrics.height());
    EXPECT_EQ(units.x(0), 0);
    // Rounded like MulDiv, half away from zero.
    EXPECT_EQ(units.x(2), (2 * average + 2) / 4);
    EXPECT_EQ(units.x(-2), -((2 * average + 2) / 4));
}

TEST(DialogUnits, RectanglesMapTheirEdges)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    const DialogUnits units(font);
    const QRect rect = units.rect(7, 199, 138, 14);
    EXPECT_EQ(rect.left(), units.x(7));
    EXPECT_EQ(rect.top(), units.y(199));
    EXPECT_EQ(rect.right() + 1, units.x(145));
    EXPECT_EQ(rect.bottom() + 1, units.y(213));
    EXPECT_EQ(units.size(138, 14), QSize(units.x(138), units.y(14)));
}
