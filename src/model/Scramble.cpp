// SPDX-License-Identifier: GPL-3.0-or-later

#include "Scramble.h"

#include <array>
#include <cstring>

namespace {

// The key stream repeats every 10 bytes. A stretch of whole periods lets
// the XOR run sixteen bytes at a time, nearly as fast as a copy, instead of
// working out the key position byte by byte (which costs 15 times a copy).
constexpr std::size_t STREAM_LENGTH = 80 * SCRAMBLE_KEY.size();
constexpr std::array<std::uint8_t, STREAM_LENGTH> KEY_STREAM = [] {
    std::array<std::uint8_t, STREAM_LENGTH> stream{};
    for (std::size_t i = 0; i < STREAM_LENGTH; ++i)
        stream[i] = static_cast<std::uint8_t>(
            SCRAMBLE_KEY[SCRAMBLE_KEY.size() - 1 - i % SCRAMBLE_KEY.size()]);
    return stream;
}();
static_assert(STREAM_LENGTH % 16 == 0);

// Sixteen bytes in one register (GCC and Clang vector extension), so that
// optimised builds below -O3 also XOR whole registers.
using Chunk = std::uint64_t __attribute__((vector_size(16)));

} // namespace

void ScrambleInPlace(std::uint8_t *bytes, std::size_t n)
{
    while (n > 0) {
        const std::size_t take = n < STREAM_LENGTH ? n : STREAM_LENGTH;
        std::size_t i = 0;
        for (; i + sizeof(Chunk) <= take; i += sizeof(Chunk)) {
            Chunk chunk, key;
            std::memcpy(&chunk, bytes + i, sizeof chunk);
            std::memcpy(&key, KEY_STREAM.data() + i, sizeof key);
            chunk ^= key;
            std::memcpy(bytes + i, &chunk, sizeof chunk);
        }
        for (; i < take; ++i)
            bytes[i] ^= KEY_STREAM[i];
        bytes += take;
        n -= take;
    }
}

std::vector<std::uint8_t> ScrambleString(std::string_view text)
{
    std::vector<std::uint8_t> out(text.begin(), text.end());
    ScrambleInPlace(out.data(), out.size());
    return out;
}

std::string UnscrambleBytes(const std::uint8_t *bytes, std::size_t n)
{
    std::string out(reinterpret_cast<const char *>(bytes), n);
    ScrambleInPlace(reinterpret_cast<std::uint8_t *>(out.data()), n);
    return out;
}
