// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the sample quizzes and their pictures with the program's own quiz
// writer. "make_examples DIR" writes them into DIR; "make_examples --check DIR"
// compares DIR with what would be written and fails on any difference, so the
// checked-in samples cannot drift from the writer.

#include "model/ByteStream.h"
#include "model/Quiz.h"
#include "model/QuizFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Rgb
{
    std::uint8_t r, g, b;
};

// A 24-bit picture, drawn with a few shapes and stored as an uncompressed
// bitmap file.
class Picture
{
public:
    Picture(int width, int height, Rgb background)
        : m_width(width)
        , m_height(height)
        , m_pixels(std::size_t(width) * height, background)
    {}

    void ellipse(double cx, double cy, double rx, double ry, Rgb colour)
    {
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x) {
                const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
                if (dx * dx + dy * dy <= 1.0)
                    set(x, y, colour);
            }
    }

    // An elliptic ring between two scales of the same ellipse; with
    // frontOnly, only its lower half (in front of a planet).
    void ring(double cx, double cy, double rx, double ry, double inner, Rgb colour, bool frontOnly)
    {
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x) {
                const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
                const double d = dx * dx + dy * dy;
                if (d <= 1.0 && d >= inner * inner && (!frontOnly || y + 0.5 >= cy))
                    set(x, y, colour);
            }
    }

    void line(double x0, double y0, double x1, double y1, double width, Rgb colour)
    {
        const double length = std::hypot(x1 - x0, y1 - y0);
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x) {
                const double px = x + 0.5 - x0, py = y + 0.5 - y0;
                const double t =
                    std::clamp((px * (x1 - x0) + py * (y1 - y0)) / (length * length), 0.0, 1.0);
                if (std::hypot(px - t * (x1 - x0), py - t * (y1 - y0)) <= width / 2)
                    set(x, y, colour);
            }
    }

    [[nodiscard]] Bytes bitmapFile() const
    {
        const int rowSize = (m_width * 3 + 3) / 4 * 4;
        const std::uint32_t pixelBytes = std::uint32_t(rowSize) * m_height;
        const std::uint32_t fileSize = 14 + 40 + pixelBytes;
        Bytes out;
        const auto u16 = [&out](unsigned v) {
            out.push_back(std::uint8_t(v));
            out.push_back(std::uint8_t(v >> 8));
        };
        const auto u32 = [&out](std::uint32_t v) {
            for (int i = 0; i < 4; ++i)
                out.push_back(std::uint8_t(v >> (8 * i)));
        };
        out.push_back('B');
        out.push_back('M');
        u32(fileSize);
        u32(0);
        u32(54);
        u32(40);
        u32(std::uint32_t(m_width));
        u32(std::uint32_t(m_height));
        u16(1);
        u16(24);
        u32(0);
        u32(pixelBytes);
        u32(2835); // 72 dpi
        u32(2835);
        u32(0);
        u32(0);
        for (int y = m_height - 1; y >= 0; --y) { // bottom-up rows
            for (int x = 0; x < m_width; ++x) {
                const Rgb &p = m_pixels[std::size_t(y) * m_width + x];
                out.push_back(p.b);
                out.push_back(p.g);
                out.push_back(p.r);
            }
            out.insert(out.end(), std::size_t(rowSize - m_width * 3), 0);
        }
        return out;
    }

private:
    void set(int x, int y, Rgb colour) { m_pixels[std::size_t(y) * m_width + x] = colour; }

    int m_width;
    int m_height;
    std::vector<Rgb> m_pixels;
};

Bytes sunPicture()
{
    Picture p(160, 120, {18, 28, 74});
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        p.line(80 + 34 * std::cos(a), 60 + 34 * std::sin(a), 80 + 54 * std::cos(a),
               60 + 54 * std::sin(a), 5, {255, 196, 40});
    }
    p.ellipse(80, 60, 30, 30, {255, 214, 64});
    p.ellipse(72, 52, 12, 12, {255, 236, 140});
    return p.bitmapFile();
}

Bytes saturnPicture()
{
    Picture p(200, 120, {10, 12, 30});
    for (const auto &[x, y] :
         std::vector<std::pair<int, int>>{{14, 12}, {180, 20}, {30, 100}, {170, 96}, {120, 10}})
        p.ellipse(x, y, 1.5, 1.5, {230, 230, 230});
    p.ring(100, 62, 88, 22, 0.72, {196, 170, 120}, false);
    p.ellipse(100, 60, 38, 38, {222, 186, 120});
    p.ellipse(100, 48, 38, 6, {200, 160, 100});
    p.ring(100, 62, 88, 22, 0.72, {196, 170, 120}, true);
    return p.bitmapFile();
}

Bytes applePicture()
{
    Picture p(120, 120, {250, 250, 246});
    p.ellipse(48, 68, 34, 36, {206, 32, 40});
    p.ellipse(72, 68, 34, 36, {206, 32, 40});
    p.ellipse(50, 56, 9, 12, {236, 110, 110});
    p.line(60, 36, 64, 16, 5, {110, 72, 40});
    p.ellipse(78, 20, 14, 7, {70, 160, 60});
    return p.bitmapFile();
}

// A font description block as a font chooser writes it: 14 point bold serif.
LogFont serifFont()
{
    LogFont font{};
    const std::int32_t height = -19, weight = 700;
    std::memcpy(font.data(), &height, 4);
    std::memcpy(font.data() + 16, &weight, 4);
    font[24] = 3;
    font[25] = 2;
    font[26] = 1;
    font[27] = 0x12; // variable pitch, serif
    std::memcpy(font.data() + 28, "DejaVu Serif", 12);
    return font;
}

