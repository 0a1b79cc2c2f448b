// SPDX-License-Identifier: GPL-3.0-or-later

#include "OrdinaryUser.h"
#include "TemporaryHome.h"

#include "system/Wininit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

struct WininitCase
{
    const char *name;
    std::optional<const char *> before; // nothing: there is no WININIT.INI
    const char *after;                  // <dir> stands for the program folder
};

void PrintTo(const WininitCase &wininit, std::ostream *out)
{
    *out << wininit.name;
}

// A Windows folder and a program folder holding two of the five component
// files, one of them under a lower-case name.
class WininitTest : public ::testing::Test
{
protected:
    WininitTest()
    {
        home.setVariable("windir", QFile::encodeName(home.path(QStringLiteral("windows"))));
        QDir().mkpath(home.path(QStringLiteral("windows")));
        home.writeFile(QStringLiteral("prog/BRAINLOFT.EXE"), "x");
        home.writeFile(QStringLiteral("prog/brainloft.hlp"), "x");
        home.writeFile(QStringLiteral("prog/other.txt"), "x");
    }
    [[nodiscard]] QString wininit() const
    {
        return home.path(QStringLiteral("windows/WININIT.INI"));
    }
    [[nodiscard]] QByteArray nulLines() const
    {
        const QByteArray dir = QFile::encodeName(home.path(QStringLiteral("prog/")));
        return "NUL=" + dir + "BRAINLOFT.EXE\r\nNUL=" + dir + "brainloft.hlp\r\n";
    }

    TemporaryHome home;
};

class WininitRewrite : public WininitTest, public ::testing::WithParamInterface<WininitCase>
{
};

} // namespace

TEST_P(WininitRewrite, PutsTheDeletionsBelowTheFirstRenameHeader)
{
    if (GetParam().before)
        home.writeFile(QStringLiteral("windows/WININIT.INI"), *GetParam().before);
    EXPECT_TRUE(ScheduleWininitDeletes(home.path(QStringLiteral("prog"))));
    QByteArray expected = GetParam().after;
    expected.replace("<NUL>", nulLines());
    EXPECT_EQ(TemporaryHome::read(wininit()).toStdString(), expected.toStdString());
    EXPECT_FALSE(QFileInfo::exists(home.path(QStringLiteral("windows/WININIT.BL"))));
}

INSTANTIATE_TEST_SUITE_P(
    Wininit, WininitRewrite,
    ::testing::Values(
        WininitCase{"NoFile", std::nullopt, "\r\n[Rename]\r\n<NUL>"},
        WininitCase{"SectionAmongOthers", "[boot]\r\na=1\r\n[Rename]\r\nx=y\r\n[other]\r\nb=2\r\n",
                    "[boot]\r\na=1\r\n[Rename]\r\n<NUL>x=y\r\n[other]\r\nb=2\r\n\r\n"},
        WininitCase{"NoSection", "[boot]\r\na=1\r\n", "[boot]\r\na=1\r\n\r\n\r\n[Rename]\r\n<NUL>"},
        WininitCase{"HeaderInOtherCaseWithBlanks", "a=1\r\n  [rename] \t\r\nx=y",
                    "a=1\r\n  [rename] \t\r\n<NUL>x=y\r\n\r\n"},
        WininitCase{"HeaderOnTheLastLine", "[Rename]", "[Rename]\r\n<NUL>\r\n"},
        WininitCase{"OnlyTheFirstSection", "[Rename]\nx=y\n[Rename]\n",
                    "[Rename]\r\n<NUL>x=y\r\n[Rename]\r\n\r\n"},
        WininitCase{"EmptyFile", "", "\r\n\r\n[Rename]\r\n<NUL>"}),
    [](const ::testing::TestParamInfo<WininitCase> &info) { return info.param.name; });

TEST_F(WininitTest, WithoutComponentFilesTheSectionStaysEmpty)
{
    EXPECT_TRUE(ScheduleWininitDeletes(home.path(QStringLiteral("windows"))));
    EXPECT_EQ(TemporaryHome::read(wininit()).toStdString(), "\r\n[Rename]\r\n");
}

TEST_F(WininitTest, FailuresChangeNothing)
{
    home.writeFile(QStringLiteral("windows/WININIT.INI"), "[boot]\r\n");
    home.setVariable("windir", QByteArray());
    EXPECT_FALSE(ScheduleWininitDeletes(home.path(QStringLiteral("prog"))));
    home.setVariable("windir", QFile::encodeName(home.path(QStringLiteral("missing"))));
    EXPECT_FALSE(ScheduleWininitDeletes(home.path(QStringLiteral("prog"))));
    EXPECT_EQ(TemporaryHome::read(wininit()), "[boot]\r\n");
    EXPECT_FALSE(QFileInfo::exists(home.path(QStringLiteral("missing"))));
}

TEST_F(WininitTest, AFileThatCannotBeReadIsNotReplaced)
{
    if (RunAsOrdinaryUser())
        return; // root reads every file
    home.writeFile(QStringLiteral("windows/WININIT.INI"), "[boot]\r\n");
    QFile::setPermissions(wininit(), QFileDevice::WriteOwner);
    EXPECT_FALSE(ScheduleWininitDeletes(home.path(QStringLiteral("prog"))));
    QFile::setPermissions(wininit(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(TemporaryHome::read(wininit()), "[boot]\r\n");
    EXPECT_FALSE(QFileInfo::exists(home.path(QStringLiteral("windows/WININIT.BL"))));
}
