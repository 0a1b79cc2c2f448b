// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/FileCommands.h"

#include "QuizFixtures.h"
#include "ScriptedConsole.h"
#include "model/Quiz.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(FileCommands, QuizPasswordFromTheEnvironmentOrTheTerminal)
{
    struct Case
    {
        const char *name;
        std::optional<QString> environment;
        std::vector<QString> typed;
        int status;
        const char *error; // first line on standard error; "" = none
    } cases[] = {
        {"environment", QStringLiteral("teacher"), {}, ExitCode::Done, ""},
        {"environment trimmed", QStringLiteral(" teacher\t"), {}, ExitCode::Done, ""},
        {"environment case kept", QStringLiteral("Teacher"), {}, ExitCode::WrongPassword,
         "Invalid password!"},
        // The environment wins: the terminal is not asked.
        {"environment wrong", QStringLiteral("x"), {QStringLiteral("teacher")},
         ExitCode::WrongPassword, "Invalid password!"},
        {"terminal", std::nullopt, {QStringLiteral("teacher")}, ExitCode::Done, ""},
        {"terminal wrong", std::nullopt, {QStringLiteral("teach")}, ExitCode::WrongPassword,
         "Invalid password!"},
        {"not storable", std::nullopt, {QStringLiteral("teacher\u0142")},
         ExitCode::WrongPassword, "Invalid password!"},
        {"no terminal", std::nullopt, {}, ExitCode::WrongPassword,
         "This command needs the quiz's password: set BRAINLOFT_PASSWORD or run it on a "
         "terminal."},
    };
    Quiz quiz;
    quiz.password = "teacher";
    for (const Case &c : cases) {
        ScriptedConsole console;
        if (c.environment)
            console.variables[PASSWORD_VARIABLE] = *c.environment;
        console.answers = c.typed;
        EXPECT_EQ(CheckQuizPassword(quiz, console), c.status) << c.name;
        EXPECT_EQ(console.err.value(0), QString::fromUtf8(c.error)) << c.name;
        EXPECT_EQ(console.prompts.size(), c.environment ? 0 : 1) << c.name;
    }
}

TEST(FileCommands, NewPasswordIsAskedTwiceAndNeverBlank)
{
    struct Case
    {
        const char *name;
        std::optional<QString> environment;
        std::vector<QString> typed;
        std::optional<std::string> password;
        const char *error;
    } cases[] = {
        {"environment", QStringLiteral(" secret "), {}, "secret", ""},
        {"environment blank", QStringLiteral("  "), {}, std::nullopt, "Password cannot be blank!"},
        {"typed twice", std::nullopt, {QStringLiteral("secret"), QStringLiteral("secret ")},
         "secret", ""},
        {"typed differently", std::nullopt, {QStringLiteral("secret"), QStringLiteral("Secret")},
         std::nullopt, "Passwords don't match."},
        {"typed blank", std::nullopt, {QStringLiteral(" ")}, std::nullopt,
         "Password cannot be blank!"},
        {"no terminal", std::nullopt, {}, std::nullopt,
         "A new quiz needs a password: set BRAINLOFT_PASSWORD or run this on a terminal."},
        {"code page", QStringLiteral("\u0142\u00e9"), {}, std::nullopt,
         "The new password contains characters that a quiz file cannot store:"},
        {"code page kept", QStringLiteral("caf\u00e9"), {}, "caf\xe9", ""},
    };
    for (const Case &c : cases) {
        ScriptedConsole console;
        if (c.environment)
            console.variables[PASSWORD_VARIABLE] = *c.environment;
        console.answers = c.typed;
        EXPECT_EQ(ChooseNewPassword(console), c.password) << c.name;
        EXPECT_EQ(console.err.value(0), QString::fromUtf8(c.error)) << c.name;
    }
}

TEST(FileCommands, LoadFailuresGoToStandardError)
{
    QTemporaryDir dir;
    const std::string missing = pathIn(dir, "missing.blz");
    Quiz quiz;
    ScriptedConsole console;
    EXPECT_FALSE(LoadQuizForCommand(quiz, missing, console));
    EXPECT_EQ(console.err, (QStringList{QStringLiteral("Could not open"),
                                        QString::fromStdString(missing)}));
}

// The toolkit's own options are taken out of the command line before it is
// read, so they never become part of a file name: without "-reverse" this
// export lacks its output file.
TEST(FileCommands, ToolkitOptionsAreNotFileNames)
{
    QProcess program;
    program.start(QStringLiteral(BRAINLOFT_EXECUTABLE),
                  {QStringLiteral("-reverse"), QStringLiteral("--export"), QStringLiteral("gift"),
                   QStringLiteral("quiz.blz")});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), ExitCode::BadArguments);
    EXPECT_TRUE(program.readAllStandardError().contains(
        "--export needs a format, the quiz and the file to write"));
}

TEST(FileCommands, BadArgumentsEndWithStatusTwoAndNeedNoDisplay)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(BRAINLOFT_EXECUTABLE),
                  {QStringLiteral("--print-pdf"), QStringLiteral("quiz.blz"),
                   QStringLiteral("out.pdf"), QStringLiteral("--versions"), QStringLiteral("27")});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), ExitCode::BadArguments);
    EXPECT_TRUE(program.readAllStandardError().contains("--versions takes a number from 1 to 26"));
}
