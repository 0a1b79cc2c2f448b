// SPDX-License-Identifier: GPL-3.0-or-later
// Moodle XML for a quiz of 512 questions with a picture in every one (the
// sample quizzes' pictures in turn). Importing reads the file
// and maps every question, each picture decoded and checked; its baseline
// reads the same file with a bare QXmlStreamReader pass that decodes the
// same pictures. Exporting turns the questions (pictures as the .bmp bytes
// the quiz keeps, each made PNG) into the file and writes it; again with the
// pictures PNG already, and with no picture shared by two questions. The
// baseline writes the same bytes.

#include "BenchFiles.h"

#include "exchange/MoodleXml.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QXmlStreamReader>

#include <benchmark/benchmark.h>

#include <span>
#include <vector>

namespace {

// The sample quizzes' own pictures, in turn.
QByteArray pictureBmp(int index)
{
    static const QList<QByteArray> pictures = [] {
        QList<QByteArray> list;
        for (const char *name : {"sun.bmp", "saturn.bmp", "apple.bmp"}) {
            QFile file(QStringLiteral(BRAINLOFT_EXAMPLES_DIR "/") + QLatin1String(name));
            check(file.open(QIODevice::ReadOnly), "read a sample picture");
            list.append(file.readAll());
        }
        return list;
    }();
    return pictures[index % pictures.size()];
}

const QList<ExchangeQuestion> &largeQuestions()
{
    static const QList<ExchangeQuestion> questions = [] {
        QList<ExchangeQuestion> list;
        for (int i = 0; i < 512; ++i) {
            ExchangeQuestion q;
            q.sourceNumber = i + 1;
            q.text = QStringLiteral("Question %1: which of these statements about the subject "
                                    "of this quiz hold, given what the lesson said about it?")
                         .arg(i + 1);
            for (int k = 0; k < 5; ++k) {
                q.answers.append(QStringLiteral("Answer %1, a statement of some thirty-odd "
                                                "characters")
                                     .arg(QChar(u'A' + k)));
                q.correct.append(k == i % 5 || (i % 3 == 0 && k == (i + 2) % 5));
            }
            q.multipleCorrect = i % 3 == 0;
            q.score = 1 + i % 4;
            q.picture = pictureBmp(i);
            q.pictureName = QStringLiteral("question-%1.bmp").arg(i + 1);
            list.append(q);
        }
        return list;
    }();
    return questions;
}

// The bytes as they are, not copied: the program writes them so.
std::span<const std::uint8_t> bytesOf(const QByteArray &bytes)
{
    return {reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size())};
}

const std::string &largeMoodleFile()
{
    static const std::string path = [] {
        const std::string file = benchPath("large-moodle.xml");
        writeWhole(file, bytesOf(WriteMoodleXml(largeQuestions(), true).bytes), false);
        return file;
    }();
    return path;
}

QByteArray readFile(const std::string &path)
{
    const std::vector<std::uint8_t> bytes = readWhole(path);
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

void MoodleXmlImport(benchmark::State &state)
{
    const std::string &path = largeMoodleFile();
    for (auto _ : state) {
        const ExchangeRead read = ReadMoodleXml(readFile(path), false);
        check(read.questions.size() == 512 && !read.questions.last().picture.isEmpty(), "import");
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(fileSize(path)));
}

// Only what any reader must do: every token once, every picture decoded.
void MoodleXmlScan(benchmark::State &state)
{
    const std::string &path = largeMoodleFile();
    for (auto _ : state) {
        const QByteArray bytes = readFile(path);
        QXmlStreamReader xml(bytes);
        int pictures = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement &&
                xml.name() == QLatin1String("file")) {
                const QImage image = QImage::fromData(
                    QByteArray::fromBase64(xml.readElementText().toLatin1()));
                pictures += image.isNull() ? 0 : 1;
            }
        }
        check(!xml.hasError() && pictures == 512, "scan");
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(fileSize(path)));
}

void MoodleXmlExport(benchmark::State &state)
{
    const QList<ExchangeQuestion> &questions = largeQuestions();
    const std::string path = benchPath("exported-moodle.xml");
    for (auto _ : state)
        writeWhole(path, bytesOf(WriteMoodleXml(questions, true).bytes), false);
    state.SetBytesProcessed(state.iterations() * std::int64_t(fileSize(largeMoodleFile())));
}

// The same export when the pictures are PNG already: the writer alone.
void MoodleXmlExportPng(benchmark::State &state)
{
    QList<ExchangeQuestion> questions = largeQuestions();
    for (ExchangeQuestion &q : questions)
        q.picture = ExchangePictureAsPng(q.picture);
    const std::string path = benchPath("exported-png-moodle.xml");
    for (auto _ : state)
        writeWhole(path, bytesOf(WriteMoodleXml(questions, true).bytes), false);
    state.SetBytesProcessed(state.iterations() * std::int64_t(fileSize(largeMoodleFile())));
}

// The same export when no two questions share a picture (each one a pixel
// apart): every picture is made PNG, which the shared ones are not.
void MoodleXmlExportDistinct(benchmark::State &state)
{
    QList<ExchangeQuestion> questions = largeQuestions();
    for (qsizetype i = 0; i < questions.size(); ++i) {
        QByteArray &bytes = questions[i].picture;
        bytes[bytes.size() - 1 - i % 64] = char(bytes[bytes.size() - 1 - i % 64] ^ (1 + i / 64));
    }
    const std::string path = benchPath("exported-distinct-moodle.xml");
    for (auto _ : state)
        writeWhole(path, bytesOf(WriteMoodleXml(questions, true).bytes), false);
    state.SetBytesProcessed(state.iterations() * std::int64_t(fileSize(path)));
}

void MoodleXmlExportWrite(benchmark::State &state)
{
    const std::vector<std::uint8_t> bytes = readWhole(largeMoodleFile());
    const std::string path = benchPath("written-moodle.xml");
    for (auto _ : state)
        writeWhole(path, bytes, false);
    state.SetBytesProcessed(state.iterations() * std::int64_t(bytes.size()));
}

} // namespace

BENCHMARK(MoodleXmlImport)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(MoodleXmlScan)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(MoodleXmlExport)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(MoodleXmlExportPng)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(MoodleXmlExportDistinct)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(MoodleXmlExportWrite)->Unit(benchmark::kMillisecond)->UseRealTime();
