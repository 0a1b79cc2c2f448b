// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the log export, from memory and through files,
// and compares what it writes and reports with a plain reading of the
// layout: the signature, then blocks of a 4-byte little-endian length and
// that many scrambled bytes, none longer than the block buffer.

#include "FuzzFile.h"

#include "log/ResultsLog.h"
#include "model/Scramble.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The expected output and whether the whole log was well formed.
bool expectedExport(const std::uint8_t *data, std::size_t size, std::string &text)
{
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
        text += UnscrambleBytes(data + at, length);
        at += length;
    }
    return true;
}

std::string contents(int fd)
{
    std::string text;
    char buffer[8192];
    ssize_t n;
    off_t at = 0;
    while ((n = ::pread(fd, buffer, sizeof buffer, at)) > 0) {
        text.append(buffer, std::size_t(n));
        at += n;
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string expected;
    const ExportResult wanted =
        expectedExport(data, size, expected) ? ExportResult::Ok : ExportResult::Damaged;

    MemorySource memory({data, size});
    VectorSink sink;
    if (ExportLogBlocks(memory, sink) != wanted ||
        std::string(sink.bytes.begin(), sink.bytes.end()) != expected)
        std::abort();

    // The same through the files, the output first holding older text that
    // the export must replace.
    static FuzzFile log;
    static FuzzFile output;
    log.fill(data, size);
    const std::uint8_t stale[] = "older text that the export replaces";
    output.fill(stale, sizeof stale);
    if (ExportLogFile(log.path(), output.path()) != wanted || contents(output.fd()) != expected)
        std::abort();
    return 0;
}
