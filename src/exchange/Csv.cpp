// SPDX-License-Identifier: GPL-3.0-or-later

#include "exchange/Csv.h"

#include "exchange/HtmlText.h"
#include "exchange/TextFile.h"

#include <QCoreApplication>

using namespace ExchangeText;

namespace {

using Kind = ExchangeNote::Kind;

const char *const MULTIPLE_CHOICE_HEADER[] = {"Question", "A",       "B",     "C",         "D",
                                              "E",        "Correct", "Score", "Time limit"};
const char *const FLASH_CARD_HEADER[] = {"Question", "Answer", "Score", "Time limit"};

QString quoted(const QString &field, QChar separator)
{
    if (!field.contains(separator) && !field.contains(u'"') && !field.contains(u'\n') &&
        !field.contains(u'\r') && !field.startsWith(u'#') && field.trimmed() == field)
        return field;
    QString out = field;
    out.replace(QLatin1String("\""), QLatin1String("\"\""));
    return u'"' + out + u'"';
}

QString record(const QStringList &fields, QChar separator)
{
    QStringList out;
    for (const QString &field : fields)
        out << quoted(field, separator);
    return out.join(separator);
}

// A number cell: empty gives none; `ok` false for anything but a whole
// number from 0 up.
std::optional<int> numberCell(const QString &cell, bool &ok)
{
    ok = true;
    const QString trimmed = cell.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const int value = trimmed.toInt(&ok);
    ok = ok && value >= 0;
    return ok ? std::optional(value) : std::nullopt;
}

} // namespace

QList<QStringList> SplitRecords(const QString &text, QChar separator, QList<int> *lines)
{
    QList<QStringList> records;
    QStringList fields;
    QString field;
    bool quotedField = false;
    bool inQuotes = false;
    bool any = false;
    int line = 1;
    int recordLine = 1;
    auto endField = [&] {
        fields << field;
        field.clear();
        quotedField = false;
    };
    auto endRecord = [&] {
        endField();
        records << fields;
        if (lines)
            *lines << recordLine;
        fields.clear();
        any = false;
    };
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (!any) {
            recordLine = line;
            any = true;
        }
        if (inQuotes) {
            if (c == u'"') {
                if (i + 1 < size && text.at(i + 1) == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                if (c == u'\n')
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == u'"' && field.isEmpty() && !quotedField) {
            inQuotes = quotedField = true;
        } else if (c == separator) {
            endField();
        } else if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n') {
            continue;
        } else if (c == u'\n') {
            ++line;
            endRecord();
        } else {
            field += c;
        }
    }
    if (any)
        endRecord();
    return records;
}

