// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/HelpWindow.h"
#include "ui/ModalDialog.h"

#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

TEST(HelpWindow, ShowsTheTopicOfTheWindowItIsAskedFrom)
{
    ModalDialog first;
    first.setHelpTopic(QStringLiteral("sample-topic"));
    ModalDialog second;
    second.setHelpTopic(QStringLiteral("no-such-topic"));

    first.showHelp();
    HelpWindow *help = HelpWindow::instance();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->parentWidget(), &first);
    EXPECT_EQ(help->currentTopic(), QStringLiteral("sample-topic"));
    EXPECT_FALSE(
        help->findChild<QTextBrowser *>(QStringLiteral("helpBrowser"))->toPlainText().isEmpty());

    // From another window the same help window moves there; an unknown topic shows the contents.
    second.showHelp();
    EXPECT_EQ(HelpWindow::instance(), help);
    EXPECT_EQ(help->parentWidget(), &second);
    EXPECT_EQ(help->currentTopic(), QStringLiteral("index"));
    help->close();
}

TEST(HelpWindow, F1OpensIt)
{
    ModalDialog dialog;
    dialog.setHelpTopic(QStringLiteral("sample-topic"));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.activateWindow();
    QTest::keyClick(&dialog, Qt::Key_F1);
    ASSERT_NE(HelpWindow::instance(), nullptr);
    EXPECT_EQ(HelpWindow::instance()->currentTopic(), QStringLiteral("sample-topic"));
    HelpWindow::instance()->close();
}
