// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up against the bare Qt dialog program, measured so that other
// work on the machine disturbs the comparison less: the two probes start in
// turn (each first in every other round), the medians are compared, and
// beside the time to the first paint the processor time each probe used up
// to it (user and system, from the kernel's account of the child).

#include "BenchFiles.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char **environ;

namespace {

struct Start
{
    double wallSeconds;
    double processorSeconds;
};

double secondsOf(const timeval &time)
{
    return double(time.tv_sec) + double(time.tv_usec) / 1e6;
}

// Starts the probe; the seconds from just before its start to its first
// paint (as it reports it), and the processor time it used.
Start startProbe(const std::string &program)
{
    int out[2];
    check(::pipe2(out, O_CLOEXEC) == 0, "pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char *argv[] = {const_cast<char *>(program.c_str()), nullptr};
    timespec start{};
    ::clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t child = 0;
    check(::posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ) == 0,
          "start a probe");
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    char line[64] = {};
    std::size_t got = 0;
    ssize_t n;
    while (got < sizeof line - 1 && (n = ::read(out[0], line + got, sizeof line - 1 - got)) > 0)
        got += std::size_t(n);
    ::close(out[0]);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    check(WIFEXITED(status) && WEXITSTATUS(status) == 0 && got > 0, "probe did not report");
    const double painted = double(std::strtoll(line, nullptr, 10)) / 1e9;
    return {painted - (double(start.tv_sec) + double(start.tv_nsec) / 1e9),
            secondsOf(usage.ru_utime) + secondsOf(usage.ru_stime)};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void StartupInTurn(benchmark::State &state)
{
    // The program registers itself in the user's folders at every start: the
    // same home of their own as the other start-up benchmarks.
    const std::string home = benchPath("home");
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home + "/.local/share").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (home + "/.cache").c_str(), 1);
    ::setenv("XDG_STATE_HOME", (home + "/.local/state").c_str(), 1);
    const std::string folder = QCoreApplication::applicationDirPath().toStdString() + "/";
    const std::string brainloft = folder + "startup_brainloft";
    const std::string bare = folder + "startup_bare_dialog";
    // The first start writes the desktop files; neither first start is measured.
    startProbe(brainloft);
    startProbe(bare);

    std::vector<double> wall[2], processor[2];
    bool brainloftFirst = true;
    for (auto _ : state) {
        for (const bool isBrainloft : {brainloftFirst, !brainloftFirst}) {
            const Start run = startProbe(isBrainloft ? brainloft : bare);
            wall[isBrainloft].push_back(run.wallSeconds);
            processor[isBrainloft].push_back(run.processorSeconds);
        }
        state.SetIterationTime(wall[1].back());
        brainloftFirst = !brainloftFirst;
    }
    // In microseconds: the table prints counters as whole numbers.
    state.counters["brainloft_us"] = median(wall[1]) * 1e6;
    state.counters["bare_us"] = median(wall[0]) * 1e6;
    state.counters["brainloft_cpu_us"] = median(processor[1]) * 1e6;
    state.counters["bare_cpu_us"] = median(processor[0]) * 1e6;
}

} // namespace

BENCHMARK(StartupInTurn)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(40);
