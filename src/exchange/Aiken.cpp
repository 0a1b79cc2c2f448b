// SPDX-License-Identifier: GPL-3.0-or-later

#include "exchange/Aiken.h"

#include "exchange/TextFile.h"

#include <QCoreApplication>
#include <QRegularExpression>

using namespace ExchangeText;

namespace {

using Kind = ExchangeNote::Kind;

const QRegularExpression &answerLine()
{
    static const QRegularExpression pattern(QStringLiteral("^([A-Z])[.)]\\s+(.*)$"));
    return pattern;
}

const QRegularExpression &answerKey()
{
    static const QRegularExpression pattern(QStringLiteral("^ANSWER:\\s*([A-Z])\\s*$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

} // namespace

ExchangeRead ReadAiken(const QByteArray &bytes)
{
    ExchangeRead result;
    std::optional<QString> text = decodeUtf8(bytes, result.error);
    if (!text)
        return result;
    normaliseLineEnds(*text);

    ExchangeQuestion question;
    QStringList letters;
    int number = 0;
    bool open = false;
    auto skip = [&](const QString &reason) {
        result.notes << note(Kind::Skipped, question, reason);
        question = {};
        letters.clear();
        open = false;
    };
    qsizetype start = 0;
    const qsizetype size = text->size();
    while (start <= size) {
        qsizetype end = text->indexOf(u'\n', start);
        if (end < 0)
            end = size;
        const QString line = text->mid(start, end - start).trimmed();
        start = end + 1;
        if (line.isEmpty()) {
            if (open && !question.answers.isEmpty())
                skip(QCoreApplication::translate("Exchange", "no ANSWER line"));
            continue;
        }
        if (!open) {
            question = {};
            question.sourceNumber = ++number;
            question.text = line;
            open = true;
            continue;
        }
        if (const QRegularExpressionMatch key = answerKey().match(line); key.hasMatch()) {
            const qsizetype index = letters.indexOf(key.captured(1).toUpper());
            if (question.answers.isEmpty()) {
                skip(QCoreApplication::translate("Exchange", "the question has no answers"));
            } else if (index < 0) {
                skip(QCoreApplication::translate("Exchange",
                                                 "ANSWER names no answer of the question"));
            } else {
                question.correct = QList<bool>(question.answers.size(), false);
                question.correct[index] = true;
                result.questions << question;
                question = {};
                letters.clear();
                open = false;
            }
            continue;
        }
        if (const QRegularExpressionMatch answer = answerLine().match(line); answer.hasMatch()) {
            letters << answer.captured(1);
            question.answers << answer.captured(2).trimmed();
            continue;
        }
        if (question.answers.isEmpty()) {
            // A question written over several lines.
            question.text += u'\n' + line;
        } else {
            skip(QCoreApplication::translate("Exchange",
                                             "a line is neither an answer nor the ANSWER line"));
        }
    }
    if (open)
        skip(question.answers.isEmpty()
                 ? QCoreApplication::translate("Exchange", "the question has no answers")
                 : QCoreApplication::translate("Exchange", "no ANSWER line"));
    if (number == 0)
        result.error =
            QCoreApplication::translate("Exchange", "The file holds no Aiken questions.");
    return result;
}

ExchangeWritten WriteAiken(const QList<ExchangeQuestion> &questions)
{
    ExchangeWritten written;
    QString out;
    int lostScores = 0;
    int lostPictures = 0;
    for (const ExchangeQuestion &question : questions) {
        if (question.flashCard) {
            written.notes << note(
                Kind::Skipped, question,
                QCoreApplication::translate("Exchange", "Aiken holds no flash cards"));
            continue;
        }
        if (question.correct.count(true) != 1) {
            written.notes << note(
                Kind::Skipped, question,
                QCoreApplication::translate("Exchange",
                                            "Aiken holds only questions with one correct answer"));
            continue;
        }
        if (question.text.trimmed().isEmpty()) {
            written.notes << note(
                Kind::Skipped, question,
                QCoreApplication::translate("Exchange", "Aiken needs a question text"));
            continue;
        }
        if (question.answers.size() > 26) {
            written.notes << note(Kind::Skipped, question,
                                  QCoreApplication::translate("Exchange", "too many answers"));
            continue;
        }
        if ((question.score && *question.score != 1) ||
            (question.timeLimit && *question.timeLimit > 0))
            ++lostScores;
        if (!question.picture.isEmpty() || !question.pictureName.isEmpty())
            ++lostPictures;
        // Every line break becomes a blank: a line in the question that
        // looked like "A) ..." would read as an answer.
        QString text = question.text;
        text.replace(u'\n', u' ');
        out += text.trimmed() + u'\n';
        int right = 0;
        for (qsizetype i = 0; i < question.answers.size(); ++i) {
            QString answer = question.answers.at(i);
            answer.replace(u'\n', u' ');
            out += QChar(char16_t(u'A' + i)) + QLatin1String(") ") + answer.trimmed() + u'\n';
            if (question.correct.value(i))
                right = int(i);
        }
        out += QLatin1String("ANSWER: ") + QChar(char16_t(u'A' + right)) + QLatin1String("\n\n");
    }
    if (lostScores > 0)
        written.notes << fileNote(Kind::Lost, lostScoresText("Aiken", lostScores));
    if (lostPictures > 0)
        written.notes << fileNote(Kind::Lost, lostPicturesText("Aiken", lostPictures));
    written.bytes = out.toUtf8();
    return written;
}
