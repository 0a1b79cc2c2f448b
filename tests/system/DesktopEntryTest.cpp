// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/DesktopEntry.h"

#include <gtest/gtest.h>

namespace {

struct ExecCase
{
    const char *command; // as the registry records it
    const char *exec;    // the Exec value in the desktop file
};

class DesktopExec : public ::testing::TestWithParam<ExecCase>
{
};

} // namespace

TEST_P(DesktopExec, RecordedCommandBecomesAnExecValue)
{
    const auto command = parseShellCommand(QString::fromUtf8(GetParam().command));
    ASSERT_TRUE(command);
    EXPECT_EQ(desktopExecValue(*command).toStdString(), GetParam().exec);
}

INSTANTIATE_TEST_SUITE_P(
    DesktopEntry, DesktopExec,
    ::testing::Values(
        ExecCase{R"("/usr/bin/brainloft" %1)", "/usr/bin/brainloft %f"},
        ExecCase{R"("/opt/b/brainloft" /edit %1)", "/opt/b/brainloft --edit %f"},
        ExecCase{R"("/opt/b/brainloft" /UNINSTALL)", "/opt/b/brainloft --uninstall"},
        ExecCase{R"("/home/u/My Quizzes/brainloft" %1)", R"("/home/u/My Quizzes/brainloft" %f)"},
        // '%' is doubled; quoting escapes " ` $ \ and the file format doubles backslashes.
        ExecCase{R"("/q/100%/brainloft" %1)", "/q/100%%/brainloft %f"},
        ExecCase{R"("/q/a"b/brainloft" %1)", R"("/q/a\\"b/brainloft" %f)"},
        ExecCase{R"("/q/$x`y`/brainloft" %1)", R"("/q/\\$x\\`y\\`/brainloft" %f)"},
        ExecCase{R"("/q/back\slash/brainloft" %1)", R"("/q/back\\\\slash/brainloft" %f)"},
        ExecCase{R"("/q/it's/brainloft" %1)", R"("/q/it's/brainloft" %f)"}));

TEST(DesktopEntry, CommandsWithoutAQuotedProgramAreRefused)
{
    for (const char *command : {"", "/usr/bin/brainloft %1", "\"\" %1", "\"/unterminated %1"})
        EXPECT_FALSE(parseShellCommand(QString::fromUtf8(command))) << command;
}

TEST(DesktopEntry, StringValuesEscapeControlCharactersAndALeadingBlank)
{
    EXPECT_EQ(desktopStringValue(QStringLiteral(" a\\b\tc\nd\re ")).toStdString(),
              "\\sa\\\\b\\tc\\nd\\re ");
}
