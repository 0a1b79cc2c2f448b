// SPDX-License-Identifier: GPL-3.0-or-later

#include "exchange/MoodleXml.h"

#include "exchange/HtmlText.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <thread>
#include <utility>
#include <vector>

namespace {

// A picture larger than this on either side, or with more pixels, is left
// out: decoding it would take memory the file only claims.
constexpr int MAX_PICTURE_SIDE = 8192;
constexpr qint64 MAX_PICTURE_PIXELS = qint64(16) * 1024 * 1024;
// The most points a score read from a file may carry; larger grades are
// clamped rather than overflowing.
constexpr int MAX_SCORE = 1000000;

const QString PLUGINFILE = QStringLiteral("@@PLUGINFILE@@/");

struct EmbeddedFile
{
    QString name;
    QString base64;
};

struct RichText
{
    QString format;
    QString text;
    QList<EmbeddedFile> files;
};

struct Answer
{
    double fraction = 0;
    RichText body;
    bool feedback = false;
};

// One <question> element as the file has it, before it is mapped.
struct RawQuestion
{
    QString type;
    QString name;
    RichText text;
    bool feedback = false;
    std::optional<double> grade;
    std::optional<bool> single;
    QList<Answer> answers;
    QString legacyImageName; // Moodle 1.9: <image> and <image_base64>
    QString legacyImageBase64;
};

bool isTrue(const QString &value)
{
    const QString v = value.trimmed();
    return v.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || v == QLatin1String("1");
}

// Text formats whose text is HTML (Moodle's auto format allows tags too).
bool isHtml(const QString &format)
{
    return format != QLatin1String("plain_text") && format != QLatin1String("markdown");
}

QString plainOf(const RichText &rich)
{
    return XmlSafeText(isHtml(rich.format) ? HtmlText::toPlain(rich.text) : rich.text);
}

QString attribute(const QXmlStreamReader &xml, const char *name)
{
    return xml.attributes().value(QLatin1String(name)).toString();
}

// The <text> of the current element and its <file>s; other children skipped.
RichText readRich(QXmlStreamReader &xml, const QString &defaultFormat)
{
    RichText rich;
    rich.format = attribute(xml, "format");
    if (rich.format.isEmpty())
        rich.format = defaultFormat;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("text")) {
            rich.text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == QLatin1String("file")) {
            EmbeddedFile file;
            file.name = attribute(xml, "name");
            const bool base64 = attribute(xml, "encoding") == QLatin1String("base64");
            file.base64 = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (base64)
                rich.files.append(std::move(file));
        } else {
            xml.skipCurrentElement();
        }
    }
    return rich;
}

bool hasText(const RichText &rich)
{
    return !plainOf(rich).trimmed().isEmpty();
}

RawQuestion readQuestion(QXmlStreamReader &xml)
{
    RawQuestion raw;
    raw.type = attribute(xml, "type").trimmed().toLower();
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == QLatin1String("name")) {
            raw.name = plainOf(readRich(xml, QStringLiteral("plain_text"))).simplified();
        } else if (name == QLatin1String("category")) {
            raw.name = plainOf(readRich(xml, QStringLiteral("plain_text"))).simplified();
        } else if (name == QLatin1String("questiontext")) {
            raw.text = readRich(xml, QStringLiteral("moodle_auto_format"));
        } else if (name == QLatin1String("generalfeedback") ||
                   name == QLatin1String("correctfeedback") ||
                   name == QLatin1String("partiallycorrectfeedback") ||
                   name == QLatin1String("incorrectfeedback")) {
            raw.feedback =
                hasText(readRich(xml, QStringLiteral("moodle_auto_format"))) || raw.feedback;
        } else if (name == QLatin1String("defaultgrade")) {
            bool ok = false;
            const double grade =
                xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed().toDouble(&ok);
            if (ok && std::isfinite(grade))
                raw.grade = grade;
        } else if (name == QLatin1String("single")) {
            raw.single = isTrue(xml.readElementText(QXmlStreamReader::IncludeChildElements));
        } else if (name == QLatin1String("answer")) {
            Answer answer;
            bool ok = false;
            const double fraction = attribute(xml, "fraction").trimmed().toDouble(&ok);
            answer.fraction = ok && std::isfinite(fraction) ? fraction : 0;
            answer.body.format = attribute(xml, "format");
            if (answer.body.format.isEmpty())
                answer.body.format = QStringLiteral("moodle_auto_format");
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("text")) {
                    answer.body.text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                } else if (xml.name() == QLatin1String("feedback")) {
                    answer.feedback =
                        hasText(readRich(xml, QStringLiteral("moodle_auto_format"))) ||
                        answer.feedback;
                } else if (xml.name() == QLatin1String("file")) {
                    answer.body.files.append(
                        {attribute(xml, "name"),
                         xml.readElementText(QXmlStreamReader::IncludeChildElements)});
                } else {
                    xml.skipCurrentElement();
                }
            }
            raw.answers.append(std::move(answer));
        } else if (name == QLatin1String("image")) {
            raw.legacyImageName =
                xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        } else if (name == QLatin1String("image_base64")) {
            raw.legacyImageBase64 = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else {
            xml.skipCurrentElement();
        }
    }
    return raw;
}

