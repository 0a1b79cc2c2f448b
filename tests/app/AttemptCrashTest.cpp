// SPDX-License-Identifier: GPL-3.0-or-later
// Quiz runs killed at random moments: a helper process takes a scripted quiz
// through the real main window (attempt_crash_helper) and is killed with
// SIGKILL after a random wait, then started again, which resumes the run,
// until a start finishes it. The log must then hold exactly the entry that an
// uninterrupted run of the same script logs: no answer lost, no second gained
// or lost, the entry written once. One test per scenario (review and shuffled
// order; an overall time-out; flash cards), 100 kills each;
// BRAINLOFT_CRASH_ROUNDS sets the number of kills of all three (300 by
// default) for longer runs by hand.
//
// A kill keeps whatever reached the page cache, synced or not, so the files
// go to a memory file system where there is one: the syncs only cost time here.

#include "log/ResultsLog.h"
#include "model/Quiz.h"
#include "taking/AttemptJournal.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>

extern char **environ;

namespace {

int crashRounds()
{
    const char *configured = std::getenv("BRAINLOFT_CRASH_ROUNDS");
    return std::max(1, (configured ? std::atoi(configured) : 300) / 3);
}

struct Helper
{
    pid_t pid = -1;
    int out = -1; // its standard output: one byte once a question is shown
};

Helper spawnHelper(std::vector<std::string> args)
{
    args.insert(args.begin(), ATTEMPT_CRASH_HELPER);
    std::vector<char *> argv;
    for (std::string &arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    int pipe[2];
    EXPECT_EQ(::pipe2(pipe, O_CLOEXEC), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    Helper helper;
    EXPECT_EQ(::posix_spawn(&helper.pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipe[1]);
    helper.out = pipe[0];
    return helper;
}

// Waits until the helper shows a question (or ends); false when it did not
// within a minute.
bool waitUntilAsking(const Helper &helper)
{
    pollfd fd{helper.out, POLLIN, 0};
    if (::poll(&fd, 1, 60000) != 1)
        return false;
    char byte;
    (void)::read(helper.out, &byte, 1);
    return true;
}

// The helper's exit status, -1 when the test killed it, or 128 and the
// signal that ended it otherwise (a sanitizer's abort, say).
int waitFor(const Helper &helper)
{
    int status = 0;
    EXPECT_EQ(::waitpid(helper.pid, &status, 0), helper.pid);
    ::close(helper.out);
    if (WIFSIGNALED(status))
        return WTERMSIG(status) == SIGKILL ? -1 : 128 + WTERMSIG(status);
    return WEXITSTATUS(status);
}

QString logOf(const std::string &quiz)
{
    return QString::fromStdString(quiz.substr(0, quiz.size() - 3) + "blg");
}

std::string exportedLog(const std::string &quiz)
{
    const std::string log = logOf(quiz).toStdString();
    const std::string out = quiz + ".txt";
    if (ExportLogFile(log, out) != ExportResult::Ok)
        return "(no log)";
    QFile file(QString::fromStdString(out));
    if (!file.open(QIODevice::ReadOnly))
        return "(no export)";
    return file.readAll().toStdString();
}

class AttemptCrash : public ::testing::TestWithParam<int>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_savedState = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("state"))));
    }
    void TearDown() override { qputenv("XDG_STATE_HOME", m_savedState); }

    std::string makeQuiz(const std::string &name)
    {
        QDir(m_dir.path()).mkdir(QString::fromStdString(name));
        const std::string path =
            m_dir.filePath(QString::fromStdString(name + "/quiz.blz")).toStdString();
        EXPECT_EQ(waitFor(spawnHelper({"make", path, std::to_string(GetParam())})), 0);
        return path;
    }

    QTemporaryDir m_dir{QDir("/dev/shm").isReadable() ? QStringLiteral("/dev/shm/brainloft-XXXXXX")
                                                      : QDir::tempPath() + "/brainloft-XXXXXX"};
    QByteArray m_savedState;
};

} // namespace

TEST_P(AttemptCrash, AKilledRunResumesToTheEntryOfAnUninterruptedOne)
{
    const std::string scenario = std::to_string(GetParam());
    QElapsedTimer clock;
    clock.start();

    // The uninterrupted run: its entry, and how long start-up and run take.
    const std::string reference = makeQuiz("reference");
    QElapsedTimer timer;
    timer.start();
    const Helper first = spawnHelper({"run", reference, scenario, "0"});
    ASSERT_TRUE(waitUntilAsking(first));
    const std::int64_t startUp = std::max<std::int64_t>(timer.nsecsElapsed() / 1000, 1);
    ASSERT_EQ(waitFor(first), 0);
    const std::int64_t running = std::max<std::int64_t>(timer.nsecsElapsed() / 1000 - startUp, 1);
    const std::string expected = exportedLog(reference);
    ASSERT_NE(expected.find("\"crash test\""), std::string::npos) << expected;
    EXPECT_FALSE(AttemptJournal(reference).read()) << "an ended run leaves no journal";

    std::mt19937 random(16016 + GetParam());
    const int rounds = crashRounds();
    int kills = 0, runs = 0, starts = 0, inStartUp = 0, resumed = 0;
    while (kills < rounds) {
        const std::string quiz = makeQuiz("killed" + std::to_string(runs));
        for (int start = 0;; ++start) {
            ASSERT_LT(start, 1000) << "run " << runs << " never ends";
            resumed += AttemptJournal(quiz).read() ? 1 : 0;
            const Helper helper = spawnHelper({"run", quiz, scenario, std::to_string(++starts)});
            // One kill in eight during start-up (loading, the resume
            // question), the others within half a run's time of the first
            // question shown, so that a run is killed a few times on its
            // way to the end.
            if (random() % 8 == 0) {
                std::this_thread::sleep_for(std::chrono::microseconds(random() % startUp));
                ++inStartUp;
            } else {
                ASSERT_TRUE(waitUntilAsking(helper)) << "no question shown within a minute";
                std::this_thread::sleep_for(
                    std::chrono::microseconds(random() % std::uint64_t(running / 2 + 1)));
            }
            ::kill(helper.pid, SIGKILL);
            const int status = waitFor(helper);
            if (status == -1) {
                ++kills;
                // Killed after the run had ended and taken its journal
                // away: a new start would take the quiz again.
                if (!AttemptJournal(quiz).read() && QFile::exists(logOf(quiz)))
                    break;
                continue;
            }
            ASSERT_EQ(status, 0) << "run " << runs
                                 << ": 3 means a resumed question's answers moved";
            break;
        }
        ASSERT_EQ(exportedLog(quiz), expected) << "run " << runs;
        ++runs;
    }
    std::printf("scenario %s: %d kills (%d in start-up) in %d runs, %d starts (%d resuming), each "
                "run logged as the uninterrupted one; a run alone %.0f ms after %.0f ms of "
                "start-up; %.1f s\n",
                scenario.c_str(), kills, inStartUp, runs, starts, resumed, double(running) / 1000,
                double(startUp) / 1000, double(clock.elapsed()) / 1000);
    RecordProperty("kills", kills);
    RecordProperty("runs", runs);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, AttemptCrash, ::testing::Values(0, 1, 2));
