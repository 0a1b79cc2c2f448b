// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScriptedPrompts.h"

#include <gtest/gtest.h>

ScriptedPrompts::~ScriptedPrompts()
{
    EXPECT_TRUE(allAnswered()) << "scripted answers were left unused";
}

ScriptedPrompts &ScriptedPrompts::answer(int result, Action before)
{
    m_messageAnswers.push_back({result, std::move(before)});
    return *this;
}

ScriptedPrompts &ScriptedPrompts::answerFile(std::optional<QString> path, Action before)
{
    m_fileAnswers.push_back({std::move(path), std::move(before)});
    return *this;
}

ScriptedPrompts &ScriptedPrompts::answerFont(std::optional<QFont> font, Action before)
{
    m_fontAnswers.push_back({std::move(font), std::move(before)});
    return *this;
}

int ScriptedPrompts::messageBox(QWidget *owner, const QString &text, const QString &caption,
                                unsigned flags)
{
    Call call{Call::Kind::MessageBox, owner, text, caption, flags, {}};
    m_calls.push_back(call);
    const bool okOnly = (flags & MB_TYPEMASK) == MB_OK;
    if (m_messageAnswers.empty()) {
        if (!(m_autoAcknowledge && okOnly))
            ADD_FAILURE() << "unexpected message box: " << text.toStdString();
        if (okOnly)
            return IDOK;
        return (flags & MB_TYPEMASK) == MB_YESNO ? IDNO : IDCANCEL;
    }
    MessageAnswer next = std::move(m_messageAnswers.front());
    m_messageAnswers.pop_front();
    if (next.before)
        next.before(call);
    return next.result;
}

std::optional<QString> ScriptedPrompts::fileDialog(QWidget *owner, const FileDialogRequest &request)
{
    Call call{Call::Kind::FileDialog, owner, {}, request.title, 0, request};
    m_calls.push_back(call);
    if (m_fileAnswers.empty()) {
        ADD_FAILURE() << "unexpected file dialog";
        return std::nullopt;
    }
    FileAnswer next = std::move(m_fileAnswers.front());
    m_fileAnswers.pop_front();
    if (next.before)
        next.before(call);
    return next.path;
}

std::optional<QFont> ScriptedPrompts::chooseFont(QWidget *owner, const QFont & /*initial*/)
{
    Call call{Call::Kind::Font, owner, {}, {}, 0, {}};
    m_calls.push_back(call);
    if (m_fontAnswers.empty()) {
        ADD_FAILURE() << "unexpected font chooser";
        return std::nullopt;
    }
    FontAnswer next = std::move(m_fontAnswers.front());
    m_fontAnswers.pop_front();
    if (next.before)
        next.before(call);
    return next.font;
}

std::vector<QString> ScriptedPrompts::messages() const
{
    std::vector<QString> texts;
    for (const Call &call : m_calls) {
        if (call.kind == Call::Kind::MessageBox)
            texts.push_back(call.text);
    }
    return texts;
}

const ScriptedPrompts::Call *ScriptedPrompts::lastMessage() const
{
    for (auto it = m_calls.rbegin(); it != m_calls.rend(); ++it) {
        if (it->kind == Call::Kind::MessageBox)
            return &*it;
    }
    return nullptr;
}

bool ScriptedPrompts::allAnswered() const
{
    return m_messageAnswers.empty() && m_fileAnswers.empty() && m_fontAnswers.empty();
}

void ScriptedPrompts::clear()
{
    m_calls.clear();
    m_messageAnswers.clear();
    m_fileAnswers.clear();
    m_fontAnswers.clear();
}