// The image the bytes hold, when it decodes within the size limits.
QImage decodePicture(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!reader.canRead())
        return {};
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > MAX_PICTURE_SIDE || size.height() > MAX_PICTURE_SIDE ||
                           qint64(size.width()) * size.height() > MAX_PICTURE_PIXELS))
        return {};
    QImage image = reader.read();
    if (image.isNull() || image.width() > MAX_PICTURE_SIDE || image.height() > MAX_PICTURE_SIDE ||
        qint64(image.width()) * image.height() > MAX_PICTURE_PIXELS)
        return {};
    return image;
}

void appendBigEndian(QByteArray &out, quint32 value)
{
    const char bytes[4] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    out.append(bytes, 4);
}

void appendChunk(QByteArray &out, const char type[4], const QByteArray &data)
{
    appendBigEndian(out, quint32(data.size()));
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data);
    const auto *typed = reinterpret_cast<const Bytef *>(out.constData() + start);
    appendBigEndian(out, quint32(crc32(0, typed, uInt(out.size() - start))));
}

// 8-bit RGB, or RGBA when the picture has transparency, every row unfiltered
// and the whole deflated at zlib's fastest level. libpng tries five filters
// per row and compresses harder: several times slower for the drawings
// quizzes hold, while these files are at most a sixth larger.
QByteArray encodePng(const QImage &picture)
{
    if (picture.isNull())
        return {};
    const bool alpha = picture.hasAlphaChannel();
    const QImage image =
        picture.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    if (image.isNull())
        return {};
    const qsizetype rowBytes = qsizetype(image.width()) * (alpha ? 4 : 3);
    QByteArray raw;
    raw.reserve((rowBytes + 1) * image.height());
    for (int y = 0; y < image.height(); ++y) {
        raw.append('\0'); // filter: none
        raw.append(reinterpret_cast<const char *>(image.constScanLine(y)), rowBytes);
    }
    QByteArray deflated(qsizetype(compressBound(uLong(raw.size()))), Qt::Uninitialized);
    uLongf deflatedSize = uLongf(deflated.size());
    if (compress2(reinterpret_cast<Bytef *>(deflated.data()), &deflatedSize,
                  reinterpret_cast<const Bytef *>(raw.constData()), uLong(raw.size()),
                  Z_BEST_SPEED) != Z_OK)
        return {};
    deflated.truncate(qsizetype(deflatedSize));

    QByteArray header;
    appendBigEndian(header, quint32(image.width()));
    appendBigEndian(header, quint32(image.height()));
    // Depth 8; colour type 6 (RGBA) or 2 (RGB); deflate; no filter; no interlace.
    const char format[5] = {8, char(alpha ? 6 : 2), 0, 0, 0};
    header.append(format, 5);
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    png.reserve(8 + 25 + 12 + deflated.size() + 12);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", deflated);
    appendChunk(png, "IEND", QByteArray());
    return png;
}

// The file names the text refers to (<img src="@@PLUGINFILE@@/name">), in
// order. A plain scan: the text may be as long as the file.
QStringList referencedFiles(const QString &html)
{
    QStringList names;
    qsizetype at = 0;
    while ((at = html.indexOf(PLUGINFILE, at)) >= 0) {
        at += PLUGINFILE.size();
        qsizetype end = at;
        while (end < html.size() && !QStringView(u"\"'?#<> ").contains(html.at(end)))
            ++end;
        const QString path = QUrl::fromPercentEncoding(html.mid(at, end - at).toUtf8());
        names.append(path.section(u'/', -1));
        at = end;
    }
    return names;
}

