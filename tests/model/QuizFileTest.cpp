// SPDX-License-Identifier: GPL-3.0-or-later

#include "OrdinaryUser.h"
#include "QuizFixtures.h"

#include "model/Quiz.h"
#include "model/QuizFile.h"
#include "model/Scramble.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>
#include <sys/stat.h>

namespace {

// A quiz that uses every stored field, with odd flag values.
void fillSample(Quiz &quiz)
{
    quiz.password = "Sesame";
    quiz.quizType = 0;
    quiz.overallTimeLimitOn = 3;
    quiz.overallTimeLimit = 45;
    quiz.logResults = -1;
    quiz.reviewAnswers = 0;
    quiz.randomizeAnswers = 7;
    quiz.randomizeQuestions = 1;
    quiz.useCustomFont = 1;
    quiz.font = sampleFont(40);
    quiz.defaultScore = 5;
    quiz.defaultTimeLimit = 60;
    quiz.defaultReduceEvery = 10;
    quiz.defaultReduceBy = 2;

    auto first = makeQuestion("Which are primes?", {"2", "4", "5", "9"}, {0, 2}, 3);
    first->imageFile = "C:\\pics\\primes.bmp";
    first->timeLimit = 30;
    first->reduceEvery = 5;
    first->reduceBy = 1;
    first->multipleCorrect = 9;
    LogFont font = sampleFont(3);
    first->SetCustomFont(&font);
    quiz.AppendQuestion(std::move(first));
    auto second = makeQuestion("Caf\xe9 au lait?", {"Oui", "Non"}, {1});
    second->correct[1] = 42;
    quiz.AppendQuestion(std::move(second));
    quiz.AppendQuestion(makeQuestion("", {"", "", "", "", "e"}, {}));
}

void expectSameStoredFields(const Quiz &a, const Quiz &b)
{
    EXPECT_EQ(a.password, b.password);
    EXPECT_EQ(a.quizType, b.quizType);
    EXPECT_EQ(a.overallTimeLimitOn, b.overallTimeLimitOn);
    EXPECT_EQ(a.overallTimeLimit, b.overallTimeLimit);
    EXPECT_EQ(a.logResults, b.logResults);
    EXPECT_EQ(a.reviewAnswers, b.reviewAnswers);
    EXPECT_EQ(a.randomizeAnswers, b.randomizeAnswers);
    EXPECT_EQ(a.randomizeQuestions, b.randomizeQuestions);
    EXPECT_EQ(a.useCustomFont, b.useCustomFont);
    if (a.useCustomFont) {
        EXPECT_EQ(a.font, b.font);
    }
    EXPECT_EQ(a.defaultScore, b.defaultScore);
    EXPECT_EQ(a.defaultTimeLimit, b.defaultTimeLimit);
    EXPECT_EQ(a.defaultReduceEvery, b.defaultReduceEvery);
    EXPECT_EQ(a.defaultReduceBy, b.defaultReduceBy);
    ASSERT_EQ(a.questionCount(), b.questionCount());
    for (int i = 0; i < a.questionCount(); ++i) {
        const CQuestion &x = *a.QuestionAt(i);
        const CQuestion &y = *b.QuestionAt(i);
        EXPECT_EQ(x.text, y.text);
        EXPECT_EQ(x.imageFile, y.imageFile);
        EXPECT_EQ(x.score, y.score);
        EXPECT_EQ(x.timeLimit, y.timeLimit);
        EXPECT_EQ(x.reduceEvery, y.reduceEvery);
        EXPECT_EQ(x.reduceBy, y.reduceBy);
        EXPECT_EQ(x.multipleCorrect, y.multipleCorrect);
        EXPECT_EQ(x.answers, y.answers);
        EXPECT_EQ(x.correct, y.correct);
        EXPECT_EQ(x.useCustomFont, y.useCustomFont);
        ASSERT_EQ(x.font != nullptr, y.font != nullptr);
        if (x.font) {
            EXPECT_EQ(*x.font, *y.font);
        }
    }
}

bool readBytes(const std::vector<std::uint8_t> &bytes, Quiz &quiz)
{
    MemorySource source(bytes);
    return ReadQuiz(source, quiz);
}

void putInt(std::vector<std::uint8_t> &bytes, std::size_t offset, std::int32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
}

} // namespace

