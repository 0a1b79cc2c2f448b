// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the quiz file reader, from memory and through a
// file, and checks that whatever it accepts survives a save and a reload
// unchanged.

#include "FuzzFile.h"

#include "model/Quiz.h"
#include "model/QuizFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

std::vector<std::uint8_t> written(const Quiz &quiz)
{
    VectorSink sink;
    if (!WriteQuiz(quiz, sink))
        std::abort();
    return std::move(sink.bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    MemorySource memory({data, size});
    Quiz quiz;
    const bool ok = ReadQuiz(memory, quiz);
    if (ok == quiz.loadFailed || quiz.questionCount() > MAX_QUESTIONS)
        std::abort();

    // The file reader buffers 4096 bytes at a time; it must see the same quiz.
    static FuzzFile file;
    file.fill(data, size);
    Quiz fromFile;
    const LoadResult loaded = LoadQuizFromFile(file.path(), fromFile);
    if ((loaded == LoadResult::Ok) != ok || loaded == LoadResult::OpenFailed)
        std::abort();
    if (!ok)
        return 0;

    const std::vector<std::uint8_t> bytes = written(quiz);
    if (written(fromFile) != bytes)
        std::abort();
    // What was read is saved and read back as the same quiz.
    MemorySource again(bytes);
    Quiz reread;
    if (!ReadQuiz(again, reread) || again.remaining() != 0 || written(reread) != bytes)
        std::abort();
    return 0;
}
