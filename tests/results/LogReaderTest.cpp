// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/LogReader.h"
#include "results/ResultsText.h"

#include "LogFixtures.h"
#include "QuizFixtures.h"
#include "ResultsTesting.h"
#include "log/ResultsLog.h"
#include "model/Quiz.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string FIRST = McEntry("one", {"A,A,1,1", "B,C,1,0"});
const std::string SECOND = McEntry("two", {"A,B,1,0", "B,B,1,1"});

std::string withLength(std::uint32_t n, const std::string &rest)
{
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8)
        bytes += char((n >> shift) & 0xff);
    return bytes + rest;
}

} // namespace

TEST(LogReader, DamageKeepsTheEntriesBeforeIt)
{
    const std::string good = LogBytes({FIRST, SECOND});
    // The third entry's first block (comment and count) arrives; its rest
    // is damaged.
    const std::string third = Block("\"three\"\r\n2\r\n");
    const struct Case
    {
        const char *name;
        std::string bytes;
        LogReadStatus status;
        std::size_t entries, damagedAfter, complete;
    } cases[] = {
        {"empty file", "", LogReadStatus::Ok, 0, 0, 0},
        {"signature only", LOG_SIGNATURE, LogReadStatus::Ok, 0, 0, 0},
        {"two entries", good, LogReadStatus::Ok, 2, 0, 2},
        {"no signature", "Brainloft Lox" + good.substr(13), LogReadStatus::Damaged, 0, 0, 0},
        {"short signature", "Brainloft", LogReadStatus::Damaged, 0, 0, 0},
        {"cut block", good + withLength(100, "0123456789"), LogReadStatus::Damaged, 2, 2, 2},
        {"cut length", good + "\x05\x00", LogReadStatus::Damaged, 2, 2, 2},
        {"oversized block", good + withLength(5000, std::string(5000, 'x')),
         LogReadStatus::Damaged, 2, 2, 2},
        {"4 GB length", good + withLength(0xffffffffu, "abc"), LogReadStatus::Damaged, 2, 2, 2},
        {"random bytes", good + withLength(7, "\x13\x99\xfe\x00\x42\x17\x80"),
         LogReadStatus::Damaged, 2, 2, 2},
        {"damage inside an entry", good + third + withLength(9, "xx"), LogReadStatus::Damaged, 3,
         2, 2},
        {"text that is no entry", good + Block("hello\r\n"), LogReadStatus::Damaged, 2, 2, 2},
        {"line without its end", good + Block("\"four\"\r\n2"), LogReadStatus::Damaged, 3, 2, 2},
        {"bare line feed", LogBytes({"\"a\"\n1\r\n"}), LogReadStatus::Damaged, 0, 0, 0},
        {"count beyond any quiz", LogBytes({"\"a\"\r\n513\r\n"}), LogReadStatus::Damaged, 1, 0,
         0},
        {"question out of order", LogBytes({"\"a\"\r\n2\r\n2,A,A,1,1\r\n"}),
         LogReadStatus::Damaged, 1, 0, 0},
        {"letter beyond E", LogBytes({McEntry("a", {"F,F,1,1"})}), LogReadStatus::Damaged, 1, 0,
         0},
        {"summary too early", LogBytes({McEntry("a", {"A,A,1,1"}, 2)}), LogReadStatus::Damaged,
         1, 0, 0},
        // A write that failed partway is no damage: the entry is incomplete.
        {"incomplete, then whole", LogBytes({McEntry("cut", {"A,A,1,1"}, 2, false), SECOND}),
         LogReadStatus::Ok, 2, 0, 1},
        {"incomplete at the end", good + third, LogReadStatus::Ok, 3, 0, 2},
    };
    for (const Case &c : cases) {
        std::vector<LogRecord> records;
        const LogReadResult result = ReadLogBytes(c.bytes, records);
        EXPECT_EQ(result.status, c.status) << c.name;
        EXPECT_EQ(result.entries, c.entries) << c.name;
        EXPECT_EQ(records.size(), c.entries) << c.name;
        if (c.status == LogReadStatus::Damaged) {
            EXPECT_EQ(result.damagedAfter, c.damagedAfter) << c.name;
        }
        std::size_t complete = 0;
        for (const LogRecord &record : records)
            complete += record.complete;
        EXPECT_EQ(complete, c.complete) << c.name;
    }
}

TEST(LogReader, MessagesNameTheLog)
{
    LogReadResult damaged;
    damaged.status = LogReadStatus::Damaged;
    damaged.entries = 3;
    damaged.damagedAfter = 2;
    EXPECT_EQ(DescribeLogRead(QStringLiteral("/x/q.blg"), damaged),
              QStringLiteral("/x/q.blg: read 3 entries; the log is damaged after entry 2"));
    EXPECT_TRUE(DescribeLogRead(QStringLiteral("/x/q.blg"), LogReadResult{}).isEmpty());
}

