// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPlainTextEdit>

// The question text: read-only and scrollable, and the taker may select in
// it to keep their place, but nothing leaves it: copying (Ctrl+C,
// Ctrl+Insert, dragging, the X11 selection) carries no text and there is no
// context menu. The selection survives focus changes, so coming back with
// Tab finds the reading position where it was.
class QuestionTextBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit QuestionTextBox(QWidget *parent = nullptr);

    // A new question starts with the caret at the top and no selection.
    void showQuestionText(const QString &text);

    [[nodiscard]] int selStart() const { return m_selStart; }
    [[nodiscard]] int selEnd() const { return m_selEnd; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;

private:
    int m_selStart = 0;
    int m_selEnd = 0;
};
