// SPDX-License-Identifier: GPL-3.0-or-later
// The files we write and install, checked by the desktop's own tools. Each
// test skips, saying which package it needs, where its tool is missing.

#include "ScriptedPrompts.h"
#include "TemporaryHome.h"

#include "system/Registration.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

struct ToolResult
{
    int exitCode = -1;
    QString output; // standard output and error together
};

ToolResult runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll()).trimmed()};
}

#define REQUIRE_TOOL(variable, tool, package)                                                      \
    const QString variable = QStandardPaths::findExecutable(QStringLiteral(tool));                 \
    if (variable.isEmpty())                                                                        \
    GTEST_SKIP() << tool " is not installed (Debian package " package ")"

class DesktopToolsTest : public ::testing::Test
{
protected:
    // Registers the program at `folder` below the home.
    void registerProgram(const QString &folder)
    {
        const QString exe = home.writeFile(folder + QStringLiteral("/brainloft"), "", true);
        ScriptedPrompts prompts;
        RegisterProgram(prompts, exe);
        ASSERT_TRUE(prompts.calls().empty());
    }
    [[nodiscard]] QString applications() const
    {
        return home.dataHome() + QStringLiteral("/applications/");
    }
    static QString installed(const char *name)
    {
        return QStringLiteral(BRAINLOFT_INSTALL_FILES_DIR "/") + QString::fromLatin1(name);
    }

    TemporaryHome home;
};

} // namespace

TEST_F(DesktopToolsTest, DesktopEntriesWrittenAndInstalledAreValid)
{
    REQUIRE_TOOL(validate, "desktop-file-validate", "desktop-file-utils");
    // A path that needs every kind of escape in Exec.
    registerProgram(QStringLiteral("My Programs/it's $100% \"quiz\" `tools`\\x"));
    for (const QString &file :
         {applications() + QStringLiteral("brainloft.desktop"),
          applications() + QStringLiteral("brainloft-edit.desktop"), installed("brainloft.desktop"),
          installed("brainloft-edit.desktop")}) {
        const ToolResult result = runTool(validate, {file});
        EXPECT_EQ(result.exitCode, 0) << file.toStdString() << "\n" << result.output.toStdString();
        EXPECT_TRUE(result.output.isEmpty()) << result.output.toStdString();
    }
}

TEST_F(DesktopToolsTest, MetainfoIsValid)
{
    REQUIRE_TOOL(appstream, "appstreamcli", "appstream");
    const ToolResult result =
        runTool(appstream, {QStringLiteral("validate"), QStringLiteral("--no-net"),
                            installed("org.brainloft.Brainloft.metainfo.xml")});
    EXPECT_EQ(result.exitCode, 0) << result.output.toStdString();
}

TEST_F(DesktopToolsTest, XdgMimeAnswersOurEntryAsTheDefault)
{
    REQUIRE_TOOL(xdgMime, "xdg-mime", "xdg-utils");
    // xdg-mime checks the default's program with `which`, which cannot take
    // a path with blanks; GIO below can.
    registerProgram(QStringLiteral("bin"));
    const ToolResult result = runTool(xdgMime, {QStringLiteral("query"), QStringLiteral("default"),
                                                QStringLiteral("application/x-brainloft-quiz")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output.toStdString(), "brainloft.desktop");
}

TEST_F(DesktopToolsTest, GioGivesQuizFilesOurTypeAndOurDefault)
{
    REQUIRE_TOOL(gio, "gio", "libglib2.0-bin");
    if (QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
        GTEST_SKIP() << "update-mime-database is not installed (Debian package shared-mime-info)";
    // GIO parses Exec properly, but takes "%%" in the program's path
    // literally, so that is left out here.
    registerProgram(QStringLiteral("My Programs/it's $5 \"quiz\" `tools`\\x"));
    const QString quiz = home.writeFile(QStringLiteral("Unit 1.BLZ"), "quiz");
    const ToolResult info = runTool(
        gio, {QStringLiteral("info"), QStringLiteral("--attributes=standard::content-type"), quiz});
    EXPECT_TRUE(info.output.contains(
        QStringLiteral("standard::content-type: application/x-brainloft-quiz")))
        << info.output.toStdString();
    const ToolResult mime =
        runTool(gio, {QStringLiteral("mime"), QStringLiteral("application/x-brainloft-quiz")});
    EXPECT_TRUE(mime.output.contains(QStringLiteral(
        "Default application for “application/x-brainloft-quiz”: brainloft.desktop")))
        << mime.output.toStdString();
    EXPECT_TRUE(mime.output.contains(QStringLiteral("brainloft-edit.desktop")))
        << mime.output.toStdString();
}
