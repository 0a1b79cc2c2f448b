// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/HelpWindow.h"
#include "ui/ModalDialog.h"
#include "ui/Translations.h"

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

TEST(HelpWindow, ShowsThePageInTheLanguageChosenElseTheEnglishOne)
{
    struct Case
    {
        const char *language;
        const char *topic;
        const char *heading;
    };
    const Case cases[] = {
        {"de", "sample-topic", "Beispielthema"}, // translated
        {"fr", "sample-topic", "Sample topic"},  // no French page
        {"en", "sample-topic", "Sample topic"},
        {"de", "no-such-topic", "Brainloft-Hilfe"}, // the contents, in German
    };
    ModalDialog dialog;
    for (const Case &test : cases) {
        ASSERT_TRUE(Translations::Install(QLatin1String(test.language)));
        dialog.setHelpTopic(QLatin1String(test.topic));
        dialog.showHelp();
        ASSERT_NE(HelpWindow::instance(), nullptr);
        const QString shown = HelpWindow::instance()
                                  ->findChild<QTextBrowser *>(QStringLiteral("helpBrowser"))
                                  ->toPlainText();
        EXPECT_TRUE(shown.startsWith(QLatin1String(test.heading)))
            << test.language << " " << test.topic << ": " << qPrintable(shown.left(40));
    }
    Translations::Install(QStringLiteral("en"));
    HelpWindow::instance()->close();
}
