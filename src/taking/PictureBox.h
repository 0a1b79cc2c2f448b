// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

class QImage;

// Shows a question's picture: a scaled copy of the full-size original, at
// the copy's own size (the box takes that size, frame included, when a copy
// is set). The owner keeps the original and scales from it again on every
// layout, so resizing never degrades the picture.
class PictureBox : public QLabel
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);
};

// Sets into `box` the largest copy of `bitmap` with its proportions that
// fits the box's current inside. False, and the box unchanged, when there is
// no bitmap or no copy can be made (nothing fits).
bool FitBitmapToControl(PictureBox &box, const QImage &bitmap);
