#include "taking/ImageFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

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
