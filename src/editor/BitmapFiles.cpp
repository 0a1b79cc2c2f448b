// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/BitmapFiles.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr std::size_t FILE_HEADER_SIZE = 14;
constexpr std::size_t MINIMUM_SIZE = FILE_HEADER_SIZE + 44;

} // namespace

bool IsValidBitmapHeader(std::span<const std::uint8_t> head, std::uint64_t fileLength)
{
    if (head.size() < MINIMUM_SIZE || head[0] != 'B' || head[1] != 'M')
        return false;
    const std::uint32_t declared = std::uint32_t(head[2]) | std::uint32_t(head[3]) << 8 |
                                   std::uint32_t(head[4]) << 16 | std::uint32_t(head[5]) << 24;
    return declared == fileLength;
}

bool IsValidBitmapFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    std::uint8_t head[MINIMUM_SIZE];
    const qint64 read = file.read(reinterpret_cast<char *>(head), qint64(sizeof head));
    if (read < 0)
        return false;
    return IsValidBitmapHeader(std::span<const std::uint8_t>(head, std::size_t(read)),
                               std::uint64_t(file.size()));
}
