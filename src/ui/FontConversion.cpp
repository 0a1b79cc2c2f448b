// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/FontConversion.h"

#include "ui/CodePage.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr std::size_t HEIGHT = 0;
constexpr std::size_t WEIGHT = 16;
constexpr std::size_t ITALIC = 20;
constexpr std::size_t UNDERLINE = 21;
constexpr std::size_t STRIKEOUT = 22;
constexpr std::size_t CHARSET = 23;
constexpr std::size_t OUT_PRECISION = 24;
constexpr std::size_t CLIP_PRECISION = 25;
constexpr std::size_t QUALITY = 26;
constexpr std::size_t PITCH_AND_FAMILY = 27;
constexpr std::size_t FACE_NAME = 28;
constexpr std::size_t FACE_NAME_SIZE = 32;

std::int32_t readInt(const LogFont &block, std::size_t offset)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | block[offset + i];
    return static_cast<std::int32_t>(value);
}

void writeInt(LogFont &block, std::size_t offset, std::int32_t value)
{
    const auto raw = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        block[offset + i] = static_cast<std::uint8_t>(raw >> (8 * i));
}

std::uint8_t charsetForCodePage(const QString &codePage)
{
    static const struct
    {
        const char *codePage;
        std::uint8_t charset;
    } table[] = {{"windows-1250", 238}, {"windows-1251", 204}, {"windows-1253", 161},
                 {"windows-1254", 162}, {"windows-1255", 177}, {"windows-1256", 178},
                 {"windows-1257", 186}, {"windows-1258", 163}, {"windows-874", 222},
                 {"windows-932", 128},  {"windows-936", 134},  {"windows-949", 129},
                 {"windows-950", 136}};
    for (const auto &entry : table) {
        if (codePage == QLatin1String(entry.codePage))
            return entry.charset;
    }
    return 0; // the Western character set
}

} // namespace

QFont fontFromLogFont(const LogFont &block)
{
    QFont font;
    const char *face = reinterpret_cast<const char *>(block.data() + FACE_NAME);
    const std::size_t faceLength = strnlen(face, FACE_NAME_SIZE);
    const QString family = CodePage::toUnicode(std::string_view(face, faceLength));
    if (!family.isEmpty())
        font.setFamily(family);
    const std::int32_t height = readInt(block, HEIGHT);
    if (height < 0 && height > -2000) {
        font.setPointSizeF(-height * 72.0 / 96.0);
    } else if (height > 0 && height < 2000) {
        // A positive height is the cell height, which includes the leading.
        font.setPointSizeF(std::max(1.0, height * 72.0 / 96.0 * 0.85));
    }
    const std::int32_t weight = readInt(block, WEIGHT);
    if (weight > 0 && weight <= 1000)
        font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 100, 900)));
    font.setItalic(block[ITALIC] != 0);
    font.setUnderline(block[UNDERLINE] != 0);
    font.setStrikeOut(block[STRIKEOUT] != 0);
    return font;
}

LogFont logFontFromFont(const QFont &font)
{
    LogFont block{};
    double points = font.pointSizeF();
    if (points <= 0 && font.pixelSize() > 0)
        points = font.pixelSize() * 72.0 / 96.0;
    writeInt(block, HEIGHT, -static_cast<std::int32_t>(std::lround(points * 96.0 / 72.0)));
    writeInt(block, WEIGHT, static_cast<std::int32_t>(font.weight()));
    block[ITALIC] = font.italic() ? 1 : 0;
    block[UNDERLINE] = font.underline() ? 1 : 0;
    block[STRIKEOUT] = font.strikeOut() ? 1 : 0;
    block[CHARSET] = charsetForCodePage(CodePage::name());
    block[OUT_PRECISION] = 3;  // stroke precision, as font choosers write it
    block[CLIP_PRECISION] = 2; // stroke clipping
    block[QUALITY] = 1;        // draft quality
    const bool fixed = font.fixedPitch() || font.styleHint() == QFont::Monospace;
    const std::uint8_t pitch = fixed ? 1 : 2;
    std::uint8_t family = 0x20; // sans serif
    if (fixed)
        family = 0x30;
    else if (font.styleHint() == QFont::Serif)
        family = 0x10;
    block[PITCH_AND_FAMILY] = pitch | family;
    // A face name that the code page cannot hold is left out rather than
    // damaged; the font then falls back to the default family when read.
    if (const auto face = CodePage::fromUnicode(font.family())) {
        const std::size_t length = std::min(face->size(), FACE_NAME_SIZE - 1);
        std::memcpy(block.data() + FACE_NAME, face->data(), length);
    }
    return block;
}
