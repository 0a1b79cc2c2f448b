// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the Moodle XML reader, in both kinds of quiz, and
// checks the round trip on whatever it read: written back and read again,
// every question keeps its text, answers, correct marks, kind, score and
// picture (the same pixels). A picture the reader kept always decodes within
// the size limits.

#include "exchange/MoodleXml.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QtGlobal>

#include <cstdint>
#include <cstdlib>

namespace {

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

QImage pixels(const QByteArray &bytes)
{
    return QImage::fromData(bytes).convertToFormat(QImage::Format_ARGB32);
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void roundTrip(const ExchangeRead &first, bool flashCardQuiz)
{
    const ExchangeWritten written = WriteMoodleXml(first.questions, true);
    const ExchangeRead again = ReadMoodleXml(written.bytes, flashCardQuiz);
    check(again.error.isEmpty());
    check(again.questions.size() == first.questions.size());
    for (qsizetype i = 0; i < first.questions.size(); ++i) {
        const ExchangeQuestion &a = first.questions[i];
        const ExchangeQuestion &b = again.questions[i];
        check(a.flashCard == flashCardQuiz);
        check(a.text == b.text);
        check(a.answers == b.answers);
        check(a.flashCard == b.flashCard);
        check(a.flashCard || (a.correct == b.correct && a.multipleCorrect == b.multipleCorrect));
        check(a.score == b.score || (!a.score && b.score == 1));
        check(a.picture.isEmpty() == b.picture.isEmpty());
        if (!a.picture.isEmpty()) {
            const QImage before = pixels(a.picture);
            check(!before.isNull() && before.width() <= 8192 && before.height() <= 8192);
            check(before == pixels(b.picture));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(quiet); // Qt reports every damaged image
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                     qsizetype(size));
    for (const bool flashCardQuiz : {false, true}) {
        const ExchangeRead read = ReadMoodleXml(bytes, flashCardQuiz);
        check(read.error.isEmpty() || (read.questions.isEmpty() && read.notes.isEmpty()));
        roundTrip(read, flashCardQuiz);
    }
    return 0;
}