QString noteTitle(const RawQuestion &raw)
{
    if (!raw.name.isEmpty())
        return raw.name;
    return plainOf(raw.text).simplified();
}

class Reader
{
public:
    Reader(ExchangeRead &result, bool flashCardQuiz)
        : m_result(result)
        , m_flashCardQuiz(flashCardQuiz)
    {}

    void take(const RawQuestion &raw, int number);

private:
    void note(ExchangeNote::Kind kind, const QString &text)
    {
        m_result.notes.append({kind, m_number, m_title, text});
    }
    void skip(const QString &reason) { note(ExchangeNote::Kind::Skipped, reason); }
    void drop(const QString &what) { note(ExchangeNote::Kind::Dropped, what); }
    void takePicture(const RawQuestion &raw, ExchangeQuestion &question);

    ExchangeRead &m_result;
    bool m_flashCardQuiz;
    int m_number = 0;
    QString m_title;
};

void Reader::takePicture(const RawQuestion &raw, ExchangeQuestion &question)
{
    QList<EmbeddedFile> files = raw.text.files;
    if (!raw.legacyImageBase64.isEmpty())
        files.prepend({raw.legacyImageName.section(u'/', -1), raw.legacyImageBase64});
    if (files.isEmpty())
        return;
    // The first picture the text shows; failing that, the first file at all.
    QHash<QString, qsizetype> byName;
    for (qsizetype i = files.size() - 1; i >= 0; --i)
        byName.insert(files[i].name, i);
    qsizetype chosen = -1;
    for (const QString &name : referencedFiles(raw.text.text)) {
        if (const auto found = byName.constFind(name); found != byName.constEnd()) {
            chosen = *found;
            break;
        }
    }
    QList<qsizetype> order;
    if (chosen >= 0)
        order.append(chosen);
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (i != chosen)
            order.append(i);
    }
    for (const qsizetype i : order) {
        const EmbeddedFile &file = files[i];
        if (!question.picture.isEmpty()) {
            drop(QCoreApplication::translate(
                     "Exchange", "the file '%1' is left out: a question shows one picture")
                     .arg(file.name));
            continue;
        }
        const QByteArray bytes = QByteArray::fromBase64(file.base64.toLatin1());
        if (decodePicture(bytes).isNull()) {
            drop(QCoreApplication::translate(
                     "Exchange",
                     "the file '%1' is no picture Brainloft can show (or it is too large): "
                     "it is left out")
                     .arg(file.name));
            continue;
        }
        question.picture = bytes;
        question.pictureName = XmlSafeText(file.name);
    }
}

