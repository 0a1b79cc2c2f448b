// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>
#include <span>

// The check a picture file must pass before a question may name it: a
// Windows bitmap file header ("BM", then the file's own length as a 32-bit
// little-endian number) and at least 58 bytes in all (that header and the
// 44 bytes of the information block after it). It looks at nothing else.

// The check on a file's first bytes (`head`, up to 58 of them) and its
// length in bytes. Pure, so that it can be fed any bytes.
[[nodiscard]] bool IsValidBitmapHeader(std::span<const std::uint8_t> head,
                                       std::uint64_t fileLength);

// The check on the file at `path`; false when it cannot be opened or read.
[[nodiscard]] bool IsValidBitmapFile(const QString &path);
