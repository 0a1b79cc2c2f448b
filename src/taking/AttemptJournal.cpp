// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/AttemptJournal.h"

#include "model/Quiz.h"
#include "model/QuizFile.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

constexpr char MAGIC[] = "Brainloft Attempt";
constexpr std::size_t MAGIC_LENGTH = sizeof MAGIC - 1;
constexpr char SUFFIX[] = ".attempt";
// The atomic writer's temporary files; one is left behind only when a
// process is killed in the moment between naming it and renaming it.
constexpr char TEMPORARY_PREFIX[] = ".brainloft-save-";
constexpr std::time_t STALE_TEMPORARY_SECONDS = 3600;
constexpr std::size_t MAX_PATH_LENGTH = 4096;
constexpr std::size_t MAX_COMMENT_LENGTH = 1024;
constexpr std::size_t MAX_QUESTION_COUNT = 512;
// Far above the largest journal (512 questions, the longest path and comment).
constexpr off_t MAX_FILE_SIZE = 64 * 1024;

// CRC-32 (IEEE 802.3, reflected), table made once.
std::uint32_t crc32(std::span<const std::uint8_t> bytes)
{
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const std::uint8_t b : bytes)
        crc = table[(crc ^ b) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

// Writes into a buffer made to the journal's exact size beforehand.
class Writer
{
public:
    explicit Writer(std::uint8_t *out)
        : m_at(out)
    {}
    void bytes(const void *data, std::size_t n)
    {
        if (n)
            std::memcpy(m_at, data, n);
        m_at += n;
    }
    template<class T> void number(T value)
    {
        const std::uint64_t u = static_cast<std::make_unsigned_t<T>>(value);
        for (std::size_t i = 0; i < sizeof(T); ++i)
            *m_at++ = static_cast<std::uint8_t>(u >> (8 * i));
    }
    void flag(bool value) { *m_at++ = value ? 1 : 0; }
    [[nodiscard]] const std::uint8_t *at() const { return m_at; }

private:
    std::uint8_t *m_at;
};

class Reader
{
public:
    explicit Reader(std::span<const std::uint8_t> bytes)
        : m_bytes(bytes)
    {}
    bool bytes(void *out, std::size_t n)
    {
        if (n > m_bytes.size() - m_pos)
            return false;
        if (n)
            std::memcpy(out, m_bytes.data() + m_pos, n);
        m_pos += n;
        return true;
    }
    template<class T> bool number(T &value)
    {
        std::uint8_t raw[sizeof(T)];
        if (!bytes(raw, sizeof raw))
            return false;
        std::uint64_t u = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i)
            u |= std::uint64_t(raw[i]) << (8 * i);
        value = static_cast<T>(static_cast<std::make_unsigned_t<T>>(u));
        return true;
    }
    // Only 0 and 1, so that a journal read back writes the same bytes.
    bool flag(bool &value)
    {
        std::uint8_t raw = 0;
        if (!number(raw) || raw > 1)
            return false;
        value = raw != 0;
        return true;
    }
    [[nodiscard]] std::size_t position() const { return m_pos; }

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
};

void encodeQuestionState(Writer &w, const QuestionState &state)
{
    for (const std::int8_t slot : state.answerOrder)
        w.number(slot);
    w.number(state.worth);
    w.number(state.reduceCounter);
    w.number(state.secondsLeft);
    w.flag(state.answerShown);
    w.flag(state.timedOut);
}

bool decodeQuestionState(Reader &r, QuestionState &state)
{
    for (std::int8_t &slot : state.answerOrder) {
        if (!r.number(slot))
            return false;
    }
    if (!r.number(state.worth) || !r.number(state.reduceCounter) || !r.number(state.secondsLeft) ||
        !r.flag(state.answerShown) || !r.flag(state.timedOut))
        return false;
    // The used slots come first and show distinct answers.
    bool unused = false;
    unsigned seen = 0;
    for (const std::int8_t slot : state.answerOrder) {
        if (slot < -1 || slot > 4 || (slot >= 0 && (unused || (seen >> slot & 1))))
            return false;
        if (slot < 0)
            unused = true;
        else
            seen |= 1u << slot;
    }
    return state.reduceCounter >= -1 && state.secondsLeft >= 0 &&
           (state.answerShown || !state.timedOut);
}

bool isPermutation(const std::vector<std::uint16_t> &order)
{
    std::vector<bool> taken(order.size(), false);
    for (const std::uint16_t index : order) {
        if (index >= order.size() || taken[index])
            return false;
        taken[index] = true;
    }
    return true;
}

