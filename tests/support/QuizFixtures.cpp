// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuizFixtures.h"

#include "model/QuizFile.h"

#include <QFile>

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <iterator>

std::unique_ptr<CQuestion> makeQuestion(const std::string &text,
                                        std::initializer_list<const char *> answers,
                                        std::initializer_list<int> correct, int score)
{
    auto question = std::make_unique<CQuestion>();
    question->text = text;
    int k = 0;
    for (const char *answer : answers)
        question->answers[k++] = answer;
    for (const int index : correct)
        question->correct[index] = 1;
    question->multipleCorrect = correct.size() > 1 ? 1 : 0;
    question->score = score;
    return question;
}

std::unique_ptr<CQuestion> makeCard(const std::string &prompt, const std::string &answer, int score)
{
    auto card = std::make_unique<CQuestion>();
    card->text = prompt;
    card->answers[0] = answer;
    card->score = score;
    return card;
}

LogFont sampleFont(std::uint8_t seed)
{
    LogFont font{};
    for (std::size_t i = 0; i < font.size(); ++i)
        font[i] = static_cast<std::uint8_t>(seed + i * 7);
    return font;
}

std::vector<std::uint8_t> quizBytes(const Quiz &quiz)
{
    VectorSink sink;
    EXPECT_TRUE(WriteQuiz(quiz, sink));
    return sink.bytes;
}

void writeFile(const std::string &path, const std::vector<std::uint8_t> &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

std::vector<std::uint8_t> readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string pathIn(const QTemporaryDir &dir, const char *name)
{
    return QFile::encodeName(dir.filePath(QString::fromUtf8(name))).toStdString();
}

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    ::getrlimit(RLIMIT_FSIZE, &m_saved);
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = m_saved;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_oldHandler);
}
