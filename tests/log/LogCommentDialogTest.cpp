// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScriptedPrompts.h"

#include "log/LogCommentDialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class LogCommentDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dialog.open();
        QApplication::setActiveWindow(&dialog);
        QApplication::processEvents();
        edit = dialog.findChild<QLineEdit *>(QStringLiteral("commentEdit"));
        ok = dialog.findChild<QPushButton *>(QStringLiteral("okButton"));
        cancel = dialog.findChild<QPushButton *>(QStringLiteral("cancelButton"));
        ASSERT_TRUE(edit && ok && cancel);
    }

    ScriptedPrompts prompts;
    LogCommentDialog dialog{prompts};
    QLineEdit *edit = nullptr;
    QPushButton *ok = nullptr;
    QPushButton *cancel = nullptr;
};

} // namespace

TEST_F(LogCommentDialogTest, OpensWithCommentSelectedInTheFocusedField)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Log Score"));
    EXPECT_EQ(edit->text(), QStringLiteral("Comment"));
    EXPECT_EQ(edit->selectedText(), QStringLiteral("Comment"));
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_EQ(cancel->text(), QStringLiteral("Don't log my score!"));
    const auto labels = dialog.findChildren<QLabel *>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0]->text(), QStringLiteral("Enter a comment (name, student number, etc.) to "
                                                "identify your log entry:"));
}

TEST_F(LogCommentDialogTest, EnterAtOnceLogsTheWordComment)
{
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), ModalDialog::Ok);
    EXPECT_EQ(dialog.comment(), "Comment");
}

TEST_F(LogCommentDialogTest, TypingReplacesTheWordAndStopsAt64Characters)
{
    QTest::keyClicks(edit, QString(70, QLatin1Char('n')));
    EXPECT_EQ(edit->text(), QString(64, QLatin1Char('n')));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog.comment(), std::string(64, 'n'));
}

TEST_F(LogCommentDialogTest, EmptyBecomesNoCommentButBlanksAreKept)
{
    struct Case
    {
        QString typed;
        std::string logged;
    };
    for (const Case &c : {Case{QString(), "No comment"}, Case{QStringLiteral("   "), "   "},
                          Case{QStringLiteral(" Zo\u00eb, 12 "), " Zo\xeb, 12 "}}) {
        dialog.open();
        edit->setText(c.typed);
        QTest::mouseClick(ok, Qt::LeftButton);
        EXPECT_EQ(dialog.result(), ModalDialog::Ok);
        EXPECT_EQ(dialog.comment(), c.logged);
    }
}

TEST_F(LogCommentDialogTest, DontLogAndEscapeCancel)
{
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), ModalDialog::Cancel);
    dialog.open();
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), ModalDialog::Cancel);
    EXPECT_EQ(dialog.comment(), "Comment");
}

TEST_F(LogCommentDialogTest, CharactersOutsideTheCodePageAreRefused)
{
    edit->setText(QStringLiteral("Ivan \u0418\u0432\u0430\u043d"));
    prompts.answer(IDOK);
    QTest::mouseClick(ok, Qt::LeftButton);
    ASSERT_EQ(prompts.messages().size(), 1u);
    const auto *box = prompts.lastMessage();
    EXPECT_TRUE(box->text.contains(QStringLiteral("\u0418\u0432\u0430\u043d")))
        << box->text.toStdString();
    EXPECT_EQ(box->flags, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(box->owner, &dialog);
    EXPECT_TRUE(dialog.isVisible()) << "the taker can still correct the comment";
    EXPECT_EQ(dialog.comment(), "Comment");

    edit->setText(QStringLiteral("Ivan"));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), ModalDialog::Ok);
    EXPECT_EQ(dialog.comment(), "Ivan");
}
