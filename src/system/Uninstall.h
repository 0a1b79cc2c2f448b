// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class Prompts;

// Removes the association (when it is ours) and its desktop files, the
// program's files, and the uninstall entry, then says so. Files that belong
// to the system's package manager stay: only the user's own entries go.
void UninstallProgram(Prompts &prompts, const QString &programPath);

// The program and the help files beside it (its name with the extensions
// .hlp, .cnt, .fts, .gid), in the order they are removed.
[[nodiscard]] QStringList ComponentFiles(const QString &programPath);

// True when the program's files are not ours to delete: its folder cannot
// be written, it lies in a distribution's system folder (/usr outside
// /usr/local, /bin, /sbin, /lib), or the package manager lists it.
[[nodiscard]] bool IsManagedBySystem(const QString &programPath);
