// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Taking a quiz. A run is one call of QuizRunner::run(): it orders the
// questions (shuffled when the quiz asks for it), shows them one at a time
// in one reused question screen, and reports the score at the end. The main
// window owns the one-second clock and calls tick(), which counts the
// overall time down and posts a tick to the open screen; the screen counts
// its own time, reduces the question's worth and ends the question when a
// limit runs out (QuestionDialog, FlashCardDialog). Results are kept in the
// run fields of the Quiz and its questions, where the results log reads them.

#include <functional>
#include <memory>

class Prompts;
class QWidget;
class Quiz;
class QuizScreen;

class QuizRunner
{
public:
    // What the runner is given by the window that hosts it.
    struct Hooks
    {
        // The screen for the run: flash cards or multiple choice.
        std::function<std::unique_ptr<QuizScreen>(bool flashCards)> makeScreen;
        // Starts the repeating one-second clock; false when it could not.
        std::function<bool()> startClock;
        std::function<void()> stopClock;
        // The log step, after each report that shows a score.
        std::function<void()> offerLogEntry;
    };

    QuizRunner(Quiz &quiz, Prompts &prompts, QWidget *owner, Hooks hooks);
    ~QuizRunner();

    // Takes the quiz once, from the order of the questions to the reports.
    void run();
    // One second of the run: the overall countdown, then a tick posted to
    // the open screen. Does nothing while the clock is not running.
    void tick();
    [[nodiscard]] bool isRunning() const { return m_running; }

private:
    void report(int answeredCount, bool completed);

    Quiz &m_quiz;
    Prompts &m_prompts;
    QWidget *m_owner;
    Hooks m_hooks;
    bool m_running = false;
    bool m_clockRunning = false; // from the clock's start to its stop
    QuizScreen *m_currentScreen = nullptr;
};