void Reader::take(const RawQuestion &raw, int number)
{
    m_number = number;
    m_title = noteTitle(raw);

    if (raw.type == QLatin1String("category")) {
        skip(QCoreApplication::translate(
            "Exchange",
            "categories have no counterpart in Brainloft: the questions after it go into "
            "the one quiz"));
        return;
    }
    const bool multichoice = raw.type == QLatin1String("multichoice");
    const bool truefalse = raw.type == QLatin1String("truefalse");
    const bool shortanswer = raw.type == QLatin1String("shortanswer");
    if (!multichoice && !truefalse && !shortanswer) {
        QString reason;
        if (raw.type == QLatin1String("matching"))
            reason = QCoreApplication::translate(
                "Exchange", "matching questions have no counterpart in Brainloft");
        else if (raw.type == QLatin1String("essay"))
            reason = QCoreApplication::translate(
                "Exchange", "essay questions have no counterpart in Brainloft");
        else if (raw.type == QLatin1String("numerical"))
            reason = QCoreApplication::translate(
                "Exchange", "numerical questions have no counterpart in Brainloft");
        else if (raw.type == QLatin1String("description"))
            reason = QCoreApplication::translate("Exchange",
                                                 "descriptions have no counterpart in Brainloft");
        else if (raw.type == QLatin1String("multianswer"))
            reason = QCoreApplication::translate(
                "Exchange", "embedded answers (cloze) have no counterpart in Brainloft");
        else
            reason = QCoreApplication::translate(
                         "Exchange", "questions of type '%1' have no counterpart in Brainloft")
                         .arg(raw.type);
        skip(reason);
        return;
    }
    if (m_flashCardQuiz && !shortanswer) {
        skip(QCoreApplication::translate(
            "Exchange", "multiple-choice questions have no place in a flash-card quiz"));
        return;
    }
    if (!m_flashCardQuiz && shortanswer) {
        skip(QCoreApplication::translate(
            "Exchange", "short-answer questions become flash cards only in a flash-card quiz"));
        return;
    }

    ExchangeQuestion question;
    question.sourceNumber = number;
    question.title = raw.name;
    question.text = plainOf(raw.text);
    if (raw.grade) {
        const double rounded = std::round(*raw.grade);
        question.score = rounded < 1 ? 1 : rounded > MAX_SCORE ? MAX_SCORE : int(rounded);
    }

    if (shortanswer) {
        const Answer *full = nullptr;
        for (const Answer &answer : raw.answers) {
            if (answer.fraction >= 100 - 1e-6) {
                full = &answer;
                break;
            }
        }
        if (!full) {
            skip(QCoreApplication::translate("Exchange", "no answer earns full credit"));
            return;
        }
        question.flashCard = true;
        // Short answers are the very strings a reply is compared with.
        question.answers = {XmlSafeText(full->body.text.trimmed())};
        question.correct = {true};
        if (raw.answers.size() > 1)
            drop(QCoreApplication::translate("Exchange",
                                             "only the first fully correct answer is kept"));
    } else {
        for (const Answer &answer : raw.answers) {
            QString text = plainOf(answer.body);
            if (truefalse) {
                // Moodle writes "true" and "false"; the quiz shows them as words.
                if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
                    text = QStringLiteral("True");
                else if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
                    text = QStringLiteral("False");
            }
            question.answers.append(text);
            question.correct.append(answer.fraction > 0);
            if (!answer.body.files.isEmpty())
                drop(QCoreApplication::translate("Exchange", "pictures in answers are left out"));
        }
        const qsizetype correctCount = question.correct.count(true);
        if (correctCount == 0) {
            skip(QCoreApplication::translate("Exchange", "no answer earns credit"));
            return;
        }
        question.multipleCorrect = (multichoice && raw.single && !*raw.single) || correctCount > 1;
    }

    bool answerFeedback = false;
    for (const Answer &answer : raw.answers)
        answerFeedback = answerFeedback || answer.feedback;
    if (raw.feedback || answerFeedback)
        drop(QCoreApplication::translate("Exchange", "feedback is dropped"));
    takePicture(raw, question);
    m_result.questions.append(std::move(question));
}

} // namespace

QString XmlSafeText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < size && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
            continue;
        }
        if (c.isSurrogate() || u == 0xFFFE || u == 0xFFFF)
            continue;
        if (u == u'\r') { // line breaks are '\n' alone
            if (i + 1 == size || text.at(i + 1) != u'\n')
                out += u'\n';
            continue;
        }
        if (u < 0x20 && u != u'\t' && u != u'\n')
            continue;
        out += c;
    }
    return out;
}

QByteArray ExchangePictureAsPng(const QByteArray &picture)
{
    // A PNG goes in as it is once its header is sound: the pictures come from
    // the quiz's own files, and decoding each would double the export's time.
    if (picture.startsWith("\x89PNG\r\n\x1a\n")) {
        QBuffer buffer;
        buffer.setData(picture);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "png");
        const QSize size = reader.size();
        if (reader.canRead() && size.isValid() && size.width() <= MAX_PICTURE_SIDE &&
            size.height() <= MAX_PICTURE_SIDE &&
            qint64(size.width()) * size.height() <= MAX_PICTURE_PIXELS)
            return picture;
    }
    return encodePng(decodePicture(picture));
}

