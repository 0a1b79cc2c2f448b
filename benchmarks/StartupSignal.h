// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Shared by the start-up probes: when the first top-level window gets its
// first paint, print the steady clock (CLOCK_MONOTONIC, nanoseconds, the
// clock the benchmark reads before it starts the probe) and leave at once,
// so that only the way up is measured.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

class StartupSignal : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            const auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && widget->isWindow()) {
                timespec now{};
                ::clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("%lld\n",
                            static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                std::fflush(stdout);
                std::_Exit(0);
            }
        }
        return false;
    }
};

inline void watchForFirstPaint()
{
    static StartupSignal signal;
    QCoreApplication::instance()->installEventFilter(&signal);
}
