// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// The [Default Applications] group of a mimeapps.list file, read and edited
// line by line: every other line, comments and groups included, stays as it
// is. (QSettings would rewrite the whole file and mangle the group's name.)

// The desktop files named as default for `mimeType`, in their order.
[[nodiscard]] QStringList defaultApplications(const QString &text, const QString &mimeType);

// The text with `desktopId` as the one default for `mimeType`; the group is
// added at the end when the file has none.
[[nodiscard]] QString withDefaultApplication(const QString &text, const QString &mimeType,
                                             const QString &desktopId);

// The text with `desktopIds` taken out of the defaults for `mimeType`: the
// line goes when nothing else is left in it, and the group goes when it has
// no line left.
[[nodiscard]] QString withoutDefaultApplications(const QString &text, const QString &mimeType,
                                                 const QStringList &desktopIds);
