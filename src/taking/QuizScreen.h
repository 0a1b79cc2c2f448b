// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "taking/AttemptJournal.h"

#include <cstdint>
#include <functional>
#include <optional>

class CQuestion;
class QObject;

// What the quiz runner needs of a question screen: show one question
// modally, name the object that takes clock ticks while a question is open,
// and hand over the open question's state for the attempt journal. The two
// screens are adapted by DialogScreen; tests use fakes.
class QuizScreen
{
public:
    // How the question under way when a run was interrupted comes back: as
    // it was (or afresh, when it had not opened yet), then charged the
    // seconds the program was not running, as if nobody had been at the
    // keyboard.
    struct Resume
    {
        std::optional<QuestionState> state;
        std::int64_t idleSeconds = 0;
    };

    virtual ~QuizScreen() = default;

    // Shows `question` as the number-th of the run; 1 = finished, go on;
    // anything else stops the run.
    virtual int present(unsigned number, CQuestion &question, const Resume *resume = nullptr) = 0;
    // The receiver of posted ticks, or null when no question is open.
    [[nodiscard]] virtual QObject *tickReceiver() = 0;
    // The open question as the journal keeps it.
    [[nodiscard]] virtual QuestionState questionState() const = 0;
    // Called while a question is open whenever its state changed: when it
    // opened, after each tick, and, durable, when it showed its answer (what
    // the taker saw must not come back different).
    virtual void setChangeListener(std::function<void(bool durable)> listener) = 0;
};
