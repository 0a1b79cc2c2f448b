// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// The base folders of the XDG Base Directory standard, read from the
// environment as the standard says: a variable that is unset, empty or
// not absolute falls back to its default. Every file the desktop integration
// reads or writes is found from these, so tests point them at a temporary
// folder.
struct XdgPaths
{
    QString dataHome;            // $XDG_DATA_HOME, default ~/.local/share
    QString configHome;          // $XDG_CONFIG_HOME, default ~/.config
    QStringList dataDirs;        // $XDG_DATA_DIRS, default /usr/local/share:/usr/share
    QStringList configDirs;      // $XDG_CONFIG_DIRS, default /etc/xdg
    QStringList currentDesktops; // $XDG_CURRENT_DESKTOP, lower-cased

    [[nodiscard]] static XdgPaths fromEnvironment();
};
