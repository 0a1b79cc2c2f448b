// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/BitmapFiles.h"

#include "EditorTesting.h"

#include <vector>

namespace {

std::vector<std::uint8_t> header(const char *magic, std::uint32_t declared, std::size_t size)
{
    std::vector<std::uint8_t> bytes(size, 0);
    for (std::size_t i = 0; i < 2 && i < size; ++i)
        bytes[i] = std::uint8_t(magic[i]);
    for (std::size_t i = 0; i < 4 && 2 + i < size; ++i)
        bytes[2 + i] = std::uint8_t(declared >> (8 * i));
    return bytes;
}

} // namespace

TEST(BitmapFiles, HeaderMustDeclareTheFileLengthAndHold58Bytes)
{
    struct Case
    {
        const char *magic;
        std::uint32_t declared;
        std::size_t headBytes;
        std::uint64_t fileLength;
        bool valid;
    } cases[] = {
        {"BM", 58, 58, 58, true},
        {"BM", 70000, 58, 70000, true},
        {"BM", 57, 57, 57, false},   // too short
        {"BM", 100, 14, 100, false}, // the information block could not be read
        {"BM", 99, 58, 100, false},  // declared size differs from the length
        {"BM", 101, 58, 100, false},
        {"MB", 100, 58, 100, false}, // not "BM"
        {"bm", 100, 58, 100, false},
        {"BM", 0, 58, 0x100000000, false}, // a length beyond 32 bits never matches
        {"BM", 0, 0, 0, false},
    };
    for (const Case &c : cases) {
        const auto bytes = header(c.magic, c.declared, c.headBytes);
        EXPECT_EQ(IsValidBitmapHeader(bytes, c.fileLength), c.valid)
            << c.magic << " " << c.declared << " " << c.headBytes << " " << c.fileLength;
    }
}

TEST(BitmapFiles, ChecksTheFileOnDisk)
{
    QTemporaryDir folder;
    const QString good = folder.filePath(QStringLiteral("good.bmp"));
    writeBitmap(good, 58);
    EXPECT_TRUE(IsValidBitmapFile(good));

    const QString lying = folder.filePath(QStringLiteral("lying.bmp"));
    writeBitmap(lying, 100, 120);
    EXPECT_FALSE(IsValidBitmapFile(lying));

    const QString shortFile = folder.filePath(QStringLiteral("short.bmp"));
    writeBitmap(shortFile, 57);
    EXPECT_FALSE(IsValidBitmapFile(shortFile));

    EXPECT_FALSE(IsValidBitmapFile(folder.filePath(QStringLiteral("missing.bmp"))));
    EXPECT_FALSE(IsValidBitmapFile(folder.path()));
}
