// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Icons.h"

#include <QCoreApplication>

QIcon brainloftIcon()
{
    // Qt decodes every file at once as it is added to an icon, the 256-pixel
    // one too, which costs milliseconds at each start: decode them once per
    // run. The pixmaps go with the application object, before the window
    // system they belong to.
    static QIcon *icon = nullptr;
    if (!icon) {
        icon = new QIcon;
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
            icon->addFile(QStringLiteral(":/icons/brainloft-%1.png").arg(size), QSize(size, size));
        qAddPostRoutine([] {
            delete icon;
            icon = nullptr;
        });
    }
    return *icon;
}
