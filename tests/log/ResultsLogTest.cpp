// SPDX-License-Identifier: GPL-3.0-or-later

#include "LogFixtures.h"

#include "log/LogEntry.h"
#include "log/ResultsLog.h"
#include "model/FileLock.h"
#include "model/Scramble.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <map>
#include <ostream>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace {

using namespace std::chrono_literals;

std::string entryText(int questions, unsigned seed, const std::string &comment)
{
    Quiz quiz;
    fillMixedQuiz(quiz, questions, seed);
    return LogEntryText(quiz, comment);
}

// Starts the append helper with the given arguments; returns its pid.
pid_t spawnHelper(std::vector<std::string> args)
{
    args.insert(args.begin(), LOG_APPEND_HELPER);
    std::vector<char *> argv;
    for (std::string &arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    EXPECT_EQ(posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ), 0);
    return pid;
}

int waitExit(pid_t pid)
{
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

std::string exported(const std::string &log, ExportResult expected = ExportResult::Ok)
{
    const std::string out = log + ".txt";
    EXPECT_EQ(ExportLogFile(log, out), expected);
    return readText(out);
}

class ResultsLogFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        log = dir.filePath(QStringLiteral("quiz.blg")).toStdString();
        quiz.logPathName = log;
        fillExampleQuiz(quiz);
    }

    // An exclusive lock on the log from another open file, as another taker's
    // append would hold it.
    int holdLock()
    {
        const int fd = ::open(log.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        EXPECT_GE(fd, 0);
        EXPECT_TRUE(LockFile(fd, LockKind::Exclusive, false));
        return fd;
    }

    QTemporaryDir dir;
    std::string log;
    Quiz quiz;
};

} // namespace

TEST_F(ResultsLogFiles, FirstEntryCreatesTheLogWithItsSignature)
{
    ASSERT_TRUE(RecordResult(quiz, "First"));
    const std::string bytes = readText(log);
    ASSERT_GE(bytes.size(), 17u);
    EXPECT_EQ(bytes.substr(0, 13), "Brainloft Log");
    // The first block: its length, then the comment and count lines scrambled.
    const std::string head = "\"First\"\r\n3\r\n";
    EXPECT_EQ(bytes.substr(13, 4), std::string("\x0c\0\0\0", 4));
    EXPECT_NE(bytes.substr(17, head.size()), head);
    const auto blocks = readLogBlocks(log);
    ASSERT_TRUE(blocks);
    ASSERT_EQ(blocks->size(), 2u);
    EXPECT_EQ((*blocks)[0], head);
    EXPECT_EQ((*blocks)[0] + (*blocks)[1], "\"First\"\r\n" + std::string(EXAMPLE_ENTRY_TAIL));
}

TEST_F(ResultsLogFiles, SecondEntryFollowsWithoutSecondSignature)
{
    ASSERT_TRUE(RecordResult(quiz, "First"));
    const std::size_t firstSize = readText(log).size();
    quiz.QuestionAt(1)->earnedPoints = 2;
    ASSERT_TRUE(RecordResult(quiz, "Second"));
    const std::string bytes = readText(log);
    EXPECT_EQ(bytes.find("Brainloft Log", 1), std::string::npos);
    const auto blocks = readLogBlocks(log);
    ASSERT_TRUE(blocks);
    ASSERT_EQ(blocks->size(), 4u);
    EXPECT_EQ((*blocks)[2], "\"Second\"\r\n3\r\n");
    EXPECT_EQ(bytes.size(), firstSize + 4 + (*blocks)[2].size() + 4 + (*blocks)[3].size());
}

TEST_F(ResultsLogFiles, ExportOfTwoEntriesIsExactlyTheirText)
{
    ASSERT_TRUE(RecordResult(quiz, "Ann"));
    Quiz flash;
    flash.logPathName = log;
    flash.quizType = 1;
    flash.AppendQuestion(makeAnswered("", "", 2, 2));
    ASSERT_TRUE(RecordResult(flash, "Bob"));
    EXPECT_EQ(exported(log), "\"Ann\"\r\n" + std::string(EXAMPLE_ENTRY_TAIL) +
                                 "\"Bob\"\r\n1\r\n1,2,2,0,1\r\n"
                                 "Presented,1,2,2,100.00%\r\nAll,1,2,2,100.00%\r\n");
}

