// SPDX-License-Identifier: GPL-3.0-or-later

#include "LogReader.h"

#include "log/ResultsLog.h"
#include "model/FileLock.h"
#include "model/Quiz.h"
#include "model/Scramble.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// The writer's lines are a few dozen characters; a comment is at most 64.
// Anything far longer is not a log line, and is not collected.
constexpr std::size_t LONGEST_LINE = 2 * LOG_BLOCK_BUFFER_SIZE;

// By hand and inlined: five million of these in a large class's log.
// Up to ten digits, and no more than fits 32 bits.
[[gnu::always_inline]] inline bool number(const char *text, std::size_t size,
                                          std::uint32_t &out)
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
                if (read != std::size_t(m_record.questionCount) ||
                    !summaryLine(line, "Presented"))
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
// time: a log of a large class is tens of megabytes.
class DirectFdSource : public ByteSource
{
public:
    DirectFdSource(int fd, std::uint64_t size)
        : m_fd(fd)
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
                got = ::read(m_fd, out, n);
            } while (got < 0 && errno == EINTR);
            if (got <= 0)
                return false;
            out += got;
            n -= std::size_t(got);
            m_consumed += std::uint64_t(got);
        }
        return true;
    }
    [[nodiscard]] std::uint64_t remaining() const override { return m_size - m_consumed; }

private:
    int m_fd;
    std::uint64_t m_size;
    std::uint64_t m_consumed = 0;
};

} // namespace

LogReadResult ReadLogEntries(ByteSource &log, std::vector<LogRecord> &into, int logIndex)
{
    LogReadResult result;
    EntryParser parser(into, logIndex);
    auto damaged = [&] {
        parser.abandon();
        result.status = LogReadStatus::Damaged;
        result.entries = parser.added();
        result.damagedAfter = parser.ended();
        return result;
    };
    if (log.remaining() == 0)
        return result;
    char signature[LOG_SIGNATURE_LENGTH];
    if (!log.read(signature, sizeof signature) ||
        std::memcmp(signature, LOG_SIGNATURE, LOG_SIGNATURE_LENGTH) != 0)
        return damaged();
    // The blocks are taken from a buffer filled many at a time, and
    // unscrambled and parsed where they lie.
    constexpr std::size_t CHUNK = 64 * 1024;
    static_assert(CHUNK >= 4 + LOG_BLOCK_BUFFER_SIZE);
    std::vector<std::uint8_t> chunk(CHUNK);
    std::size_t have = 0, at = 0;
    // At least `need` bytes from `at` on; false when the log has fewer.
    auto fill = [&](std::size_t need) {
        if (have - at >= need)
            return true;
        std::memmove(chunk.data(), chunk.data() + at, have - at);
        have -= at;
        at = 0;
        const std::size_t want = std::size_t(std::min<std::uint64_t>(CHUNK - have, log.remaining()));
        if (want > 0 && !log.read(chunk.data() + have, want))
            return false;
        have += want;
        return have - at >= need;
    };
    while (at < have || log.remaining() > 0) {
        if (!fill(4))
            return damaged();
        const std::uint8_t *head = chunk.data() + at;
        const std::uint32_t length = std::uint32_t(head[0]) | std::uint32_t(head[1]) << 8 |
                                     std::uint32_t(head[2]) << 16 | std::uint32_t(head[3]) << 24;
        if (length > LOG_BLOCK_BUFFER_SIZE || length > (have - at - 4) + log.remaining() ||
            !fill(4 + std::size_t(length)))
            return damaged();
        std::uint8_t *block = chunk.data() + at + 4;
        at += 4 + std::size_t(length);
        ScrambleInPlace(block, length);
        if (!parser.feed({reinterpret_cast<const char *>(block), length}))
            return damaged();
    }
    if (!parser.finish()) {
        result.status = LogReadStatus::Damaged;
        result.damagedAfter = parser.ended();
    }
    result.entries = parser.added();
    return result;
}

LogReadResult ReadLogFile(const std::string &path, std::vector<LogRecord> &into, int logIndex,
                          int lockWaitMs)
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
    DirectFdSource source(fd.get(), std::uint64_t(std::max<off_t>(info.st_size, 0)));
    return ReadLogEntries(source, into, logIndex);
}

std::string AnswerLetters(std::uint8_t bits)
{
    std::string text;
    for (int i = 0; i < 5; ++i)
        if (bits & (1u << i))
            text += char('A' + i);
    return text;
}
