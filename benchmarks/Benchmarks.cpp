// SPDX-License-Identifier: GPL-3.0-or-later
// Brainloft's benchmarks, each against a baseline measured in the same run:
// the quiz file against raw file I/O of the same bytes, scrambling against
// copying, the log export against copying the file, an append to a large log
// against one to an empty log, the start-up against a bare Qt dialog
// program, and the quiz clock against a bare precise timer over two
// minutes. ./bench builds and runs them; the table at the end pairs them.

#include "BenchFiles.h"
#include "PairReporter.h"

#include "app/MainWindow.h"
#include "log/ResultsLog.h"
#include "model/Quiz.h"
#include "model/QuizFile.h"
#include "model/Scramble.h"
#include "taking/QuestionDialog.h"
#include "ui/Prompts.h"
#include "ui/QuizEvents.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <ctime>

extern char **environ;

namespace {

constexpr std::uint64_t LARGE_LOG_BYTES = 100ull * 1000 * 1000;

// ---- the quiz file ----------------------------------------------------------

const std::string &largeQuizFile()
{
    static const std::string path = [] {
        Quiz quiz;
        fillLargeQuiz(quiz);
        const std::string file = benchPath("large.blz");
        check(SaveQuizToFile(quiz, file) == SaveResult::Ok, "save the large quiz");
        return file;
    }();
    return path;
}

void QuizLoad(benchmark::State &state)
{
    const std::string &path = largeQuizFile();
    for (auto _ : state) {
        Quiz quiz;
        check(LoadQuizFromFile(path, quiz) == LoadResult::Ok, "load");
        benchmark::DoNotOptimize(quiz.questionCount());
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(fileSize(path)));
}

void QuizLoadRaw(benchmark::State &state)
{
    const std::string &path = largeQuizFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(readWhole(path).data());
    state.SetBytesProcessed(state.iterations() * std::int64_t(fileSize(path)));
}

void QuizSave(benchmark::State &state)
{
    Quiz quiz;
    fillLargeQuiz(quiz);
    const std::string path = benchPath("saved.blz");
    for (auto _ : state)
        check(SaveQuizToFile(quiz, path) == SaveResult::Ok, "save");
}

// The same bytes written and forced to disk, as the save does.
void QuizSaveRaw(benchmark::State &state)
{
    const std::vector<std::uint8_t> bytes = readWhole(largeQuizFile());
    const std::string path = benchPath("raw.blz");
    for (auto _ : state)
        writeWhole(path, bytes, true);
}

// ---- scrambling ------------------------------------------------------------

std::string textOf(std::size_t length)
{
    std::string text(length, ' ');
    for (std::size_t i = 0; i < length; ++i)
        text[i] = char('a' + i % 26);
    return text;
}

void Scramble(benchmark::State &state)
{
    const std::string text = textOf(std::size_t(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ScrambleString(text).data());
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void ScrambleCopy(benchmark::State &state)
{
    const std::string text = textOf(std::size_t(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(std::vector<std::uint8_t>(text.begin(), text.end()).data());
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

// ---- the results log --------------------------------------------------------

const std::string &largeLog()
{
    static const std::string path = [] {
        const std::string file = benchPath("large.blg");
        makeLog(file, LARGE_LOG_BYTES);
        return file;
    }();
    return path;
}

void LogExport(benchmark::State &state)
{
    const std::string &log = largeLog();
    const std::string out = benchPath("export.txt");
    for (auto _ : state)
        check(ExportLogFile(log, out) == ExportResult::Ok, "export");
    state.SetBytesProcessed(state.iterations() * std::int64_t(fileSize(log)));
}

void LogCopy(benchmark::State &state)
{
    const std::string &log = largeLog();
    const std::string out = benchPath("copy.blg");
    for (auto _ : state)
        copyFile(log, out);
    state.SetBytesProcessed(state.iterations() * std::int64_t(fileSize(log)));
}

// One entry of a 20-question quiz, appended with the log cut back to its
// size before each append (not timed).
void appendTo(benchmark::State &state, const std::string &log)
{
    const off_t size = off_t(fileSize(log));
    Quiz quiz;
    fillAnsweredQuiz(quiz, 20);
    quiz.logPathName = log;
    for (auto _ : state) {
        check(RecordResult(quiz, "A taker's comment"), "append");
        state.PauseTiming();
        check(::truncate(log.c_str(), size) == 0, "truncate");
        state.ResumeTiming();
    }
}

void LogAppendLarge(benchmark::State &state)
{
    appendTo(state, largeLog());
}

void LogAppendEmpty(benchmark::State &state)
{
    static const std::string log = [] {
        const std::string file = benchPath("empty.blg");
        writeWhole(file, {}, true);
        return file;
    }();
    appendTo(state, log);
}

// ---- start-up ----------------------------------------------------------------

std::int64_t steadyNow()
{
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Starts the probe and returns the seconds from just before its start to its
// first paint, as the probe reports it.
double startProbe(const std::string &program)
{
    int out[2];
    check(::pipe2(out, O_CLOEXEC) == 0, "pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char *argv[] = {const_cast<char *>(program.c_str()), nullptr};
    pid_t child = 0;
    const std::int64_t start = steadyNow();
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
    ::waitpid(child, &status, 0);
    check(WIFEXITED(status) && WEXITSTATUS(status) == 0 && got > 0, "probe did not report");
    return double(std::strtoll(line, nullptr, 10) - start) / 1e9;
}

void startUp(benchmark::State &state, const char *probe)
{
    // The program registers itself in the user's folders at every start: give
    // the probes a home of their own.
    const std::string home = benchPath("home");
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home + "/.local/share").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (home + "/.cache").c_str(), 1);
    ::setenv("XDG_STATE_HOME", (home + "/.local/state").c_str(), 1);
    const std::string program = QCoreApplication::applicationDirPath().toStdString() + "/" + probe;
    startProbe(program); // the first start writes the desktop files; not measured
    for (auto _ : state)
        state.SetIterationTime(startProbe(program));
}

void StartupBrainloft(benchmark::State &state)
{
    startUp(state, "startup_brainloft");
}

void StartupBareDialog(benchmark::State &state)
{
    startUp(state, "startup_bare_dialog");
}

// ---- the quiz clock ----------------------------------------------------------

// Confirms the abort at the end; nothing else is asked.
class ClockPrompts : public Prompts
{
public:
    int messageBox(QWidget *, const QString &, const QString &, unsigned flags) override
    {
        return (flags & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
    }
    std::optional<QString> fileDialog(QWidget *, const FileDialogRequest &) override { return {}; }
    std::optional<QFont> chooseFont(QWidget *, const QFont &) override { return {}; }
};

// Counts the ticks that reach a question screen.
class TickCounter : public QObject
{
public:
    int ticks = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QuizTickEvent && qobject_cast<QuestionDialog *>(watched))
            ++ticks;
        return false;
    }
};

// A one-question quiz runs for the given seconds (120 unless
// BRAINLOFT_BENCH_CLOCK_SECONDS says otherwise) beside a bare precise
// one-second timer started at the same moment; then it is aborted.
void QuizClock(benchmark::State &state)
{
    const char *configured = std::getenv("BRAINLOFT_BENCH_CLOCK_SECONDS");
    const int seconds = configured ? std::max(5, std::atoi(configured)) : 120;
    for (auto _ : state) {
        Quiz quiz;
        auto question = std::make_unique<CQuestion>();
        question->text = "Waiting for the clock";
        // Built in place: GCC 12 at -O3 warns wrongly about assigning short
        // literals (its bug 105329).
        question->answers = {std::string("a"), std::string("b"), {}, {}, {}};
        question->timeLimit = seconds + 600;
        quiz.AppendQuestion(std::move(question));
        quiz.overallTimeLimitOn = 1;
        quiz.overallTimeLimit = seconds / 60 + 10;

        ClockPrompts prompts;
        MainWindow window(quiz, prompts);
        TickCounter counter;
        qApp->installEventFilter(&counter);
        int bareTicks = 0;
        QTimer bare;
        bare.setTimerType(Qt::PreciseTimer);
        bare.setInterval(1000);
        QObject::connect(&bare, &QTimer::timeout, [&bareTicks] { ++bareTicks; });
        int screenTicks = 0;
        int quizSeconds = 0;
        int wholeSeconds = 0;
        QElapsedTimer elapsed;
        // Precise: a coarse single shot of two minutes may come seconds late.
        QTimer::singleShot(seconds * 1000 + 500, Qt::PreciseTimer, [&] {
            screenTicks = counter.ticks;
            quizSeconds = quiz.overallTimeLimit * 60 - quiz.quizSecondsLeft;
            wholeSeconds = int(elapsed.nsecsElapsed() / 1000000000);
            bare.stop();
            if (auto *screen = qobject_cast<QuestionDialog *>(QApplication::activeModalWidget()))
                screen->reject();
        });
        elapsed.start();
        bare.start();
        window.RunQuiz();
        qApp->removeEventFilter(&counter);
        state.SetIterationTime(double(elapsed.nsecsElapsed()) / 1e9);
        state.counters["screen_ticks"] = screenTicks;
        state.counters["quiz_seconds"] = quizSeconds;
        state.counters["bare_ticks"] = bareTicks;
        state.counters["whole_seconds"] = wholeSeconds;
    }
}

} // namespace

BENCHMARK(QuizLoad)->Unit(benchmark::kMicrosecond);
BENCHMARK(QuizLoadRaw)->Unit(benchmark::kMicrosecond);
BENCHMARK(QuizSave)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(QuizSaveRaw)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(Scramble)->Arg(64)->Arg(1 << 20);
BENCHMARK(ScrambleCopy)->Arg(64)->Arg(1 << 20);
BENCHMARK(LogExport)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(LogCopy)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(LogAppendLarge)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(LogAppendEmpty)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(StartupBrainloft)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(StartupBareDialog)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(QuizClock)->Unit(benchmark::kSecond)->UseManualTime()->Iterations(1);

int main(int argc, char **argv)
{
    // Started again by the results memory benchmark, to measure in a fresh process.
    if (const int child = RunResultsMemoryChild(); child >= 0)
        return child;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    PairReporter reporter(
        {
            {"Load a 512-question quiz", "QuizLoad", "QuizLoadRaw", "read the file"},
            {"Save a 512-question quiz", "QuizSave/real_time", "QuizSaveRaw/real_time",
             "write and fsync the bytes"},
            {"Scramble 64 bytes", "Scramble/64", "ScrambleCopy/64", "copy them"},
            {"Scramble 1 MiB", "Scramble/1048576", "ScrambleCopy/1048576", "copy it"},
            {"Export a 100 MB log", "LogExport/real_time", "LogCopy/real_time", "copy the file"},
            {"Append an entry to a 100 MB log", "LogAppendLarge/real_time",
             "LogAppendEmpty/real_time", "to an empty log"},
            {"Start-up to the main window shown", "StartupBrainloft/iterations:20/manual_time",
             "StartupBareDialog/iterations:20/manual_time", "bare Qt dialog program"},
            {"PDF of a 512-question quiz, a picture in each", "PrintQuizPdf/real_time",
             "PrintTextDocument/real_time", "QTextDocument::print of the texts"},
            {"Attempt journal at a tick, 512 questions", "JournalTick/real_time",
             "JournalTickPlainWrite/real_time", "plain write of the bytes"},
            {"Analyse 100,000 entries of a 50-question quiz", "ResultsAnalyse/real_time",
             "ResultsExport/real_time", "export the same log to text"},
            {"Import a 512-question Moodle XML file, a picture in each",
             "MoodleXmlImport/real_time", "MoodleXmlScan/real_time",
             "QXmlStreamReader pass, pictures decoded"},
            {"Export a 512-question quiz as Moodle XML, a picture in each",
             "MoodleXmlExport/real_time", "MoodleXmlExportWrite/real_time", "write the same bytes"},
            {"Export as Moodle XML, the pictures PNG already", "MoodleXmlExportPng/real_time",
             "MoodleXmlExportWrite/real_time", "write the same bytes"},
            {"Export as Moodle XML, 512 different pictures", "MoodleXmlExportDistinct/real_time",
             "MoodleXmlExportWrite/real_time", "write as many bytes"},
        },
        {
            {"Quiz clock: ticks reaching the question screen", "QuizClock/iterations:1/manual_time",
             "screen_ticks", "bare_ticks", "bare precise timer"},
            {"Quiz clock: seconds the quiz counted", "QuizClock/iterations:1/manual_time",
             "quiz_seconds", "whole_seconds", "whole seconds elapsed"},
            {"Start-up to the main window shown, in turn (median µs)",
             "StartupInTurn/iterations:40/manual_time", "brainloft_us", "bare_us",
             "bare Qt dialog program"},
            {"Start-up, processor time to the main window (median µs)",
             "StartupInTurn/iterations:40/manual_time", "brainloft_cpu_us", "bare_cpu_us",
             "bare Qt dialog program"},
            {"Results analysis: peak memory (bytes)", "ResultsMemory/iterations:1/real_time",
             "peak_bytes", "log_bytes", "the log's size"},
        });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printTable();
    benchmark::Shutdown();
    return 0;
}
