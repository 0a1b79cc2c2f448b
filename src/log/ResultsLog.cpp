// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResultsLog.h"

#include "LogEntry.h"

#include "model/FileLock.h"
#include "model/Quiz.h"
#include "model/Scramble.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <optional>
#include <span>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Closes the descriptor on every way out; closing also drops its lock.
class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    [[nodiscard]] int get() const { return m_fd; }
    // Closes now and reports whether the close succeeded: on network file
    // systems a late write error shows up here.
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

// Opens without blocking, so that a FIFO or device under the log's name
// cannot hang the program, then switches back to blocking I/O.
int openFile(const std::string &path, int flags, bool regularOnly, struct stat &info)
{
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &info) != 0 || (regularOnly && !S_ISREG(info.st_mode)) ||
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Takes the lock, waiting at most until `deadline` while another holds it.
// Polls with short sleeps rather than blocking in the kernel, so the wait is
// bounded without signals.
bool lockBefore(int fd, LockKind kind, Clock::time_point deadline)
{
    auto pause = std::chrono::milliseconds(2);
    for (;;) {
        if (LockFile(fd, kind, false))
            return true;
        if (errno != EAGAIN && errno != EACCES)
            return false;
        const auto now = Clock::now();
        if (now >= deadline)
            return false;
        std::this_thread::sleep_for(std::min<Clock::duration>(pause, deadline - now));
        pause = std::min(pause * 2, std::chrono::milliseconds(50));
    }
}

bool writeAll(int fd, const void *data, std::size_t n)
{
    const auto *p = static_cast<const std::uint8_t *>(data);
    while (n > 0) {
        const ssize_t written = ::write(fd, p, n);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        p += written;
        n -= static_cast<std::size_t>(written);
    }
    return true;
}

// Collects the export's output and writes it in large pieces: one write per
// block would cost a system call for every two kilobytes of log.
class BufferedFdSink : public ByteSink
{
public:
    explicit BufferedFdSink(int fd)
        : m_fd(fd)
    {
        m_buffer.reserve(CAPACITY);
    }
    bool write(const void *src, std::size_t n) override
    {
        if (m_buffer.size() + n > CAPACITY && !flush())
            return false;
        if (n >= CAPACITY)
            return writeAll(m_fd, src, n);
        const auto *p = static_cast<const std::uint8_t *>(src);
        m_buffer.insert(m_buffer.end(), p, p + n);
        return true;
    }
    // Writes what is collected; false when that fails.
    bool flush()
    {
        const bool ok = writeAll(m_fd, m_buffer.data(), m_buffer.size());
        m_buffer.clear();
        return ok;
    }

private:
    static constexpr std::size_t CAPACITY = 64 * 1024;
    int m_fd;
    std::vector<std::uint8_t> m_buffer;
};

