// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A merged results log: the entries of several logs (one per classroom
// computer) in one new .blg, each appended by the log's own writer, so the
// new log reads and exports like any other.

#include "LogReader.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

struct MergeOutcome
{
    bool ok = false;
    int written = 0;
    int skipped = 0; // incomplete entries: the writer only writes whole ones
    QString error;
};

// Writes the complete entries of `records`, in order, to a new log at
// `path`. The file appears only once every entry is in it, and never when
// it is one of `keep` (the logs shown, the quiz).
[[nodiscard]] MergeOutcome WriteMergedLog(const std::vector<LogRecord> &records,
                                          const QString &path,
                                          const std::vector<std::string> &keep);
