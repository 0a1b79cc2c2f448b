// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/QuestionAreaGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

int truncated(double value)
{
    // Extreme proportions must not overflow the conversion.
    const double limit = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(std::trunc(value), -limit, limit));
}

} // namespace

QSize FitBitmapSize(QSize bitmap, QSize box)
{
    if (bitmap.width() <= 0 || bitmap.height() <= 0)
        return QSize();
    const double a = double(bitmap.width()) / double(bitmap.height());
    const int c = truncated(box.width() / a);
    const int d = truncated(box.height() * a);
    if (c > box.height())
        return QSize(d, box.height());
    return QSize(box.width(), c);
}

QuestionAreaLayout LayoutQuestionArea(const QRect &client, const QRect &lowerBound, bool hasPicture,
                                      bool hasText)
{
    const int clientWidth = client.width();
    const int clientRight = client.x() + client.width();
    const int g = lowerBound.width();
    const int top = client.y() + 7;
    const int height = std::max(0, lowerBound.y() - 2 - top);
    const int half = std::max(0, g / 2);
    const int centredLeft = lowerBound.x() + (clientWidth - half) / 2;

    QuestionAreaLayout layout;
    if (!hasPicture) {
        layout.textVisible = true;
        layout.textBox = QRect(centredLeft, top, half, height);
        return layout;
    }
    layout.pictureVisible = true;
    if (hasText) {
        const int width = std::max(0, g / 2 - 3);
        layout.pictureArea = QRect(lowerBound.x(), top, width, height);
        layout.textVisible = true;
        layout.textBox = QRect(clientRight - 7 - width, top, width, height);
    } else {
        layout.pictureArea = QRect(centredLeft, top, half, height);
    }
    return layout;
}

QRect CentredBox(const QRect &area, QSize size)
{
    return QRect(area.x() + (area.width() - size.width()) / 2,
                 area.y() + (area.height() - size.height()) / 2, size.width(), size.height());
}
