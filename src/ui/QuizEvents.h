// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QEvent>

// The program's own posted events, with the numbers of the private window
// messages they stand for. Posted, never sent: a tick is handled after the
// clock's own step has returned, and a time-out after the tick.
inline constexpr QEvent::Type QuizTickEvent = static_cast<QEvent::Type>(0x8001);
inline constexpr QEvent::Type QuizTimeoutEvent = static_cast<QEvent::Type>(0x8002);
inline constexpr QEvent::Type QuizAutorunEvent = static_cast<QEvent::Type>(0x8003);

// A time-out carries which limit ran out.
class QuizTimeout : public QEvent
{
public:
    explicit QuizTimeout(bool quizLimit)
        : QEvent(QuizTimeoutEvent)
        , quizLimit(quizLimit)
    {}
    const bool quizLimit;
};
