// SPDX-License-Identifier: GPL-3.0-or-later

#include "LogReader.h"

#include "log/ResultsLog.h"
#include "model/FileLock.h"
#include "model/Quiz.h"
#include "model/Scramble.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace {

// The writer's lines are a few dozen characters; a comment is at most 64.
// Anything far longer is not a log line, and is not collected.
constexpr std::size_t LONGEST_LINE = 2 * LOG_BLOCK_BUFFER_SIZE;

// By hand and inlined: five million of these in a large class's log.
// Up to ten digits, and no more than fits 32 bits.
[[gnu::always_inline]] inline bool number(const char *text, std::size_t size, std::uint32_t &out)
{
    if (size == 0 || size > 10)
        return false;
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const unsigned digit = unsigned(static_cast<unsigned char>(text[i])) - '0';
        if (digit > 9)
            return false;
        value = value * 10 + digit;
    }
    if (value > 0xffffffffu)
        return false;
    out = std::uint32_t(value);
    return true;
}

[[gnu::always_inline]] inline bool number(std::string_view text, std::uint32_t &out)
{
    return number(text.data(), text.size(), out);
}

std::optional<std::uint32_t> number(std::string_view text)
{
    std::uint32_t value = 0;
    if (!number(text, value))
        return std::nullopt;
    return value;
}

// Answer letters A to E, each at most once; "" is no letter at all.
[[gnu::always_inline]] inline bool letters(std::string_view text, std::uint8_t &out)
{
    unsigned bits = 0;
    for (const char c : text) {
        const unsigned letter = unsigned(static_cast<unsigned char>(c)) - 'A';
        if (letter > 4 || (bits & (1u << letter)))
            return false;
        bits |= 1u << letter;
    }
    out = std::uint8_t(bits);
    return true;
}

[[gnu::always_inline]] inline bool isX(std::string_view text)
{
    return text.size() == 1 && text[0] == 'X';
}

// Splits at commas into exactly `n` fields, in one pass over the line.
template<std::size_t n>
[[gnu::always_inline]] inline bool fields(std::string_view line,
                                          std::array<std::string_view, n> &out)
{
    std::size_t field = 0, start = 0;
    const char *text = line.data();
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (text[i] != ',')
            continue;
        if (field == n - 1)
            return false;
        out[field++] = std::string_view(text + start, i - start);
        start = i + 1;
    }
    if (field != n - 1)
        return false;
    out[field] = std::string_view(text + start, line.size() - start);
    return true;
}

// The field at `p`, up to the next comma (which is passed) or, for the
// last field, the line's end; false when the line has fewer or more fields.
[[gnu::always_inline]] inline bool field(const char *&p, const char *end, bool last,
                                         std::string_view &out)
{
    const char *start = p;
    while (p != end && *p != ',')
        ++p;
    out = std::string_view(start, std::size_t(p - start));
    if (last)
        return p == end;
    if (p == end)
        return false;
    ++p;
    return true;
}

// A number field read as its digits are found, the field's end with it:
// most of a question line is numbers, and each is gone over once.
[[gnu::always_inline]] inline bool numberField(const char *&p, const char *end, bool last,
                                               std::uint32_t &out)
{
    const char *start = p;
    std::uint64_t value = 0;
    for (; p != end && *p != ','; ++p) {
        const unsigned digit = unsigned(static_cast<unsigned char>(*p)) - '0';
        if (digit > 9 || p - start == 10)
            return false;
        value = value * 10 + digit;
    }
    if (p == start || value > 0xffffffffu)
        return false;
    out = std::uint32_t(value);
    if (last)
        return p == end;
    if (p == end)
        return false;
    ++p;
    return true;
}

// One question line into `q`; false when it is none.
[[gnu::always_inline]] inline bool questionLine(std::string_view line, std::uint32_t expected,
                                                LoggedQuestion &q)
{
    const char *p = line.data();
    const char *const end = p + line.size();
    std::string_view f1, f2;
    std::uint32_t index = 0, c = 0, d = 0;
    if (!numberField(p, end, false, index) || index != expected || !field(p, end, false, f1) ||
        !field(p, end, false, f2) || !numberField(p, end, false, c) ||
        !numberField(p, end, true, d))
        return false;
    q = LoggedQuestion{};
    if (std::uint32_t a = 0; number(f1, a)) {
        // Flash cards: score, earned, flag, presented.
        std::uint32_t b = 0;
        if (!number(f2, b) || d > 1)
            return false;
        q.flashCard = true;
        q.presented = d == 1;
        q.score = std::int32_t(a);
        q.earned = q.presented ? std::int32_t(b) : 0;
        return true;
    }
    // Multiple choice: correct, chosen, score, earned; "X,X" when not shown.
    q.score = std::int32_t(c);
    if (isX(f1))
        return isX(f2);
    if (!letters(f1, q.correct))
        return false;
    q.presented = true;
    q.earned = std::int32_t(d);
    if (isX(f2)) {
        q.none = true;
        return true;
    }
    return letters(f2, q.chosen) && q.chosen != 0;
}