// One block as it is stored: the length, then the scrambled text.
std::vector<std::uint8_t> storedBlock(const std::string &text)
{
    VectorSink sink;
    const std::vector<std::uint8_t> scrambled = ScrambleString(text);
    WriteUInt32(sink, static_cast<std::uint32_t>(text.size()));
    sink.write(scrambled.data(), scrambled.size());
    return std::move(sink.bytes);
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A file without any write permission is treated as marked read-only, also
// for a user whom the permissions would not stop.
bool readOnly(const std::string &path, const struct stat &info)
{
    return (info.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

// Opens the log for appending and locks it. Another program may delete or
// replace the log while we wait for the lock; then the descriptor names a
// file that is no longer the log, and the open starts again.
int openLockedLog(const std::string &path, Clock::time_point deadline, off_t &size)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        struct stat opened = {};
        // Read access too, to check the end of the log before appending; a
        // log that may only be written is still appended to.
        int fd = openFile(path, O_RDWR | O_CREAT | O_APPEND, true, opened);
        if (fd < 0 && errno == EACCES)
            fd = openFile(path, O_WRONLY | O_CREAT | O_APPEND, true, opened);
        if (fd < 0)
            return -1;
        struct stat current = {};
        if (readOnly(path, opened) || !lockBefore(fd, LockKind::Exclusive, deadline) ||
            ::fstat(fd, &opened) != 0) {
            ::close(fd);
            return -1;
        }
        if (::stat(path.c_str(), &current) == 0 && sameFile(current, opened)) {
            size = opened.st_size;
            return fd;
        }
        ::close(fd);
    }
    return -1;
}

// True when the log's last block reads as the end of an entry: a length,
// then that many bytes ending in the summary line's "%\r\n". Looks only at
// the last few kilobytes, whatever the size of the log.
bool endsWithEntry(int fd, off_t size)
{
    static constexpr char ENDING[] = "%\r\n";
    constexpr std::size_t endingLength = sizeof ENDING - 1;
    std::array<std::uint8_t, LOG_BLOCK_BUFFER_SIZE + 4> tail;
    const std::size_t length =
        std::size_t(std::min<off_t>(size - off_t(LOG_SIGNATURE_LENGTH), off_t(tail.size())));
    if (::pread(fd, tail.data(), length, size - off_t(length)) != ssize_t(length))
        return false;
    for (std::size_t block = endingLength; block + 4 <= length; ++block) {
        const std::uint8_t *header = tail.data() + length - block - 4;
        const std::uint32_t stored = std::uint32_t(header[0]) | std::uint32_t(header[1]) << 8 |
                                     std::uint32_t(header[2]) << 16 |
                                     std::uint32_t(header[3]) << 24;
        if (stored != block)
            continue;
        std::uint8_t last[endingLength];
        std::memcpy(last, tail.data() + length - endingLength, endingLength);
        // Unscrambled in place of a whole block: the key position of byte i
        // of the block is i mod 10.
        for (std::size_t i = 0; i < endingLength; ++i)
            last[i] ^= std::uint8_t(SCRAMBLE_KEY[SCRAMBLE_KEY.size() - 1 -
                                                 (block - endingLength + i) % SCRAMBLE_KEY.size()]);
        if (std::memcmp(last, ENDING, endingLength) == 0)
            return true;
    }
    return false;
}

// Where the log's last complete block ends. An append killed in the middle
// of a write leaves part of a block at the end, and every entry appended
// after it could never be exported; the next append cuts that part off.
// A log that ends with a whole entry is checked by its last block alone;
// otherwise the block lengths are followed from the start. Damage that no
// append can have caused (a length beyond the block buffer) is left alone,
// as is a file without the signature and a log that cannot be read.
off_t completeBlocksEnd(int fd, off_t size)
{
    char signature[LOG_SIGNATURE_LENGTH];
    if (size <= off_t(LOG_SIGNATURE_LENGTH) ||
        ::pread(fd, signature, sizeof signature, 0) != ssize_t(sizeof signature) ||
        std::memcmp(signature, LOG_SIGNATURE, sizeof signature) != 0 || endsWithEntry(fd, size))
        return size;
    off_t at = LOG_SIGNATURE_LENGTH;
    while (at < size) {
        std::uint8_t header[4];
        if (size - at < 4)
            return at;
        if (::pread(fd, header, 4, at) != 4)
            return size;
        const std::uint32_t length = std::uint32_t(header[0]) | std::uint32_t(header[1]) << 8 |
                                     std::uint32_t(header[2]) << 16 |
                                     std::uint32_t(header[3]) << 24;
        if (length > LOG_BLOCK_BUFFER_SIZE)
            return size;
        if (off_t(length) > size - at - 4)
            return at;
        at += 4 + off_t(length);
    }
    return size;
}

} // namespace

