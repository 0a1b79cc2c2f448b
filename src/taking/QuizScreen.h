// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class CQuestion;
class QObject;

// What the quiz runner needs of a question screen: show one question
// modally, and name the object that takes clock ticks while a question is
// open. The two screens are adapted by DialogScreen; tests use fakes.
class QuizScreen
{
public:
    virtual ~QuizScreen() = default;

    // Shows `question` as the number-th of the run; 1 = finished, go on;
    // anything else stops the run.
    virtual int present(unsigned number, CQuestion &question) = 0;
    // The receiver of posted ticks, or null when no question is open.
    [[nodiscard]] virtual QObject *tickReceiver() = 0;
};