// "Presented,p,ep,sp,pp%" or "All,q,ea,sa,pa%".
bool summaryLine(std::string_view line, std::string_view label)
{
    std::array<std::string_view, 5> f;
    std::uint32_t value = 0;
    if (!fields(line, f) || f[0] != label || !number(f[1], value) || !number(f[2], value) ||
        !number(f[3], value))
        return false;
    std::string_view percent = f[4];
    if (percent.size() < 2 || percent.back() != '%')
        return false;
    percent.remove_suffix(1);
    return std::all_of(percent.begin(), percent.end(),
                       [](char c) { return (c >= '0' && c <= '9') || c == '.' || c == '-'; });
}

// Takes the log's text a line at a time and builds the entries.
class EntryParser
{
public:
    EntryParser(std::vector<LogRecord> &into, int log)
        : m_into(into)
        , m_log(log)
    {}

    // Feeds a piece of text; false once the text is no log.
    bool feed(std::string_view text)
    {
        while (!text.empty()) {
            const std::size_t end = text.find('\n');
            if (end == std::string_view::npos) {
                m_partial.append(text);
                return m_partial.size() <= LONGEST_LINE;
            }
            std::string_view line = text.substr(0, end);
            text.remove_prefix(end + 1);
            if (!m_partial.empty()) {
                m_partial.append(line);
                if (m_partial.size() > LONGEST_LINE)
                    return false;
                const std::string whole = std::move(m_partial);
                m_partial.clear();
                if (!takeLine(whole))
                    return false;
            } else if (!takeLine(line)) {
                return false;
            }
        }
        return true;
    }

    // The end of the text: a line without its line end is damage; an
    // entry that stops early is an incomplete one (a write failed partway).
    bool finish()
    {
        closeEntry(false);
        return m_partial.empty();
    }

    // Damage was found: the entry under way is kept as incomplete.
    void abandon() { closeEntry(false); }

    // Between two entries, with nothing carried over: a new parser would
    // read what follows exactly as this one will.
    [[nodiscard]] bool betweenEntries() const
    {
        return !m_open && m_partial.empty() && m_expect == Expect::Comment;
    }

    [[nodiscard]] std::size_t ended() const { return m_ended; }
    [[nodiscard]] std::size_t added() const { return m_added; }

private:
    enum class Expect { Comment, Count, Question, All };

    bool takeLine(std::string_view line)
    {
        if (line.empty() || line.back() != '\r')
            return false;
        line.remove_suffix(1);
        if (line.size() >= 2 && line.front() == '"' && line.back() == '"') {
            // A new entry; one still open was cut short by a failed write.
            if (m_open) {
                closeEntry(false);
                ++m_ended;
            }
            m_open = true;
            m_record = LogRecord{};
            m_record.comment.assign(line.substr(1, line.size() - 2));
            m_record.log = m_log;
            m_expect = Expect::Count;
            return true;
        }
        switch (m_expect) {
        case Expect::Comment:
            return false;
        case Expect::Count: {
            const auto count = number(line);
            if (!count || *count > std::uint32_t(MAX_QUESTIONS))
                return false;
            m_record.questionCount = int(*count);
            // No reservation from the count: memory follows the lines read.
            m_expect = Expect::Question;
            return true;
        }
        case Expect::Question: {
            // The question lines gather in a buffer kept from entry to entry;
            // the entry gets one allocation of exactly the lines read.
            const std::size_t read = m_questions.size();
            if (line.size() >= 10 && line[0] == 'P' && line.starts_with("Presented,")) {
                if (read != std::size_t(m_record.questionCount) || !summaryLine(line, "Presented"))
                    return false;
                m_expect = Expect::All;
                return true;
            }
            if (read >= std::size_t(m_record.questionCount))
                return false;
            LoggedQuestion q;
            if (!questionLine(line, std::uint32_t(read + 1), q))
                return false;
            m_questions.push_back(q);
            return true;
        }
        case Expect::All:
            if (!summaryLine(line, "All"))
                return false;
            closeEntry(true);
            ++m_ended;
            return true;
        }
        return false;
    }

