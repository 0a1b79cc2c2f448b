// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/PasswordDialog.h"

#include "EditorTesting.h"
#include "ScriptedPrompts.h"

#include "model/Quiz.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class PasswordDialogTest : public ::testing::Test
{
protected:
    PasswordDialogTest() { quiz.password = "Secret"; }

    // Types into the fields of `dialog` that are shown and presses OK.
    static void enter(PasswordDialog &dialog, const char *old, const char *fresh = "",
                      const char *confirmation = "")
    {
        child<QLineEdit>(dialog, "oldPasswordEdit")->setText(QString::fromUtf8(old));
        child<QLineEdit>(dialog, "newPasswordEdit")->setText(QString::fromUtf8(fresh));
        child<QLineEdit>(dialog, "confirmPasswordEdit")->setText(QString::fromUtf8(confirmation));
        child<QPushButton>(dialog, "okButton")->click();
    }
    static QString text(const PasswordDialog &dialog, const char *name)
    {
        return child<QLineEdit>(dialog, name)->text();
    }

    Quiz quiz;
    ScriptedPrompts prompts;
    unsigned wrongEntries = 0;
};

} // namespace

TEST_F(PasswordDialogTest, EachModeShowsItsFields)
{
    struct Case
    {
        int mode;
        const char *caption;
        bool intro, old, fresh;
        const char *oldLabel;
        const char *focus;
    } cases[] = {
        {0, "Enter Password", false, true, false, "&Enter password:", "oldPasswordEdit"},
        {1, "Choose Password", true, false, true, "Enter &old password:", "newPasswordEdit"},
        {2, "Change Password", false, true, true, "Enter &old password:", "oldPasswordEdit"},
    };
    for (const Case &c : cases) {
        PasswordDialog dialog(quiz, prompts, c.mode, &wrongEntries);
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), QString::fromLatin1(c.caption));
        EXPECT_EQ(child<QLabel>(dialog, "introLabel")->isVisible(), c.intro) << c.mode;
        EXPECT_EQ(child<QLineEdit>(dialog, "oldPasswordEdit")->isVisible(), c.old) << c.mode;
        EXPECT_EQ(child<QLabel>(dialog, "oldPasswordLabel")->text(),
                  QString::fromLatin1(c.oldLabel));
        EXPECT_EQ(child<QLineEdit>(dialog, "newPasswordEdit")->isVisible(), c.fresh) << c.mode;
        EXPECT_EQ(child<QLineEdit>(dialog, "confirmPasswordEdit")->isVisible(), c.fresh) << c.mode;
        EXPECT_EQ(dialog.focusWidget()->objectName(), QString::fromLatin1(c.focus)) << c.mode;
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/%1.html").arg(dialog.helpTopic())));
        for (const char *edit : {"oldPasswordEdit", "newPasswordEdit", "confirmPasswordEdit"})
            EXPECT_EQ(child<QLineEdit>(dialog, edit)->echoMode(), QLineEdit::Password);
    }
}

TEST_F(PasswordDialogTest, RightPasswordIsAcceptedAfterTrimming)
{
    PasswordDialog dialog(quiz, prompts, 0, &wrongEntries);
    enter(dialog, " \tSecret  ");
    EXPECT_EQ(dialog.result(), PasswordDialog::Ok);
    EXPECT_TRUE(prompts.calls().empty());
    EXPECT_EQ(wrongEntries, 0u);
}

TEST_F(PasswordDialogTest, ThirdWrongEntryClosesWithThreeAcrossDialogs)
{
    prompts.setAutoAcknowledge(true);
    {
        PasswordDialog dialog(quiz, prompts, 0, &wrongEntries);
        enter(dialog, "secret"); // letter case counts
        EXPECT_EQ(dialog.result(), 0);
        EXPECT_EQ(text(dialog, "oldPasswordEdit"), QString());
        EXPECT_EQ(dialog.focusWidget(), child<QLineEdit>(dialog, "oldPasswordEdit"));
        enter(dialog, "Secret1");
        EXPECT_EQ(dialog.result(), 0);
    }
    ASSERT_EQ(prompts.messages().size(), 2u);
    EXPECT_EQ(lastMessage(prompts).text, QStringLiteral("Invalid password!"));
    EXPECT_EQ(lastMessage(prompts).caption, QStringLiteral("Brainloft"));
    EXPECT_EQ(lastMessage(prompts).flags, MB_OK | MB_ICONINFORMATION);
    {
        // The count is not reset by a right password or a new dialog.
        PasswordDialog dialog(quiz, prompts, 0, &wrongEntries);
        enter(dialog, "Secret");
        EXPECT_EQ(dialog.result(), PasswordDialog::Ok);
    }
    {
        PasswordDialog dialog(quiz, prompts, 0, &wrongEntries);
        enter(dialog, "guess");
        EXPECT_EQ(dialog.result(), PasswordDialog::WrongTooOften);
        EXPECT_EQ(prompts.messages().size(), 3u); // the message comes first
    }
    {
        // From then on every wrong entry closes the dialog.
        PasswordDialog dialog(quiz, prompts, 0, &wrongEntries);
        enter(dialog, "again");
        EXPECT_EQ(dialog.result(), PasswordDialog::WrongTooOften);
    }
    EXPECT_EQ(wrongEntries, 4u);
}