ExchangeRead ReadCsv(const QByteArray &bytes)
{
    ExchangeRead result;
    std::optional<QString> text = decodeUtf8(bytes, result.error);
    if (!text)
        return result;
    normaliseLineEnds(*text);
    // Spreadsheets in many languages save with semicolons.
    const QString firstLine = text->section(u'\n', 0, 0);
    const QChar separator =
        !firstLine.contains(u',') && firstLine.contains(u';') ? QChar(u';') : QChar(u',');
    QList<int> lines;
    const QList<QStringList> records = SplitRecords(*text, separator, &lines);
    if (records.isEmpty()) {
        result.error = QCoreApplication::translate("Exchange", "The file holds no rows.");
        return result;
    }
    QStringList header;
    for (const QString &name : records.first())
        header << name.trimmed().toLower();
    const auto column = [&](const char *name) {
        return int(header.indexOf(QString::fromLatin1(name).toLower()));
    };
    const int questionColumn = column("Question");
    const int answerColumn = column("Answer");
    const int aColumn = column("A");
    const int correctColumn = column("Correct");
    const int scoreColumn = column("Score");
    const int timeColumn = column("Time limit");
    const bool cards = answerColumn >= 0 && aColumn < 0;
    if (questionColumn < 0 || (!cards && (aColumn < 0 || correctColumn < 0))) {
        result.error = QCoreApplication::translate(
            "Exchange", "The first row is not a header this program knows. It should be "
                        "\"Question,A,B,C,D,E,Correct,Score,Time limit\" or "
                        "\"Question,Answer,Score,Time limit\".");
        return result;
    }
    QList<int> answerColumns;
    if (!cards) {
        for (const char *letter : {"A", "B", "C", "D", "E", "F", "G", "H"}) {
            if (const int at = column(letter); at >= 0)
                answerColumns << at;
        }
    }

    for (qsizetype r = 1; r < records.size(); ++r) {
        const QStringList &cells = records.at(r);
        bool blank = true;
        for (const QString &cell : cells)
            blank = blank && cell.trimmed().isEmpty();
        if (blank)
            continue;
        ExchangeQuestion question;
        question.sourceNumber = int(r);
        question.text = cells.value(questionColumn).trimmed();
        auto skip = [&](const QString &reason) {
            result.notes << note(Kind::Skipped, question, reason);
        };
        bool ok = true;
        if (scoreColumn >= 0) {
            question.score = numberCell(cells.value(scoreColumn), ok);
            if (!ok) {
                skip(QCoreApplication::translate("Exchange",
                                                 "the score \"%1\" is not a whole number")
                         .arg(cells.value(scoreColumn)));
                continue;
            }
        }
        if (timeColumn >= 0) {
            question.timeLimit = numberCell(cells.value(timeColumn), ok);
            if (!ok) {
                skip(QCoreApplication::translate(
                         "Exchange", "the time limit \"%1\" is not a whole number of seconds")
                         .arg(cells.value(timeColumn)));
                continue;
            }
        }
        if (cards) {
            question.flashCard = true;
            question.answers = {cells.value(answerColumn).trimmed()};
            question.correct = {true};
            result.questions << question;
            continue;
        }
        QList<int> letters; // the answer columns that are filled, by letter
        for (int a = 0; a < answerColumns.size(); ++a) {
            QString answer = cells.value(answerColumns.at(a)).trimmed();
            if (answer.isEmpty())
                continue;
            question.answers << answer;
            question.correct << false;
            letters << a;
        }
        QString badLetter;
        for (const QChar c : cells.value(correctColumn)) {
            if (c.isSpace() || c == u',' || c == u';')
                continue;
            const int letter = c.toUpper().unicode() - u'A';
            const qsizetype at = letters.indexOf(letter);
            if (at < 0) {
                badLetter = c;
                break;
            }
            question.correct[at] = true;
        }
        if (!badLetter.isEmpty()) {
            skip(QCoreApplication::translate("Exchange",
                                             "Correct names %1, which is no answer of the question")
                     .arg(badLetter));
            continue;
        }
        question.multipleCorrect = question.correct.count(true) > 1;
        result.questions << question;
    }
    return result;
}

ExchangeWritten WriteCsv(const QList<ExchangeQuestion> &questions)
{
    ExchangeWritten written;
    bool cards = !questions.isEmpty();
    for (const ExchangeQuestion &question : questions)
        cards = cards && question.flashCard;
    QStringList header;
    if (cards) {
        for (const char *name : FLASH_CARD_HEADER)
            header << QLatin1String(name);
    } else {
        for (const char *name : MULTIPLE_CHOICE_HEADER)
            header << QLatin1String(name);
    }
    QString out = record(header, u',') + QLatin1String("\r\n");
    int lostPictures = 0;
    const auto number = [](const std::optional<int> &value) {
        return value ? QString::number(*value) : QString();
    };
    for (const ExchangeQuestion &question : questions) {
        if (question.flashCard != cards || question.answers.size() > 5) {
            written.notes << note(
                Kind::Skipped, question,
                cards ? QCoreApplication::translate("Exchange",
                                                    "a CSV file of flash cards holds no questions")
                : question.flashCard
                    ? QCoreApplication::translate("Exchange",
                                                  "a CSV file of questions holds no flash cards")
                    : QCoreApplication::translate("Exchange", "CSV holds at most five answers"));
            continue;
        }
        if (!question.picture.isEmpty() || !question.pictureName.isEmpty())
            ++lostPictures;
        QStringList fields{question.text};
        if (cards) {
            fields << question.answers.value(0);
        } else {
            QString correct;
            for (int i = 0; i < 5; ++i) {
                fields << question.answers.value(i);
                if (question.correct.value(i))
                    correct += QChar(char16_t(u'A' + i));
            }
            fields << correct;
        }
        fields << number(question.score) << number(question.timeLimit);
        out += record(fields, u',') + QLatin1String("\r\n");
    }
    if (lostPictures > 0)
        written.notes << fileNote(Kind::Lost, lostPicturesText("CSV", lostPictures));
    written.bytes = out.toUtf8();
    return written;
}

