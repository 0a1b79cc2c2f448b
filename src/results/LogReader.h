// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Reading a results log back into entries, for the results window, its
// headless command and its report. The reader follows the export's block
// rules (ResultsLog.h): the signature, then blocks no longer than the export's
// buffer; it stops at the first damage and keeps every entry before it. The
// entry text (LogEntry.h) is parsed line by line as the blocks arrive, so
// memory grows with the entries read, never with a length the file claims.
// It only ever reads: the log is opened read-only. Plain C++ without Qt.

#include "model/ByteStream.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One question line of an entry. Five million of these in a large class's
// log: the flags share a byte, so that one takes 12 bytes, not 16.
struct LoggedQuestion
{
    std::int32_t score = 0;   // m: the points the question was worth
    std::int32_t earned = 0;  // x: the points given (0 when not presented)
    std::uint8_t correct = 0; // answer letters as bits, A = 1 (multiple choice)
    std::uint8_t chosen = 0;  // the letters chosen; 0 with `none` for "X"
    bool presented : 1 = false;
    bool none : 1 = false;      // presented, and nothing was submitted ("X")
    bool flashCard : 1 = false; // the line has the flash-card form
};
static_assert(sizeof(LoggedQuestion) == 12);

struct LogRecord
{
    std::string comment;                   // without the enclosing quotes, 8-bit as logged
    int questionCount = 0;                 // as the entry's count line says
    std::vector<LoggedQuestion> questions; // the question lines read
    bool complete = false;                 // count line, every question line, both summaries
    int log = 0;                           // which of the logs read it came from, 0-based
};

enum class LogReadStatus {
    Ok,          // read to its end (a log of no bytes holds no entries)
    Damaged,     // no signature, a block cut or oversized, or text that is no entry
    Missing,     // no file of that name
    NotReadable, // no permission, or another error opening or reading it
    Folder,      // a folder
    NotFile,     // a FIFO, device or socket
    InUse,       // an append held it longer than the wait
};

struct LogReadResult
{
    LogReadStatus status = LogReadStatus::Ok;
    std::size_t entries = 0;      // entries appended by this read
    std::size_t damagedAfter = 0; // Damaged: entries that ended before the damage
};

// Reads a log's bytes (from the start of the file) and appends its entries
// to `into`, marking them with `logIndex`. An entry cut short by the damage
// is kept as incomplete.
LogReadResult ReadLogEntries(ByteSource &log, std::vector<LogRecord> &into, int logIndex = 0);

// From this size on, a log file is read in two halves side by side.
inline constexpr std::uint64_t LOG_SPLIT_READ_SIZE = 4 * 1024 * 1024;

// The same from a file, which is opened without blocking (a FIFO cannot
// hang the reader) and read under a shared lock, so that an append in
// progress is waited for (`lockWaitMs` at most). A file of `splitAbove`
// bytes or more is read in two halves side by side, with the same result.
LogReadResult ReadLogFile(const std::string &path, std::vector<LogRecord> &into, int logIndex = 0,
                          int lockWaitMs = 10000, std::uint64_t splitAbove = LOG_SPLIT_READ_SIZE);

// Letters as bits ("BD" -> 0b1010) and back ("" for none).
[[nodiscard]] std::string AnswerLetters(std::uint8_t letters);
