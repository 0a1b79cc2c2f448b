// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/ImageFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// A picture beside a question is a few hundred pixels wide; these bounds
// leave room for photographs and refuse what would take gigabytes.
constexpr int MAX_SIDE = 16384;
constexpr qint64 MAX_PIXELS = qint64(32) * 1024 * 1024;

bool opensForReading(const QString &name)
{
    if (name.isEmpty() || !QFileInfo(name).isFile())
        return false;
    QFile file(name);
    return file.open(QIODevice::ReadOnly);
}

} // namespace

bool LocateImageFile(const QString &path, QString &found, const QString &quizFolder)
{
    if (opensForReading(path)) {
        found = path;
        return true;
    }
    const qsizetype separator =
        qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const QString bareName = path.mid(separator + 1);
    if (separator >= 0 && opensForReading(bareName)) {
        found = bareName;
        return true;
    }
    if (!quizFolder.isEmpty() && !bareName.isEmpty()) {
        const QString beside = QDir(quizFolder).filePath(bareName);
        if (opensForReading(beside)) {
            found = beside;
            return true;
        }
    }
    return false;
}

QString quizFolderOf(const QString &quizPath)
{
    if (quizPath.isEmpty())
        return QString();
    return QFileInfo(quizPath).absolutePath();
}

QImage LoadBitmapFile(const QString &path)
{
    QImageReader reader(path, "bmp");
    reader.setAutoDetectImageFormat(false); // bitmaps only, whatever the name says
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || size.width() > MAX_SIDE || size.height() > MAX_SIDE ||
        qint64(size.width()) * size.height() > MAX_PIXELS)
        return QImage();
    QImage image;
    if (!reader.read(&image))
        return QImage();
    return image;
}