TEST_F(ResultsLogFiles, TwoHundredQuestionsAreStoredInThreeBlocks)
{
    Quiz big;
    big.logPathName = log;
    fillAllRightQuiz(big, 200);
    ASSERT_TRUE(RecordResult(big, "Long"));
    const auto blocks = readLogBlocks(log);
    ASSERT_TRUE(blocks);
    ASSERT_EQ(blocks->size(), 3u);
    EXPECT_EQ((*blocks)[0], "\"Long\"\r\n200\r\n");
    EXPECT_EQ((*blocks)[1].size(), 2050u);
    EXPECT_EQ(exported(log), LogEntryText(big, "Long"));
}

TEST_F(ResultsLogFiles, ExistingFilesKeepTheirContent)
{
    // An empty file receives the signature; a file without it only blocks,
    // which the export then rejects.
    writeText(log, "");
    ASSERT_TRUE(RecordResult(quiz, "a"));
    EXPECT_TRUE(readLogBlocks(log));

    writeText(log, "plain text");
    ASSERT_TRUE(RecordResult(quiz, "a"));
    EXPECT_EQ(readText(log).substr(0, 10), "plain text");
    EXPECT_EQ(exported(log, ExportResult::Damaged), "");
}

TEST_F(ResultsLogFiles, UnwritableLogLosesNothing)
{
    ASSERT_TRUE(RecordResult(quiz, "kept"));
    const std::string before = readText(log);
    ASSERT_EQ(::chmod(log.c_str(), 0444), 0);
    EXPECT_FALSE(RecordResult(quiz, "refused"));
    EXPECT_EQ(readText(log), before);

    Quiz elsewhere;
    elsewhere.logPathName = dir.filePath(QStringLiteral("missing/quiz.blg")).toStdString();
    EXPECT_FALSE(RecordResult(elsewhere, "x"));
    Quiz unnamed;
    EXPECT_FALSE(RecordResult(unnamed, "x"));
    // A folder under the log's name is no log.
    Quiz folder;
    folder.logPathName = dir.path().toStdString();
    EXPECT_FALSE(RecordResult(folder, "x"));
}

TEST_F(ResultsLogFiles, ReadOnlyFolderRefusesANewLog)
{
    // Root may write anywhere; the helper drops to an ordinary user.
    ASSERT_EQ(::chmod(dir.path().toLocal8Bit().constData(), 0755), 0);
    const std::string folder = dir.filePath(QStringLiteral("locked")).toStdString();
    ASSERT_EQ(::mkdir(folder.c_str(), 0555), 0);
    const std::string locked = folder + "/quiz.blg";
    EXPECT_EQ(waitExit(spawnHelper({locked, "x", "3", "1", "--as-nobody"})), 1);
    EXPECT_NE(::access(locked.c_str(), F_OK), 0);
}

TEST_F(ResultsLogFiles, WriteFailingPartwayKeepsTheLogReadable)
{
    ASSERT_TRUE(RecordResult(quiz, "before"));
    const std::size_t before = readText(log).size();
    // Room for the next entry's first block and half of its second: the
    // file size limit makes the write fail inside that block.
    const std::string head = "\"cut#0\"\r\n200\r\n";
    const std::size_t limit = before + 4 + head.size() + 1000;
    EXPECT_EQ(waitExit(spawnHelper({log, "cut", "200", "1", "--fsize", std::to_string(limit)})), 1);
    EXPECT_EQ(readText(log).size(), before + 4 + head.size());

    ASSERT_TRUE(RecordResult(quiz, "after"));
    EXPECT_EQ(exported(log), "\"before\"\r\n" + std::string(EXAMPLE_ENTRY_TAIL) + head +
                                 "\"after\"\r\n" + EXAMPLE_ENTRY_TAIL);
}

TEST_F(ResultsLogFiles, AppendWaitsForAnotherTakersLock)
{
    const int other = holdLock();
    std::thread release([other] {
        std::this_thread::sleep_for(50ms);
        ::close(other);
    });
    EXPECT_TRUE(RecordResult(quiz, "waited", 5s));
    release.join();
    EXPECT_EQ(exported(log), "\"waited\"\r\n" + std::string(EXAMPLE_ENTRY_TAIL));
}

TEST_F(ResultsLogFiles, AppendGivesUpWhenTheLockIsNotReleased)
{
    const int other = holdLock();
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(RecordResult(quiz, "late", 100ms));
    EXPECT_GE(std::chrono::steady_clock::now() - started, 100ms);
    EXPECT_EQ(readText(log), "");
    EXPECT_EQ(ExportLogFile(log, log + ".txt", 50ms), ExportResult::InputOpenFailed);
    EXPECT_EQ(DeleteLogFile(log), DeleteResult::Refused);
    ::close(other);
}

