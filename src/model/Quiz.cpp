// SPDX-License-Identifier: GPL-3.0-or-later

#include "Quiz.h"

#include <utility>

int Quiz::AppendQuestion(std::unique_ptr<CQuestion> &&question)
{
    if (m_questionCount >= MAX_QUESTIONS || !question)
        return -1;
    m_questions[m_questionCount] = std::move(question);
    modified = true;
    return m_questionCount++;
}

bool Quiz::InsertQuestion(int position, std::unique_ptr<CQuestion> &&question)
{
    if (m_questionCount >= MAX_QUESTIONS || position < 0 || position > m_questionCount || !question)
        return false;
    for (int i = m_questionCount; i > position; --i)
        m_questions[i] = std::move(m_questions[i - 1]);
    m_questions[position] = std::move(question);
    ++m_questionCount;
    modified = true;
    return true;
}

void Quiz::RemoveQuestion(int position)
{
    if (position < 0 || position >= m_questionCount)
        return;
    for (int i = position; i < m_questionCount - 1; ++i)
        m_questions[i] = std::move(m_questions[i + 1]);
    m_questions[--m_questionCount].reset();
    modified = true;
}

bool Quiz::MoveQuestion(Direction direction, int position)
{
    if (m_questionCount <= 1 || position < 0 || position >= m_questionCount)
        return false;
    const int other = direction == Direction::Up ? position - 1 : position + 1;
    if (other < 0 || other >= m_questionCount)
        return false;
    std::swap(m_questions[position], m_questions[other]);
    modified = true;
    return true;
}

CQuestion *Quiz::QuestionAt(int position) const
{
    if (position < 0 || position >= m_questionCount)
        return nullptr;
    return m_questions[position].get();
}

void Quiz::ClearQuiz()
{
    for (auto &question : m_questions)
        question.reset();
    m_questionCount = 0;
    password.clear();
    pathName.clear();
    logPathName.clear();
    quizType = 0;
    overallTimeLimitOn = 0;
    logResults = 0;
    randomizeQuestions = 0;
    randomizeAnswers = 0;
    useCustomFont = 0;
    overallTimeLimit = 0;
    modified = false;
}

void Quiz::ResetRunState()
{
    for (int i = 0; i < m_questionCount; ++i) {
        CQuestion &question = *m_questions[i];
        question.presented = 0;
        question.earnedPoints = 0;
        question.logFlag = 0;
        question.chosen = {};
    }
}

void Quiz::SetQuizPathName(std::string_view path)
{
    pathName = path;
    logPathName = path.empty() ? std::string() : LogPathFor(path);
}

std::string LogPathFor(std::string_view quizPath)
{
    const auto dot = quizPath.rfind('.');
    const auto separator = quizPath.find_last_of("/\\");
    if (dot == std::string_view::npos || (separator != std::string_view::npos && separator > dot))
        return std::string(quizPath) + ".blg";
    return std::string(quizPath.substr(0, dot + 1)) + "blg";
}
