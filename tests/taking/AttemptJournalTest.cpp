// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/AttemptJournal.h"

#include "OrdinaryUser.h"
#include "QuizFixtures.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <functional>

namespace {

// A run of five questions, the third on screen in review after a time-out.
AttemptRecord sampleRecord()
{
    AttemptRecord record;
    record.quizPath = "/home/taker/quizzes/unit 1.blz";
    for (std::uint8_t i = 0; i < 32; ++i)
        record.fingerprint[i] = i * 7;
    record.writtenAt = 1'700'000'123'456;
    record.sinceTick = 345;
    record.order = {4, 0, 2, 1, 3};
    record.current = 2;
    record.possiblePoints = 5;
    record.earnedPoints = 3;
    record.quizSecondsLeft = -1;
    QuestionState open;
    open.answerOrder = {2, 0, 1, -1, -1};
    open.worth = 4;
    open.reduceCounter = 3;
    open.secondsLeft = 0;
    open.answerShown = true;
    open.timedOut = true;
    record.open = open;
    record.questions.resize(5);
    record.questions[4] = {true, {1, 0, 0, 0, 0}, 3};
    record.questions[0] = {true, {0, 1, 1, 0, 1}, 0};
    record.questions[2] = {true, {}, 0};
    return record;
}

std::vector<std::uint8_t> bytesOf(const AttemptRecord &record)
{
    return EncodeAttempt(record);
}

constexpr std::size_t MAGIC_SIZE = 17; // "Brainloft Attempt", then the version

// CRC-32 (IEEE) bit by bit, of all but the last four bytes.
std::uint32_t crc32Of(const std::vector<std::uint8_t> &bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i + 4 < bytes.size(); ++i) {
        crc ^= bytes[i];
        for (int k = 0; k < 8; ++k)
            crc = crc & 1 ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
    }
    return ~crc;
}

std::uint32_t storedCrc(const std::vector<std::uint8_t> &bytes)
{
    const std::uint8_t *p = bytes.data() + bytes.size() - 4;
    return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24;
}

void sealWithCrc(std::vector<std::uint8_t> &bytes)
{
    const std::uint32_t crc = crc32Of(bytes);
    for (int i = 0; i < 4; ++i)
        bytes[bytes.size() - 4 + std::size_t(i)] = std::uint8_t(crc >> (8 * i));
}

struct Breakage
{
    const char *what;
    std::function<void(AttemptRecord &)> change;
};

} // namespace

TEST(AttemptJournal, RecordsRoundTripInEveryPhase)
{
    AttemptRecord asking = sampleRecord();
    AttemptRecord reporting = sampleRecord();
    reporting.phase = AttemptRecord::Phase::Reporting;
    reporting.open.reset();
    AttemptRecord logging = reporting;
    logging.phase = AttemptRecord::Phase::Logging;
    logging.current = 5;
    logging.completed = true;
    logging.comment = "Ada, \"class 3\"";
    logging.logSize = 0x1'0000'0001ull;
    for (const AttemptRecord &record : {asking, reporting, logging}) {
        const std::optional<AttemptRecord> read = DecodeAttempt(bytesOf(record));
        ASSERT_TRUE(read);
        EXPECT_EQ(*read, record);
    }
}

TEST(AttemptJournal, RefusesEveryDamagedOrForeignJournal)
{
    const std::vector<std::uint8_t> good = bytesOf(sampleRecord());
    // Cut short anywhere, one bit flipped anywhere, or a byte more.
    for (std::size_t size = 0; size < good.size(); ++size)
        EXPECT_FALSE(DecodeAttempt(std::span(good).first(size))) << "cut at " << size;
    for (std::size_t at = 0; at < good.size(); ++at) {
        std::vector<std::uint8_t> flipped = good;
        flipped[at] ^= 0x10;
        EXPECT_FALSE(DecodeAttempt(flipped)) << "bit flipped at " << at;
    }
    std::vector<std::uint8_t> longer = good;
    longer.push_back(0);
    EXPECT_FALSE(DecodeAttempt(longer));

    // Whole journals, checksum and all, that no run of this version writes.
    const Breakage breakages[] = {
        {"order repeats a question", [](AttemptRecord &r) { r.order[1] = 4; }},
        {"order beyond the quiz", [](AttemptRecord &r) { r.order[0] = 5; }},
        {"no questions", [](AttemptRecord &r) { r.order.clear(), r.questions.clear(); }},
        {"more than 512 questions",
         [](AttemptRecord &r) {
             r.order.resize(513);
             for (std::uint16_t i = 0; i < 513; ++i)
                 r.order[i] = i;
             r.questions.resize(513);
         }},
        {"asking past the last question", [](AttemptRecord &r) { r.current = 5; }},
        {"reports with a question open",
         [](AttemptRecord &r) { r.phase = AttemptRecord::Phase::Reporting; }},
        {"completed before the end",
         [](AttemptRecord &r) {
             r.open.reset(), r.phase = AttemptRecord::Phase::Reporting, r.completed = true;
         }},
        {"a gap among the answers",
         [](AttemptRecord &r) {
             r.open->answerOrder = {0, -1, 1, -1, -1};
         }},
        {"an answer shown twice",
         [](AttemptRecord &r) {
             r.open->answerOrder = {1, 1, -1, -1, -1};
         }},
        {"a sixth answer",
         [](AttemptRecord &r) {
             r.open->answerOrder = {5, 0, -1, -1, -1};
         }},
        {"negative seconds", [](AttemptRecord &r) { r.open->secondsLeft = -1; }},
        {"a counter below off", [](AttemptRecord &r) { r.open->reduceCounter = -2; }},
        {"timed out but no answer shown", [](AttemptRecord &r) { r.open->answerShown = false; }},
        {"a relative quiz path", [](AttemptRecord &r) { r.quizPath = "quiz.blz"; }},
        {"no quiz path", [](AttemptRecord &r) { r.quizPath.clear(); }},
        {"a second past the tick", [](AttemptRecord &r) { r.sinceTick = 1000; }},
    };
    for (const Breakage &breakage : breakages) {
        AttemptRecord record = sampleRecord();
        breakage.change(record);
        EXPECT_FALSE(DecodeAttempt(bytesOf(record))) << breakage.what;
    }

    // The checksum is the usual CRC-32 of all before it; another version is
    // refused even with a checksum that fits.
    std::vector<std::uint8_t> other = good;
    EXPECT_EQ(storedCrc(other), crc32Of(other));
    other[MAGIC_SIZE] = 2;
    sealWithCrc(other);
    EXPECT_FALSE(DecodeAttempt(other));
}

