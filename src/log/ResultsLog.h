// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The results-log file beside a quiz (quiz.blz → quiz.blg): the 13 bytes
// "Brainloft Log", then blocks, each a 4-byte little-endian length and that
// many bytes of entry text (LogEntry.h) scrambled from the first key
// position. Entries are only ever appended; the author reads them by
// exporting the log to plain text.
//
// Takers may share one quiz on a network folder, so an append holds an
// exclusive open-file-description lock on the log while it writes, and
// waits a bounded time for it; the export holds a shared one while it reads.
// Plain C++ over POSIX files, without Qt.

#include "model/ByteStream.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class Quiz;

inline constexpr char LOG_SIGNATURE[] = "Brainloft Log";
inline constexpr std::size_t LOG_SIGNATURE_LENGTH = sizeof LOG_SIGNATURE - 1;
// The export reads one block at a time into a buffer of this size; longer
// blocks are damage.
inline constexpr std::size_t LOG_BLOCK_BUFFER_SIZE = 4096;
// How long an append or export waits for another program's lock on the log.
inline constexpr std::chrono::milliseconds LOG_LOCK_WAIT{10000};

// Appends one entry for the quiz as its run left it to quiz.logPathName,
// creating the file (with the signature) when it is missing or empty.
// Returns true when every block was written and reached the disk. False, with
// nothing shown, when the log cannot be opened or written, is read-only, or
// stays locked longer than `lockWait`. A failure partway leaves the blocks
// written before it and no partial block, so the log stays readable and the
// next entry follows the last complete block. The part of a block that an
// append killed in the middle of a write left at the end is cut off by the
// next append, for the same reason.
bool RecordResult(const Quiz &quiz, std::string_view comment,
                  std::chrono::milliseconds lockWait = LOG_LOCK_WAIT);

// The end of a run's log step that was interrupted after the taker had
// confirmed it, `logSize` being the log's size before the entry was begun:
// does nothing when the log holds the entry after that point already,
// appends its missing blocks when the log ends with its first ones (an
// append was killed between two), and appends it whole otherwise. So an
// interrupted run is logged exactly once. The result is RecordResult's.
bool FinishRecordResult(const Quiz &quiz, std::string_view comment, std::uint64_t logSize,
                        std::chrono::milliseconds lockWait = LOG_LOCK_WAIT);

// Where the next append will begin: the end of the log's last complete
// block (an append cuts off a part of a block left at the end); 0 when
// there is no log.
[[nodiscard]] std::uint64_t LogEntriesEnd(const std::string &path);

enum class ExportResult {
    Ok,
    InputOpenFailed,    // the log cannot be opened, is not a file, or stays locked
    OutputCreateFailed, // the output cannot be created or is in use
    SameFile,           // the output is the log itself (also through a link)
    Damaged,            // no signature, or a block is cut or longer than the buffer
    WriteFailed,
};

// Checks the signature, then writes the unscrambled text of every block to
// `out`. Stops at the first damage or write failure; what was written stays.
// Never reads or writes beyond the block buffer or the end of `log`.
ExportResult ExportLogBlocks(ByteSource &log, ByteSink &out);

// Exports the log file to a plain text file, which is created or truncated.
// The output is checked to be another file than the log before anything is
// truncated.
ExportResult ExportLogFile(const std::string &logPath, const std::string &outputPath,
                           std::chrono::milliseconds lockWait = LOG_LOCK_WAIT);

// True when `path` names a regular file that can be opened for reading.
[[nodiscard]] bool LogFileReadable(const std::string &path);

enum class DeleteResult {
    Deleted,
    Missing, // nothing to delete: the log was already gone
    Refused, // read-only (no write permission at all), in use, or not deletable
};

// Deletes the log unless it is marked read-only or an append holds it.
DeleteResult DeleteLogFile(const std::string &path);
