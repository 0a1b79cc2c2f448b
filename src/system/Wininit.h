// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

// Deletion of the program's files at the next system start on systems that
// process a WININIT.INI: "NUL=" lines in its [Rename] section, each naming a
// file to delete. Linux needs none of this (a running program's files can be
// removed at once); the routine works on the folder named by the environment
// variable "windir", so it can be run against any folder.

// Adds a "NUL=" line for each component file that exists in `programFolder`
// (BRAINLOFT.EXE, .HLP, .CNT, .FTS, .GID, in that order) directly below the
// first [Rename] header of windir's WININIT.INI, adding the section when the
// file has none. Every other line stays, in its order. The new file is built
// as WININIT.BL and replaces the old one only when complete. True when
// WININIT.INI was rewritten; false (and nothing changed) on any failure,
// also when "windir" is not set.
bool ScheduleWininitDeletes(const QString &programFolder);

// The name under which an existing file is found, looked up the way a
// file system that ignores letter case would: the path itself when it
// exists, else the entry of its folder whose name matches without regard to
// case. Nothing when there is no such file. (These are the short names that
// the "NUL=" lines carry; Linux has no separate 8.3 form.)
[[nodiscard]] std::optional<QString> ShortPathName(const QString &path);
