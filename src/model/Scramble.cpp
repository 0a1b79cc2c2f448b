#include "Scramble.h"

void ScrambleInPlace(std::uint8_t *bytes, std::size_t n)
{
    constexpr std::size_t keyLength = SCRAMBLE_KEY.size();
    for (std::size_t i = 0; i < n; ++i)
        bytes[i] ^= static_cast<std::uint8_t>(SCRAMBLE_KEY[keyLength - 1 - i % keyLength]);
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