    void closeEntry(bool complete)
    {
        if (!m_open)
            return;
        m_record.complete = complete;
        m_record.questions.assign(m_questions.begin(), m_questions.end());
        m_questions.clear();
        m_into.push_back(std::move(m_record));
        m_record = LogRecord{};
        m_open = false;
        m_expect = Expect::Comment;
        ++m_added;
    }

    std::vector<LogRecord> &m_into;
    int m_log;
    std::string m_partial;
    LogRecord m_record;
    std::vector<LoggedQuestion> m_questions; // of the entry under way
    bool m_open = false;
    Expect m_expect = Expect::Comment;
    std::size_t m_ended = 0;
    std::size_t m_added = 0;
};

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

private:
    int m_fd;
};

// The file read straight into the reader's buffer, a large piece at a
// time: a log of a large class is tens of megabytes. From `offset` on, by
// pread, so that two of these can read the halves of one descriptor.
class DirectFdSource : public ByteSource
{
public:
    DirectFdSource(int fd, std::uint64_t offset, std::uint64_t size)
        : m_fd(fd)
        , m_offset(offset)
        , m_size(size)
    {}

    bool read(void *dst, std::size_t n) override
    {
        if (n > remaining())
            return false;
        auto *out = static_cast<std::uint8_t *>(dst);
        while (n > 0) {
            ssize_t got;
            do {
                got = ::pread(m_fd, out, n, off_t(m_offset));
            } while (got < 0 && errno == EINTR);
            if (got <= 0)
                return false;
            out += got;
            n -= std::size_t(got);
            m_offset += std::uint64_t(got);
        }
        return true;
    }
    [[nodiscard]] std::uint64_t remaining() const override
    {
        return m_size > m_offset ? m_size - m_offset : 0;
    }

private:
    int m_fd;
    std::uint64_t m_offset;
    std::uint64_t m_size;
};

// The blocks of a log, taken from a buffer filled many at a time and
// unscrambled where they lie.
class BlockScanner
{
public:
    // `start`: where in the file the source begins, for position().
    BlockScanner(ByteSource &log, std::uint64_t start)
        : m_log(log)
        , m_start(start)
        , m_chunk(CHUNK)
    {}

    enum class Next { Block, End, Damage };

    Next next(std::string_view &text)
    {
        if (m_at == m_have && m_log.remaining() == 0)
            return Next::End;
        if (!fill(4))
            return Next::Damage;
        const std::uint8_t *head = m_chunk.data() + m_at;
        const std::uint32_t length = std::uint32_t(head[0]) | std::uint32_t(head[1]) << 8 |
                                     std::uint32_t(head[2]) << 16 | std::uint32_t(head[3]) << 24;
        if (length > LOG_BLOCK_BUFFER_SIZE || length > (m_have - m_at - 4) + m_log.remaining() ||
            !fill(4 + std::size_t(length)))
            return Next::Damage;
        std::uint8_t *block = m_chunk.data() + m_at + 4;
        m_at += 4 + std::size_t(length);
        ScrambleInPlace(block, length);
        text = {reinterpret_cast<const char *>(block), length};
        return Next::Block;
    }

    // The file offset of the next block.
    [[nodiscard]] std::uint64_t position() const { return m_start + m_pulled - (m_have - m_at); }

private:
    static constexpr std::size_t CHUNK = 64 * 1024;
    static_assert(CHUNK >= 4 + LOG_BLOCK_BUFFER_SIZE);

    // At least `need` bytes from m_at on; false when the log has fewer.
    bool fill(std::size_t need)
    {
        if (m_have - m_at >= need)
            return true;
        std::memmove(m_chunk.data(), m_chunk.data() + m_at, m_have - m_at);
        m_have -= m_at;
        m_at = 0;
        const std::size_t want =
            std::size_t(std::min<std::uint64_t>(CHUNK - m_have, m_log.remaining()));
        if (want > 0 && !m_log.read(m_chunk.data() + m_have, want))
            return false;
        m_have += want;
        m_pulled += want;
        return m_have - m_at >= need;
    }

