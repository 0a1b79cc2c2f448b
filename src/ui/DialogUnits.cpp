// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/DialogUnits.h"

#include <QFontMetrics>

namespace {

// MulDiv: a × b / c rounded half away from zero.
int mulDiv(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

} // namespace

DialogUnits::DialogUnits(const QFont &font)
{
    const QFontMetrics metrics(font);
    const int alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseX = qMax(1, (alphabet / 26 + 1) / 2);
    m_baseY = qMax(1, metrics.height());
}

int DialogUnits::x(int units) const
{
    return mulDiv(units, m_baseX, 4);
}

int DialogUnits::y(int units) const
{
    return mulDiv(units, m_baseY, 8);
}

QRect DialogUnits::rect(int left, int top, int width, int height) const
{
    const int l = x(left);
    const int t = y(top);
    return QRect(QPoint(l, t), QPoint(x(left + width) - 1, y(top + height) - 1));
}

QSize DialogUnits::size(int width, int height) const
{
    return QSize(x(width), y(height));
}
