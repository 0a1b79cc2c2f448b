// SPDX-License-Identifier: GPL-3.0-or-later
// Results analysis of a class's log: 100,000 entries of a 50-question quiz
// read back and turned into every figure, against the log export of the
// same file (which unscrambles and writes out the same text). The peak
// memory of the analysis is measured in a child process, against the log's
// size.

#include "BenchFiles.h"

#include "log/LogEntry.h"
#include "log/ResultsLog.h"
#include "model/ByteStream.h"
#include "model/Quiz.h"
#include "model/Scramble.h"
#include "results/LogReader.h"
#include "results/ResultsStats.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>

namespace {

constexpr int ENTRIES = 100000;
constexpr int QUESTIONS = 50;

// Takers of 16 kinds (each answering its own way), cycled over the class.
const std::string &classLog()
{
    static const std::string path = [] {
        std::vector<std::vector<std::string>> kinds;
        for (int kind = 0; kind < 16; ++kind) {
            Quiz quiz;
            for (int i = 0; i < QUESTIONS; ++i) {
                auto q = std::make_unique<CQuestion>();
                q->score = 1 + i % 3;
                q->correct[std::size_t(i % 4)] = 1;
                const bool right = (kind * 7 + i * 3) % 16 < kind;
                q->chosen[std::size_t(right ? i % 4 : (i + kind) % 5)] = 1;
                q->presented = (kind + i) % 23 != 0;
                q->earnedPoints = q->presented && q->chosen == q->correct ? q->score : 0;
                quiz.AppendQuestion(std::move(q));
            }
            kinds.push_back(LogEntryBlocks(quiz, "Taker of kind " + std::to_string(kind)));
        }
        const std::string file = benchPath("class.blg");
        std::vector<std::uint8_t> bytes(LOG_SIGNATURE, LOG_SIGNATURE + LOG_SIGNATURE_LENGTH);
        for (int e = 0; e < ENTRIES; ++e) {
            for (const std::string &text : kinds[std::size_t(e % 16)]) {
                VectorSink sink;
                WriteUInt32(sink, std::uint32_t(text.size()));
                const std::vector<std::uint8_t> scrambled = ScrambleString(text);
                bytes.insert(bytes.end(), sink.bytes.begin(), sink.bytes.end());
                bytes.insert(bytes.end(), scrambled.begin(), scrambled.end());
            }
        }
        writeWhole(file, bytes, true);
        return file;
    }();
    return path;
}

// `whileHeld` runs while the entries and the figures are still held.
void analyse(const std::string &path, const std::function<void()> &whileHeld = {})
{
    std::vector<LogRecord> records;
    check(ReadLogFile(path, records).status == LogReadStatus::Ok, "read the class's log");
    const ResultsAnalysis analysis = AnalyseResults(records, QUESTIONS, false);
    check(analysis.summary.complete == ENTRIES, "every entry counted");
    benchmark::DoNotOptimize(analysis.summary.alpha);
    if (whileHeld)
        whileHeld();
}

void ResultsAnalyse(benchmark::State &state)
{
    const std::string &path = classLog();
    for (auto _ : state)
        analyse(path);
    state.SetBytesProcessed(state.iterations() * std::int64_t(fileSize(path)));
}

void ResultsExport(benchmark::State &state)
{
    const std::string &path = classLog();
    const std::string out = benchPath("class.txt");
    for (auto _ : state)
        check(ExportLogFile(path, out) == ExportResult::Ok, "export the class's log");
    state.SetBytesProcessed(state.iterations() * std::int64_t(fileSize(path)));
}

std::int64_t statusKilobytes(const char *field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::atoll(line.c_str() + std::strlen(field));
    return -1;
}

// In a fresh process (this program again, started by exec), so that
// nothing this one held or freed before counts: the growth from its
// resident size at the start to the high-water mark at the end. The
// kernel raises the mark lazily, when memory is given back, so it is read
// while everything is still held as well.
void ResultsMemory(benchmark::State &state)
{
    const std::string &path = classLog();
    std::int64_t peak = 0;
    for (auto _ : state) {
        int channel[2];
        check(::pipe(channel) == 0, "pipe");
        const pid_t child = ::fork();
        check(child >= 0, "fork");
        if (child == 0) {
            ::close(channel[0]);
            ::setenv("BRAINLOFT_BENCH_MEMORY_FD", std::to_string(channel[1]).c_str(), 1);
            ::setenv("BRAINLOFT_BENCH_MEMORY_LOG", path.c_str(), 1);
            ::execl("/proc/self/exe", "brainloft_bench", static_cast<char *>(nullptr));
            ::_exit(127);
        }
        ::close(channel[1]);
        check(::read(channel[0], &peak, sizeof peak) == ssize_t(sizeof peak), "child's peak");
        ::close(channel[0]);
        int status = 0;
        ::waitpid(child, &status, 0);
    }
    state.counters["peak_bytes"] = double(peak);
    state.counters["log_bytes"] = double(fileSize(path));
}

} // namespace

BENCHMARK(ResultsAnalyse)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ResultsExport)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ResultsMemory)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

int RunResultsMemoryChild()
{
    const char *channel = std::getenv("BRAINLOFT_BENCH_MEMORY_FD");
    if (!channel)
        return -1;
    const std::int64_t start = statusKilobytes("VmRSS:");
    std::int64_t held = 0;
    analyse(std::getenv("BRAINLOFT_BENCH_MEMORY_LOG"), [&] { held = statusKilobytes("VmHWM:"); });
    const std::int64_t grown = (std::max(held, statusKilobytes("VmHWM:")) - start) * 1024;
    return ::write(std::atoi(channel), &grown, sizeof grown) == ssize_t(sizeof grown) ? 0 : 1;
}
