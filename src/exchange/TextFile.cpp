// SPDX-License-Identifier: GPL-3.0-or-later

#include "exchange/TextFile.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace ExchangeText {

QString lostPicturesText(const char *format, int count)
{
    return count == 1 ? QCoreApplication::translate(
                            "Exchange", "%1 stores no pictures: 1 question loses its picture")
                            .arg(QLatin1String(format))
                      : QCoreApplication::translate("Exchange",
                                                    "%1 stores no pictures: %2 questions lose them")
                            .arg(QLatin1String(format))
                            .arg(count);
}

QString lostScoresText(const char *format, int count)
{
    return count == 1
               ? QCoreApplication::translate(
                     "Exchange", "%1 stores no points or time limits: 1 question loses them")
                     .arg(QLatin1String(format))
               : QCoreApplication::translate(
                     "Exchange", "%1 stores no points or time limits: %2 questions lose them")
                     .arg(QLatin1String(format))
                     .arg(count);
}

std::optional<QString> decodeUtf8(const QByteArray &bytes, QString &error)
{
    if (bytes.size() > MAX_FILE_BYTES) {
        error = QCoreApplication::translate(
            "Exchange", "The file is larger than 64 MiB; no quiz holds that much text.");
        return std::nullopt;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        // Find the first bad byte for the message: decode line by line.
        qsizetype line = 1;
        qsizetype start = 0;
        while (start <= bytes.size()) {
            qsizetype end = bytes.indexOf('\n', start);
            if (end < 0)
                end = bytes.size();
            QStringDecoder lineDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            // decode() is lazy: only the conversion to QString runs it.
            const QString decoded = lineDecoder.decode(bytes.mid(start, end - start));
            if (lineDecoder.hasError())
                break;
            ++line;
            start = end + 1;
        }
        error =
            QCoreApplication::translate(
                "Exchange", "The file is not UTF-8 text (line %1). Save it as UTF-8 and import it "
                            "again.")
                .arg(line);
        return std::nullopt;
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

void normaliseLineEnds(QString &text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
}

QString shortTitle(const QString &text)
{
    QString first = text.section(QLatin1Char('\n'), 0, 0).simplified();
    if (first.size() > 40 || text.contains(QLatin1Char('\n'))) {
        if (first.size() > 40)
            first = first.left(37).trimmed();
        first += QLatin1String("...");
    }
    return first;
}

ExchangeNote note(ExchangeNote::Kind kind, const ExchangeQuestion &question, const QString &text)
{
    ExchangeNote result;
    result.kind = kind;
    result.sourceNumber = question.sourceNumber;
    result.title =
        question.title.isEmpty() ? shortTitle(question.text) : shortTitle(question.title);
    result.text = text;
    return result;
}

ExchangeNote fileNote(ExchangeNote::Kind kind, const QString &text)
{
    ExchangeNote result;
    result.kind = kind;
    result.text = text;
    return result;
}

} // namespace ExchangeText
