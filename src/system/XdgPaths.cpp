// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/XdgPaths.h"

#include <QDir>

namespace {

QString homeFolder()
{
    const QString home = qEnvironmentVariable("HOME");
    return home.isEmpty() ? QDir::homePath() : home;
}

QString baseFolder(const char *variable, const QString &fallback)
{
    const QString value = qEnvironmentVariable(variable);
    return QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : fallback;
}

QStringList folderList(const char *variable, const QStringList &fallback)
{
    QStringList folders;
    for (const QString &folder : qEnvironmentVariable(variable).split(u':', Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(folder))
            folders.append(QDir::cleanPath(folder));
    }
    return folders.isEmpty() ? fallback : folders;
}

} // namespace

XdgPaths XdgPaths::fromEnvironment()
{
    XdgPaths paths;
    paths.dataHome = baseFolder("XDG_DATA_HOME", homeFolder() + QStringLiteral("/.local/share"));
    paths.configHome = baseFolder("XDG_CONFIG_HOME", homeFolder() + QStringLiteral("/.config"));
    paths.dataDirs = folderList("XDG_DATA_DIRS",
                                {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")});
    paths.configDirs = folderList("XDG_CONFIG_DIRS", {QStringLiteral("/etc/xdg")});
    for (const QString &desktop :
         qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts))
        paths.currentDesktops.append(desktop.toLower());
    return paths;
}
