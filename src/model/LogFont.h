// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// A font description in the 60-byte layout that quiz files carry. The model
// keeps it as an opaque block: only the font conversion of the window layer
// looks inside it.
inline constexpr std::size_t LOGFONT_SIZE = 60;
using LogFont = std::array<std::uint8_t, LOGFONT_SIZE>;
