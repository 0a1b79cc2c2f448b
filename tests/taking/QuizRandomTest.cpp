// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/QuizRandom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

bool isPermutation(std::vector<int> values)
{
    std::sort(values.begin(), values.end());
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i] != static_cast<int>(i))
            return false;
    }
    return true;
}

} // namespace

TEST(QuizRandom, DrawsFromTheFixedGenerator)
{
    // state × 214013 + 2531011, then bits 16 … 30 of the state.
    QuizRandom random(12345);
    for (const int expected : {7584, 19164, 25795, 22125, 5828})
        EXPECT_EQ(random.next(), expected);
    QuizRandom wraps(0xFFFFFFFFu);
    EXPECT_EQ(wraps.next(), 35); // the state wraps to 2316998
}

TEST(QuizRandom, ShufflesWithTheGeneratorsRejectionRule)
{
    struct Case
    {
        std::uint32_t seed;
        std::vector<int> expected;
    } cases[] = {
        {1, {3, 4, 1, 0, 2}},
        {4242, {3, 2, 1, 0, 4}},
        {7, {1, 0, 2}},
    };
    for (const Case &c : cases) {
        std::vector<int> out(c.expected.size(), -1);
        ASSERT_TRUE(ShuffleIndices(out, c.seed));
        EXPECT_EQ(out, c.expected) << "seed " << c.seed;
    }
}

TEST(QuizRandom, EverySizeUpToAFullQuizGivesAPermutation)
{
    std::vector<int> none;
    EXPECT_TRUE(ShuffleIndices(none, 99));

    std::vector<int> one{-1};
    EXPECT_TRUE(ShuffleIndices(one));
    EXPECT_EQ(one, std::vector<int>{0});

    for (const std::uint32_t seed : {0u, 1u, 0xDEADBEEFu, SteadyMilliseconds()}) {
        std::vector<int> full(512, -1);
        ASSERT_TRUE(ShuffleIndices(full, seed));
        EXPECT_TRUE(isPermutation(full)) << "seed " << seed;
        std::vector<int> identity(512);
        std::iota(identity.begin(), identity.end(), 0);
        EXPECT_NE(full, identity);
    }
}

TEST(QuizRandom, RefusesSizesTheGeneratorCannotReach)
{
    std::vector<int> huge(32769, -1);
    EXPECT_FALSE(ShuffleIndices(huge, 1));
    EXPECT_TRUE(std::all_of(huge.begin(), huge.end(), [](int v) { return v == -1; }));
}
