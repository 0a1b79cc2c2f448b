// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QTextBrowser;

// The built-in help: HTML pages compiled into the program under ":/help/",
// one topic per window ("main-window.html" for the topic "main-window"),
// with "index.html" as the contents. There is one help window; asking for a
// topic from another window moves it there, so that a modal window never
// blocks it.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    // Shows `topic` (the contents when empty or unknown) beside `from`.
    static HelpWindow *showTopic(QWidget *from, const QString &topic);
    // The open help window, if any (for tests and for closing it at exit).
    static HelpWindow *instance();

    [[nodiscard]] QString currentTopic() const;

private:
    explicit HelpWindow(QWidget *parent);
    void open(const QString &topic);

    QTextBrowser *const m_browser;
};