TEST(QuizFile, MinimalQuizHasTheDocumentedBytes)
{
    const std::vector<std::uint8_t> expected = {
        0x0D, 'B', 'r', 'a', 'i', 'n', 'l', 'o', 'f', 't', ' ', '1', '.', '2', // signature
        0,    0,   0,   0,                                                     // password
        0,    0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
        0,    0,                                                   // type, limit on, limit, logging
        1,    0,   0,   0,                                         // review answers
        0,    0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0, // count, shuffling
        0,    0,   0,   0,                                         // no quiz font
        1,    0,   0,   0,                                         // default score
        0,    0,   0,   0,   0,   0,   0,   0,                     // default time and interval
        1,    0,   0,   0,                                         // default reduction
    };
    Quiz quiz;
    EXPECT_EQ(quizBytes(quiz), expected);

    Quiz loaded;
    loaded.reviewAnswers = 0;
    loaded.defaultScore = 9;
    EXPECT_TRUE(readBytes(expected, loaded));
    EXPECT_EQ(loaded.questionCount(), 0);
    EXPECT_EQ(loaded.reviewAnswers, 1);
    EXPECT_EQ(loaded.defaultScore, 1);
}

TEST(QuizFile, QuestionRecordSizesFollowTheLayout)
{
    Quiz quiz;
    auto question = makeQuestion("abc", {"x", "yy"}, {0});
    quiz.AppendQuestion(std::move(question));
    // 70 bytes of frame, a 72-byte record plus 3 + 1 + 2 bytes of text.
    EXPECT_EQ(quizBytes(quiz).size(), 70u + 72u + 6u);
    LogFont font{};
    quiz.QuestionAt(0)->SetCustomFont(&font);
    EXPECT_EQ(quizBytes(quiz).size(), 70u + 72u + 6u + 64u);
}

TEST(QuizFile, StringsAreScrambledFromTheStartOfTheKeyEachTime)
{
    Quiz quiz;
    quiz.password = "same";
    quiz.AppendQuestion(makeQuestion("same", {"same", "same"}, {0}));
    const auto bytes = quizBytes(quiz);
    const auto scrambled = ScrambleString("same");
    const std::string haystack(bytes.begin(), bytes.end());
    const std::string needle(scrambled.begin(), scrambled.end());
    std::size_t hits = 0;
    for (auto pos = haystack.find(needle); pos != std::string::npos;
         pos = haystack.find(needle, pos + 1))
        ++hits;
    EXPECT_EQ(hits, 4u);
    EXPECT_EQ(haystack.find("same"), std::string::npos);
}

TEST(QuizFile, RoundTripKeepsEveryStoredField)
{
    Quiz quiz;
    fillSample(quiz);
    const auto bytes = quizBytes(quiz);
    Quiz loaded;
    ASSERT_TRUE(readBytes(bytes, loaded));
    expectSameStoredFields(quiz, loaded);
    EXPECT_FALSE(loaded.modified);
    EXPECT_EQ(loaded.QuestionAt(0)->useCustomFont, 1);
    // Written again, the bytes are identical.
    EXPECT_EQ(quizBytes(loaded), bytes);
}

TEST(QuizFile, FontFlagReadsBackAsOneWhenABlockFollows)
{
    Quiz quiz;
    quiz.AppendQuestion(makeQuestion("q", {"a", "b"}, {0}));
    LogFont font = sampleFont(1);
    quiz.QuestionAt(0)->SetCustomFont(&font);
    quiz.QuestionAt(0)->useCustomFont = 5;
    Quiz loaded;
    ASSERT_TRUE(readBytes(quizBytes(quiz), loaded));
    EXPECT_EQ(loaded.QuestionAt(0)->useCustomFont, 1);
    EXPECT_EQ(*loaded.QuestionAt(0)->font, font);
}

