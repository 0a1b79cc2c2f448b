// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/PrintLayout.h"

#include "QuizFixtures.h"
#include "model/Quiz.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>

namespace {

void fillQuiz(Quiz &quiz, int count)
{
    for (int i = 0; i < count; ++i)
        quiz.AppendQuestion(makeQuestion("q" + std::to_string(i), {"a", "b", "c", "d", "e"}, {1}));
}

std::vector<int> storedOrder(const std::vector<PrintedQuestion> &printed)
{
    std::vector<int> order;
    for (const PrintedQuestion &p : printed)
        order.push_back(p.stored);
    return order;
}

bool isPermutation(std::vector<int> values, int n)
{
    std::sort(values.begin(), values.end());
    std::vector<int> expected(std::size_t(n), 0);
    std::iota(expected.begin(), expected.end(), 0);
    return values == expected;
}

} // namespace

TEST(PrintLayout, VersionsShuffleOnlyWhatTheQuizAsksAndOnlyWithSeveral)
{
    const struct Case
    {
        const char *name;
        int type, randomQuestions, randomAnswers, versions;
        bool questionsMove, answersMove;
    } cases[] = {
        {"one version keeps the order", 0, 1, 1, 1, false, false},
        {"no random order", 0, 0, 0, 3, false, false},
        {"questions only", 0, 1, 0, 3, true, false},
        {"answers only", 0, 0, 1, 3, false, true},
        {"both", 0, 1, 1, 26, true, true},
        {"flash cards: questions", 1, 1, 1, 3, true, false},
    };
    for (const Case &c : cases) {
        Quiz quiz;
        quiz.quizType = c.type;
        quiz.randomizeQuestions = c.randomQuestions;
        quiz.randomizeAnswers = c.randomAnswers;
        fillQuiz(quiz, 12);
        bool questionsMoved = false, answersMoved = false;
        std::set<std::vector<int>> orders;
        for (int v = 0; v < c.versions; ++v) {
            const auto printed = VersionOrder(quiz, v, c.versions);
            ASSERT_EQ(printed.size(), 12u) << c.name;
            EXPECT_TRUE(isPermutation(storedOrder(printed), 12)) << c.name;
            // Printing again gives the same version.
            EXPECT_EQ(storedOrder(VersionOrder(quiz, v, c.versions)), storedOrder(printed))
                << c.name;
            orders.insert(storedOrder(printed));
            for (std::size_t k = 0; k < printed.size(); ++k) {
                questionsMoved |= printed[k].stored != int(k);
                if (c.type != 0) {
                    EXPECT_TRUE(printed[k].answers.empty()) << c.name;
                    continue;
                }
                EXPECT_TRUE(isPermutation(printed[k].answers, 5)) << c.name;
                for (std::size_t s = 0; s < 5; ++s)
                    answersMoved |= printed[k].answers[s] != int(s);
            }
        }
        EXPECT_EQ(questionsMoved, c.questionsMove) << c.name;
        EXPECT_EQ(answersMoved, c.answersMove) << c.name;
        // Versions differ from one another, not only from the quiz.
        if (c.questionsMove) {
            EXPECT_EQ(orders.size(), std::size_t(c.versions)) << c.name;
        }
    }
    EXPECT_NE(VersionSeed(0), VersionSeed(1));
    EXPECT_EQ(VersionLetter(0), QChar(u'A'));
    EXPECT_EQ(VersionLetter(25), QChar(u'Z'));
}

TEST(PrintLayout, KeyLettersFollowThePrintedAnswers)
{
    Quiz quiz;
    quiz.randomizeAnswers = 1;
    // Answer B is empty: the question screen shows A, C, D as A, B, C.
    quiz.AppendQuestion(makeQuestion("gap", {"w", "", "x", "y"}, {2, 3}));
    const auto printed = VersionOrder(quiz, 0, 1);
    ASSERT_EQ(printed[0].answers, (std::vector<int>{0, 2, 3}));
    const CQuestion &question = *quiz.QuestionAt(0);
    EXPECT_EQ(CorrectLetters(question, printed[0].answers), QStringLiteral("B, C"));
    EXPECT_EQ(CorrectLetters(question, {3, 0, 2}), QStringLiteral("A, C"));
    EXPECT_EQ(CorrectLetters(question, {0}), QString());
}

TEST(PrintLayout, BlocksNeverStraddlePagesUnlessTallerThanOne)
{
    struct Place
    {
        int page;
        double top;
        int span;
    };
    const struct Case
    {
        const char *name;
        std::vector<double> heights;
        double first, page;
        std::vector<Place> places;
        int pages;
    } cases[] = {
        {"all on one", {30, 30}, 100, 100, {{0, 0, 1}, {0, 40, 1}}, 1},
        {"exactly full", {45, 45}, 100, 100, {{0, 0, 1}, {0, 55, 1}}, 1},
        {"next page", {50, 50, 50}, 100, 100, {{0, 0, 1}, {1, 0, 1}, {2, 0, 1}}, 3},
        {"gap does not fit", {46, 46}, 100, 100, {{0, 0, 1}, {1, 0, 1}}, 2},
        {"smaller first page", {60, 60}, 50, 100, {{1, 0, 1}, {2, 0, 1}}, 3},
        {"tall block", {20, 250, 20}, 100, 100, {{0, 0, 1}, {1, 0, 3}, {4, 0, 1}}, 5},
        {"tall block first", {150}, 100, 100, {{0, 0, 2}}, 2},
        {"tall block last", {20, 150}, 100, 100, {{0, 0, 1}, {1, 0, 2}}, 3},
        {"nothing", {}, 100, 100, {}, 1},
    };
    for (const Case &c : cases) {
        int pages = 0;
        const auto places = Paginate(c.heights, c.first, c.page, 10, pages);
        EXPECT_EQ(pages, c.pages) << c.name;
        ASSERT_EQ(places.size(), c.places.size()) << c.name;
        for (std::size_t i = 0; i < places.size(); ++i) {
            EXPECT_EQ(places[i].page, c.places[i].page) << c.name << " block " << i;
            EXPECT_DOUBLE_EQ(places[i].top, c.places[i].top) << c.name << " block " << i;
            EXPECT_EQ(places[i].pageSpan, c.places[i].span) << c.name << " block " << i;
        }
    }
}

TEST(PrintLayout, CardBacksAreMirroredLeftToRight)
{
    for (int i = 0; i < 2 * CARDS_PER_SHEET; ++i) {
        const CardCell front = CardPosition(i, false);
        const CardCell back = CardPosition(i, true);
        EXPECT_EQ(front.row, (i % CARDS_PER_SHEET) / 2);
        EXPECT_EQ(front.column, i % 2);
        EXPECT_EQ(back.row, front.row);
        EXPECT_EQ(back.column, 1 - front.column);
    }
}
