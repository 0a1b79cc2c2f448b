// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Quiz.h"

class Prompts;
struct CommandLine;

// The application object: owns the one Quiz for the whole run and performs
// the start-up: registration, then uninstall or the main window.
class QuizApp
{
public:
    explicit QuizApp(Prompts &prompts);

    // Runs the start-up for a parsed command line; returns the exit code.
    int run(const CommandLine &commandLine);

    [[nodiscard]] Quiz &quiz() { return m_quiz; }

private:
    Quiz m_quiz;
    Prompts &m_prompts;
};