std::unique_ptr<CQuestion> question(const char *text, std::vector<const char *> answers,
                                    std::vector<int> correct, int score = 1)
{
    auto q = std::make_unique<CQuestion>();
    q->text = text;
    for (std::size_t k = 0; k < answers.size(); ++k)
        q->answers[k] = answers[k];
    for (const int k : correct)
        q->correct[k] = 1;
    q->multipleCorrect = correct.size() > 1 ? 1 : 0;
    q->score = score;
    return q;
}

std::unique_ptr<CQuestion> card(const char *prompt, const char *answer, int score = 1)
{
    auto q = std::make_unique<CQuestion>();
    q->text = prompt;
    q->answers[0] = answer;
    q->score = score;
    return q;
}

Bytes solarSystemQuiz()
{
    Quiz quiz;
    quiz.password = "teacher";
    quiz.quizType = 0;
    quiz.overallTimeLimitOn = 1;
    quiz.overallTimeLimit = 10;
    quiz.logResults = 1;
    quiz.reviewAnswers = 1;
    quiz.randomizeAnswers = 1;
    quiz.defaultScore = 2;

    quiz.AppendQuestion(question("Which planet is closest to the Sun?",
                                 {"Venus", "Mercury", "Mars", "Earth"}, {1}));
    quiz.AppendQuestion(question("Which of these planets have rings? Tick every one.",
                                 {"Saturn", "Mars", "Uranus", "Mercury"}, {0, 2}, 2));
    auto star =
        question("What does the picture show?", {"A star", "A planet", "A moon", "A comet"}, {0});
    star->imageFile = "sun.bmp";
    star->timeLimit = 30;
    quiz.AppendQuestion(std::move(star));
    auto light =
        question("How long does light from the Sun take to reach the Earth?",
                 {"About 8 seconds", "About 8 minutes", "About 8 hours", "About 8 days"}, {1}, 4);
    light->timeLimit = 20;
    light->reduceEvery = 5;
    light->reduceBy = 1;
    quiz.AppendQuestion(std::move(light));
    // Only a picture, stored with the path it had on the author's computer.
    auto ringed = question("", {"Saturn", "Jupiter", "Neptune"}, {0});
    ringed->imageFile = "C:\\Quizzes\\Pictures\\saturn.bmp";
    quiz.AppendQuestion(std::move(ringed));
    quiz.AppendQuestion(question("Which planets are gas giants?",
                                 {"Jupiter", "Saturn", "Earth", "Venus", "Mars"}, {0, 1}, 3));
    auto largest = question("What is the largest planet of the solar system?",
                            {"Earth", "Jupiter", "Neptune"}, {1});
    const LogFont font = serifFont();
    largest->SetCustomFont(&font);
    quiz.AppendQuestion(std::move(largest));
    auto moons = question("How many moons does the Earth have?", {"None", "One", "Two"}, {1});
    moons->timeLimit = 15;
    quiz.AppendQuestion(std::move(moons));

    VectorSink sink;
    WriteQuiz(quiz, sink);
    return sink.bytes;
}

Bytes frenchWordsQuiz()
{
    Quiz quiz;
    quiz.password = "teacher";
    quiz.quizType = 1;
    quiz.logResults = 1;
    quiz.reviewAnswers = 0;
    quiz.randomizeQuestions = 1;

    quiz.AppendQuestion(card("the cat", "le chat"));
    quiz.AppendQuestion(card("the house", "la maison"));
    quiz.AppendQuestion(card("thank you", "merci"));
    quiz.AppendQuestion(card("the coffee", "le caf\xe9")); // é in the Western code page
    auto goodbye = card("goodbye", "au revoir", 3);
    goodbye->timeLimit = 20;
    goodbye->reduceEvery = 5;
    goodbye->reduceBy = 1;
    quiz.AppendQuestion(std::move(goodbye));
    quiz.AppendQuestion(card("the book", "le livre"));
    auto apple = card("", "la pomme", 2);
    apple->imageFile = "apple.bmp";
    quiz.AppendQuestion(std::move(apple));
    auto sun = card("the sun", "le soleil", 2);
    sun->imageFile = "sun.bmp";
    quiz.AppendQuestion(std::move(sun));

    VectorSink sink;
    WriteQuiz(quiz, sink);
    return sink.bytes;
}

} // namespace

int main(int argc, char **argv)
{
    const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 2 && !check) {
        std::fprintf(stderr, "usage: %s [--check] DIR\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[argc - 1];
    const std::map<std::string, Bytes> files = {
        {"solar-system.blz", solarSystemQuiz()},
        {"french-words.blz", frenchWordsQuiz()},
        {"sun.bmp", sunPicture()},
        {"saturn.bmp", saturnPicture()},
        {"apple.bmp", applePicture()},
    };
    int failures = 0;
    for (const auto &[name, bytes] : files) {
        const std::string path = dir + "/" + name;
        if (check) {
            std::ifstream in(path, std::ios::binary);
            const Bytes present{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
            if (present != bytes) {
                std::fprintf(stderr, "%s differs from what the writer makes now\n", path.c_str());
                ++failures;
            }
        } else {
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
            if (!out) {
                std::fprintf(stderr, "cannot write %s\n", path.c_str());
                ++failures;
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
