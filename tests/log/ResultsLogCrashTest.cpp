// SPDX-License-Identifier: GPL-3.0-or-later
// Appends killed at random moments: a helper process appends entries to one
// log over and over and is killed (SIGKILL) after a random wait, hundreds
// of times, each round adding to the same log. After every kill the log
// must hold every entry written before, whole, and the new ones in order;
// only the entry under way when the kill came may be cut: between two of
// its blocks, where it stays, or inside a block, which the next append cuts
// off. At the end the export gives all of it. BRAINLOFT_CRASH_ROUNDS
// sets the number of kills (300 by default, a few seconds) for longer runs
// by hand.

#include "LogFixtures.h"

#include "log/LogEntry.h"
#include "log/ResultsLog.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>

extern char **environ;

namespace {

constexpr int QUESTIONS = 150; // three blocks an entry

int crashRounds()
{
    const char *configured = std::getenv("BRAINLOFT_CRASH_ROUNDS");
    return configured ? std::max(1, std::atoi(configured)) : 300;
}

// The blocks of the helper's entry number `index` in round `round`.
std::vector<std::string> entryBlocks(int round, int index)
{
    Quiz quiz;
    fillMixedQuiz(quiz, QUESTIONS, unsigned(index));
    return LogEntryBlocks(quiz, "round" + std::to_string(round) + "#" + std::to_string(index));
}

// The block texts stored from `offset` on, up to the last complete block;
// returns where that block ends.
std::size_t blocksFrom(const std::string &bytes, std::size_t offset,
                       std::vector<std::string> &blocks)
{
    while (bytes.size() - offset >= 4) {
        const auto *p = reinterpret_cast<const std::uint8_t *>(bytes.data() + offset);
        const std::size_t length = p[0] | p[1] << 8 | p[2] << 16 | std::size_t(p[3]) << 24;
        if (length > bytes.size() - offset - 4)
            break;
        std::string text = bytes.substr(offset + 4, length);
        for (std::size_t i = 0; i < length; ++i)
            text[i] = char(text[i] ^ "vostregink"[9 - i % 10]);
        blocks.push_back(std::move(text));
        offset += 4 + length;
    }
    return offset;
}

} // namespace

TEST(ResultsLogCrash, AKilledAppendKeepsEveryEarlierEntry)
{
    QTemporaryDir dir;
    const std::string log = dir.filePath(QStringLiteral("quiz.blg")).toStdString();
    std::mt19937 random(4242);
    const int rounds = crashRounds();
    std::string everything;  // the text the export must give
    std::size_t checked = 0; // bytes of the log checked so far
    int entries = 0, cutEntries = 0, cutBlocks = 0;
    for (int round = 0; round < rounds; ++round) {
        std::string program = LOG_APPEND_HELPER;
        std::string args[] = {log, "round" + std::to_string(round), std::to_string(QUESTIONS),
                              "1000000"};
        char *argv[] = {program.data(), args[0].data(), args[1].data(),
                        args[2].data(), args[3].data(), nullptr};
        pid_t pid = -1;
        ASSERT_EQ(::posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ), 0);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 8000));
        ASSERT_EQ(::kill(pid, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the helper ended by itself: " << status;

        const std::string bytes = readText(log);
        if (bytes.empty())
            continue; // killed before it created the log
        ASSERT_EQ(bytes.compare(0, LOG_SIGNATURE_LENGTH, LOG_SIGNATURE), 0);
        if (checked == 0)
            checked = LOG_SIGNATURE_LENGTH;
        // A kill inside a write can leave part of a block at the end; the
        // next append cuts it off.
        std::vector<std::string> blocks;
        const std::size_t complete = blocksFrom(bytes, checked, blocks);
        if (complete != bytes.size())
            ++cutBlocks;
        // This round's entries in order, the last one possibly cut between
        // two of its blocks.
        std::size_t at = 0;
        for (int index = 0; at < blocks.size(); ++index) {
            const std::vector<std::string> expected = entryBlocks(round, index);
            for (std::size_t b = 0; b < expected.size() && at < blocks.size(); ++b, ++at) {
                ASSERT_EQ(blocks[at], expected[b])
                    << "round " << round << ", entry " << index << ", block " << b;
                everything += blocks[at];
                if (b + 1 == expected.size())
                    ++entries;
                else if (at + 1 == blocks.size())
                    ++cutEntries;
            }
        }
        checked = complete;
    }

    // One more entry, appended in peace, follows all of it.
    Quiz last;
    fillExampleQuiz(last);
    last.logPathName = log;
    ASSERT_TRUE(RecordResult(last, "last"));
    everything += LogEntryText(last, "last");
    const std::string out = log + ".txt";
    ASSERT_EQ(ExportLogFile(log, out), ExportResult::Ok);
    EXPECT_EQ(readText(out), everything);
    std::printf("%d kills; %d entries whole, %d cut between blocks, %d blocks cut short (cut "
                "off by the next append); the export holds all of them (%zu bytes of log)\n",
                rounds, entries, cutEntries, cutBlocks, checked);
    RecordProperty("kills", rounds);
    RecordProperty("wholeEntries", entries);
    RecordProperty("cutEntries", cutEntries);
    RecordProperty("cutBlocks", cutBlocks);
}
