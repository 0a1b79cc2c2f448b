// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/Console.h"

#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <string>
#include <vector>

// A console for the file commands' tests: it keeps what they print, gives
// them the environment the test sets, and answers the terminal's questions
// from a list (an empty list: there is no terminal).
class ScriptedConsole : public Console
{
public:
    void print(const QString &lines) override { out += lines.split(QLatin1Char('\n')); }
    void printError(const QString &lines) override { err += lines.split(QLatin1Char('\n')); }
    [[nodiscard]] std::optional<QString> environment(const char *name) const override
    {
        const auto it = variables.find(name);
        return it == variables.end() ? std::nullopt : std::optional(it->second);
    }
    std::optional<QString> askHidden(const QString &prompt) override
    {
        prompts << prompt;
        if (answers.empty())
            return std::nullopt;
        QString answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }

    std::map<std::string, QString> variables;
    std::vector<QString> answers; // what the person types, in order
    QStringList out, err, prompts;
};