// Makes each missing folder of `path` with 0700, as the state folders should be.
bool makeFolders(const std::string &path)
{
    struct stat info
    {
    };
    if (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        return true; // as at every tick but the first
    for (std::size_t at = 1; at <= path.size(); ++at) {
        if (at != path.size() && path[at] != '/')
            continue;
        const std::string part = path.substr(0, at);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::optional<std::vector<std::uint8_t>> readSmallFile(const std::string &path)
{
    // Not through a link, and never blocking on something that is no file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    std::optional<std::vector<std::uint8_t>> result;
    struct stat info
    {
    };
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= MAX_FILE_SIZE) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size));
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += static_cast<std::size_t>(n);
        }
        if (done == bytes.size())
            result = std::move(bytes);
    }
    ::close(fd);
    return result;
}

} // namespace

std::vector<std::uint8_t> EncodeAttempt(const AttemptRecord &record)
{
    const bool logging = record.phase == AttemptRecord::Phase::Logging;
    const std::size_t size =
        MAGIC_LENGTH + 4 + 8 + 4 + 4 + record.quizPath.size() + 32 + 2 + 2 * record.order.size() +
        1 + 2 + 1 + 12 + 1 + (record.open ? 5 + 12 + 2 : 0) +
        (logging ? 2 + record.comment.size() + 8 : 0) + 5 * record.questions.size() + 4;
    std::vector<std::uint8_t> out(size);
    Writer w(out.data());
    w.bytes(MAGIC, MAGIC_LENGTH);
    w.number(ATTEMPT_VERSION);
    w.number(record.writtenAt);
    w.number(record.sinceTick);
    w.number(static_cast<std::uint32_t>(record.quizPath.size()));
    w.bytes(record.quizPath.data(), record.quizPath.size());
    w.bytes(record.fingerprint.data(), record.fingerprint.size());
    w.number(static_cast<std::uint16_t>(record.order.size()));
    for (const std::uint16_t index : record.order)
        w.number(index);
    w.number(static_cast<std::uint8_t>(record.phase));
    w.number(record.current);
    w.flag(record.completed);
    w.number(record.possiblePoints);
    w.number(record.earnedPoints);
    w.number(record.quizSecondsLeft);
    w.flag(record.open.has_value());
    if (record.open)
        encodeQuestionState(w, *record.open);
    if (logging) {
        w.number(static_cast<std::uint16_t>(record.comment.size()));
        w.bytes(record.comment.data(), record.comment.size());
        w.number(record.logSize);
    }
    for (const AttemptQuestion &question : record.questions) {
        std::uint8_t flags = question.presented ? 1 : 0;
        for (int i = 0; i < 5; ++i)
            flags |= static_cast<std::uint8_t>((question.chosen[i] ? 1 : 0) << (i + 1));
        w.number(flags);
        w.number(question.earned);
    }
    w.number(crc32(std::span(out).first(size - 4)));
    if (w.at() != out.data() + size)
        std::abort(); // the size above has fallen behind the layout
    return out;
}

std::optional<AttemptRecord> DecodeAttempt(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < MAGIC_LENGTH + 4 || std::memcmp(bytes.data(), MAGIC, MAGIC_LENGTH) != 0)
        return std::nullopt;
    const std::span<const std::uint8_t> body = bytes.first(bytes.size() - 4);
    Reader r(bytes);
    AttemptRecord record;
    char magic[MAGIC_LENGTH];
    std::uint32_t version = 0, pathLength = 0;
    if (!r.bytes(magic, MAGIC_LENGTH) || !r.number(version) || version != ATTEMPT_VERSION ||
        !r.number(record.writtenAt) || !r.number(record.sinceTick) || record.sinceTick < 0 ||
        record.sinceTick > 999 || !r.number(pathLength) || pathLength == 0 ||
        pathLength > MAX_PATH_LENGTH)
        return std::nullopt;
    record.quizPath.resize(pathLength);
    if (!r.bytes(record.quizPath.data(), pathLength) || record.quizPath.front() != '/' ||
        record.quizPath.find('\0') != std::string::npos ||
        !r.bytes(record.fingerprint.data(), record.fingerprint.size()))
        return std::nullopt;

    std::uint16_t count = 0;
    if (!r.number(count) || count == 0 || count > MAX_QUESTION_COUNT)
        return std::nullopt;
    record.order.resize(count);
    for (std::uint16_t &index : record.order) {
        if (!r.number(index))
            return std::nullopt;
    }
    std::uint8_t phase = 0;
    bool open = false;
    if (!isPermutation(record.order) || !r.number(phase) || phase > 2 ||
        !r.number(record.current) || !r.flag(record.completed) ||
        !r.number(record.possiblePoints) || !r.number(record.earnedPoints) ||
        !r.number(record.quizSecondsLeft) || !r.flag(open))
        return std::nullopt;
    record.phase = static_cast<AttemptRecord::Phase>(phase);
    // Asking: a question is under way. Afterwards: the run has ended, after
    // every question or at a stop, and no question is open.
    if (record.phase == AttemptRecord::Phase::Asking
            ? record.current >= count || record.completed
            : record.current > count || open || record.completed != (record.current == count))
        return std::nullopt;
    if (open) {
        record.open.emplace();
        if (!decodeQuestionState(r, *record.open))
            return std::nullopt;
    }
    if (record.phase == AttemptRecord::Phase::Logging) {
        std::uint16_t length = 0;
        if (!r.number(length) || length > MAX_COMMENT_LENGTH)
            return std::nullopt;
        record.comment.resize(length);
        if (!r.bytes(record.comment.data(), length) || !r.number(record.logSize))
            return std::nullopt;
    }
    record.questions.resize(count);
    for (AttemptQuestion &question : record.questions) {
        std::uint8_t flags = 0;
        if (!r.number(flags) || flags > 0x3F || !r.number(question.earned))
            return std::nullopt;
        question.presented = flags & 1;
        for (int i = 0; i < 5; ++i)
            question.chosen[i] = flags >> (i + 1) & 1;
    }
    std::uint32_t stored = 0;
    if (r.position() != body.size() || !r.number(stored) || stored != crc32(body))
        return std::nullopt;
    return record;
}

