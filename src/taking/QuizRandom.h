// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>

// The one source of randomness in a quiz run: a linear congruential
// generator with 32-bit state (state × 214013 + 2531011), drawing
// (state >> 16) & 0x7FFF, so every draw is 0 … 32767.
class QuizRandom
{
public:
    explicit QuizRandom(std::uint32_t seed)
        : m_state(seed)
    {}

    [[nodiscard]] int next()
    {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFF);
    }

private:
    std::uint32_t m_state;
};

// Fills `out` with a random permutation of 0 … out.size()-1, drawing until an
// index below the size that is still free comes up. The first form seeds
// with a steady millisecond count at every call. False (and `out` untouched)
// when the scratch memory cannot be had. At most 32768 entries: larger sizes
// are refused, since the generator never draws beyond that.
bool ShuffleIndices(std::span<int> out);
bool ShuffleIndices(std::span<int> out, std::uint32_t seed);

// Milliseconds of a steady clock, as the seed of the question order.
[[nodiscard]] std::uint32_t SteadyMilliseconds();
