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

std::optional<std::uint32_t> number(std::string_view text)
{
    // By hand: five million of these in a large class's log.
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + std::uint64_t(c - '0');
    }
    if (value > 0xffffffffu)
        return std::nullopt;
    return std::uint32_t(value);
}

// Answer letters A to E, each at most once; "" is no letter at all.
std::optional<std::uint8_t> letters(std::string_view text)
{
    std::uint8_t bits = 0;
    for (const char c : text) {
        if (c < 'A' || c > 'E')
            return std::nullopt;
        const auto bit = std::uint8_t(1u << (c - 'A'));
        if (bits & bit)
            return std::nullopt;
        bits |= bit;
    }
    return bits;
}

// Splits at commas into exactly `n` fields, in one pass over the line.
template<std::size_t n>
bool fields(std::string_view line, std::array<std::string_view, n> &out)
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

std::optional<LoggedQuestion> questionLine(std::string_view line, std::uint32_t expected)
{
    std::array<std::string_view, 5> f;
    if (!fields(line, f) || number(f[0]) != expected)
        return std::nullopt;
    LoggedQuestion q;
    const auto c = number(f[3]);
    const auto d = number(f[4]);
    if (!c || !d)
        return std::nullopt;
    if (const auto a = number(f[1])) {
        // Flash cards: score, earned, flag, presented.
        const auto b = number(f[2]);
        if (!b || *d > 1)
            return std::nullopt;
        q.flashCard = true;
        q.presented = *d == 1;
        q.score = std::int32_t(*a);
        q.earned = q.presented ? std::int32_t(*b) : 0;
        return q;
    }
    // Multiple choice: correct, chosen, score, earned; "X,X" when not shown.
    q.score = std::int32_t(*c);
    if (f[1] == "X") {
        if (f[2] != "X")
            return std::nullopt;
        return q;
    }
    const auto correct = letters(f[1]);
    if (!correct)
        return std::nullopt;
    q.presented = true;
    q.correct = *correct;
    q.earned = std::int32_t(*d);
    if (f[2] == "X") {
        q.none = true;
    } else if (const auto chosen = letters(f[2]); chosen && *chosen != 0) {
        q.chosen = *chosen;
    } else {
        return std::nullopt;
    }
    return q;
}

// "Presented,p,ep,sp,pp%" or "All,q,ea,sa,pa%".
bool summaryLine(std::string_view line, std::string_view label)
{
    std::array<std::string_view, 5> f;
    if (!fields(line, f) || f[0] != label || !number(f[1]) || !number(f[2]) || !number(f[3]))
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
        case Expect::Question:
            if (line.starts_with("Presented,")) {
                if (m_record.questions.size() != std::size_t(m_record.questionCount) ||
                    !summaryLine(line, "Presented"))
                    return false;
                m_expect = Expect::All;
                return true;
            }
            if (m_record.questions.size() >= std::size_t(m_record.questionCount))
                return false;
            if (const auto q =
                    questionLine(line, std::uint32_t(m_record.questions.size() + 1))) {
                m_record.questions.push_back(*q);
                return true;
            }
            return false;
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
    std::array<std::uint8_t, LOG_BLOCK_BUFFER_SIZE> buffer;
    while (log.remaining() > 0) {
        std::uint32_t length = 0;
        if (!ReadUInt32(log, length) || length > buffer.size() || length > log.remaining() ||
            !log.read(buffer.data(), length))
            return damaged();
        ScrambleInPlace(buffer.data(), length);
        if (!parser.feed({reinterpret_cast<const char *>(buffer.data()), length}))
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
    FdSource source(fd.get());
    if (!source.valid()) {
        result.status = LogReadStatus::NotReadable;
        return result;
    }
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
