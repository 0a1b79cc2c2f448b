// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/QuizRandom.h"

#include <chrono>
#include <new>
#include <vector>

bool ShuffleIndices(std::span<int> out)
{
    return ShuffleIndices(out, SteadyMilliseconds());
}

bool ShuffleIndices(std::span<int> out, std::uint32_t seed)
{
    const std::size_t n = out.size();
    if (n > 32768)
        return false; // no draw could ever reach the upper indices
    std::vector<char> taken;
    try {
        taken.assign(n, 0);
    } catch (const std::bad_alloc &) {
        return false;
    }
    QuizRandom random(seed);
    for (std::size_t i = 0; i < n; ++i) {
        std::size_t r;
        do {
            r = static_cast<std::size_t>(random.next());
        } while (r >= n || taken[r]);
        out[i] = static_cast<int>(r);
        taken[r] = 1;
    }
    return true;
}

std::uint32_t SteadyMilliseconds()
{
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}