ExchangeRead ReadTsv(const QByteArray &bytes)
{
    ExchangeRead result;
    std::optional<QString> text = decodeUtf8(bytes, result.error);
    if (!text)
        return result;
    normaliseLineEnds(*text);
    // Anki's header lines come first: "#separator:tab", "#html:true", ...
    QChar separator = u'\t';
    bool html = true;
    qsizetype bodyStart = 0;
    while (bodyStart < text->size() && text->at(bodyStart) == u'#') {
        qsizetype end = text->indexOf(u'\n', bodyStart);
        if (end < 0)
            end = text->size();
        const QString line = text->mid(bodyStart, end - bodyStart).trimmed();
        bodyStart = end + 1;
        const QString key = line.section(u':', 0, 0).toLower();
        const QString value = line.section(u':', 1);
        if (key == QLatin1String("#separator")) {
            static const std::pair<const char *, char16_t> names[] = {
                {"tab", u'\t'},  {"comma", u','}, {"semicolon", u';'},
                {"space", u' '}, {"pipe", u'|'},  {"colon", u':'}};
            const QString lower = value.trimmed().toLower();
            for (const auto &[name, c] : names) {
                if (lower == QLatin1String(name))
                    separator = QChar(c);
            }
            if (value.size() == 1)
                separator = value.at(0);
        } else if (key == QLatin1String("#html")) {
            html = value.trimmed().compare(QLatin1String("false"), Qt::CaseInsensitive) != 0;
        }
    }
    QList<int> lines;
    const QList<QStringList> records =
        SplitRecords(text->mid(std::min(bodyStart, text->size())), separator, &lines);
    text.reset();
    int number = 0;
    bool extraColumns = false;
    for (qsizetype r = 0; r < records.size(); ++r) {
        const QStringList &fields = records.at(r);
        if (fields.size() == 1 && fields.first().trimmed().isEmpty())
            continue;
        ExchangeQuestion question;
        question.sourceNumber = ++number;
        question.flashCard = true;
        const auto plain = [html](const QString &field) {
            return html ? HtmlText::toPlain(field) : field.trimmed();
        };
        question.text = plain(fields.value(0));
        if (fields.size() < 2) {
            result.notes << note(Kind::Skipped, question,
                                 QCoreApplication::translate(
                                     "Exchange", "the line has no back: no separator found"));
            continue;
        }
        extraColumns = extraColumns || fields.size() > 2;
        question.answers = {plain(fields.at(1))};
        question.correct = {true};
        result.questions << question;
    }
    if (extraColumns)
        result.notes << fileNote(
            Kind::Dropped, QCoreApplication::translate(
                               "Exchange", "Only the first two fields of each line are read; the "
                                           "others (tags, further fields) are dropped."));
    if (number == 0)
        result.error = QCoreApplication::translate("Exchange", "The file holds no flash cards.");
    return result;
}

ExchangeWritten WriteTsv(const QList<ExchangeQuestion> &questions)
{
    ExchangeWritten written;
    QString out = QStringLiteral("#separator:tab\n#html:false\n");
    int lostScores = 0;
    int lostPictures = 0;
    for (const ExchangeQuestion &question : questions) {
        if (!question.flashCard) {
            written.notes << note(
                Kind::Skipped, question,
                QCoreApplication::translate("Exchange", "TSV holds only flash cards"));
            continue;
        }
        if ((question.score && *question.score != 1) ||
            (question.timeLimit && *question.timeLimit > 0))
            ++lostScores;
        if (!question.picture.isEmpty() || !question.pictureName.isEmpty())
            ++lostPictures;
        out += record({question.text, question.answers.value(0)}, u'\t') + u'\n';
    }
    if (lostScores > 0)
        written.notes << fileNote(Kind::Lost, lostScoresText("TSV", lostScores));
    if (lostPictures > 0)
        written.notes << fileNote(Kind::Lost, lostPicturesText("TSV", lostPictures));
    written.bytes = out.toUtf8();
    return written;
}