TEST(QuizFile, AFontFlagWithoutABlockIsNotWrittenAsAFont)
{
    Quiz quiz;
    quiz.AppendQuestion(makeQuestion("q", {"a", "b"}, {0}));
    quiz.QuestionAt(0)->useCustomFont = 1; // no block behind it
    Quiz loaded;
    ASSERT_TRUE(readBytes(quizBytes(quiz), loaded));
    EXPECT_EQ(loaded.QuestionAt(0)->useCustomFont, 0);
}

TEST(QuizFile, FullQuizRoundTrips)
{
    Quiz quiz;
    for (int i = 0; i < MAX_QUESTIONS; ++i)
        quiz.AppendQuestion(
            makeQuestion("Question " + std::to_string(i), {"a", "b", "c"}, {i % 3}, i % 50));
    Quiz loaded;
    ASSERT_TRUE(readBytes(quizBytes(quiz), loaded));
    expectSameStoredFields(quiz, loaded);
}

TEST(QuizFile, RecordsBeyondTheCapacityAreReadAndDropped)
{
    Quiz quiz;
    for (int i = 0; i < MAX_QUESTIONS; ++i)
        quiz.AppendQuestion(makeQuestion(std::to_string(i), {"a", "b"}, {0}));
    quiz.defaultScore = 13;
    quiz.defaultReduceBy = 4;
    // Build a file announcing 600 records: the 512 above plus 88 more.
    VectorSink sink;
    ASSERT_TRUE(WriteQuiz(quiz, sink));
    std::vector<std::uint8_t> bytes = sink.bytes;
    Quiz extra;
    for (int i = 0; i < 88; ++i)
        extra.AppendQuestion(makeQuestion("extra", {"a", "b"}, {1}));
    const auto extraBytes = quizBytes(extra);
    const std::size_t frameHead = 50, frameTail = 20;
    std::vector<std::uint8_t> extraRecords(extraBytes.begin() + frameHead,
                                           extraBytes.end() - frameTail);
    bytes.insert(bytes.end() - frameTail, extraRecords.begin(), extraRecords.end());
    putInt(bytes, 38, 600);

    Quiz loaded;
    ASSERT_TRUE(readBytes(bytes, loaded));
    EXPECT_EQ(loaded.questionCount(), MAX_QUESTIONS);
    EXPECT_EQ(loaded.QuestionAt(511)->text, "511");
    EXPECT_EQ(loaded.defaultScore, 13);
    EXPECT_EQ(loaded.defaultReduceBy, 4);
}

TEST(QuizFile, ANegativeCountReadsNoQuestions)
{
    Quiz quiz;
    quiz.defaultScore = 8;
    auto bytes = quizBytes(quiz);
    putInt(bytes, 38, -1);
    Quiz loaded;
    ASSERT_TRUE(readBytes(bytes, loaded));
    EXPECT_EQ(loaded.questionCount(), 0);
    EXPECT_EQ(loaded.defaultScore, 8);
}

TEST(QuizFile, TrailingBytesAreIgnored)
{
    Quiz quiz;
    fillSample(quiz);
    auto bytes = quizBytes(quiz);
    bytes.insert(bytes.end(), {1, 2, 3, 4, 5});
    Quiz loaded;
    EXPECT_TRUE(readBytes(bytes, loaded));
    expectSameStoredFields(quiz, loaded);
}

TEST(QuizFile, EveryTruncationFails)
{
    Quiz quiz;
    fillSample(quiz);
    const auto bytes = quizBytes(quiz);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        Quiz loaded;
        const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + length);
        EXPECT_FALSE(readBytes(cut, loaded)) << "cut at " << length;
        EXPECT_TRUE(loaded.loadFailed);
    }
}