TEST_F(ResultsLogFiles, AppendWaitingWhileTheLogIsDeletedWritesANewLog)
{
    ASSERT_TRUE(RecordResult(quiz, "old"));
    const int other = holdLock();
    std::thread taker([this] { EXPECT_TRUE(RecordResult(quiz, "new", 5s)); });
    std::this_thread::sleep_for(50ms); // the taker has opened the old file and waits
    ASSERT_EQ(::unlink(log.c_str()), 0);
    ::close(other);
    taker.join();
    EXPECT_EQ(exported(log), "\"new\"\r\n" + std::string(EXAMPLE_ENTRY_TAIL));
}

// Takers finishing together on a shared folder: while one append holds the
// log the others wait, and when it lets go every entry arrives whole, with
// one signature, however the appends meet.
TEST_F(ResultsLogFiles, ConcurrentAppendsFromSeveralProcesses)
{
    constexpr int processes = 8, repeat = 20, questions = 400;
    const int first = holdLock();
    std::vector<pid_t> pids;
    for (int p = 0; p < processes; ++p)
        pids.push_back(spawnHelper(
            {log, "taker" + std::to_string(p), std::to_string(questions), std::to_string(repeat)}));
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(readText(log), "") << "an append did not wait for the lock";
    ::close(first);
    for (const pid_t pid : pids)
        EXPECT_EQ(waitExit(pid), 0);

    std::map<std::string, std::string> expected; // comment → entry text
    for (int p = 0; p < processes; ++p) {
        for (int r = 0; r < repeat; ++r) {
            const std::string comment = "taker" + std::to_string(p) + "#" + std::to_string(r);
            expected[comment] = entryText(questions, unsigned(r), comment);
        }
    }
    const std::string text = exported(log);
    std::size_t pos = 0;
    while (pos < text.size() && !expected.empty()) {
        const std::size_t quote = text.find('"', pos + 1);
        ASSERT_NE(quote, std::string::npos);
        const std::string comment = text.substr(pos + 1, quote - pos - 1);
        const auto found = expected.find(comment);
        ASSERT_NE(found, expected.end()) << "unexpected text at " << pos;
        ASSERT_EQ(text.compare(pos, found->second.size(), found->second), 0)
            << "entry " << comment << " is not whole";
        pos += found->second.size();
        expected.erase(found);
    }
    EXPECT_TRUE(expected.empty()) << expected.size() << " entries missing";
    EXPECT_EQ(pos, text.size());
}

namespace {

std::vector<std::uint8_t> bytesOf(const std::string &text)
{
    return {text.begin(), text.end()};
}

std::string block(const std::string &text)
{
    std::string stored(4, '\0');
    for (int i = 0; i < 4; ++i)
        stored[i] = char(text.size() >> (8 * i));
    const std::vector<std::uint8_t> scrambled = ScrambleString(text);
    return stored + std::string(scrambled.begin(), scrambled.end());
}

struct ExportCase
{
    const char *name;
    std::string log;
    ExportResult result;
    std::string text;
    friend void PrintTo(const ExportCase &c, std::ostream *os) { *os << c.name; }
};

class LogExport : public ::testing::TestWithParam<ExportCase>
{
};

const std::string SIGNATURE = "Brainloft Log";
const std::string FULL(4096, 'f');

} // namespace

