// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The two quizzes that the crash test saves in turn, shared by the test and
// the helper process that saves them. No Qt.

#include "model/Quiz.h"

// Quiz 0 or 1: the full 512 questions, so that one save takes a while and a
// kill lands inside it often; the two differ in every question.
void fillCrashQuiz(Quiz &quiz, int which);
