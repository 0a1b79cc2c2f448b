// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/Wininit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

const char *const COMPONENT_NAMES[] = {"BRAINLOFT.EXE", "BRAINLOFT.HLP", "BRAINLOFT.CNT",
                                       "BRAINLOFT.FTS", "BRAINLOFT.GID"};

bool endsWithSeparator(const QString &path)
{
    return path.endsWith(u'/') || path.endsWith(u'\\');
}

// Reads one line as a text-mode reader does: without its line end, CR LF
// counting as one. False at the end of the file, the line then empty.
bool readLine(QFile &file, QByteArray &line)
{
    line = file.readLine();
    if (line.isEmpty())
        return false;
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return true;
}

} // namespace

std::optional<QString> ShortPathName(const QString &path)
{
    if (QFileInfo::exists(path))
        return path;
    const QString trimmed = endsWithSeparator(path) ? path.chopped(1) : path;
    const QFileInfo info(trimmed);
    const QDir folder = info.dir();
    if (!folder.exists())
        return std::nullopt;
    const QStringList entries =
        folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(info.fileName(), Qt::CaseInsensitive) == 0) {
            const QString found = trimmed.left(trimmed.size() - info.fileName().size()) + entry;
            return endsWithSeparator(path) ? found + path.back() : found;
        }
    }
    return std::nullopt;
}

bool ScheduleWininitDeletes(const QString &programFolder)
{
    QString windowsFolder = qEnvironmentVariable("windir");
    if (windowsFolder.isEmpty())
        return false;
    if (!endsWithSeparator(windowsFolder))
        windowsFolder += u'/';
    const QString oldPath = windowsFolder + QStringLiteral("WININIT.INI");
    const QString scratchPath = windowsFolder + QStringLiteral("WININIT.BL");

    QString folder = programFolder;
    if (!endsWithSeparator(folder))
        folder += u'/';
    folder = ShortPathName(folder).value_or(folder);

    QFile scratch(scratchPath);
    if (!scratch.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    bool ok = true;
    const auto writeLine = [&](const QByteArray &line) {
        const QByteArray bytes = line + "\r\n";
        ok = ok && scratch.write(bytes) == bytes.size();
    };

    QFile old(oldPath);
    const bool hadOld = old.open(QIODevice::ReadOnly);
    if (!hadOld && old.exists()) {
        // A file that is there but cannot be read must not be replaced.
        scratch.remove();
        return false;
    }
    bool found = false;
    QByteArray line;
    if (hadOld) {
        // Copy up to and including the section's header; reading past the
        // end yields one empty line, which is copied too.
        for (;;) {
            const bool more = readLine(old, line);
            writeLine(line);
            if (line.trimmed().compare("[Rename]", Qt::CaseInsensitive) == 0) {
                found = true;
                break;
            }
            if (!more)
                break;
        }
    }
    if (!found) {
        writeLine(QByteArray());
        writeLine("[Rename]");
    }
    for (const char *name : COMPONENT_NAMES) {
        if (const auto shortPath = ShortPathName(folder + QString::fromLatin1(name)))
            writeLine("NUL=" + QFile::encodeName(*shortPath));
    }
    if (found) {
        for (bool more = true; more;) {
            more = readLine(old, line);
            writeLine(line);
        }
    }
    ok = ok && (!hadOld || old.error() == QFileDevice::NoError);
    old.close();
    ok = ok && scratch.flush();
    scratch.close();
    ok = ok && scratch.error() == QFileDevice::NoError;

    // rename() replaces the old file in one step, so a failure cannot leave
    // the folder without a WININIT.INI.
    if (!ok || std::rename(QFile::encodeName(scratchPath).constData(),
                           QFile::encodeName(oldPath).constData()) != 0) {
        QFile::remove(scratchPath);
        return false;
    }
    return true;
}