QList<QByteArray> ExchangePicturesAsPng(const QList<QByteArray> &pictures)
{
    QList<QByteArray> pngs(pictures.size());
    const qsizetype count = pictures.size();
    // Each picture on its own: the order of the results, and their bytes,
    // do not depend on how many run at once.
    const auto work = [&](unsigned first, unsigned step) {
        for (qsizetype i = first; i < count; i += step) {
            if (!pictures[i].isEmpty())
                pngs[i] = ExchangePictureAsPng(pictures[i]);
        }
    };
    const unsigned threads =
        std::min<unsigned>(std::clamp(std::thread::hardware_concurrency(), 1U, 8U),
                           unsigned(std::max<qsizetype>(count / 4, 1)));
    std::vector<std::thread> helpers;
    for (unsigned t = 1; t < threads; ++t)
        helpers.emplace_back(work, t, threads);
    work(0, threads);
    for (std::thread &helper : helpers)
        helper.join();
    return pngs;
}

ExchangeRead ReadMoodleXml(const QByteArray &bytes, bool flashCardQuiz)
{
    ExchangeRead result;
    if (bytes.size() > MOODLE_XML_MAX_BYTES) {
        result.error = QCoreApplication::translate(
            "Exchange", "The file is larger than 64 MiB: it is not read.");
        return result;
    }
    if (bytes.trimmed().isEmpty()) {
        result.error = QCoreApplication::translate("Exchange", "The file is empty.");
        return result;
    }
    QXmlStreamReader xml(bytes);
    bool root = false;
    while (!xml.atEnd() && !root) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            // Entities are how an "XML bomb" grows; Moodle never declares any.
            if (!xml.entityDeclarations().isEmpty() ||
                xml.text().contains(QLatin1String("<!ENTITY"))) {
                result.error = QCoreApplication::translate(
                    "Exchange", "The file declares XML entities, which Moodle XML files never "
                                "do: it is not read.");
                return result;
            }
            break;
        case QXmlStreamReader::StartElement:
            if (xml.name() != QLatin1String("quiz")) {
                result.error =
                    QCoreApplication::translate(
                        "Exchange", "This is not a Moodle XML file: its first element is <%1>, "
                                    "not <quiz>.")
                        .arg(xml.name().toString().left(40));
                return result;
            }
            root = true;
            break;
        default:
            break;
        }
    }
    if (!root) {
        result.error =
            xml.hasError()
                ? QCoreApplication::translate("Exchange",
                                              "The file is not XML (line %1, column %2): %3")
                      .arg(xml.lineNumber())
                      .arg(xml.columnNumber())
                      .arg(xml.errorString())
                : QCoreApplication::translate("Exchange", "The file holds no Moodle XML quiz.");
        return result;
    }

    Reader reader(result, flashCardQuiz);
    int number = 0;
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("question")) {
            xml.skipCurrentElement();
            continue;
        }
        ++number;
        const RawQuestion raw = readQuestion(xml);
        if (xml.hasError())
            break; // a question cut short is not taken
        reader.take(raw, number);
    }
    if (xml.hasError()) {
        const QString where = QCoreApplication::translate("Exchange", "line %1, column %2: %3")
                                  .arg(xml.lineNumber())
                                  .arg(xml.columnNumber())
                                  .arg(xml.errorString());
        if (number <= 1 && result.questions.isEmpty()) {
            result.error =
                QCoreApplication::translate("Exchange", "The file is damaged (%1).").arg(where);
            result.notes.clear();
        } else {
            result.notes.append(
                {ExchangeNote::Kind::Skipped, 0, QString(),
                 QCoreApplication::translate("Exchange",
                                             "the file is damaged at %1: nothing after it was read")
                     .arg(where)});
        }
    }
    return result;
}

