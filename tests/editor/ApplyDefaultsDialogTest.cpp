// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/ApplyDefaultsDialog.h"

#include "EditorTesting.h"
#include "ScriptedPrompts.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>

TEST(ApplyDefaultsDialogTest, OpensWithEveryBoxCheckedAndOkTakesThemAll)
{
    ScriptedPrompts prompts;
    ApplyDefaultsDialog dialog(prompts);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Apply Default Settings"));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/%1.html").arg(dialog.helpTopic())));
    for (const char *name : {"scoreCheckBox", "timeLimitCheckBox", "reduceCheckBox"})
        EXPECT_TRUE(child<QCheckBox>(dialog, name)->isChecked()) << name;
    child<QPushButton>(dialog, "okButton")->click();
    EXPECT_EQ(dialog.result(), ModalDialog::Ok);
    EXPECT_TRUE(dialog.choice().score && dialog.choice().timeLimit && dialog.choice().reduce);
}

TEST(ApplyDefaultsDialogTest, NothingChosenKeepsTheDialogOpen)
{
    ScriptedPrompts prompts;
    ApplyDefaultsDialog dialog(prompts);
    for (const char *name : {"scoreCheckBox", "timeLimitCheckBox", "reduceCheckBox"})
        child<QCheckBox>(dialog, name)->click();
    prompts.answer(IDOK);
    child<QPushButton>(dialog, "okButton")->click();
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(lastMessage(prompts).text,
              QStringLiteral("You must choose at least one settting to apply!"));
    EXPECT_EQ(lastMessage(prompts).caption, QStringLiteral("Brainloft"));
    EXPECT_EQ(lastMessage(prompts).flags, MB_OK | MB_ICONINFORMATION);

    child<QCheckBox>(dialog, "timeLimitCheckBox")->click();
    child<QPushButton>(dialog, "okButton")->click();
    EXPECT_EQ(dialog.result(), ModalDialog::Ok);
    EXPECT_FALSE(dialog.choice().score);
    EXPECT_TRUE(dialog.choice().timeLimit);
    EXPECT_FALSE(dialog.choice().reduce);
}
