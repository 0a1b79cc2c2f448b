// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "taking/QuizScreen.h"

class Prompts;
class Quiz;

// A question screen window (QuestionDialog or FlashCardDialog) as the
// runner uses it: one window object for the whole run, shown once per
// question, without a parent.
template<class Dialog> class DialogScreen : public QuizScreen
{
public:
    DialogScreen(Quiz &quiz, Prompts &prompts)
        : m_dialog(quiz, prompts)
    {}

    int present(unsigned number, CQuestion &question, const Resume *resume = nullptr) override
    {
        m_dialog.questionNumber = number;
        m_dialog.question = &question;
        m_dialog.previewMode = false;
        m_dialog.resume = resume;
        return m_dialog.exec();
    }

    QObject *tickReceiver() override { return m_dialog.isQuestionOpen() ? &m_dialog : nullptr; }
    QuestionState questionState() const override { return m_dialog.questionState(); }
    void setChangeListener(std::function<void(bool durable)> listener) override
    {
        m_dialog.onStateChange = std::move(listener);
    }

    [[nodiscard]] Dialog &dialog() { return m_dialog; }

private:
    Dialog m_dialog;
};