std::array<std::uint8_t, 32> QuizFingerprint(const Quiz &quiz)
{
    VectorSink sink;
    WriteQuiz(quiz, sink); // into memory, which cannot fail
    const QByteArray hash =
        QCryptographicHash::hash(QByteArrayView(sink.bytes.data(), qsizetype(sink.bytes.size())),
                                 QCryptographicHash::Sha256);
    std::array<std::uint8_t, 32> out{};
    std::memcpy(out.data(), hash.constData(), out.size());
    return out;
}

std::string AttemptsFolder()
{
    // As the base directory standard says: unset, empty or relative means the default.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || !QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return QFile::encodeName(QDir::cleanPath(state + QStringLiteral("/brainloft/attempts")))
        .toStdString();
}

AttemptJournal::AttemptJournal(const std::string &quizPath, std::string folder)
    : m_folder(std::move(folder))
{
    const QByteArray hash = QCryptographicHash::hash(
        QByteArrayView(quizPath.data(), qsizetype(quizPath.size())), QCryptographicHash::Sha256);
    const std::string name = m_folder + '/' + hash.toHex().left(32).toStdString();
    m_path = name + SUFFIX;
    m_tickPath = name + "-tick" + SUFFIX;
}

std::optional<AttemptRecord> AttemptJournal::read() const
{
    // A tick's file is there only when it is newer than the synced one.
    for (const std::string *path : {&m_tickPath, &m_path}) {
        if (const auto bytes = readSmallFile(*path)) {
            if (std::optional<AttemptRecord> record = DecodeAttempt(*bytes))
                return record;
        }
    }
    return std::nullopt;
}

bool AttemptJournal::write(const AttemptRecord &record, AtomicFile::Sync sync) const
{
    if (!makeFolders(m_folder))
        return false;
    const std::vector<std::uint8_t> bytes = EncodeAttempt(record);
    // The last tick's file goes first, so that it is never older than the
    // synced one. A tick's file is never renamed over an old one, either:
    // ext4 and others write a file out at once when it replaces another,
    // which costs a tick a millisecond or more on a busy disk, and a power
    // cut that loses a tick's file leaves the synced one.
    ::unlink(m_tickPath.c_str());
    AtomicFile file(sync == AtomicFile::Sync::Durable ? m_path : m_tickPath);
    file.setMode(0600);
    return file.open() && file.write(bytes.data(), bytes.size()) && file.commit(sync);
}

void AttemptJournal::remove() const
{
    ::unlink(m_tickPath.c_str());
    ::unlink(m_path.c_str());
}

void SweepAttempts(const std::string &folder)
{
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    const std::size_t suffixLength = sizeof SUFFIX - 1;
    const std::time_t now = std::time(nullptr);
    while (const dirent *entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        const std::string path = folder + '/' + name;
        struct stat info
        {
        };
        if (name.starts_with(TEMPORARY_PREFIX)) {
            if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
                now - info.st_mtime > STALE_TEMPORARY_SECONDS)
                ::unlink(path.c_str());
            continue;
        }
        if (!name.ends_with(SUFFIX) || name.size() == suffixLength)
            continue;
        const auto bytes = readSmallFile(path);
        const auto record = bytes ? DecodeAttempt(*bytes) : std::nullopt;
        // Only a quiz that is surely gone: a folder that cannot be reached
        // now (a network share, say) may come back.
        if (!record ||
            (::stat(record->quizPath.c_str(), &info) != 0 && (errno == ENOENT || errno == ENOTDIR)))
            ::unlink(path.c_str());
    }
    ::closedir(dir);
}
