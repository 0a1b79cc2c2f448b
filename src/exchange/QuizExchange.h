// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one conversion between ExchangeQuestions and the quiz, for every
// format: the quiz's code page, its limits (two to five answers, 512
// questions), the pictures beside the quiz file; and the formats by name,
// so that the editor and the headless commands pick readers and writers
// the same way.
//
// An import runs in two steps. prepareImport() converts and checks without
// touching the quiz or the disk, so the author sees the summary first;
// commitImport() writes the pictures and appends the questions.

#include "exchange/Exchange.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

class CQuestion;
class Quiz;

enum class ExchangeFormat { Gift, Aiken, MoodleXml, Csv, Tsv, Qti };

namespace QuizExchange {

// The lower-case names of the command line ("gift", "moodle-xml", ...).
[[nodiscard]] QString formatName(ExchangeFormat format);
[[nodiscard]] std::optional<ExchangeFormat> formatNamed(const QString &name);
// The name people read ("GIFT", "Moodle XML", "QTI 2.1 package", ...).
[[nodiscard]] QString formatTitle(ExchangeFormat format);
// The usual file name extension, without the dot.
[[nodiscard]] QString formatSuffix(ExchangeFormat format);
// False for a format whose reader or writer this build does not have.
[[nodiscard]] bool canRead(ExchangeFormat format);
[[nodiscard]] bool canWrite(ExchangeFormat format);
[[nodiscard]] std::vector<ExchangeFormat> readableFormats();
[[nodiscard]] std::vector<ExchangeFormat> writableFormats();

// The format of a file, from its extension and then its content.
[[nodiscard]] ExchangeFormat guessFormat(const QString &fileName, const QByteArray &bytes);

// Reads the bytes with the format's reader (an error when this build has
// none). Also refuses files over 64 MiB before any reader sees them.
[[nodiscard]] ExchangeRead read(ExchangeFormat format, const QByteArray &bytes, bool flashCardQuiz);
// Reads a file from disk: the size is checked before it is read.
[[nodiscard]] std::optional<QByteArray> readFile(const QString &path, QString &error);

struct PreparedQuestion
{
    std::unique_ptr<CQuestion> question; // imageFile still empty
    QByteArray picture;                  // checked: QImage reads it
    QString pictureName;                 // the base name for the .bmp
};

struct ImportPlan
{
    std::vector<PreparedQuestion> questions;
    // One line per question found (imported or skipped, with the reason),
    // and what was dropped, in the file's order; the file's own notes last.
    QList<ExchangeNote> notes;
    [[nodiscard]] int count() const { return int(questions.size()); }
};

// Converts what a reader found for `quiz` (its type, its code page, the
// room left in it). Nothing changes in the quiz.
[[nodiscard]] ImportPlan prepareImport(const ExchangeRead &read, const Quiz &quiz);

// Writes each picture into `pictureFolder` as NAME.bmp (NAME-2.bmp, ...
// when the name is taken: no file is ever replaced) and appends the
// questions. A picture is named by its bare name when the folder is the
// quiz's own, by its full path otherwise. Returns how many were appended;
// pictures that could not be written are told in `notes`.
int commitImport(ImportPlan &plan, Quiz &quiz, const QString &pictureFolder,
                 QList<ExchangeNote> &notes);

// The quiz's questions for a writer: texts in Unicode, line breaks as
// '\n', each picture loaded (as the quiz taker finds it). Pictures that
// cannot be found are told in `notes`.
[[nodiscard]] QList<ExchangeQuestion> questionsOf(const Quiz &quiz, QList<ExchangeNote> &notes);

// Writes with the format's writer; the notes of questionsOf() come first.
[[nodiscard]] ExchangeWritten write(ExchangeFormat format, const Quiz &quiz, const QString &title);

// One summary line: "question 4, 'Match the activity...': matching
// questions have no counterpart in Brainloft", or the note's text alone
// when it is about the whole file.
[[nodiscard]] QString noteLine(const ExchangeNote &note);

} // namespace QuizExchange
