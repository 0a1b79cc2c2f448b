// SPDX-License-Identifier: GPL-3.0-or-later

#include "CrashQuizzes.h"

#include <string>

void fillCrashQuiz(Quiz &quiz, int which)
{
    quiz.password = which ? "second" : "first";
    for (int i = 0; i < MAX_QUESTIONS; ++i) {
        auto question = std::make_unique<CQuestion>();
        question->text = "Quiz " + std::to_string(which) + ", question " + std::to_string(i) +
                         std::string(std::size_t(100 + which * 37), char('a' + which));
        for (int k = 0; k < 5; ++k)
            question->answers[k] = std::to_string(which * 1000 + i * 5 + k) + std::string(40, 'x');
        question->correct[(i + which) % 5] = 1;
        question->score = 1 + which;
        quiz.AppendQuestion(std::move(question));
    }
}
