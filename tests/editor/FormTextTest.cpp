// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/FormText.h"

#include <gtest/gtest.h>

TEST(FormText, TrimsTheSixBlanksAtBothEnds)
{
    EXPECT_EQ(TrimBlanks(QStringLiteral(" \t\n\v\f\rMars \r\n")), QStringLiteral("Mars"));
    EXPECT_EQ(TrimBlanks(QStringLiteral("  a  b  ")), QStringLiteral("a  b"));
    EXPECT_EQ(TrimBlanks(QStringLiteral(" \t ")), QString());
    // A no-break space is text, not a blank.
    EXPECT_EQ(TrimBlanks(QStringLiteral("\u00a0x")), QStringLiteral("\u00a0x"));
}

TEST(FormText, CompactionMovesAnswersUpWithTheirMarks)
{
    struct Case
    {
        std::array<const char *, 5> answers;
        std::array<bool, 5> correct;
        std::array<const char *, 5> expectedAnswers;
        std::array<bool, 5> expectedCorrect;
        bool moved;
    } cases[] = {
        // A and C given, B empty: C moves to B with its mark.
        {{"A", "", "C", "", ""}, {0, 0, 1, 0, 0}, {"A", "C", "", "", ""}, {0, 1, 0, 0, 0}, true},
        // Gaps everywhere; the marks of empty answers go away at the end.
        {{"", "B", "", "", "E"}, {1, 0, 0, 1, 1}, {"B", "E", "", "", ""}, {0, 1, 0, 0, 0}, true},
        // Blanks only count as empty.
        {{"A", "  \t", "C", "", ""},
         {0, 0, 0, 0, 0},
         {"A", "C", "", "", ""},
         {0, 0, 0, 0, 0},
         true},
        // No gap: trimming alone is no move, and the marks of empty answers stay.
        {{" A ", "B", "", "", ""}, {0, 0, 1, 0, 0}, {"A", "B", "", "", ""}, {0, 0, 1, 0, 0}, false},
        {{"", "", "", "", ""}, {0, 0, 0, 0, 0}, {"", "", "", "", ""}, {0, 0, 0, 0, 0}, false},
        {{"", "", "", "", "E"}, {0, 0, 0, 0, 1}, {"E", "", "", "", ""}, {1, 0, 0, 0, 0}, true},
    };
    for (const Case &c : cases) {
        std::array<QString, 5> answers;
        for (std::size_t i = 0; i < 5; ++i)
            answers[i] = QString::fromLatin1(c.answers[i]);
        std::array<bool, 5> correct = c.correct;
        EXPECT_EQ(CompactAnswerList(answers, correct), c.moved);
        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(answers[i], QString::fromLatin1(c.expectedAnswers[i])) << i;
            EXPECT_EQ(correct[i], c.expectedCorrect[i]) << i;
        }
    }
}

TEST(FormText, NamesTheCharactersTheCodePageCannotHold)
{
    // The tests run with Windows-1252.
    EXPECT_EQ(UnstorableCharacters(QStringLiteral("Café déjà vu € ÿ")), QString());
    EXPECT_EQ(UnstorableCharacters(QStringLiteral("Łódź Łódź")),
              QStringLiteral("\"Ł\" (U+0141), \"ź\" (U+017A)"));
    // Invisible characters are named by their code.
    EXPECT_EQ(UnstorableCharacters(QStringLiteral("a\u200bb")), QStringLiteral("U+200B"));
    EXPECT_EQ(UnstorableCharacters(QString::fromUtf8("\xf0\x9f\x98\x80")),
              QStringLiteral("\"\U0001F600\" (U+1F600)"));
}