    ByteSource &m_log;
    std::uint64_t m_start;
    std::uint64_t m_pulled = 0;
    std::vector<std::uint8_t> m_chunk;
    std::size_t m_have = 0, m_at = 0;
};

enum class Outcome { End, Damage, AtStop, PastStop, Cancelled };

// Parses blocks until the log ends, is damaged, or the next block would
// begin at or beyond `stop` (a file offset).
Outcome parseBlocks(BlockScanner &blocks, EntryParser &parser, std::uint64_t stop,
                    const std::atomic<bool> *cancel = nullptr)
{
    std::string_view text;
    for (;;) {
        if (const std::uint64_t at = blocks.position(); at >= stop)
            return at == stop ? Outcome::AtStop : Outcome::PastStop;
        if (cancel && cancel->load(std::memory_order_relaxed))
            return Outcome::Cancelled;
        switch (blocks.next(text)) {
        case BlockScanner::Next::End:
            return Outcome::End;
        case BlockScanner::Next::Damage:
            return Outcome::Damage;
        case BlockScanner::Next::Block:
            if (!parser.feed(text))
                return Outcome::Damage;
            break;
        }
    }
}

LogReadResult finishRead(EntryParser &parser, Outcome outcome)
{
    LogReadResult result;
    if (outcome == Outcome::Damage) {
        parser.abandon();
        result.status = LogReadStatus::Damaged;
    } else if (!parser.finish()) {
        result.status = LogReadStatus::Damaged;
    }
    result.entries = parser.added();
    result.damagedAfter = result.status == LogReadStatus::Damaged ? parser.ended() : 0;
    return result;
}

bool signatureRead(ByteSource &log)
{
    char signature[LOG_SIGNATURE_LENGTH];
    return log.read(signature, sizeof signature) &&
           std::memcmp(signature, LOG_SIGNATURE, LOG_SIGNATURE_LENGTH) == 0;
}

LogReadResult damagedAtStart()
{
    LogReadResult result;
    result.status = LogReadStatus::Damaged;
    return result;
}

// Where an entry seems to begin from `from` on: a block whose length is
// possible, whose text begins with a comment line and ends at a line end,
// and which a possible block follows. Only a guess, to read the log's
// second half beside its first; the first half's reading confirms it or
// the guess is dropped.
std::optional<std::uint64_t> entryStartAfter(int fd, std::uint64_t from, std::uint64_t size)
{
    constexpr std::size_t WINDOW = 64 * 1024;
    std::vector<std::uint8_t> window(std::size_t(std::min<std::uint64_t>(WINDOW, size - from)));
    DirectFdSource source(fd, from, size);
    if (!source.read(window.data(), window.size()))
        return std::nullopt;
    std::uint8_t text[LOG_BLOCK_BUFFER_SIZE];
    auto lengthAt = [&](std::size_t at) {
        return std::uint32_t(window[at]) | std::uint32_t(window[at + 1]) << 8 |
               std::uint32_t(window[at + 2]) << 16 | std::uint32_t(window[at + 3]) << 24;
    };
    std::uint8_t quote = '"';
    ScrambleInPlace(&quote, 1); // a block's first byte, scrambled
    for (std::size_t at = 0; at + 8 <= window.size(); ++at) {
        if (window[at + 4] != quote)
            continue;
        const std::uint32_t length = lengthAt(at);
        const std::size_t next = at + 4 + length;
        if (length < 7 || length > LOG_BLOCK_BUFFER_SIZE || next + 4 > window.size() ||
            lengthAt(next) > LOG_BLOCK_BUFFER_SIZE)
            continue;
        std::memcpy(text, window.data() + at + 4, length);
        ScrambleInPlace(text, length);
        const std::string_view head(reinterpret_cast<const char *>(text), length);
        if (head.find("\"\r\n", 1) != std::string_view::npos && head.ends_with("\r\n"))
            return from + at;
    }
    return std::nullopt;
}

// The second half of a log, read beside the first from a guessed entry
// start.
struct SecondHalf
{
    std::vector<LogRecord> records;
    LogReadResult result;
    std::atomic<bool> cancel{false};
    std::thread thread;

    // Also when the first half's reading ends in an exception.
    ~SecondHalf()
    {
        cancel = true;
        if (thread.joinable())
            thread.join();
    }
};

} // namespace

