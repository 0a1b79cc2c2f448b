// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/QuestionTextBox.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

QuestionTextBox::QuestionTextBox(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
    setUndoRedoEnabled(false);
    setFocusPolicy(Qt::StrongFocus);
}

void QuestionTextBox::showQuestionText(const QString &text)
{
    setPlainText(text);
    m_selStart = m_selEnd = 0;
    moveCursor(QTextCursor::Start);
}

void QuestionTextBox::keyPressEvent(QKeyEvent *event)
{
    const bool copy = event->matches(QKeySequence::Copy) ||
                      (event->key() == Qt::Key_Insert && event->modifiers() == Qt::ControlModifier);
    // Enter stays here as well, so reading never submits an answer by accident.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (copy || enter) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void QuestionTextBox::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept(); // no menu, so no Copy or Select All
}

void QuestionTextBox::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    QTextCursor cursor = textCursor();
    const int end = static_cast<int>(document()->characterCount()) - 1;
    cursor.setPosition(qBound(0, m_selStart, end));
    cursor.setPosition(qBound(0, m_selEnd, end), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
}

void QuestionTextBox::focusOutEvent(QFocusEvent *event)
{
    const QTextCursor cursor = textCursor();
    m_selStart = cursor.anchor();
    m_selEnd = cursor.position();
    QPlainTextEdit::focusOutEvent(event);
}

QMimeData *QuestionTextBox::createMimeDataFromSelection() const
{
    return new QMimeData; // every way of copying gets nothing
}
