// SPDX-License-Identifier: GPL-3.0-or-later

#include "BenchFiles.h"

#include "log/LogEntry.h"
#include "log/ResultsLog.h"
#include "model/ByteStream.h"
#include "model/Scramble.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "benchmark set-up failed: %s\n", what);
        std::exit(1);
    }
}

namespace {

class Folder
{
public:
    Folder()
    {
        const char *base = std::getenv("BRAINLOFT_BENCH_DIR");
        std::string pattern =
            std::string(base && *base ? base : "/tmp") + "/brainloft-bench-XXXXXX";
        check(::mkdtemp(pattern.data()) != nullptr, "cannot create the data folder");
        path = pattern;
    }
    ~Folder() { std::filesystem::remove_all(path); }
    std::string path;
};

} // namespace

const std::string &benchFolder()
{
    static Folder folder;
    return folder.path;
}

std::string benchPath(const char *name)
{
    return benchFolder() + "/" + name;
}

void fillLargeQuiz(Quiz &quiz)
{
    quiz.password = "benchmark";
    for (int i = 0; i < MAX_QUESTIONS; ++i) {
        auto question = std::make_unique<CQuestion>();
        question->text = "Question " + std::to_string(i + 1) +
                         ": which of these statements about the subject of this quiz hold, "
                         "given what the lesson said about it?";
        question->imageFile = "pictures\\question-" + std::to_string(i + 1) + ".bmp";
        for (int k = 0; k < 5; ++k)
            question->answers[k] = "Answer " + std::string(1, char('A' + k)) +
                                   ", a statement of some thirty-odd characters";
        question->correct[i % 5] = 1;
        question->score = 1 + i % 4;
        question->timeLimit = 30;
        if (i % 2) {
            LogFont font{};
            for (std::size_t b = 0; b < font.size(); ++b)
                font[b] = std::uint8_t(b + i);
            question->SetCustomFont(&font);
        }
        quiz.AppendQuestion(std::move(question));
    }
}

void fillAnsweredQuiz(Quiz &quiz, int count)
{
    for (int i = 0; i < count; ++i) {
        auto question = std::make_unique<CQuestion>();
        question->correct[i % 5] = 1;
        question->chosen[(i * 7) % 5] = 1;
        question->score = 1 + i % 4;
        question->earnedPoints = question->correct == question->chosen ? question->score : 0;
        question->presented = 1;
        quiz.AppendQuestion(std::move(question));
    }
}

std::vector<std::uint8_t> readWhole(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    check(fd >= 0, "open for reading");
    struct stat info
    {
    };
    check(::fstat(fd, &info) == 0, "fstat");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        check(n > 0, "read");
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return bytes;
}

void writeWhole(const std::string &path, std::span<const std::uint8_t> bytes, bool sync)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    check(fd >= 0, "open for writing");
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        check(n > 0, "write");
        done += static_cast<std::size_t>(n);
    }
    check(!sync || ::fsync(fd) == 0, "fsync");
    check(::close(fd) == 0, "close");
}

void copyFile(const std::string &from, const std::string &to)
{
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    check(in >= 0 && out >= 0, "open for copying");
    static std::uint8_t buffer[128 * 1024];
    ssize_t n;
    while ((n = ::read(in, buffer, sizeof buffer)) > 0)
        check(::write(out, buffer, std::size_t(n)) == n, "copy write");
    check(n == 0, "copy read");
    ::close(in);
    check(::close(out) == 0, "close copy");
}

void makeLog(const std::string &path, std::uint64_t bytes)
{
    Quiz quiz;
    fillAnsweredQuiz(quiz, 200);
    // Real entries of a 200-question quiz (three blocks each), repeated.
    std::vector<std::uint8_t> chunk;
    int entry = 0;
    while (chunk.size() < (1u << 20)) {
        for (const std::string &text :
             LogEntryBlocks(quiz, "Taker number " + std::to_string(entry++))) {
            VectorSink sink;
            WriteUInt32(sink, static_cast<std::uint32_t>(text.size()));
            const std::vector<std::uint8_t> scrambled = ScrambleString(text);
            chunk.insert(chunk.end(), sink.bytes.begin(), sink.bytes.end());
            chunk.insert(chunk.end(), scrambled.begin(), scrambled.end());
        }
    }
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    check(fd >= 0, "create log");
    check(::write(fd, LOG_SIGNATURE, LOG_SIGNATURE_LENGTH) == ssize_t(LOG_SIGNATURE_LENGTH),
          "log signature");
    for (std::uint64_t written = LOG_SIGNATURE_LENGTH; written < bytes; written += chunk.size())
        check(::write(fd, chunk.data(), chunk.size()) == ssize_t(chunk.size()), "log chunk");
    // On disk before anything is measured, so no later fsync pays for it.
    check(::fsync(fd) == 0 && ::close(fd) == 0, "log sync");
}

std::uint64_t fileSize(const std::string &path)
{
    struct stat info
    {
    };
    check(::stat(path.c_str(), &info) == 0, "stat");
    return std::uint64_t(info.st_size);
}