LogReadResult ReadLogEntries(ByteSource &log, std::vector<LogRecord> &into, int logIndex)
{
    if (log.remaining() == 0)
        return {};
    if (!signatureRead(log))
        return damagedAtStart();
    EntryParser parser(into, logIndex);
    BlockScanner blocks(log, LOG_SIGNATURE_LENGTH);
    return finishRead(parser, parseBlocks(blocks, parser, UINT64_MAX));
}

// A large log is read in two halves side by side: the second from where an
// entry seems to begin in its middle, the first up to there. The second
// half's entries are kept only when the first half's reading reaches that
// point exactly, between two entries; otherwise the first goes on alone. So
// the result is always that of reading the log in one go.
static LogReadResult readLogFd(int fd, std::uint64_t size, std::vector<LogRecord> &into,
                               int logIndex, std::uint64_t splitAbove)
{
    DirectFdSource source(fd, 0, size);
    if (size == 0)
        return {};
    if (!signatureRead(source))
        return damagedAtStart();
    std::optional<SecondHalf> second;
    std::uint64_t stop = UINT64_MAX;
    if (size >= splitAbove && size > LOG_SIGNATURE_LENGTH &&
        std::thread::hardware_concurrency() != 1) {
        const std::uint64_t middle = std::max<std::uint64_t>(size / 2, LOG_SIGNATURE_LENGTH);
        if (const auto guess = entryStartAfter(fd, middle, size)) {
            stop = *guess;
            second.emplace();
            SecondHalf &half = *second;
            try {
                half.thread = std::thread([fd, size, logIndex, stop, &half] {
                    DirectFdSource rest(fd, stop, size);
                    BlockScanner blocks(rest, stop);
                    EntryParser parser(half.records, logIndex);
                    const Outcome outcome = parseBlocks(blocks, parser, UINT64_MAX, &half.cancel);
                    if (outcome != Outcome::Cancelled)
                        half.result = finishRead(parser, outcome);
                });
            } catch (const std::system_error &) {
                // No thread to be had: the log is read in one go.
                second.reset();
                stop = UINT64_MAX;
            }
        }
    }
    EntryParser parser(into, logIndex);
    BlockScanner blocks(source, LOG_SIGNATURE_LENGTH);
    Outcome outcome = parseBlocks(blocks, parser, stop);
    if (second) {
        const bool joins = outcome == Outcome::AtStop && parser.betweenEntries();
        second->cancel = !joins;
        second->thread.join();
        if (joins) {
            LogReadResult result = second->result;
            into.insert(into.end(), std::make_move_iterator(second->records.begin()),
                        std::make_move_iterator(second->records.end()));
            result.entries += parser.added();
            if (result.status == LogReadStatus::Damaged)
                result.damagedAfter += parser.ended();
            return result;
        }
        if (outcome == Outcome::AtStop || outcome == Outcome::PastStop)
            outcome = parseBlocks(blocks, parser, UINT64_MAX);
    }
    return finishRead(parser, outcome);
}

LogReadResult ReadLogFile(const std::string &path, std::vector<LogRecord> &into, int logIndex,
                          int lockWaitMs, std::uint64_t splitAbove)
{
    LogReadResult result;
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0) {
        result.status = errno == ENOENT || errno == ENOTDIR ? LogReadStatus::Missing
                                                            : LogReadStatus::NotReadable;
        return result;
    }
    struct stat info = {};
    if (::fstat(fd.get(), &info) != 0) {
        result.status = LogReadStatus::NotReadable;
        return result;
    }
    if (S_ISDIR(info.st_mode)) {
        result.status = LogReadStatus::Folder;
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.status = LogReadStatus::NotFile;
        return result;
    }
    // An append in progress holds an exclusive lock; wait for its entry.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(lockWaitMs);
    // A file system without locks is read as it is.
    while (!LockFile(fd.get(), LockKind::Shared, false) && (errno == EAGAIN || errno == EACCES)) {
        if (std::chrono::steady_clock::now() >= deadline) {
            result.status = LogReadStatus::InUse;
            return result;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    (void)::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
    // The size once the lock is held: an append waited for has grown it.
    if (::fstat(fd.get(), &info) != 0) {
        result.status = LogReadStatus::NotReadable;
        return result;
    }
    return readLogFd(fd.get(), std::uint64_t(std::max<off_t>(info.st_size, 0)), into, logIndex,
                     splitAbove);
}

std::string AnswerLetters(std::uint8_t bits)
{
    std::string text;
    for (int i = 0; i < 5; ++i)
        if (bits & (1u << i))
            text += char('A' + i);
    return text;
}
