// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/ModalDialog.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class Prompts;
class QTimer;
class Quiz;
class QuizRunner;
namespace Ui {
class MainWindow;
}

// What the command line asked the main window to do once it is open.
struct StartOptions
{
    QString startFile; // empty = none
    bool editOnStart = false;
};

// The program's only top-level window and its command hub: create, load,
// take and edit the one quiz, About, Exit and Help. It owns no quiz data.
// It also runs the quiz named on the command line once it is on screen.
class MainWindow : public ModalDialog
{
    Q_OBJECT

public:
    MainWindow(Quiz &quiz, Prompts &prompts, StartOptions start = {}, QWidget *parent = nullptr);
    ~MainWindow() override;

    // "Brainloft - <file name>", or "Brainloft - <New Quiz>" without a path.
    void RefreshCaption();
    // Loads a quiz file and, on success, enables Take (when it has
    // questions) and Edit and refreshes the caption.
    bool LoadQuizFile(const QString &path);
    // Takes the current quiz once, from the first question to the report.
    void RunQuiz();
    // One second of the quiz clock; the clock's timer calls it, tests may too.
    void clockTick();
    // A quiz run's sense of time, for tests: the wall clock (ms since 1970)
    // that measures how long an interrupted run was down, and whether the
    // clock's timer is left alone so that every tick comes from clockTick().
    struct RunTime
    {
        std::function<std::int64_t()> wallClock; // the system's when empty
        bool manualTicks = false;
    };
    void setRunTime(RunTime time) { m_runTime = std::move(time); }
    // The end-of-quiz step that records the result in the quiz's log;
    // `confirmed` is told the comment before the entry is appended.
    void OfferLogEntry(const std::function<void(const std::string &comment, std::uint64_t logSize)>
                           &confirmed = {});

    // The window's commands, as their buttons run them.
    void createQuiz();
    void loadQuiz();
    void takeQuiz();
    void editQuiz();
    void showAbout();

protected:
    void onOk() override;     // Exit
    void onCancel() override; // Escape leaves the window open
    void closeEvent(QCloseEvent *event) override;
    void customEvent(QEvent *event) override;

private:
    // Take follows the quiz; Edit follows m_editEnabled, which each command
    // sets by its own rule.
    void updateControls();
    void fitCaption();
    void openStartFile();
    bool confirmClose();

    // The windows the commands lead to.
    int runPasswordDialog(int mode);
    int runParametersDialog(bool allowTypeChange);
    void runQuizEditor();

    std::unique_ptr<Ui::MainWindow> ui;
    Quiz &m_quiz;
    Prompts &m_prompts;
    const StartOptions m_start;
    bool m_editEnabled = false;
    // The quiz clock: precise, since a coarse timer may fire up to 5% early
    // or late, and the taker's time limits must be fair.
    QTimer *const m_clock;
    QuizRunner *m_runner = nullptr; // the run in progress, if any
    RunTime m_runTime;
    // Wrong passwords entered to edit a quiz since the program started.
    unsigned m_wrongPasswords = 0;
};
