// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the attempt journal's reader, as they are and
// with their last four bytes made the CRC-32 of the rest (otherwise nearly
// every input would stop at the checksum). Whatever it accepts must be what
// a run can take up (a permutation for the order, indices in range, a
// question on screen only while asking), must write back to exactly the
// same bytes, and must survive the journal file unchanged.

#include "taking/AttemptJournal.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

const AttemptJournal &journalFile()
{
    static const AttemptJournal journal = [] {
        char folder[] = "/tmp/brainloft-fuzz-XXXXXX";
        check(::mkdtemp(folder) != nullptr);
        return AttemptJournal("/fuzz/quiz.blz", std::string(folder) + "/attempts");
    }();
    return journal;
}

// CRC-32 (IEEE), bit by bit: slow, and independent of the reader's table.
std::uint32_t crc32(const std::uint8_t *data, std::size_t size)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = crc & 1 ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
    }
    return ~crc;
}

void checkAccepted(const std::uint8_t *data, std::size_t size)
{
    const std::optional<AttemptRecord> record = DecodeAttempt({data, size});
    if (!record)
        return;
    const std::size_t n = record->order.size();
    check(n >= 1 && n <= 512 && record->questions.size() == n);
    std::vector<bool> seen(n, false);
    for (const std::uint16_t index : record->order) {
        check(index < n && !seen[index]);
        seen[index] = true;
    }
    const bool asking = record->phase == AttemptRecord::Phase::Asking;
    check(asking ? record->current < n : record->current <= n);
    check(asking || !record->open);
    check(!record->quizPath.empty() && record->quizPath.front() == '/');

    const std::vector<std::uint8_t> again = EncodeAttempt(*record);
    check(again == std::vector<std::uint8_t>(data, data + size));
    check(journalFile().write(*record, AtomicFile::Sync::Unsynced));
    check(journalFile().read() == record);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    checkAccepted(data, size);
    if (size >= 4) {
        std::vector<std::uint8_t> sealed(data, data + size);
        const std::uint32_t crc = crc32(sealed.data(), size - 4);
        for (int i = 0; i < 4; ++i)
            sealed[size - 4 + std::size_t(i)] = std::uint8_t(crc >> (8 * i));
        checkAccepted(sealed.data(), size);
    }
    return 0;
}