namespace {

// How many of an entry's `blocks` (as stored) an earlier append already
// wrote after `from`: all of them, when the log holds the whole entry
// there, or the first few, when the log ends with them (an append was
// killed between two blocks); otherwise none.
std::size_t blocksAlreadyThere(int fd, off_t from, off_t end,
                               const std::vector<std::vector<std::uint8_t>> &blocks)
{
    constexpr off_t MOST = 4 * 1024 * 1024; // an entry's own tail is a few KB
    if (from >= end || end - from > MOST)
        return 0;
    std::vector<std::uint8_t> tail(std::size_t(end - from));
    if (::pread(fd, tail.data(), tail.size(), from) != ssize_t(tail.size()))
        return 0;
    // The stored blocks from `from` on, each as its bytes.
    std::vector<std::span<const std::uint8_t>> stored;
    for (std::size_t at = 0; at + 4 <= tail.size();) {
        const std::uint32_t length = std::uint32_t(tail[at]) | std::uint32_t(tail[at + 1]) << 8 |
                                     std::uint32_t(tail[at + 2]) << 16 |
                                     std::uint32_t(tail[at + 3]) << 24;
        if (length > tail.size() - at - 4)
            break;
        stored.emplace_back(tail.data() + at, 4 + length);
        at += 4 + length;
    }
    auto same = [&](std::size_t s, std::size_t b) {
        return std::ranges::equal(stored[s], blocks[b]);
    };
    for (std::size_t first = 0; first < stored.size(); ++first) {
        std::size_t matched = 0;
        while (matched < blocks.size() && first + matched < stored.size() &&
               same(first + matched, matched))
            ++matched;
        if (matched == blocks.size() || (matched > 0 && first + matched == stored.size()))
            return matched;
    }
    return 0;
}

bool appendEntry(const Quiz &quiz, std::string_view comment, std::chrono::milliseconds lockWait,
                 std::optional<std::uint64_t> resumeFrom)
{
    if (quiz.logPathName.empty())
        return false;
    std::vector<std::vector<std::uint8_t>> blocks;
    for (const std::string &text : LogEntryBlocks(quiz, comment)) {
        // A block the export cannot read would hide this entry and every
        // later one; only an oversized comment could cause it.
        if (text.size() > LOG_BLOCK_BUFFER_SIZE)
            return false;
        blocks.push_back(storedBlock(text));
    }

    off_t end = 0;
    Descriptor log(openLockedLog(quiz.logPathName, Clock::now() + lockWait, end));
    if (log.get() < 0)
        return false;
    // A block cut short by an append that was killed goes first (a log
    // opened for writing only cannot be checked and is taken as it is).
    if (const off_t complete = completeBlocksEnd(log.get(), end); complete != end) {
        if (::ftruncate(log.get(), complete) != 0)
            return false;
        end = complete;
    }
    // Decided under the lock, so two first takers write one signature.
    if (end == 0) {
        if (!writeAll(log.get(), LOG_SIGNATURE, LOG_SIGNATURE_LENGTH)) {
            (void)::ftruncate(log.get(), 0);
            return false;
        }
        end = LOG_SIGNATURE_LENGTH;
    }
    std::size_t skip = 0;
    // A step that began on a log not yet there finds its entry after the
    // signature it wrote.
    if (resumeFrom && *resumeFrom <= std::uint64_t(std::numeric_limits<off_t>::max()))
        skip = blocksAlreadyThere(
            log.get(), std::max(off_t(*resumeFrom), off_t(LOG_SIGNATURE_LENGTH)), end, blocks);
    if (skip == blocks.size())
        return true;
    for (std::size_t b = skip; b < blocks.size(); ++b) {
        const std::vector<std::uint8_t> &block = blocks[b];
        if (!writeAll(log.get(), block.data(), block.size())) {
            // A partial block would make the rest of the log unreadable:
            // cut back to the last complete one.
            (void)::ftruncate(log.get(), end);
            return false;
        }
        end += static_cast<off_t>(block.size());
    }
    return ::fsync(log.get()) == 0 && log.close();
}

} // namespace

