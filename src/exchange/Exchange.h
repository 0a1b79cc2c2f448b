// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Questions on their way between Brainloft and the formats that learning
// systems share. A reader turns a file into ExchangeQuestions (Unicode text,
// the picture as bytes) plus notes on what it skipped or dropped; a writer
// turns ExchangeQuestions into a file plus notes on what the format could
// not hold. Converting to and from the quiz (its code page, its limits, the
// picture files beside it) is done once, in QuizExchange, for every format.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct ExchangeQuestion
{
    int sourceNumber = 0;    // 1-based position in the file, for the notes
    QString title;           // a name for the notes, when the format has one
    QString text;            // plain text; line breaks as '\n'
    QStringList answers;     // a flash card has exactly one
    QList<bool> correct;     // parallel to answers; unused for flash cards
    bool flashCard = false;
    bool multipleCorrect = false;   // "allow multiple correct answers"
    std::optional<int> score;       // none: the format does not carry one
    std::optional<int> timeLimit;   // seconds; none: not carried
    QByteArray picture;             // image file bytes (any format QImage reads)
    QString pictureName;            // the name the file had, when known

    friend bool operator==(const ExchangeQuestion &, const ExchangeQuestion &) = default;
};

// One line of a summary: "question 4, 'Match the activity...': matching
// questions have no counterpart in Brainloft".
struct ExchangeNote
{
    enum class Kind { Imported, Skipped, Dropped, Lost };
    Kind kind = Kind::Skipped;
    int sourceNumber = 0; // 0: about the whole file
    QString title;        // the question's title or the start of its text
    QString text;         // the reason, already translated

    friend bool operator==(const ExchangeNote &, const ExchangeNote &) = default;
};

struct ExchangeRead
{
    QList<ExchangeQuestion> questions;
    QList<ExchangeNote> notes;
    QString error; // not empty: the file could not be read at all
};

struct ExchangeWritten
{
    QByteArray bytes; // the whole file (a zip package for QTI)
    QList<ExchangeNote> notes;
};
