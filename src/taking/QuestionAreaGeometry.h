// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The geometry of the question area, the top part of both question screens:
// how the space above the answers is shared between the picture and the
// question text, and how a picture is scaled into its box. All numbers are
// pixels; rectangles are Qt rectangles (right = x + width).

#include <QRect>
#include <QSize>

// The largest size with the bitmap's proportions that fits into `box`
// (small pictures are enlarged too): with a = w / h, the width-limited
// height W / a and the height-limited width H × a, both truncated; the
// height-limited size is taken when the other would be too tall.
[[nodiscard]] QSize FitBitmapSize(QSize bitmap, QSize box);

struct QuestionAreaLayout
{
    bool pictureVisible = false;
    QRect pictureArea; // where the picture box is centred
    bool textVisible = false;
    QRect textBox;
};

// Shares the area from 7 pixels below the client's top to 2 above the
// lower bound (the answers group, or the flash card's answer label):
// picture on the left and text on the right, each just under half the
// bound's width; a lone picture or lone text box gets half of it, placed
// half the free width right of the bound's left edge.
[[nodiscard]] QuestionAreaLayout LayoutQuestionArea(const QRect &client, const QRect &lowerBound,
                                                    bool hasPicture, bool hasText);

// The picture box of `size` centred in `area` (from its top-left corner,
// by half the free width and height, truncated).
[[nodiscard]] QRect CentredBox(const QRect &area, QSize size);
