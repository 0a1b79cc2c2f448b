// SPDX-License-Identifier: GPL-3.0-or-later
// Saves the two crash-test quizzes to PATH in turn, forever, writing one
// byte to standard output after each completed save ('0' or '1': which quiz
// the file now holds). The crash test kills it at random moments.
//
//   quiz_save_helper PATH

#include "CrashQuizzes.h"

#include "model/QuizFile.h"

#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    Quiz quizzes[2];
    fillCrashQuiz(quizzes[0], 0);
    fillCrashQuiz(quizzes[1], 1);
    for (int which = 0;; which ^= 1) {
        if (SaveQuizToFile(quizzes[which], argv[1]) != SaveResult::Ok)
            return 1;
        const char done = char('0' + which);
        if (::write(STDOUT_FILENO, &done, 1) != 1)
            return 1;
    }
}
