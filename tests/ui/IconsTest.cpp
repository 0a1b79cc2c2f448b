// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Icons.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <gtest/gtest.h>

TEST(Icons, TheProgramsIconGivesEverySizeFromItsFiles)
{
    const QIcon icon = brainloftIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes().size(), 8);
    // Asked size, and the size of the pixmap: never larger, and a file's own
    // size is used as it is.
    const struct
    {
        int asked;
        int given;
    } cases[] = {{16, 16}, {20, 20}, {48, 48}, {100, 100}, {256, 256}, {512, 256}};
    for (const auto &c : cases) {
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
            const QPixmap pixmap = icon.pixmap(QSize(c.asked, c.asked), mode);
            EXPECT_EQ(pixmap.size(), QSize(c.given, c.given)) << c.asked << " mode " << mode;
            EXPECT_EQ(icon.actualSize(QSize(c.asked, c.asked), mode), QSize(c.given, c.given));
            // Not a blank square: the icon's middle is drawn.
            const QImage image = pixmap.toImage();
            EXPECT_GT(qAlpha(image.pixel(c.given / 2, c.given / 2)), 0) << c.asked;
        }
    }
    QImage painted(40, 40, QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::transparent);
    QPainter painter(&painted);
    icon.paint(&painter, QRect(0, 0, 40, 40));
    painter.end();
    EXPECT_GT(qAlpha(painted.pixel(20, 20)), 0);
}