namespace {

void writeText(QXmlStreamWriter &xml, const QString &element, const QString &format,
               const QString &text)
{
    xml.writeStartElement(element);
    if (!format.isEmpty())
        xml.writeAttribute(QStringLiteral("format"), format);
    xml.writeTextElement(QStringLiteral("text"), text);
    xml.writeEndElement();
}

// HTML collapses runs of spaces and blank lines; a text that would lose
// some is written as plain text, which Moodle shows as it stands.
bool htmlKeeps(const QString &plain)
{
    // Most texts have single spaces and line breaks only: HTML keeps them.
    bool simple = !plain.startsWith(u' ') && !plain.startsWith(u'\n') && !plain.endsWith(u' ') &&
                  !plain.endsWith(u'\n');
    QChar previous;
    for (qsizetype i = 0; simple && i < plain.size(); ++i) {
        const QChar c = plain.at(i);
        if (c == u' ' || c == u'\n')
            simple = previous != u' ' && !(previous == u'\n' && c == u' ');
        else if (c.isSpace() && c != QChar(0xA0))
            simple = false;
        previous = c;
    }
    if (simple && !plain.contains(QLatin1String("\n\n\n")))
        return true;
    return HtmlText::toPlain(HtmlText::fromPlain(plain)) == plain;
}

void writeRichText(QXmlStreamWriter &xml, const QString &plain)
{
    const bool html = htmlKeeps(plain);
    xml.writeAttribute(QStringLiteral("format"),
                       html ? QStringLiteral("html") : QStringLiteral("plain_text"));
    xml.writeTextElement(QStringLiteral("text"), html ? HtmlText::fromPlain(plain) : plain);
}

QString fractionText(double value)
{
    if (std::abs(value - 100.0 / 3) < 1e-9)
        return QStringLiteral("33.33333");
    return QString::number(value);
}

QString questionName(const ExchangeQuestion &question)
{
    if (!question.title.trimmed().isEmpty())
        return XmlSafeText(question.title.simplified());
    const QString text = XmlSafeText(question.text.simplified());
    return text.size() > 60 ? text.left(57) + QLatin1String("...") : text;
}

QString pngName(const ExchangeQuestion &question)
{
    QString base = XmlSafeText(question.pictureName).section(u'/', -1).section(u'\\', -1);
    const qsizetype dot = base.lastIndexOf(u'.');
    if (dot > 0)
        base.truncate(dot);
    if (base.trimmed().isEmpty())
        base = QStringLiteral("picture");
    return base + QLatin1String(".png");
}

} // namespace

