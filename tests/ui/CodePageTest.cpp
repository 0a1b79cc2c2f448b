// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/CodePage.h"

#include <gtest/gtest.h>

namespace {

// Restores the code page the test main set.
class CodePageTest : public ::testing::Test
{
protected:
    void TearDown() override { CodePage::setName(QStringLiteral("windows-1252")); }
};

} // namespace

TEST_F(CodePageTest, EveryByteOfTheWesternPageRoundTrips)
{
    std::string all;
    for (int i = 1; i < 256; ++i)
        all += static_cast<char>(i);
    const QString text = CodePage::toUnicode(all);
    EXPECT_EQ(text.size(), 255);
    EXPECT_EQ(text.at(0x80 - 1), QChar(0x20AC)); // the euro sign
    const auto back = CodePage::fromUnicode(text);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST_F(CodePageTest, CharactersOutsideThePageAreRefusedNotReplaced)
{
    EXPECT_FALSE(CodePage::fromUnicode(QStringLiteral("caf\u00e9 \u65e5\u672c")).has_value());
    EXPECT_EQ(CodePage::unrepresentable(QStringLiteral("a\u65e5b\u65e5\u0416")),
              QStringLiteral("\u65e5\u0416"));
    EXPECT_TRUE(CodePage::unrepresentable(QStringLiteral("caf\u00e9")).isEmpty());

    ASSERT_TRUE(CodePage::setName(QStringLiteral("1251")));
    EXPECT_EQ(CodePage::name(), QStringLiteral("windows-1251"));
    const auto cyrillic = CodePage::fromUnicode(QStringLiteral("\u0416"));
    ASSERT_TRUE(cyrillic.has_value());
    EXPECT_EQ(*cyrillic, "\xc6");
    EXPECT_FALSE(CodePage::fromUnicode(QStringLiteral("\u00e9")).has_value());
}

TEST_F(CodePageTest, UnknownPagesAreRefused)
{
    EXPECT_FALSE(CodePage::setName(QStringLiteral("windows-99999")));
    EXPECT_FALSE(CodePage::setName(QString()));
    EXPECT_EQ(CodePage::name(), QStringLiteral("windows-1252"));
}

TEST(CodePageForLocale, FollowsTheLanguage)
{
    struct Case
    {
        const char *locale;
        const char *codePage;
    } cases[] = {
        {"en_US.UTF-8", "windows-1252"}, {"de_DE", "windows-1252"}, {"C", "windows-1252"},
        {"ru_RU.UTF-8", "windows-1251"}, {"uk_UA", "windows-1251"}, {"el_GR", "windows-1253"},
        {"pl_PL", "windows-1250"},       {"tr_TR", "windows-1254"}, {"he_IL", "windows-1255"},
        {"ar_EG", "windows-1256"},       {"lt_LT", "windows-1257"}, {"vi_VN", "windows-1258"},
        {"th_TH", "windows-874"},        {"ja_JP", "windows-932"},  {"zh_CN", "windows-936"},
        {"zh_TW", "windows-950"},        {"ko_KR", "windows-949"},  {"sr_RS@latin", "windows-1250"},
        {"sr_RS", "windows-1251"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CodePage::forLocale(QString::fromLatin1(c.locale)), QLatin1String(c.codePage))
            << c.locale;
}
