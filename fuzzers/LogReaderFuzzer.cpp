// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the results reader, from memory and through a
// file, and checks what it reports against a plain reading of the block
// layout: the reader stops exactly where the export would (or earlier, at
// text that is no entry), never keeps more entries than there are comment
// lines, and reads the same from a file as from memory, also when the
// file is read in two halves side by side.

#include "FuzzFile.h"

#include "log/ResultsLog.h"
#include "results/LogReader.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Whether the block layout (not the text) is whole, as the export sees it.
bool blocksWhole(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return true;
    if (size < LOG_SIGNATURE_LENGTH || std::memcmp(data, LOG_SIGNATURE, LOG_SIGNATURE_LENGTH) != 0)
        return false;
    std::size_t at = LOG_SIGNATURE_LENGTH;
    while (at < size) {
        if (size - at < 4)
            return false;
        const std::size_t length = std::size_t(data[at]) | std::size_t(data[at + 1]) << 8 |
                                   std::size_t(data[at + 2]) << 16 |
                                   std::size_t(data[at + 3]) << 24;
        at += 4;
        if (length > LOG_BLOCK_BUFFER_SIZE || length > size - at)
            return false;
        at += length;
    }
    return true;
}

bool sameRecords(const std::vector<LogRecord> &a, const std::vector<LogRecord> &b)
{
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(), [](const LogRecord &x, const LogRecord &y) {
            return x.comment == y.comment && x.questionCount == y.questionCount &&
                   x.complete == y.complete && x.log == y.log &&
                   std::equal(x.questions.begin(), x.questions.end(), y.questions.begin(),
                              y.questions.end(),
                              [](const LoggedQuestion &p, const LoggedQuestion &q) {
                                  return p.score == q.score && p.earned == q.earned &&
                                         p.correct == q.correct && p.chosen == q.chosen &&
                                         p.presented == q.presented && p.none == q.none &&
                                         p.flashCard == q.flashCard;
                              });
        });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    MemorySource memory({data, size});
    std::vector<LogRecord> records;
    const LogReadResult result = ReadLogEntries(memory, records, 1);
    if (result.entries != records.size())
        std::abort();
    // Broken blocks are always damage.
    if (!blocksWhole(data, size) && result.status != LogReadStatus::Damaged)
        std::abort();
    if (result.status == LogReadStatus::Damaged && result.damagedAfter > result.entries)
        std::abort();
    // Every entry starts with a comment line of at least `""\r\n`, and no
    // record holds more question lines than its count allows.
    if (records.size() * 4 > size)
        std::abort();
    for (const LogRecord &record : records) {
        if (record.log != 1 || record.questions.size() > std::size_t(record.questionCount) ||
            (record.complete && record.questions.size() != std::size_t(record.questionCount)))
            std::abort();
    }

    static FuzzFile file;
    file.fill(data, size);
    std::vector<LogRecord> fromFile;
    // Read in two halves side by side however small: the same entries.
    const LogReadResult again = ReadLogFile(file.path(), fromFile, 1, 10000, 0);
    if (again.status != result.status || again.entries != result.entries ||
        again.damagedAfter != result.damagedAfter || !sameRecords(fromFile, records))
        std::abort();
    return 0;
}
