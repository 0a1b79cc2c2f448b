// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/QuestionTextBox.h"

#include "ScreenTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTextCursor>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class QuestionTextBoxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(box);
        layout->addWidget(other);
        box->showQuestionText(QStringLiteral("What is the largest planet of the Solar System?"));
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void select(int from, int to)
    {
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        box->setTextCursor(cursor);
    }

    QWidget window;
    QuestionTextBox *box = new QuestionTextBox;
    QLineEdit *other = new QLineEdit;
};

} // namespace

TEST_F(QuestionTextBoxTest, NothingCanBeCopied)
{
    QApplication::clipboard()->setText(QStringLiteral("before"));
    box->setFocus();
    select(12, 19);
    ASSERT_EQ(box->textCursor().selectedText(), QStringLiteral("largest"));
    QTest::keySequence(box, QKeySequence::Copy);
    QTest::keyClick(box, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("before"));

    // Whatever path asks for the selection's data gets none.
    box->copy();
    EXPECT_FALSE(QApplication::clipboard()->text().contains(QStringLiteral("largest")));

    // No context menu appears.
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5),
                           box->viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(box->viewport(), &menu);
    for (QWidget *top : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<QMenu *>(top) && top->isVisible());
}

TEST_F(QuestionTextBoxTest, KeepsItsSelectionAcrossFocusChanges)
{
    box->setFocus();
    select(12, 19);
    other->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(box->selStart(), 12);
    EXPECT_EQ(box->selEnd(), 19);
    // Something moves the cursor while the box has no focus.
    box->moveCursor(QTextCursor::End);
    QTest::keyClick(other, Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_TRUE(box->hasFocus());
    EXPECT_EQ(box->textCursor().selectedText(), QStringLiteral("largest"));

    // A new question starts without a selection.
    box->showQuestionText(QStringLiteral("Next"));
    EXPECT_EQ(box->selStart(), 0);
    EXPECT_FALSE(box->textCursor().hasSelection());
}