TEST(QuizFile, BadFontLengthsFail)
{
    for (const std::int32_t length : {59, 61, 0, -60}) {
        Quiz quiz;
        quiz.AppendQuestion(makeQuestion("q", {"a", "b"}, {0}));
        LogFont font{};
        quiz.QuestionAt(0)->SetCustomFont(&font);
        auto bytes = quizBytes(quiz);
        // The question's font block starts 60 + 4 bytes before the trailer.
        putInt(bytes, bytes.size() - 20 - 64, length);
        Quiz loaded;
        EXPECT_FALSE(readBytes(bytes, loaded)) << length;
    }
}

TEST(QuizFile, BadStringLengthsFailWithoutAllocating)
{
    for (const std::int32_t length : {-1, -2147483647 - 1, 2147483647, 1000}) {
        Quiz quiz;
        auto bytes = quizBytes(quiz);
        putInt(bytes, 14, length); // the password's length
        Quiz loaded;
        EXPECT_FALSE(readBytes(bytes, loaded)) << length;
    }
}

TEST(QuizFile, SignatureMustMatchInEveryForm)
{
    const auto body = [] {
        Quiz quiz;
        auto bytes = quizBytes(quiz);
        return std::vector<std::uint8_t>(bytes.begin() + 14, bytes.end());
    }();
    const std::string name = "Brainloft 1.2";
    const auto withHead = [&](std::vector<std::uint8_t> head) {
        head.insert(head.end(), body.begin(), body.end());
        return head;
    };
    const auto ascii = [&](std::vector<std::uint8_t> head, const std::string &text) {
        head.insert(head.end(), text.begin(), text.end());
        return withHead(head);
    };
    std::vector<std::uint8_t> wide = {0xFF, 0xFE, 0xFF, 13};
    for (const char c : name) {
        wide.push_back(static_cast<std::uint8_t>(c));
        wide.push_back(0);
    }
    struct Case
    {
        const char *what;
        std::vector<std::uint8_t> bytes;
        bool ok;
    } cases[] = {
        {"short form", ascii({13}, name), true},
        {"16-bit length", ascii({0xFF, 13, 0}, name), true},
        {"32-bit length", ascii({0xFF, 0xFF, 0xFF, 13, 0, 0, 0}, name), true},
        {"UTF-16", withHead(wide), true},
        {"other version", ascii({13}, "Brainloft 1.3"), false},
        {"other case", ascii({13}, "brainloft 1.2"), false},
        {"longer", ascii({14}, name + "x"), false},
        {"huge length", ascii({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, name), false},
        {"nothing", {}, false},
    };
    for (const Case &c : cases) {
        Quiz loaded;
        EXPECT_EQ(readBytes(c.bytes, loaded), c.ok) << c.what;
    }
}

TEST(QuizFile, RandomMutationsNeverCrash)
{
    Quiz quiz;
    fillSample(quiz);
    const auto original = quizBytes(quiz);
    std::mt19937 random(12345);
    for (int round = 0; round < 4000; ++round) {
        auto bytes = original;
        const int edits = 1 + static_cast<int>(random() % 6);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = random() % bytes.size();
            switch (random() % 3) {
            case 0:
                bytes[at] = static_cast<std::uint8_t>(random());
                break;
            case 1:
                bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(at));
                break;
            default:
                bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                             static_cast<std::uint8_t>(random()));
                break;
            }
            if (bytes.empty())
                break;
        }
        Quiz loaded;
        const bool ok = readBytes(bytes, loaded);
        EXPECT_LE(loaded.questionCount(), MAX_QUESTIONS);
        EXPECT_EQ(ok, !loaded.loadFailed);
    }
}