TEST(LogReader, FilesThatAreNoLogAreNamed)
{
    QTemporaryDir dir;
    const std::string fifo = pathIn(dir, "fifo.blg");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string log = pathIn(dir, "quiz.blg");
    writeText(log, LogBytes({FIRST, SECOND}));
    const struct
    {
        std::string path;
        LogReadStatus status;
        const char *message;
    } cases[] = {
        {log, LogReadStatus::Ok, ""},
        {pathIn(dir, "missing.blg"), LogReadStatus::Missing, "%1: there is no such log."},
        {pathIn(dir, ""), LogReadStatus::Folder, "%1 is a folder, not a results log."},
        {fifo, LogReadStatus::NotFile, "%1 is not a file; a results log is an ordinary file."},
    };
    for (const auto &c : cases) {
        std::vector<LogRecord> records;
        const LogReadResult result = ReadLogFile(c.path, records);
        EXPECT_EQ(result.status, c.status) << c.path;
        const QString path = QString::fromStdString(c.path);
        EXPECT_EQ(DescribeLogRead(path, result),
                  *c.message ? QString::fromLatin1(c.message).arg(path) : QString())
            << c.path;
    }
    // Reading never writes: the log keeps its bytes and its time.
    struct stat before = {}, after = {};
    ASSERT_EQ(::stat(log.c_str(), &before), 0);
    std::vector<LogRecord> records;
    (void)ReadLogFile(log, records);
    ASSERT_EQ(::stat(log.c_str(), &after), 0);
    EXPECT_EQ(before.st_mtim.tv_nsec, after.st_mtim.tv_nsec);
    EXPECT_EQ(readText(log), LogBytes({FIRST, SECOND}));
}

// What the log's own writer appends reads back field for field, also for
// an entry of many blocks.
TEST(LogReader, ReadsWhatTheWriterWrote)
{
    QTemporaryDir dir;
    Quiz quiz;
    quiz.SetQuizPathName(pathIn(dir, "quiz.blz"));
    fillExampleQuiz(quiz);
    ASSERT_TRUE(RecordResult(quiz, "first, \"quoted\""));
    Quiz big;
    big.SetQuizPathName(pathIn(dir, "quiz.blz"));
    fillMixedQuiz(big, 200, 7);
    ASSERT_TRUE(RecordResult(big, "many blocks"));

    std::vector<LogRecord> records;
    const LogReadResult result = ReadLogFile(quiz.logPathName, records, 4);
    ASSERT_EQ(result.status, LogReadStatus::Ok);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].comment, "first, \"quoted\"");
    EXPECT_EQ(records[0].log, 4);
    EXPECT_TRUE(records[0].complete);
    ASSERT_EQ(records[0].questions.size(), 3u);
    const LoggedQuestion &second = records[0].questions[1];
    EXPECT_EQ(AnswerLetters(second.correct), "BC");
    EXPECT_EQ(AnswerLetters(second.chosen), "B");
    EXPECT_EQ(second.score, 2);
    EXPECT_FALSE(records[0].questions[2].presented);
    ASSERT_EQ(records[1].questions.size(), 200u);
    for (int i = 0; i < 200; ++i) {
        const CQuestion &q = *big.QuestionAt(i);
        const LoggedQuestion &r = records[1].questions[std::size_t(i)];
        EXPECT_EQ(r.presented, q.presented != 0) << i;
        EXPECT_EQ(r.score, q.score) << i;
        EXPECT_EQ(r.earned, q.presented ? q.earnedPoints : 0) << i;
        if (q.presented) {
            std::uint8_t chosen = 0;
            for (int a = 0; a < 5; ++a)
                chosen |= std::uint8_t(q.chosen[std::size_t(a)] ? 1 << a : 0);
            EXPECT_EQ(r.chosen, chosen) << i;
            EXPECT_EQ(r.none, chosen == 0) << i;
        }
    }
}

// A large log is read in two halves side by side; whatever the damage and
// wherever it lies, the entries and the report are those of one reading.
TEST(LogReader, ReadingInHalvesChangesNothing)
{
    std::vector<std::string> entries;
    for (int i = 0; i < 40; ++i)
        entries.push_back(i % 3 ? McEntry("taker " + std::to_string(i), {"A,A,1,1", "B,C,2,0"})
                                : McEntry("cut " + std::to_string(i), {"A,A,1,1"}, 2, false));
    const std::string good = LogBytes(entries);
    const std::string middle = Block(McEntry("straddles", {"A,B,1,0", "B,B,1,1"}));
    auto withAt = [&](std::size_t at, const std::string &bytes) {
        std::string damaged = good;
        damaged.insert(damaged.find(Block(entries[at])), bytes);
        return damaged;
    };
    const struct
    {
        const char *name;
        std::string bytes;
    } cases[] = {
        {"whole", good},
        {"damaged early", withAt(8, Block("hello\r\n"))},
        {"damaged late", withAt(33, Block("hello\r\n"))},
        {"cut at the end", good + withLength(100, "0123456789")},
        {"an entry open in the middle", withAt(20, Block("\"open\"\r\n2\r\n1,A,A,1,1\r\n"))},
        {"a line cut by the middle", withAt(20, Block("\"a\"\r\n2\r\n1,A,") + middle)},
    };
    QTemporaryDir dir;
    for (const auto &c : cases) {
        std::vector<LogRecord> once, halves;
        const LogReadResult expected = ReadLogBytes(c.bytes, once);
        const std::string path = pathIn(dir, (std::string(c.name) + ".blg").c_str());
        writeText(path, c.bytes);
        const LogReadResult result = ReadLogFile(path, halves, 0, 10000, 0);
        EXPECT_EQ(result.status, expected.status) << c.name;
        EXPECT_EQ(result.entries, expected.entries) << c.name;
        EXPECT_EQ(result.damagedAfter, expected.damagedAfter) << c.name;
        ASSERT_EQ(halves.size(), once.size()) << c.name;
        for (std::size_t e = 0; e < once.size(); ++e) {
            EXPECT_EQ(halves[e].comment, once[e].comment) << c.name << e;
            EXPECT_EQ(halves[e].complete, once[e].complete) << c.name << e;
            ASSERT_EQ(halves[e].questions.size(), once[e].questions.size()) << c.name << e;
            for (std::size_t q = 0; q < once[e].questions.size(); ++q)
                EXPECT_EQ(halves[e].questions[q].earned, once[e].questions[q].earned);
        }
    }
}
