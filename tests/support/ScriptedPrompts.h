// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Prompts.h"

#include <QFont>
#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

// A Prompts for tests: records every call and answers from a script. Each
// scripted answer may run code first (deliver clock ticks, look at the open
// window), so a test can check what happens while a box is open. A call with
// nothing scripted fails the test and gets the cautious answer (Cancel, No,
// or OK for a box with only an OK button).
class ScriptedPrompts : public Prompts
{
public:
    struct Call
    {
        enum class Kind { MessageBox, FileDialog, Font };
        Kind kind;
        QWidget *owner = nullptr;
        QString text;    // message text
        QString caption; // message caption
        unsigned flags = 0;
        FileDialogRequest fileRequest;
    };
    using Action = std::function<void(const Call &)>;

    ~ScriptedPrompts() override;

    // Answers for the next message box, file dialog and font chooser, in order.
    ScriptedPrompts &answer(int result, Action before = {});
    ScriptedPrompts &answerFile(std::optional<QString> path, Action before = {});
    ScriptedPrompts &answerFont(std::optional<QFont> font, Action before = {});
    // Message boxes with only an OK button are answered OK without a script.
    void setAutoAcknowledge(bool on) { m_autoAcknowledge = on; }

    int messageBox(QWidget *owner, const QString &text, const QString &caption,
                   unsigned flags) override;
    std::optional<QString> fileDialog(QWidget *owner, const FileDialogRequest &request) override;
    std::optional<QFont> chooseFont(QWidget *owner, const QFont &initial) override;

    [[nodiscard]] const std::vector<Call> &calls() const { return m_calls; }
    // The texts of the message boxes shown so far.
    [[nodiscard]] std::vector<QString> messages() const;
    [[nodiscard]] const Call *lastMessage() const;
    [[nodiscard]] bool allAnswered() const;
    void clear();

private:
    struct MessageAnswer
    {
        int result;
        Action before;
    };
    struct FileAnswer
    {
        std::optional<QString> path;
        Action before;
    };
    struct FontAnswer
    {
        std::optional<QFont> font;
        Action before;
    };

    std::vector<Call> m_calls;
    std::deque<MessageAnswer> m_messageAnswers;
    std::deque<FileAnswer> m_fileAnswers;
    std::deque<FontAnswer> m_fontAnswers;
    bool m_autoAcknowledge = false;
};
