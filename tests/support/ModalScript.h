// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QSet>
#include <QString>
#include <QWidget>

#include <deque>
#include <functional>

// Drives modal windows that a command opens with exec(): each step waits
// for the next modal window of its type to become the active one and acts
// on it (fills fields, clicks buttons). Steps run in order from the event
// loops of the windows themselves, so a step may open further windows whose
// steps come next in the script; a window a step has acted on is not taken
// again until it has been hidden (a question screen is shown once per
// question).
//
//     ModalScript script;
//     script.then<PasswordDialog>([](PasswordDialog &d) { ...; d.accept(); });
//     window.createQuiz(); // returns once the steps have closed the windows
//
// A step that finds no window within a few seconds fails the test and closes
// every open modal window, so that a broken test ends instead of hanging.
class ModalScript : public QObject
{
public:
    ModalScript();
    ~ModalScript() override;

    template<class Window> ModalScript &then(std::function<void(Window &)> action)
    {
        m_steps.push_back(
            {QString::fromLatin1(Window::staticMetaObject.className()),
             [](QWidget *w) { return qobject_cast<Window *>(w) != nullptr; },
             [action = std::move(action)](QWidget *w) { action(*qobject_cast<Window *>(w)); }});
        if (m_steps.size() == 1)
            schedule();
        return *this;
    }

    [[nodiscard]] bool finished() const { return m_steps.empty(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Step
    {
        QString windowClass;
        std::function<bool(QWidget *)> matches;
        std::function<void(QWidget *)> act;
    };

    void schedule();
    void poll();
    void giveUp();

    std::deque<Step> m_steps;
    QSet<QObject *> m_actedOn; // acted on and still shown
    QElapsedTimer m_waiting;
    bool m_polling = false;
};
