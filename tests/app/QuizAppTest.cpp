// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScriptedPrompts.h"

#include "app/CommandLine.h"
#include "app/QuizApp.h"

#include <gtest/gtest.h>

TEST(QuizApp, UninstallAsksFirstAndNeverShowsTheMainWindow)
{
    // (Only No here: Yes would remove the running test program's files.)
    {
        ScriptedPrompts prompts;
        prompts.answer(IDNO);
        QuizApp app(prompts);
        CommandLine line;
        line.action = CommandLine::Action::Uninstall;
        EXPECT_EQ(app.run(line), 0);
        const ScriptedPrompts::Call &question = prompts.calls().front();
        EXPECT_EQ(question.text,
                  QStringLiteral("This will remove Brainloft from your system.\nAre you sure?"));
        EXPECT_EQ(question.caption, QStringLiteral("Brainloft Uninstall"));
        EXPECT_EQ(question.flags, MB_YESNO | MB_ICONQUESTION);
        EXPECT_EQ(question.owner, nullptr);
    }
}

TEST(QuizApp, AStartFileThatCannotBeOpenedEndsTheProgram)
{
    ScriptedPrompts prompts;
    prompts.answer(IDOK);
    QuizApp app(prompts);
    CommandLine line;
    line.startFile = "/no/such/Quiz.BLZ";
    EXPECT_EQ(app.run(line), 0);
    EXPECT_EQ(prompts.lastMessage()->text, QStringLiteral("Could not open\n/no/such/Quiz.BLZ"));
}
