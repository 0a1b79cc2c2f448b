// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuizFile.h"

#include "AtomicFile.h"
#include "FileLock.h"
#include "Quiz.h"
#include "Scramble.h"

#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t SIGNATURE_LENGTH = sizeof QUIZ_SIGNATURE - 1;

// The signature is a length-prefixed string whose length may come in several
// widths; a UTF-16 form is also accepted. Only a complete, exact
// "Brainloft 1.2" passes.
bool readLength(ByteSource &source, std::uint32_t &length, bool &wide)
{
    std::uint8_t byteLength;
    if (!source.read(&byteLength, 1))
        return false;
    if (byteLength < 0xFF) {
        length = byteLength;
        return true;
    }
    std::uint8_t b[2];
    if (!source.read(b, 2))
        return false;
    const std::uint16_t wordLength = std::uint16_t(b[0] | b[1] << 8);
    if (wordLength == 0xFFFE) {
        if (wide) // a second Unicode marker is not a valid form
            return false;
        wide = true;
        return readLength(source, length, wide);
    }
    if (wordLength < 0xFFFF) {
        length = wordLength;
        return true;
    }
    return ReadUInt32(source, length);
}

bool readSignature(ByteSource &source)
{
    std::uint32_t length = 0;
    bool wide = false;
    if (!readLength(source, length, wide) || length != SIGNATURE_LENGTH)
        return false;
    const std::size_t bytes = wide ? length * 2 : length;
    std::uint8_t text[SIGNATURE_LENGTH * 2];
    if (!source.read(text, bytes))
        return false;
    for (std::size_t i = 0; i < SIGNATURE_LENGTH; ++i) {
        const unsigned ch = wide ? unsigned(text[2 * i] | text[2 * i + 1] << 8) : text[i];
        if (ch != static_cast<unsigned char>(QUIZ_SIGNATURE[i]))
            return false;
    }
    return true;
}

bool readString(ByteSource &source, std::string &out)
{
    std::int32_t length;
    if (!ReadInt32(source, length) || length < 0 ||
        static_cast<std::uint64_t>(length) > source.remaining())
        return false;
    // Read straight into the string and unscrambled there: one allocation.
    out.resize(static_cast<std::size_t>(length));
    if (!source.read(out.data(), out.size()))
        return false;
    ScrambleInPlace(reinterpret_cast<std::uint8_t *>(out.data()), out.size());
    return true;
}

bool readFont(ByteSource &source, LogFont &font)
{
    std::int32_t length;
    return ReadInt32(source, length) && length == static_cast<std::int32_t>(LOGFONT_SIZE) &&
           source.read(font.data(), font.size());
}

bool readQuestion(ByteSource &source, CQuestion &question)
{
    if (!readString(source, question.text) || !readString(source, question.imageFile) ||
        !ReadInt32(source, question.score) || !ReadInt32(source, question.reduceBy) ||
        !ReadInt32(source, question.timeLimit) || !ReadInt32(source, question.reduceEvery) ||
        !ReadInt32(source, question.multipleCorrect) || !ReadInt32(source, question.useCustomFont))
        return false;
    for (int k = 0; k < 5; ++k) {
        if (!readString(source, question.answers[k]) || !ReadInt32(source, question.correct[k]))
            return false;
    }
    if (question.useCustomFont) {
        LogFont font;
        if (!readFont(source, font))
            return false;
        question.SetCustomFont(&font);
    }
    return true;
}

bool writeString(ByteSink &sink, const std::string &text)
{
    const std::vector<std::uint8_t> scrambled = ScrambleString(text);
    return WriteInt32(sink, static_cast<std::int32_t>(scrambled.size())) &&
           sink.write(scrambled.data(), scrambled.size());
}

bool writeFont(ByteSink &sink, const LogFont &font)
{
    return WriteInt32(sink, static_cast<std::int32_t>(LOGFONT_SIZE)) &&
           sink.write(font.data(), font.size());
}

bool writeQuestion(ByteSink &sink, const CQuestion &question)
{
    bool ok = writeString(sink, question.text) && writeString(sink, question.imageFile) &&
              WriteInt32(sink, question.score) && WriteInt32(sink, question.reduceBy) &&
              WriteInt32(sink, question.timeLimit) && WriteInt32(sink, question.reduceEvery) &&
              WriteInt32(sink, question.multipleCorrect);
    // The flag announces the font block, so it must agree with what follows.
    const bool hasFont = question.useCustomFont && question.font;
    ok = ok && WriteInt32(sink, hasFont ? question.useCustomFont : 0);
    for (int k = 0; ok && k < 5; ++k)
        ok = writeString(sink, question.answers[k]) && WriteInt32(sink, question.correct[k]);
    if (ok && hasFont)
        ok = writeFont(sink, *question.font);
    return ok;
}