bool RecordResult(const Quiz &quiz, std::string_view comment, std::chrono::milliseconds lockWait)
{
    return appendEntry(quiz, comment, lockWait, std::nullopt);
}

bool FinishRecordResult(const Quiz &quiz, std::string_view comment, std::uint64_t logSize,
                        std::chrono::milliseconds lockWait)
{
    return appendEntry(quiz, comment, lockWait, logSize);
}

std::uint64_t LogEntriesEnd(const std::string &path)
{
    struct stat info = {};
    Descriptor log(openFile(path, O_RDONLY, true, info));
    if (log.get() < 0)
        return 0;
    return std::uint64_t(completeBlocksEnd(log.get(), info.st_size));
}

ExportResult ExportLogBlocks(ByteSource &log, ByteSink &out)
{
    char signature[LOG_SIGNATURE_LENGTH];
    if (!log.read(signature, sizeof signature) ||
        std::memcmp(signature, LOG_SIGNATURE, LOG_SIGNATURE_LENGTH) != 0)
        return ExportResult::Damaged;
    std::array<std::uint8_t, LOG_BLOCK_BUFFER_SIZE> buffer;
    while (log.remaining() > 0) {
        std::uint32_t length = 0;
        if (!ReadUInt32(log, length) || length > buffer.size() || length > log.remaining() ||
            !log.read(buffer.data(), length))
            return ExportResult::Damaged;
        ScrambleInPlace(buffer.data(), length);
        if (!out.write(buffer.data(), length))
            return ExportResult::WriteFailed;
    }
    return ExportResult::Ok;
}

ExportResult ExportLogFile(const std::string &logPath, const std::string &outputPath,
                           std::chrono::milliseconds lockWait)
{
    struct stat logInfo = {};
    Descriptor log(openFile(logPath, O_RDONLY, true, logInfo));
    if (log.get() < 0 || !lockBefore(log.get(), LockKind::Shared, Clock::now() + lockWait))
        return ExportResult::InputOpenFailed;

    // Not truncated yet: first make sure the output is not the log itself,
    // which a path spelled differently, a link or a hard link could name.
    struct stat outputInfo = {};
    Descriptor output(openFile(outputPath, O_WRONLY | O_CREAT, false, outputInfo));
    if (output.get() < 0)
        return ExportResult::OutputCreateFailed;
    if (sameFile(outputInfo, logInfo))
        return ExportResult::SameFile;
    if (S_ISREG(outputInfo.st_mode) &&
        (!LockFile(output.get(), LockKind::Exclusive, false) || ::ftruncate(output.get(), 0) != 0))
        return ExportResult::OutputCreateFailed;

    FdSource source(log.get());
    if (!source.valid())
        return ExportResult::InputOpenFailed;
    BufferedFdSink sink(output.get());
    ExportResult result = ExportLogBlocks(source, sink);
    // What was exported before damage is kept, so it is written out too.
    if (!sink.flush())
        result = ExportResult::WriteFailed;
    if (!output.close() && result == ExportResult::Ok)
        return ExportResult::WriteFailed;
    return result;
}

bool LogFileReadable(const std::string &path)
{
    struct stat info = {};
    const int fd = openFile(path, O_RDONLY, true, info);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

DeleteResult DeleteLogFile(const std::string &path)
{
    if (!LogFileReadable(path))
        return DeleteResult::Missing;
    struct stat info = {};
    if (::stat(path.c_str(), &info) != 0)
        return DeleteResult::Missing;
    if (readOnly(path, info))
        return DeleteResult::Refused;
    // Held by a taker's append, the log is in use. Our lock keeps an append
    // from starting while the file goes; one that waits for it notices that
    // the log was deleted and starts a new one.
    Descriptor log(openFile(path, O_WRONLY, true, info));
    if (log.get() < 0 || !LockFile(log.get(), LockKind::Exclusive, false) ||
        ::unlink(path.c_str()) != 0)
        return DeleteResult::Refused;
    return DeleteResult::Deleted;
}