TEST_F(PasswordDialogTest, ChangeModeDoesNotCountWrongEntries)
{
    prompts.setAutoAcknowledge(true);
    PasswordDialog dialog(quiz, prompts, 2, &wrongEntries);
    for (int i = 0; i < 4; ++i) {
        enter(dialog, "wrong", "New", "New");
        EXPECT_EQ(dialog.result(), 0);
    }
    EXPECT_EQ(wrongEntries, 0u);
    EXPECT_EQ(quiz.password, "Secret");
    EXPECT_EQ(prompts.messages().size(), 4u);
}

TEST_F(PasswordDialogTest, NewPasswordMustBeGivenTwice)
{
    PasswordDialog dialog(quiz, prompts, 1, &wrongEntries);
    prompts.answer(IDOK).answer(IDOK);
    enter(dialog, "", "   ", "x");
    EXPECT_EQ(lastMessage(prompts).text, QStringLiteral("Password cannot be blank!"));
    EXPECT_EQ(lastMessage(prompts).caption, QStringLiteral("Error"));
    EXPECT_EQ(text(dialog, "confirmPasswordEdit"), QStringLiteral("x")); // kept
    EXPECT_EQ(dialog.focusWidget(), child<QLineEdit>(dialog, "newPasswordEdit"));

    enter(dialog, "", "Venus", "venus");
    EXPECT_EQ(lastMessage(prompts).text, QStringLiteral("Passwords don't match."));
    EXPECT_EQ(lastMessage(prompts).caption, QStringLiteral("Error"));
    EXPECT_EQ(lastMessage(prompts).flags, MB_OK | MB_ICONINFORMATION);
    EXPECT_EQ(text(dialog, "newPasswordEdit"), QString());
    EXPECT_EQ(text(dialog, "confirmPasswordEdit"), QString());
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(quiz.password, "Secret");
    EXPECT_FALSE(quiz.modified);

    enter(dialog, "", " Venus", "Venus ");
    EXPECT_EQ(dialog.result(), PasswordDialog::Ok);
    EXPECT_EQ(quiz.password, "Venus");
    EXPECT_TRUE(quiz.modified);
}

TEST_F(PasswordDialogTest, ChangingToTheSamePasswordLeavesTheQuizUnmodified)
{
    PasswordDialog dialog(quiz, prompts, 2, &wrongEntries);
    enter(dialog, "Secret", "Secret", "Secret");
    EXPECT_EQ(dialog.result(), PasswordDialog::Ok);
    EXPECT_FALSE(quiz.modified);
}

TEST_F(PasswordDialogTest, PasswordsStopAt32Characters)
{
    PasswordDialog dialog(quiz, prompts, 1, &wrongEntries);
    auto *edit = child<QLineEdit>(dialog, "newPasswordEdit");
    QTest::keyClicks(edit, QString(33, QLatin1Char('x')));
    EXPECT_EQ(edit->text().size(), 32);
}

TEST_F(PasswordDialogTest, RefusesAPasswordTheQuizFileCannotStore)
{
    PasswordDialog dialog(quiz, prompts, 1, &wrongEntries);
    prompts.answer(IDOK);
    enter(dialog, "", "Łódź", "Łódź");
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(quiz.password, "Secret");
    EXPECT_TRUE(lastMessage(prompts).text.contains(QStringLiteral("\"Ł\" (U+0141)")));
    // A password typed with such a character can never be right.
    PasswordDialog check(quiz, prompts, 0, &wrongEntries);
    prompts.answer(IDOK);
    enter(check, "Łódź");
    EXPECT_EQ(lastMessage(prompts).text, QStringLiteral("Invalid password!"));
    EXPECT_EQ(wrongEntries, 1u);
}
