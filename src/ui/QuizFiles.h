// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The file operations that windows call on the one quiz, with their
// messages: load, save, choose a name to save under, and the question whether
// to save before the quiz is replaced.

#include <QString>

#include <string>

class Prompts;
class Quiz;
class QWidget;

// Reads the quiz at `path` into `quiz` (which the caller has cleared). On
// success pathName is the absolute path; on failure the message has been
// shown and the quiz is empty without a path.
bool LoadQuizFile(Quiz &quiz, Prompts &prompts, const QString &path, QWidget *owner);

// Writes the quiz to its pathName, asking for a name first when it has none.
// True when the file was written; failures have been reported.
bool SaveQuiz(Quiz &quiz, Prompts &prompts, QWidget *owner);

// Asks for the file to save to and sets the quiz's path on OK; writes
// nothing. Returns the dialog result (ModalDialog::Ok or Cancel).
int ChooseQuizFileName(Quiz &quiz, Prompts &prompts, QWidget *owner);

// True when the caller may discard or replace the quiz: it is unchanged, has
// no questions, the user said No, or saved it on Yes.
bool ConfirmSaveChanges(Quiz &quiz, Prompts &prompts, QWidget *owner);

// The file name shown in captions: the part of the path after its last
// separator ('/' or '\\'), or nothing when the path has no separator.
[[nodiscard]] QString captionFileName(const std::string &path);

// Conversions between file system paths and the quiz's path strings.
[[nodiscard]] QString pathToQString(const std::string &path);
[[nodiscard]] std::string pathFromQString(const QString &path);
