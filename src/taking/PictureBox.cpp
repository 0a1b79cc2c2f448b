// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/PictureBox.h"

#include "taking/QuestionAreaGeometry.h"

#include <QImage>
#include <QPixmap>

PictureBox::PictureBox(QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

bool FitBitmapToControl(PictureBox &box, const QImage &bitmap)
{
    if (bitmap.isNull())
        return false;
    const QSize fitted = FitBitmapSize(bitmap.size(), box.contentsRect().size());
    if (fitted.isEmpty())
        return false;
    // Scaled for the screen's pixels, so a high-density display shows
    // the picture sharp at the same size.
    const qreal ratio = box.devicePixelRatioF();
    QImage copy = bitmap.scaled(fitted * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (copy.isNull())
        return false;
    QPixmap pixmap = QPixmap::fromImage(std::move(copy));
    if (pixmap.isNull())
        return false;
    pixmap.setDevicePixelRatio(ratio);
    box.setPixmap(pixmap);
    // The contents margins hold the frame.
    box.resize(fitted.grownBy(box.contentsMargins()));
    return true;
}