TEST(QuizFile, LoadFromFileReportsWhatWentWrong)
{
    QTemporaryDir dir;
    Quiz quiz;
    fillSample(quiz);
    const std::string good = pathIn(dir, "good.blz");
    writeFile(good, quizBytes(quiz));
    const std::string bad = pathIn(dir, "bad.blz");
    writeFile(bad, {1, 2, 3});

    Quiz loaded;
    EXPECT_EQ(LoadQuizFromFile(good, loaded), LoadResult::Ok);
    expectSameStoredFields(quiz, loaded);
    Quiz damaged;
    EXPECT_EQ(LoadQuizFromFile(bad, damaged), LoadResult::BadContent);
    Quiz missing;
    EXPECT_EQ(LoadQuizFromFile(pathIn(dir, "missing.blz"), missing), LoadResult::OpenFailed);
    Quiz folder;
    EXPECT_EQ(LoadQuizFromFile(pathIn(dir, ""), folder), LoadResult::OpenFailed);
    const std::string fifo = pathIn(dir, "pipe.blz");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    Quiz pipe;
    EXPECT_EQ(LoadQuizFromFile(fifo, pipe), LoadResult::OpenFailed);
}

TEST(QuizFile, SaveWritesTheSameBytesAndClearsModified)
{
    QTemporaryDir dir;
    Quiz quiz;
    fillSample(quiz);
    quiz.modified = true;
    const std::string path = pathIn(dir, "quiz.blz");
    ASSERT_EQ(SaveQuizToFile(quiz, path), SaveResult::Ok);
    EXPECT_FALSE(quiz.modified);
    EXPECT_EQ(readFile(path), quizBytes(quiz));
}

TEST(QuizFile, SaveIntoAFolderThatCannotBeWrittenKeepsEverything)
{
    if (RunAsOrdinaryUser())
        return; // root writes into read-only folders
    QTemporaryDir dir;
    const std::string path = pathIn(dir, "quiz.blz");
    writeFile(path, {9, 9, 9});
    ASSERT_EQ(::chmod(dir.path().toLocal8Bit().constData(), 0500), 0);
    Quiz quiz;
    quiz.modified = true;
    EXPECT_EQ(SaveQuizToFile(quiz, path), SaveResult::CreateFailed);
    EXPECT_TRUE(quiz.modified);
    EXPECT_EQ(readFile(path), (std::vector<std::uint8_t>{9, 9, 9}));
    ::chmod(dir.path().toLocal8Bit().constData(), 0700);
}

namespace {

// A sink that takes `capacity` bytes and then fails, like a full disk.
class FullDisk : public ByteSink
{
public:
    explicit FullDisk(std::size_t capacity)
        : m_capacity(capacity)
    {}
    bool write(const void *, std::size_t n) override
    {
        if (n > m_capacity)
            return false;
        m_capacity -= n;
        return true;
    }

private:
    std::size_t m_capacity;
};

} // namespace

TEST(QuizFile, WriterReportsAFailureAtAnyPoint)
{
    Quiz quiz;
    fillSample(quiz);
    const std::size_t size = quizBytes(quiz).size();
    for (std::size_t capacity = 0; capacity < size; ++capacity) {
        FullDisk disk(capacity);
        EXPECT_FALSE(WriteQuiz(quiz, disk)) << capacity;
    }
    FullDisk enough(size);
    EXPECT_TRUE(WriteQuiz(quiz, enough));
}

TEST(QuizFile, SaveOnAFullDiskKeepsThePreviousFile)
{
    QTemporaryDir dir;
    const std::string path = pathIn(dir, "quiz.blz");
    Quiz old;
    old.password = "old";
    ASSERT_EQ(SaveQuizToFile(old, path), SaveResult::Ok);
    const auto before = readFile(path);

    Quiz big;
    for (int i = 0; i < 200; ++i)
        big.AppendQuestion(makeQuestion(std::string(200, 'x'), {"a", "b"}, {0}));
    big.modified = true;
    int error = 0;
    {
        FileSizeLimit limit(10000);
        EXPECT_EQ(SaveQuizToFile(big, path, &error), SaveResult::WriteFailed);
    }
    EXPECT_EQ(error, EFBIG);
    EXPECT_TRUE(big.modified);
    EXPECT_EQ(readFile(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}