TEST_P(LogExport, ReadsOnlyWhatIsThere)
{
    const std::vector<std::uint8_t> bytes = bytesOf(GetParam().log);
    MemorySource source(bytes);
    VectorSink sink;
    EXPECT_EQ(ExportLogBlocks(source, sink), GetParam().result);
    EXPECT_EQ(std::string(sink.bytes.begin(), sink.bytes.end()), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LogExport,
    ::testing::Values(
        ExportCase{"Empty", "", ExportResult::Damaged, ""},
        ExportCase{"SignatureOnly", SIGNATURE, ExportResult::Ok, ""},
        ExportCase{"ShortSignature", "Brainloft Lo", ExportResult::Damaged, ""},
        ExportCase{"OtherSignature", "brainloft log" + block("x"), ExportResult::Damaged, ""},
        ExportCase{"TwoBlocks", SIGNATURE + block("ab\r\n") + block("cd\r\n"), ExportResult::Ok,
                   "ab\r\ncd\r\n"},
        ExportCase{"EmptyBlock", SIGNATURE + block("") + block("z"), ExportResult::Ok, "z"},
        ExportCase{"CutInsideLength", SIGNATURE + block("ab") + std::string("\x05\0", 2),
                   ExportResult::Damaged, "ab"},
        ExportCase{"CutInsideBlock", SIGNATURE + block("ab") + block("cdef").substr(0, 6),
                   ExportResult::Damaged, "ab"},
        ExportCase{"FourGigabyteLength", SIGNATURE + std::string("\xff\xff\xff\xff", 4) + "abc",
                   ExportResult::Damaged, ""},
        ExportCase{"BlockFillsTheBuffer", SIGNATURE + block(FULL), ExportResult::Ok, FULL},
        ExportCase{"BlockLongerThanTheBuffer", SIGNATURE + block(FULL + "g") + block("h"),
                   ExportResult::Damaged, ""},
        ExportCase{"SecondSignatureInside", SIGNATURE + block("a") + SIGNATURE,
                   ExportResult::Damaged, "a"}),
    [](const auto &info) { return std::string(info.param.name); });

// What the next append does with the end of a log that an earlier append
// (or something else) left behind.
TEST_F(ResultsLogFiles, AppendCutsOffOnlyABlockCutShort)
{
    const std::string entry = "\"e\"\r\n" + std::string(EXAMPLE_ENTRY_TAIL);
    const std::string head = "\"x\"\r\n3\r\n";
    const std::string cutBlock = block(std::string(100, 'q')).substr(0, 14);
    struct Case
    {
        const char *what;
        std::string tail;     // appended to a log holding one entry
        bool kept;            // the tail stays in the file
        std::string exported; // the export of the tail, when it is kept
    } cases[] = {
        {"a block cut inside its text", cutBlock, false, ""},
        {"a block cut inside its length", block("abc").substr(0, 2), false, ""},
        {"a cut block after an entry cut between blocks", block(head) + cutBlock, false, head},
        {"an entry cut between two blocks", block(head), true, head},
        {"an empty block", block(""), true, ""},
    };
    for (const Case &c : cases) {
        ::unlink(log.c_str());
        ASSERT_TRUE(RecordResult(quiz, "e"));
        writeText(log, readText(log) + c.tail);
        ASSERT_TRUE(RecordResult(quiz, "e")) << c.what;
        EXPECT_EQ(exported(log), entry + c.exported + entry) << c.what;
    }

    // Damage no append leaves (a block longer than the buffer) and a file
    // that is no log are not the append's to mend: it only adds its entry.
    const std::string oversized = block(std::string(LOG_BLOCK_BUFFER_SIZE + 1, 'o'));
    for (const std::string &start :
         {SIGNATURE + oversized.substr(0, 3000), std::string("some other text")}) {
        writeText(log, start);
        ASSERT_TRUE(RecordResult(quiz, "e"));
        const std::string after = readText(log);
        EXPECT_EQ(after.compare(0, start.size(), start), 0);
        EXPECT_GT(after.size(), start.size() + entry.size());
    }
}

TEST(LogExportCore, StopsAtTheFirstFailedWrite)
{
    class FailingSink : public ByteSink
    {
    public:
        bool write(const void *, std::size_t) override { return ++writes < 2; }
        int writes = 0;
    } sink;
    const std::vector<std::uint8_t> bytes =
        bytesOf(SIGNATURE + block("a") + block("b") + block("c"));
    MemorySource source(bytes);
    EXPECT_EQ(ExportLogBlocks(source, sink), ExportResult::WriteFailed);
    EXPECT_EQ(sink.writes, 2);
}

TEST_F(ResultsLogFiles, ExportNeverOverwritesTheLogItself)
{
    ASSERT_TRUE(RecordResult(quiz, "mine"));
    const std::string before = readText(log);
    const std::string hardLink = log + ".hard";
    const std::string softLink = dir.filePath(QStringLiteral("link.txt")).toStdString();
    ASSERT_EQ(::link(log.c_str(), hardLink.c_str()), 0);
    ASSERT_EQ(::symlink(log.c_str(), softLink.c_str()), 0);
    for (const std::string &target :
         {log, hardLink, softLink, dir.path().toStdString() + "/./quiz.blg"}) {
        EXPECT_EQ(ExportLogFile(log, target), ExportResult::SameFile) << target;
        EXPECT_EQ(readText(log), before);
    }
}

TEST_F(ResultsLogFiles, ExportReportsEachFailure)
{
    EXPECT_EQ(ExportLogFile(log, log + ".txt"), ExportResult::InputOpenFailed);
    ASSERT_TRUE(RecordResult(quiz, "a"));
    EXPECT_EQ(ExportLogFile(dir.path().toStdString(), log + ".txt"), ExportResult::InputOpenFailed);
    EXPECT_EQ(ExportLogFile(log, dir.filePath(QStringLiteral("no/such.txt")).toStdString()),
              ExportResult::OutputCreateFailed);
    EXPECT_EQ(ExportLogFile(log, dir.path().toStdString()), ExportResult::OutputCreateFailed);
    if (::access("/dev/full", W_OK) == 0) {
        EXPECT_EQ(ExportLogFile(log, "/dev/full"), ExportResult::WriteFailed);
    }

    // An existing output is replaced entirely.
    const std::string out = log + ".txt";
    writeText(out, std::string(5000, 'o'));
    EXPECT_EQ(ExportLogFile(log, out), ExportResult::Ok);
    EXPECT_EQ(readText(out), "\"a\"\r\n" + std::string(EXAMPLE_ENTRY_TAIL));
}

TEST_F(ResultsLogFiles, ExportOfADamagedLogKeepsTheTextBeforeTheDamage)
{
    ASSERT_TRUE(RecordResult(quiz, "a"));
    writeText(log, readText(log) + std::string("\x09\0\0\0ab", 6)); // a block cut short
    const std::string out = log + ".txt";
    EXPECT_EQ(ExportLogFile(log, out), ExportResult::Damaged);
    EXPECT_EQ(readText(out), "\"a\"\r\n" + std::string(EXAMPLE_ENTRY_TAIL));
}

TEST_F(ResultsLogFiles, DeleteRemovesOnlyAWritableLog)
{
    EXPECT_EQ(DeleteLogFile(log), DeleteResult::Missing);
    ASSERT_TRUE(RecordResult(quiz, "a"));
    EXPECT_TRUE(LogFileReadable(log));
    ASSERT_EQ(::chmod(log.c_str(), 0444), 0);
    EXPECT_EQ(DeleteLogFile(log), DeleteResult::Refused);
    EXPECT_TRUE(LogFileReadable(log));
    ASSERT_EQ(::chmod(log.c_str(), 0644), 0);
    EXPECT_EQ(DeleteLogFile(log), DeleteResult::Deleted);
    EXPECT_FALSE(LogFileReadable(log));
    EXPECT_FALSE(LogFileReadable(dir.path().toStdString()));
}

TEST_F(ResultsLogFiles, AnInterruptedLogStepIsFinishedExactlyOnce)
{
    const std::string lines = std::string(EXAMPLE_ENTRY_TAIL).substr(3); // after the count
    const std::string ours = block("\"Ada\"\r\n3\r\n") + block(lines);
    const std::string bobs = block("\"Bob\"\r\n3\r\n") + block(lines);
    const std::string entry = "\"Ada\"\r\n" + std::string(EXAMPLE_ENTRY_TAIL);
    const std::string other = "\"Bob\"\r\n" + std::string(EXAMPLE_ENTRY_TAIL);
    struct Case
    {
        const char *what;
        std::string after; // what the log got after the step began
        std::string exported;
    } cases[] = {
        {"nothing yet", "", entry},
        {"the whole entry", ours, entry},
        {"the entry cut between its blocks", block("\"Ada\"\r\n3\r\n"), entry},
        {"and a block cut short", block("\"Ada\"\r\n3\r\n") + block(lines).substr(0, 9), entry},
        {"another taker's entry first", bobs, other + entry},
        {"another taker's entry after it", ours + bobs, entry + other},
    };
    // On a log with an entry before, and on one the step itself began.
    for (const bool first : {false, true}) {
        for (const Case &c : cases) {
            ::unlink(log.c_str());
            if (!first) {
                ASSERT_TRUE(RecordResult(quiz, "e"));
            }
            const std::uint64_t start = LogEntriesEnd(log);
            writeText(log, first ? SIGNATURE + c.after : readText(log) + c.after);
            ASSERT_TRUE(FinishRecordResult(quiz, "Ada", start)) << c.what;
            EXPECT_EQ(exported(log),
                      (first ? "" : "\"e\"\r\n" + std::string(EXAMPLE_ENTRY_TAIL)) + c.exported)
                << c.what << (first ? ", first entry" : "");
        }
    }
    EXPECT_EQ(LogEntriesEnd(dir.filePath(QStringLiteral("none.blg")).toStdString()), 0u);
}