TEST(AttemptJournal, FileIsPrivateAndReplacedWhole)
{
    QTemporaryDir dir;
    const std::string folder =
        dir.filePath(QStringLiteral("state/brainloft/attempts")).toStdString();
    const AttemptJournal journal("/quizzes/unit1.blz", folder);
    EXPECT_FALSE(journal.read());
    // A tick's write is read before the synced one, and the next synced
    // write takes its place.
    AttemptRecord record = sampleRecord();
    ASSERT_TRUE(journal.write(record, AtomicFile::Sync::Durable));
    record.open->secondsLeft = 9;
    ASSERT_TRUE(journal.write(record, AtomicFile::Sync::Unsynced));
    EXPECT_EQ(journal.read(), record);
    record.current = 3;
    record.open.reset();
    ASSERT_TRUE(journal.write(record, AtomicFile::Sync::Durable));
    EXPECT_EQ(journal.read(), record);

    struct stat info
    {
    };
    ASSERT_EQ(::stat(journal.path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    // One file per quiz path, and nothing else left in the folder.
    EXPECT_NE(AttemptJournal("/quizzes/unit2.blz", folder).path(), journal.path());
    EXPECT_EQ(QDir(QString::fromStdString(folder)).entryList(QDir::Files | QDir::Hidden).size(), 1);

    journal.remove();
    EXPECT_FALSE(journal.read());
}

TEST(AttemptJournal, AFolderThatCannotBeWrittenIsNoError)
{
    if (RunAsOrdinaryUser())
        return; // root writes any folder
    QTemporaryDir dir;
    ASSERT_EQ(::chmod(dir.path().toLocal8Bit().constData(), 0500), 0);
    const AttemptJournal journal("/quizzes/unit1.blz",
                                 dir.filePath(QStringLiteral("attempts")).toStdString());
    EXPECT_FALSE(journal.write(sampleRecord(), AtomicFile::Sync::Durable));
    EXPECT_FALSE(journal.read());
    journal.remove();
    ::chmod(dir.path().toLocal8Bit().constData(), 0700);
}

TEST(AttemptJournal, SweepKeepsOnlyJournalsThatCanBeResumed)
{
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    const std::string quiz = pathIn(dir, "live.blz");
    writeFile(quiz, {1});
    AttemptRecord live = sampleRecord();
    live.quizPath = quiz;
    AttemptRecord gone = sampleRecord();
    gone.quizPath = pathIn(dir, "deleted.blz");
    ASSERT_TRUE(AttemptJournal(live.quizPath, folder).write(live, AtomicFile::Sync::Durable));
    ASSERT_TRUE(AttemptJournal(gone.quizPath, folder).write(gone, AtomicFile::Sync::Unsynced));
    ASSERT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3); // the quiz and two journals
    const std::string junk = folder + "/0123456789abcdef0123456789abcdef.attempt";
    writeFile(junk, {'B', 'r', 'a', 'i', 'n'});
    const std::string other = folder + "/notes.txt";
    writeFile(other, {1, 2, 3});

    SweepAttempts(folder);
    EXPECT_TRUE(AttemptJournal(live.quizPath, folder).read());
    EXPECT_FALSE(
        QFile::exists(QString::fromStdString(AttemptJournal(gone.quizPath, folder).path())));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(junk)));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(other)));
}

TEST(AttemptJournal, FolderFollowsTheStateHome)
{
    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", "/srv/state");
    EXPECT_EQ(AttemptsFolder(), "/srv/state/brainloft/attempts");
    qputenv("XDG_STATE_HOME", "relative/state"); // not absolute: the default
    EXPECT_EQ(AttemptsFolder(),
              QDir::homePath().toStdString() + "/.local/state/brainloft/attempts");
    qputenv("XDG_STATE_HOME", saved);
}

TEST(AttemptJournal, FingerprintFollowsTheQuizContent)
{
    Quiz a, b;
    for (Quiz *quiz : {&a, &b}) {
        quiz->AppendQuestion(makeQuestion("Which planet?", {"Mars", "Venus"}, {0}, 2));
        quiz->AppendQuestion(makeQuestion("Which moon?", {"Io", "Titan"}, {1}, 3));
    }
    EXPECT_EQ(QuizFingerprint(a), QuizFingerprint(b));
    // Run fields are no part of the quiz.
    a.QuestionAt(0)->earnedPoints = 2;
    a.quizSecondsLeft = 17;
    EXPECT_EQ(QuizFingerprint(a), QuizFingerprint(b));
    b.QuestionAt(1)->timeLimit = 30;
    EXPECT_NE(QuizFingerprint(a), QuizFingerprint(b));
}
