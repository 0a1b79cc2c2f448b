// SPDX-License-Identifier: GPL-3.0-or-later

#include "LogEntry.h"

#include "model/Quiz.h"

#include <charconv>
#include <system_error>

namespace {

constexpr std::string_view CRLF = "\r\n";
constexpr char LETTERS[] = "ABCDE";

void appendNumber(std::string &out, std::int64_t value)
{
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

// The letters of the answers whose flag is set, by authored position.
std::string letters(const std::array<std::int32_t, 5> &flags)
{
    std::string out;
    for (std::size_t k = 0; k < flags.size(); ++k) {
        if (flags[k])
            out += LETTERS[k];
    }
    return out;
}

// A line break inside the comment would break the line structure that
// readers of the export rely on; it becomes a blank.
std::string commentLine(std::string_view comment)
{
    std::string line = "\"";
    for (const char c : comment)
        line += (c == '\r' || c == '\n') ? ' ' : c;
    line += "\"";
    line += CRLF;
    return line;
}

void appendSummary(std::string &out, std::string_view label, std::int64_t count,
                   std::int64_t earned, std::int64_t possible)
{
    out += label;
    for (const std::int64_t value : {count, earned, possible}) {
        out += ',';
        appendNumber(out, value);
    }
    out += ',';
    out += FormatLogPercentage(earned, possible);
    out += '%';
    out += CRLF;
}

} // namespace

std::string FormatLogPercentage(std::int64_t points, std::int64_t total)
{
    if (total == 0)
        return "0.00";
    const double percentage = static_cast<double>(points * 100) / static_cast<double>(total);
    // to_chars is locale-independent and rounds exactly as printf does.
    char text[64];
    const auto result =
        std::to_chars(text, text + sizeof text, percentage, std::chars_format::fixed, 2);
    if (result.ec != std::errc())
        return "0.00";
    return std::string(text, result.ptr);
}

std::string LogQuestionLine(std::int32_t quizType, int index, const CQuestion &question)
{
    std::string line;
    appendNumber(line, index + 1);
    line += ',';
    const bool flashCards = quizType != 0;
    if (question.presented) {
        if (flashCards) {
            appendNumber(line, question.score);
            line += ',';
            appendNumber(line, question.earnedPoints);
            line += question.logFlag ? ",1,1" : ",0,1";
        } else {
            const std::string chosen = letters(question.chosen);
            line += letters(question.correct);
            line += ',';
            line += chosen.empty() ? "X" : chosen;
            line += ',';
            appendNumber(line, question.score);
            line += ',';
            appendNumber(line, question.earnedPoints);
        }
    } else if (flashCards) {
        appendNumber(line, question.score);
        line += ",0,0,0";
    } else {
        line += "X,X,";
        appendNumber(line, question.score);
        line += ",0";
    }
    line += CRLF;
    return line;
}

std::vector<std::string> LogEntryBlocks(const Quiz &quiz, std::string_view comment)
{
    std::vector<std::string> blocks;
    std::string head = commentLine(comment);
    appendNumber(head, quiz.questionCount());
    head += CRLF;
    blocks.push_back(std::move(head));

    std::int64_t presentedCount = 0, presentedEarned = 0, presentedPossible = 0;
    std::int64_t allEarned = 0, allPossible = 0;
    std::string buffer;
    for (int i = 0; i < quiz.questionCount(); ++i) {
        const CQuestion &question = *quiz.QuestionAt(i);
        allPossible += question.score;
        allEarned += question.earnedPoints;
        if (question.presented) {
            ++presentedCount;
            presentedPossible += question.score;
            presentedEarned += question.earnedPoints;
        }
        buffer += LogQuestionLine(quiz.quizType, i, question);
        if (buffer.size() > LOG_SPLIT_SIZE) {
            blocks.push_back(std::move(buffer));
            buffer.clear();
        }
    }
    appendSummary(buffer, "Presented", presentedCount, presentedEarned, presentedPossible);
    appendSummary(buffer, "All", quiz.questionCount(), allEarned, allPossible);
    blocks.push_back(std::move(buffer));
    return blocks;
}

std::string LogEntryText(const Quiz &quiz, std::string_view comment)
{
    std::string text;
    for (const std::string &block : LogEntryBlocks(quiz, comment))
        text += block;
    return text;
}
