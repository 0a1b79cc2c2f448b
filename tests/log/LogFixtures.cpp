// SPDX-License-Identifier: GPL-3.0-or-later

#include "LogFixtures.h"

#include "model/Scramble.h"

#include <cstring>
#include <fstream>
#include <iterator>

std::unique_ptr<CQuestion> makeAnswered(const char *correct, const char *chosen, int score,
                                        int earned, bool presented)
{
    auto question = std::make_unique<CQuestion>();
    question->text = "Question";
    for (const char *c = correct; *c; ++c)
        question->correct[*c - 'A'] = 1;
    for (const char *c = chosen; *c; ++c)
        question->chosen[*c - 'A'] = 1;
    question->multipleCorrect = std::strlen(correct) > 1;
    question->score = score;
    question->earnedPoints = earned;
    question->presented = presented;
    return question;
}

void fillExampleQuiz(Quiz &quiz)
{
    quiz.quizType = 0;
    quiz.AppendQuestion(makeAnswered("A", "A", 1, 1));
    quiz.AppendQuestion(makeAnswered("BC", "B", 2, 0));
    quiz.AppendQuestion(makeAnswered("A", "", 1, 0, false));
}

void fillAllRightQuiz(Quiz &quiz, int count)
{
    for (int i = 0; i < count; ++i)
        quiz.AppendQuestion(makeAnswered("A", "A", 1, 1));
}

void fillMixedQuiz(Quiz &quiz, int count, unsigned seed)
{
    static const char *const letterSets[] = {"A", "B", "AC", "BDE", "ABCDE", ""};
    for (int i = 0; i < count; ++i) {
        const unsigned r = seed * 2654435761u + unsigned(i) * 40503u;
        const int score = int(r % 50) + 1;
        quiz.AppendQuestion(makeAnswered(letterSets[r % 5], letterSets[(r / 7) % 6], score,
                                         int((r / 11) % unsigned(score + 1)), r % 13 != 0));
    }
}

std::optional<std::vector<std::string>> readLogBlocks(const std::string &path)
{
    const std::string bytes = readText(path);
    if (bytes.compare(0, 13, "Brainloft Log") != 0)
        return std::nullopt;
    std::vector<std::string> blocks;
    std::size_t pos = 13;
    while (pos < bytes.size()) {
        if (bytes.size() - pos < 4)
            return std::nullopt;
        const auto *p = reinterpret_cast<const std::uint8_t *>(bytes.data() + pos);
        const std::size_t length = p[0] | p[1] << 8 | p[2] << 16 | std::size_t(p[3]) << 24;
        pos += 4;
        if (bytes.size() - pos < length)
            return std::nullopt;
        blocks.push_back(UnscrambleBytes(p + 4, length));
        pos += length;
    }
    return blocks;
}

std::string readText(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeText(const std::string &path, const std::string &text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}
