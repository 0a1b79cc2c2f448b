// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The results log as the windows use it: the end-of-quiz step that asks for
// a comment and records the result, and the parameters dialog's Export and
// Delete commands with their messages. The file work is in ResultsLog.h.

#include <QString>

#include <cstdint>
#include <functional>
#include <string>

class Prompts;
class Quiz;
class QWidget;

// After a run: when the quiz logs results and has a log path, asks for the
// comment (owned by `owner`) and, on OK, appends the entry. A failure to
// write is not reported to the taker. `confirmed`, when given, is told the
// comment and the log's size just before the entry is appended, so that a
// run interrupted meanwhile can finish the step with FinishLogEntry.
void OfferLogEntry(
    Quiz &quiz, Prompts &prompts, QWidget *owner,
    const std::function<void(const std::string &comment, std::uint64_t logSize)> &confirmed = {});

// Finishes a log step an interruption cut short (FinishRecordResult); as
// silent as the step itself.
void FinishLogEntry(const Quiz &quiz, const std::string &comment, std::uint64_t logSize);

// Whether the parameters dialog opens with Export and Delete enabled: the
// quiz has a log path and the log can be read now.
[[nodiscard]] bool LogCommandsAvailable(const Quiz &quiz);

// The Export command: asks for a text file and exports the log to it. The
// result says whether the caller must disable its Export and Delete buttons
// (the log has gone).
bool ExportLogCommand(const Quiz &quiz, Prompts &prompts, QWidget *owner);

// The Delete command: asks, then deletes the log. The result says whether
// the caller must disable its Export and Delete buttons (the log is gone).
bool DeleteLogCommand(const Quiz &quiz, Prompts &prompts, QWidget *owner);

// Writes the log's unscrambled text to `outputPath`, reporting every failure
// in a message box owned by `owner`; success is silent.
void ExportLog(const Quiz &quiz, Prompts &prompts, const QString &outputPath, QWidget *owner);
