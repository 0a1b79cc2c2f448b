// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Stored text is XOR-combined with a fixed key, taken backwards and restarted
// for every string or block, so equal texts give equal bytes wherever they
// stand. The operation is its own inverse.
inline constexpr std::string_view SCRAMBLE_KEY = "vostregink";

// out[i] = in[i] ^ key[9 - i % 10], in place.
void ScrambleInPlace(std::uint8_t *bytes, std::size_t n);

[[nodiscard]] std::vector<std::uint8_t> ScrambleString(std::string_view text);
[[nodiscard]] std::string UnscrambleBytes(const std::uint8_t *bytes, std::size_t n);
