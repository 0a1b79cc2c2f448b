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
//
// A quiz with a file keeps its run in an attempt journal (AttemptJournal.h)
// as it goes. When a run starts and the journal of an interrupted run of the
// same quiz is there, the taker is asked whether to resume it: the run then
// goes on with the same order and results, the interrupted question shown as
// it was, and the time the program was not running charged to the clocks as
// if nobody had been at the keyboard.

#include "taking/AttemptJournal.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Prompts;
class QWidget;
class Quiz;
class QuizScreen;

class QuizRunner
{
public:
    // Told the confirmed comment and the log's size just before the entry is
    // appended, so that an interrupted log step can be finished later.
    using LogConfirmed = std::function<void(const std::string &comment, std::uint64_t logSize)>;

    // What the runner is given by the window that hosts it.
    struct Hooks
    {
        // The screen for the run: flash cards or multiple choice.
        std::function<std::unique_ptr<QuizScreen>(bool flashCards)> makeScreen;
        // Starts the repeating one-second clock, its first tick after
        // `firstTickMs` (a resumed run keeps the seconds' phase); false when
        // it could not.
        std::function<bool(int firstTickMs)> startClock;
        std::function<void()> stopClock;
        // The log step, after each report that shows a score.
        std::function<void(const LogConfirmed &confirmed)> offerLogEntry;
        // Finishes a log step an interruption cut short: appends the entry
        // with `comment` unless the log holds it already after `logSize`.
        std::function<void(const std::string &comment, std::uint64_t logSize)> finishLogEntry;
        // The quiz's journal; none for a quiz without a file.
        std::optional<AttemptJournal> journal;
        // The wall clock, ms since 1970; the system's when empty.
        std::function<std::int64_t()> wallClock;
    };

    QuizRunner(Quiz &quiz, Prompts &prompts, QWidget *owner, Hooks hooks);
    ~QuizRunner();

    // Takes the quiz once, from the order of the questions to the reports,
    // or takes up the run an interruption cut short.
    void run();
    // One second of the run: the overall countdown, then a tick posted to
    // the open screen. Does nothing while the clock is not running.
    void tick();
    [[nodiscard]] bool isRunning() const { return m_running; }

private:
    // The journal of an interrupted run that the taker wants to resume.
    std::optional<AttemptRecord> interruptedRun();
    void restoreRun(const AttemptRecord &record);
    // The run as it stands now, with the open question's state if any.
    void writeJournal(bool durable, AttemptRecord::Phase phase = AttemptRecord::Phase::Asking,
                      const std::optional<QuestionState> &open = std::nullopt,
                      bool completed = false, const std::string &comment = {},
                      std::uint64_t logSize = 0);
    void report(int answeredCount, bool completed, const AttemptRecord *finishing);
    [[nodiscard]] std::int64_t now() const;

    Quiz &m_quiz;
    Prompts &m_prompts;
    QWidget *m_owner;
    Hooks m_hooks;
    bool m_running = false;
    bool m_clockRunning = false; // from the clock's start to its stop
    QuizScreen *m_currentScreen = nullptr;

    // The run as the journal keeps it.
    std::array<std::uint8_t, 32> m_fingerprint{};
    std::vector<int> m_order;
    int m_answered = 0;
    std::int64_t m_lastTickAt = 0; // wall clock of the latest tick
};
