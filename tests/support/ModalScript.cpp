// SPDX-License-Identifier: GPL-3.0-or-later

#include "ModalScript.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

constexpr int POLL_MS = 5;
constexpr qint64 PATIENCE_MS = 10000;

} // namespace

ModalScript::ModalScript() = default;

ModalScript::~ModalScript()
{
    EXPECT_TRUE(m_steps.empty()) << "the script waits for "
                                 << m_steps.front().windowClass.toStdString();
}

void ModalScript::schedule()
{
    if (m_polling)
        return;
    m_polling = true;
    m_waiting.start();
    // A fresh single-shot each time: a repeating timer would not fire again
    // while one of its own steps runs a nested event loop.
    QTimer::singleShot(POLL_MS, this, &ModalScript::poll);
}

void ModalScript::poll()
{
    m_polling = false;
    if (m_steps.empty())
        return;
    QWidget *active = QApplication::activeModalWidget();
    if (active && !m_actedOn.contains(active) && m_steps.front().matches(active)) {
        Step step = std::move(m_steps.front());
        m_steps.pop_front();
        m_actedOn.insert(active);
        active->installEventFilter(this);
        // The next step waits while this one acts (it may open windows).
        if (!m_steps.empty())
            schedule();
        step.act(active);
        return;
    }
    if (m_waiting.elapsed() > PATIENCE_MS) {
        giveUp();
        return;
    }
    m_polling = true;
    QTimer::singleShot(POLL_MS, this, &ModalScript::poll);
}

void ModalScript::giveUp()
{
    const QWidget *active = QApplication::activeModalWidget();
    ADD_FAILURE() << "no " << m_steps.front().windowClass.toStdString()
                  << " opened; the active modal window is "
                  << (active ? active->metaObject()->className() : "none");
    m_steps.clear();
    for (int i = 0; i < 20; ++i) {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            break;
        dialog->done(QDialog::Rejected);
    }
}

bool ModalScript::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide) {
        m_actedOn.remove(watched);
        watched->removeEventFilter(this);
    }
    return QObject::eventFilter(watched, event);
}