ExchangeWritten WriteMoodleXml(const QList<ExchangeQuestion> &questions, bool shuffleAnswers)
{
    ExchangeWritten written;
    // Into a string, encoded once at the end: much quicker than many small
    // writes to a device. Without a device the declaration names no
    // encoding, and XML's default is UTF-8.
    QString document;
    // Where in `document` each picture's base64 text goes.
    QList<std::pair<qsizetype, QByteArray>> pictureText;
    QXmlStreamWriter xml(&document);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("quiz"));
    int timeLimits = 0;
    // The pictures first, several at a time; the ones of skipped questions
    // are not made.
    QList<QByteArray> pictures;
    pictures.reserve(questions.size());
    for (const ExchangeQuestion &question : questions) {
        const bool skipped =
            question.flashCard ? question.answers.isEmpty() : !question.correct.contains(true);
        pictures.append(skipped ? QByteArray() : question.picture);
    }
    const QList<QByteArray> pngs = ExchangePicturesAsPng(pictures);
    qsizetype index = -1;
    for (const ExchangeQuestion &question : questions) {
        ++index;
        const QString title = questionName(question);
        auto note = [&](ExchangeNote::Kind kind, const QString &text) {
            written.notes.append({kind, question.sourceNumber, title, text});
        };
        const qsizetype correctCount = question.correct.count(true);
        if (!question.flashCard && correctCount == 0) {
            note(ExchangeNote::Kind::Skipped,
                 QCoreApplication::translate("Exchange", "it has no correct answer"));
            continue;
        }
        if (question.flashCard && question.answers.isEmpty()) {
            note(ExchangeNote::Kind::Skipped,
                 QCoreApplication::translate("Exchange", "the flash card has no answer"));
            continue;
        }
        if (question.timeLimit.value_or(0) > 0)
            ++timeLimits;

        const QString text = XmlSafeText(question.text);
        QString html = HtmlText::fromPlain(text);
        QByteArray png;
        if (!question.picture.isEmpty()) {
            png = pngs[index];
            if (png.isEmpty())
                note(ExchangeNote::Kind::Lost,
                     QCoreApplication::translate("Exchange",
                                                 "its picture could not be read: it is left out"));
        }
        const QString picture = pngName(question);
        if (!png.isEmpty()) {
            html += QStringLiteral("<br><img src=\"%1%2\" alt=\"\">")
                        .arg(PLUGINFILE,
                             QString::fromLatin1(QUrl::toPercentEncoding(picture)).toHtmlEscaped());
        }

        xml.writeStartElement(QStringLiteral("question"));
        xml.writeAttribute(QStringLiteral("type"), question.flashCard
                                                       ? QStringLiteral("shortanswer")
                                                       : QStringLiteral("multichoice"));
        writeText(xml, QStringLiteral("name"), QString(), title);
        xml.writeStartElement(QStringLiteral("questiontext"));
        if (png.isEmpty()) {
            writeRichText(xml, text);
        } else {
            // The picture needs HTML to be shown.
            xml.writeAttribute(QStringLiteral("format"), QStringLiteral("html"));
            xml.writeTextElement(QStringLiteral("text"), html);
            xml.writeStartElement(QStringLiteral("file"));
            xml.writeAttribute(QStringLiteral("name"), picture);
            xml.writeAttribute(QStringLiteral("path"), QStringLiteral("/"));
            xml.writeAttribute(QStringLiteral("encoding"), QStringLiteral("base64"));
            // Base64 needs no escaping: rather than through the writer,
            // character by character, it goes into the bytes at the end.
            xml.writeCharacters(QString());
            pictureText.append({document.size(), png.toBase64()});
            xml.writeEndElement();
        }
        xml.writeEndElement(); // questiontext
        writeText(xml, QStringLiteral("generalfeedback"), QStringLiteral("html"), QString());
        xml.writeTextElement(QStringLiteral("defaultgrade"),
                             QString::number(std::max(1, question.score.value_or(1))));
        xml.writeTextElement(QStringLiteral("penalty"), QStringLiteral("0"));
        xml.writeTextElement(QStringLiteral("hidden"), QStringLiteral("0"));

        if (question.flashCard) {
            xml.writeTextElement(QStringLiteral("usecase"), QStringLiteral("0"));
            xml.writeStartElement(QStringLiteral("answer"));
            xml.writeAttribute(QStringLiteral("fraction"), QStringLiteral("100"));
            xml.writeAttribute(QStringLiteral("format"), QStringLiteral("moodle_auto_format"));
            xml.writeTextElement(QStringLiteral("text"), XmlSafeText(question.answers.first()));
            xml.writeEndElement();
        } else {
            const bool single = !question.multipleCorrect && correctCount == 1;
            xml.writeTextElement(QStringLiteral("single"),
                                 single ? QStringLiteral("true") : QStringLiteral("false"));
            xml.writeTextElement(QStringLiteral("shuffleanswers"),
                                 shuffleAnswers ? QStringLiteral("true") : QStringLiteral("false"));
            xml.writeTextElement(QStringLiteral("answernumbering"), QStringLiteral("ABCD"));
            // Several correct answers share the credit and every wrong one
            // takes it all back: Moodle's nearest to all-or-nothing.
            const QString right = fractionText(100.0 / double(correctCount));
            const QString wrong = single ? QStringLiteral("0") : QStringLiteral("-100");
            for (qsizetype i = 0; i < question.answers.size(); ++i) {
                const bool correct = i < question.correct.size() && question.correct[i];
                xml.writeStartElement(QStringLiteral("answer"));
                xml.writeAttribute(QStringLiteral("fraction"), correct ? right : wrong);
                writeRichText(xml, XmlSafeText(question.answers[i]));
                writeText(xml, QStringLiteral("feedback"), QStringLiteral("html"), QString());
                xml.writeEndElement();
            }
        }
        xml.writeEndElement(); // question
    }
    xml.writeEndElement(); // quiz
    xml.writeEndDocument();
    qsizetype pictureBytes = 0;
    for (const auto &[at, base64] : pictureText)
        pictureBytes += base64.size();
    written.bytes.reserve(document.size() + pictureBytes);
    qsizetype from = 0;
    for (const auto &[at, base64] : pictureText) {
        written.bytes += QStringView(document).sliced(from, at - from).toUtf8();
        written.bytes += base64;
        from = at;
    }
    written.bytes += QStringView(document).sliced(from).toUtf8();
    if (timeLimits > 0) {
        written.notes.append(
            {ExchangeNote::Kind::Lost, 0, QString(),
             QCoreApplication::translate(
                 "Exchange",
                 "Moodle XML stores no time limits for questions: %n questions lose them", nullptr,
                 timeLimits)});
    }
    return written;
}
