// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/FontConversion.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::int32_t intAt(const LogFont &block, std::size_t offset)
{
    std::int32_t value;
    std::memcpy(&value, block.data() + offset, 4);
    return value;
}

} // namespace

TEST(FontConversion, WritesAFontDescriptionBlock)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSize(12);
    font.setWeight(QFont::Bold);
    font.setItalic(true);
    font.setUnderline(true);
    const LogFont block = logFontFromFont(font);
    EXPECT_EQ(intAt(block, 0), -16); // 12 pt at 96 dpi, character height
    EXPECT_EQ(intAt(block, 16), 700);
    EXPECT_EQ(block[20], 1);
    EXPECT_EQ(block[21], 1);
    EXPECT_EQ(block[22], 0);
    EXPECT_EQ(block[23], 0); // Western character set under windows-1252
    EXPECT_STREQ(reinterpret_cast<const char *>(block.data() + 28), "DejaVu Serif");
    EXPECT_EQ(block[59], 0);
}

TEST(FontConversion, ReadsWhatItWrites)
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPointSize(15);
    font.setWeight(QFont::Normal);
    font.setStrikeOut(true);
    const QFont back = fontFromLogFont(logFontFromFont(font));
    EXPECT_EQ(back.family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_DOUBLE_EQ(back.pointSizeF(), 15.0);
    EXPECT_EQ(back.weight(), QFont::Normal);
    EXPECT_FALSE(back.italic());
    EXPECT_TRUE(back.strikeOut());
}

TEST(FontConversion, ReadsBlocksWrittenElsewhere)
{
    // "Arial", 10 pt as a Windows font chooser writes it: height -13, bold.
    LogFont block{};
    const std::int32_t height = -13, weight = 700;
    std::memcpy(block.data(), &height, 4);
    std::memcpy(block.data() + 16, &weight, 4);
    std::memcpy(block.data() + 28, "Arial", 5);
    const QFont font = fontFromLogFont(block);
    EXPECT_EQ(font.family(), QStringLiteral("Arial"));
    EXPECT_NEAR(font.pointSizeF(), 9.75, 0.01);
    EXPECT_EQ(font.weight(), QFont::Bold);
}

TEST(FontConversion, SurvivesGarbage)
{
    LogFont block;
    block.fill(0xFF); // no terminator in the face name, absurd numbers
    const QFont font = fontFromLogFont(block);
    EXPECT_GT(font.pointSizeF(), 0);
    LogFont zeros{};
    EXPECT_GT(fontFromLogFont(zeros).pointSizeF(), 0);
}
