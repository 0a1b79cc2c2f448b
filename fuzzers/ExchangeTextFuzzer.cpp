// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the text formats' readers (the first byte picks
// GIFT, GIFT for flash cards, Aiken, CSV or TSV) and checks the round trip:
// what a reader found, written by the same format's writer and read again,
// gives the same questions, as far as the format holds them.

#include "exchange/Aiken.h"
#include "exchange/Csv.h"
#include "exchange/Gift.h"

#include <cstdint>
#include <cstdlib>
#include <cstdio>

namespace {

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "round trip lost %s\n", what);
        std::abort();
    }
}

// Aiken keeps a question on one line.
QString oneLine(QString text)
{
    return text.replace(u'\n', u' ').trimmed();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int format = data[0] % 5;
    const QByteArray bytes(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    ExchangeRead first;
    switch (format) {
    case 0: first = ReadGift(bytes, false); break;
    case 1: first = ReadGift(bytes, true); break;
    case 2: first = ReadAiken(bytes); break;
    case 3: first = ReadCsv(bytes); break;
    default: first = ReadTsv(bytes); break;
    }
    if (!first.error.isEmpty() || first.questions.isEmpty())
        return 0;

    // Only what a quiz can take needs to come back: two answers or more,
    // none empty (a flash card: its one answer not empty).
    QList<ExchangeQuestion> questions = first.questions;
    questions.removeIf([](const ExchangeQuestion &q) {
        return (!q.flashCard && q.answers.size() < 2) || q.answers.contains(QString());
    });
    if (questions.isEmpty())
        return 0;
    ExchangeWritten written;
    ExchangeRead again;
    switch (format) {
    case 0:
    case 1:
        // A short answer that reads like a matching pair cannot be written
        // as one; leave such cards out.
        questions.removeIf([](const ExchangeQuestion &q) {
            return q.flashCard && q.answers.value(0).contains(QLatin1String("->"));
        });
        written = WriteGift(questions);
        again = ReadGift(written.bytes, format == 1);
        break;
    case 2:
        written = WriteAiken(questions);
        again = ReadAiken(written.bytes);
        break;
    case 3:
        // The layout holds one kind and five answers.
        questions.removeIf([&](const ExchangeQuestion &q) {
            return q.flashCard != questions.first().flashCard || q.answers.size() > 5;
        });
        written = WriteCsv(questions);
        again = ReadCsv(written.bytes);
        break;
    default:
        written = WriteTsv(questions);
        again = ReadTsv(written.bytes);
        break;
    }
    if (questions.isEmpty())
        return 0;
    check(again.questions.size() == questions.size(), "questions");
    for (qsizetype i = 0; i < questions.size(); ++i) {
        const ExchangeQuestion &a = questions.at(i);
        const ExchangeQuestion &b = again.questions.at(i);
        if (format == 2) {
            check(oneLine(a.text) == b.text, "a text");
            QStringList answers;
            for (const QString &answer : a.answers)
                answers << oneLine(answer);
            check(answers == b.answers, "answers");
        } else {
            check(a.text == b.text, "a text");
            check(a.answers == b.answers, "answers");
        }
        check(a.flashCard == b.flashCard, "the kind");
        if (!a.flashCard)
            check(a.correct == b.correct, "the correct marks");
        if (format == 3) {
            check(a.score == b.score, "a score");
            check(a.timeLimit == b.timeLimit, "a time limit");
        }
    }
    return 0;
}