bool readBody(ByteSource &source, Quiz &quiz)
{
    if (!readSignature(source) || !readString(source, quiz.password))
        return false;
    std::int32_t count = 0;
    if (!ReadInt32(source, quiz.quizType) || !ReadInt32(source, quiz.overallTimeLimitOn) ||
        !ReadInt32(source, quiz.overallTimeLimit) || !ReadInt32(source, quiz.logResults) ||
        !ReadInt32(source, quiz.reviewAnswers) || !ReadInt32(source, count) ||
        !ReadInt32(source, quiz.randomizeAnswers) || !ReadInt32(source, quiz.randomizeQuestions))
        return false;
    for (std::int32_t i = 0; i < count; ++i) {
        auto question = std::make_unique<CQuestion>();
        if (!readQuestion(source, *question))
            return false;
        quiz.AppendQuestion(std::move(question)); // beyond the capacity it is dropped
    }
    if (!ReadInt32(source, quiz.useCustomFont) || !ReadInt32(source, quiz.defaultScore) ||
        !ReadInt32(source, quiz.defaultTimeLimit) || !ReadInt32(source, quiz.defaultReduceEvery) ||
        !ReadInt32(source, quiz.defaultReduceBy))
        return false;
    return !quiz.useCustomFont || readFont(source, quiz.font);
}

} // namespace

bool WriteQuiz(const Quiz &quiz, ByteSink &sink)
{
    const std::uint8_t signatureLength = SIGNATURE_LENGTH;
    bool ok = sink.write(&signatureLength, 1) && sink.write(QUIZ_SIGNATURE, SIGNATURE_LENGTH) &&
              writeString(sink, quiz.password) && WriteInt32(sink, quiz.quizType) &&
              WriteInt32(sink, quiz.overallTimeLimitOn) &&
              WriteInt32(sink, quiz.overallTimeLimit) && WriteInt32(sink, quiz.logResults) &&
              WriteInt32(sink, quiz.reviewAnswers) && WriteInt32(sink, quiz.questionCount()) &&
              WriteInt32(sink, quiz.randomizeAnswers) && WriteInt32(sink, quiz.randomizeQuestions);
    for (int i = 0; ok && i < quiz.questionCount(); ++i)
        ok = writeQuestion(sink, *quiz.QuestionAt(i));
    ok = ok && WriteInt32(sink, quiz.useCustomFont) && WriteInt32(sink, quiz.defaultScore) &&
         WriteInt32(sink, quiz.defaultTimeLimit) && WriteInt32(sink, quiz.defaultReduceEvery) &&
         WriteInt32(sink, quiz.defaultReduceBy);
    if (ok && quiz.useCustomFont)
        ok = writeFont(sink, quiz.font);
    return ok;
}

bool ReadQuiz(ByteSource &source, Quiz &quiz)
{
    quiz.loadFailed = !readBody(source, quiz);
    quiz.modified = false;
    return !quiz.loadFailed;
}

LoadResult LoadQuizFromFile(const std::string &path, Quiz &quiz)
{
    // Non-blocking, so that a FIFO named as a quiz cannot hang the program;
    // only regular files are quiz files.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return LoadResult::OpenFailed;
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0 ||
        !LockFile(fd, LockKind::Shared, false)) {
        ::close(fd);
        return LoadResult::OpenFailed;
    }
    FdSource source(fd);
    const bool ok = source.valid() && ReadQuiz(source, quiz);
    if (!source.valid())
        quiz.loadFailed = true;
    ::close(fd);
    return ok ? LoadResult::Ok : LoadResult::BadContent;
}

SaveResult SaveQuizToFile(Quiz &quiz, const std::string &path, int *error)
{
    AtomicFile file(path);
    if (!file.open()) {
        if (error)
            *error = file.error();
        return SaveResult::CreateFailed;
    }
    if (!WriteQuiz(quiz, file) || !file.commit()) {
        if (error)
            *error = file.error();
        return SaveResult::WriteFailed;
    }
    quiz.modified = false;
    return SaveResult::Ok;
}
