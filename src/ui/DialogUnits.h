// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QRect>

// Converts dialog units, the layout unit of fixed window templates, into
// pixels for a given font: x × average character width / 4 and y × character
// height / 8, rounded like MulDiv. Used where windows place their controls by
// numbers; elsewhere layouts do the work.
class DialogUnits
{
public:
    explicit DialogUnits(const QFont &font);

    [[nodiscard]] int x(int units) const;
    [[nodiscard]] int y(int units) const;
    [[nodiscard]] QRect rect(int left, int top, int width, int height) const;
    [[nodiscard]] QSize size(int width, int height) const;
    [[nodiscard]] int baseX() const { return m_baseX; }
    [[nodiscard]] int baseY() const { return m_baseY; }

private:
    int m_baseX;
    int m_baseY;
};
