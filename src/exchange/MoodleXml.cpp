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

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string_view>
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
    // Most texts need nothing done: they are given back as they are.
    const auto unsafe = [](QChar c) {
        const char16_t u = c.unicode();
        return u < 0x20 ? u != u'\t' && u != u'\n' : u >= 0xD800 && (u <= 0xDFFF || u >= 0xFFFE);
    };
    if (std::none_of(text.cbegin(), text.cend(), unsafe))
        return text;
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

namespace {

// The signature and a whole IHDR chunk (its checksum, a depth its colour
// type allows) of a picture within the size limits: what a PNG reader checks
// before the pixels, read here in place.
bool pngHeaderSound(const QByteArray &png)
{
    if (png.size() < 33 || !png.startsWith("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR"))
        return false;
    const auto *bytes = reinterpret_cast<const unsigned char *>(png.constData());
    const auto bigEndian = [bytes](int at) {
        return quint32(bytes[at]) << 24 | quint32(bytes[at + 1]) << 16 |
               quint32(bytes[at + 2]) << 8 | quint32(bytes[at + 3]);
    };
    const quint32 width = bigEndian(16), height = bigEndian(20);
    const unsigned depth = bytes[24], colour = bytes[25];
    bool depthAllowed = false;
    switch (colour) {
    case 0: // grey
        depthAllowed = depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
        break;
    case 3: // paletted
        depthAllowed = depth == 1 || depth == 2 || depth == 4 || depth == 8;
        break;
    case 2: // RGB, grey with alpha, RGBA
    case 4:
    case 6:
        depthAllowed = depth == 8 || depth == 16;
        break;
    }
    return width > 0 && height > 0 && width <= quint32(MAX_PICTURE_SIDE) &&
           height <= quint32(MAX_PICTURE_SIDE) &&
           qint64(width) * qint64(height) <= MAX_PICTURE_PIXELS && depthAllowed && bytes[26] == 0 &&
           bytes[27] == 0 && bytes[28] <= 1 && crc32(0, bytes + 12, 17) == bigEndian(29);
}

} // namespace

QByteArray ExchangePictureAsPng(const QByteArray &picture)
{
    // A PNG goes in as it is once its header is sound: the pictures come from
    // the quiz's own files, and decoding each would double the export's time.
    if (pngHeaderSound(picture))
        return picture;
    return encodePng(decodePicture(picture));
}

QList<QByteArray> ExchangePicturesAsPng(const QList<QByteArray> &pictures)
{
    QList<QByteArray> pngs(pictures.size());
    // A picture several questions share (the same bytes, not a copy) is
    // converted once.
    std::vector<qsizetype> distinct;
    QHash<std::pair<const char *, qsizetype>, qsizetype> first;
    const auto bytesOf = [&pictures](qsizetype i) {
        return std::pair(pictures[i].constData(), pictures[i].size());
    };
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        if (!pictures[i].isEmpty() && !first.contains(bytesOf(i))) {
            first.insert(bytesOf(i), i);
            distinct.push_back(i);
        }
    }
    const auto count = qsizetype(distinct.size());
    // Each picture on its own: the order of the results, and their bytes,
    // do not depend on how many run at once.
    const auto work = [&](unsigned from, unsigned step) {
        for (qsizetype k = from; k < count; k += step) {
            const qsizetype i = distinct[std::size_t(k)];
            pngs[i] = ExchangePictureAsPng(pictures[i]);
        }
    };
    const unsigned threads =
        std::min<unsigned>(std::clamp(std::thread::hardware_concurrency(), 1U, 8U),
                           unsigned(std::max<qsizetype>(count, 1)));
    std::vector<std::thread> helpers;
    for (unsigned t = 1; t < threads; ++t)
        helpers.emplace_back(work, t, threads);
    work(0, threads);
    for (std::thread &helper : helpers)
        helper.join();
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        if (!pictures[i].isEmpty())
            pngs[i] = pngs[first.value(bytesOf(i))];
    }
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

// The document written straight into UTF-8 bytes, laid out as Qt's XML
// writer lays it out (an element per line, indented by two): a tenth of the
// time, as the export of a large quiz spends most of it here. Every text is
// XML-safe (XmlSafeText) before it comes here.
class XmlOut
{
public:
    using Attributes = std::initializer_list<std::pair<std::string_view, QStringView>>;
    // How a text is escaped: as element text, as an attribute's value, or
    // as plain text made HTML (markup escaped, line breaks as <br>) and
    // that HTML as element text, in one pass.
    enum class As { Text, Attribute, Html };

    explicit XmlOut(qsizetype reserve)
    {
        m_out.resize(std::max<qsizetype>(reserve, 256));
        put("<?xml version=\"1.0\"?>");
    }

    void open(std::string_view name, Attributes attributes = {})
    {
        startTag(name, attributes);
        put(">");
        ++m_depth;
        m_empty = true;
    }

    void close(std::string_view name)
    {
        --m_depth;
        if (m_empty) {
            // Nothing inside: <name/>, as Qt's writer does.
            --m_size;
            put("/>");
        } else {
            newLine();
            endTag(name);
        }
        m_empty = false;
    }

    // <name>text</name> on a line of its own; `tail` follows the text,
    // escaped as element text.
    void element(std::string_view name, QStringView text, As as = As::Text, QStringView tail = {})
    {
        startTag(name, {});
        put(">");
        escaped(text, as);
        escaped(tail, As::Text);
        endTag(name);
    }

    // The same with bytes that need no escaping (base64).
    void rawElement(std::string_view name, const QByteArray &bytes, Attributes attributes)
    {
        startTag(name, attributes);
        put(">");
        char *out = room(bytes.size());
        std::memcpy(out, bytes.constData(), std::size_t(bytes.size()));
        m_size += bytes.size();
        endTag(name);
    }

    QByteArray finish()
    {
        put("\n");
        m_out.resize(m_size);
        return std::move(m_out);
    }

private:
    // Room for `n` more bytes from m_size on.
    char *room(qsizetype n)
    {
        if (m_size + n > m_out.size())
            m_out.resize(std::max(m_size + n, 2 * m_out.size()));
        return m_out.data() + m_size;
    }

    void put(std::string_view text)
    {
        const auto n = qsizetype(text.size());
        std::memcpy(room(n), text.data(), text.size());
        m_size += n;
    }

    void newLine()
    {
        char *out = room(1 + 2 * m_depth);
        *out = '\n';
        std::memset(out + 1, ' ', std::size_t(2 * m_depth));
        m_size += 1 + 2 * m_depth;
    }

    void startTag(std::string_view name, Attributes attributes)
    {
        m_empty = false;
        newLine();
        put("<");
        put(name);
        for (const auto &[key, value] : attributes) {
            put(" ");
            put(key);
            put("=\"");
            escaped(value, As::Attribute);
            put("\"");
        }
    }

    void endTag(std::string_view name)
    {
        put("</");
        put(name);
        put(">");
    }

    // Markup characters as entities (in an attribute also tab and line
    // breaks), the rest as UTF-8; what XML cannot carry is left out.
    void escaped(QStringView text, As as)
    {
        const qsizetype size = text.size();
        // At most ten bytes for each UTF-16 unit ("&amp;quot;").
        char *out = room(10 * size);
        const auto entity = [&out](const char *text) {
            while (*text)
                *out++ = *text++;
        };
        const bool html = as == As::Html;
        const char16_t *units = text.utf16();
        for (qsizetype i = 0; i < size; ++i) {
            const char16_t c = units[i];
            if (c >= 0x20 && c < 0x80) {
                switch (c) {
                case u'<':
                    entity(html ? "&amp;lt;" : "&lt;");
                    break;
                case u'>':
                    entity(html ? "&amp;gt;" : "&gt;");
                    break;
                case u'&':
                    entity(html ? "&amp;amp;" : "&amp;");
                    break;
                case u'"':
                    entity(html ? "&amp;quot;" : "&quot;");
                    break;
                default:
                    *out++ = char(c);
                }
            } else if (c == u'\t' || c == u'\n' || c == u'\r') {
                if (as == As::Attribute)
                    entity(c == u'\t' ? "&#9;" : c == u'\n' ? "&#10;" : "&#13;");
                else if (html && c == u'\n')
                    entity("&lt;br&gt;");
                else
                    *out++ = char(c);
            } else if (c < 0x20 || c >= 0xFFFE) {
                continue;
            } else if (c < 0x800) {
                *out++ = char(0xC0 | (c >> 6));
                *out++ = char(0x80 | (c & 0x3F));
            } else if (QChar::isHighSurrogate(c) && i + 1 < size &&
                       QChar::isLowSurrogate(units[i + 1])) {
                const char32_t u = QChar::surrogateToUcs4(c, units[++i]);
                *out++ = char(0xF0 | (u >> 18));
                *out++ = char(0x80 | ((u >> 12) & 0x3F));
                *out++ = char(0x80 | ((u >> 6) & 0x3F));
                *out++ = char(0x80 | (u & 0x3F));
            } else if (QChar::isSurrogate(c)) {
                // Alone: as Qt's own conversion writes it.
                for (const char b : text.sliced(i, 1).toUtf8())
                    *out++ = b;
            } else {
                *out++ = char(0xE0 | (c >> 12));
                *out++ = char(0x80 | ((c >> 6) & 0x3F));
                *out++ = char(0x80 | (c & 0x3F));
            }
        }
        m_size = out - m_out.constData();
    }

    QByteArray m_out; // its size is the room made; m_size the bytes written
    qsizetype m_size = 0;
    int m_depth = 0;
    bool m_empty = false; // the element last opened has nothing inside yet
};

void writeText(XmlOut &xml, std::string_view element, QStringView format, QStringView text)
{
    if (format.isEmpty())
        xml.open(element);
    else
        xml.open(element, {{"format", format}});
    xml.element("text", text);
    xml.close(element);
}

// HTML collapses runs of spaces and blank lines; a text that would lose
// some is written as plain text, which Moodle shows as it stands.
bool htmlKeeps(const QString &plain)
{
    // Most texts have single spaces and line breaks only: HTML keeps them.
    bool simple = !plain.startsWith(u' ') && !plain.startsWith(u'\n') && !plain.endsWith(u' ') &&
                  !plain.endsWith(u'\n');
    QChar previous;
    int breaks = 0; // in a row: three make a run of blank lines HTML drops
    for (qsizetype i = 0; simple && i < plain.size(); ++i) {
        const QChar c = plain.at(i);
        if (c == u' ' || c == u'\n')
            simple = previous != u' ' && !(previous == u'\n' && c == u' ');
        else if (c.isSpace() && c != QChar(0xA0))
            simple = false;
        breaks = c == u'\n' ? breaks + 1 : 0;
        simple = simple && breaks < 3;
        previous = c;
    }
    if (simple)
        return true;
    return HtmlText::toPlain(HtmlText::fromPlain(plain)) == plain;
}

// The element with the text in the format that keeps it.
void writeRichText(XmlOut &xml, std::string_view element, const QString &plain,
                   std::optional<QStringView> fraction = std::nullopt)
{
    const bool html = htmlKeeps(plain);
    const QStringView format = html ? u"html" : u"plain_text";
    if (fraction)
        xml.open(element, {{"fraction", *fraction}, {"format", format}});
    else
        xml.open(element, {{"format", format}});
    xml.element("text", plain, html ? XmlOut::As::Html : XmlOut::As::Text);
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
    qsizetype pictureBytes = 0;
    for (const QByteArray &png : pngs)
        pictureBytes += (png.size() + 2) / 3 * 4;
    // A question's markup is a kilobyte or two besides its texts.
    XmlOut xml(pictureBytes + questions.size() * 2048 + 64);
    xml.open("quiz");
    QHash<std::pair<const char *, qsizetype>, QByteArray> base64Of;
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
        QByteArray png;
        if (!question.picture.isEmpty()) {
            png = pngs[index];
            if (png.isEmpty())
                note(ExchangeNote::Kind::Lost,
                     QCoreApplication::translate("Exchange",
                                                 "its picture could not be read: it is left out"));
        }

        xml.open("question", {{"type", question.flashCard ? u"shortanswer" : u"multichoice"}});
        writeText(xml, "name", {}, title);
        if (png.isEmpty()) {
            writeRichText(xml, "questiontext", text);
        } else {
            // The picture needs HTML to be shown.
            const QString picture = pngName(question);
            const QString image =
                QStringLiteral("<br><img src=\"%1%2\" alt=\"\">")
                    .arg(PLUGINFILE,
                         QString::fromLatin1(QUrl::toPercentEncoding(picture)).toHtmlEscaped());
            xml.open("questiontext", {{"format", u"html"}});
            xml.element("text", text, XmlOut::As::Html, image);
            // A picture shared by several questions is encoded once.
            QByteArray &base64 = base64Of[std::pair(png.constData(), png.size())];
            if (base64.isEmpty())
                base64 = png.toBase64();
            xml.rawElement("file", base64,
                           {{"name", picture}, {"path", u"/"}, {"encoding", u"base64"}});
        }
        xml.close("questiontext");
        writeText(xml, "generalfeedback", u"html", {});
        xml.element("defaultgrade", QString::number(std::max(1, question.score.value_or(1))));
        xml.element("penalty", u"0");
        xml.element("hidden", u"0");

        if (question.flashCard) {
            xml.element("usecase", u"0");
            xml.open("answer", {{"fraction", u"100"}, {"format", u"moodle_auto_format"}});
            xml.element("text", XmlSafeText(question.answers.first()));
            xml.close("answer");
        } else {
            const bool single = !question.multipleCorrect && correctCount == 1;
            xml.element("single", single ? u"true" : u"false");
            xml.element("shuffleanswers", shuffleAnswers ? u"true" : u"false");
            xml.element("answernumbering", u"ABCD");
            // Several correct answers share the credit and every wrong one
            // takes it all back: Moodle's nearest to all-or-nothing.
            const QString right = fractionText(100.0 / double(correctCount));
            const QString wrong = single ? QStringLiteral("0") : QStringLiteral("-100");
            for (qsizetype i = 0; i < question.answers.size(); ++i) {
                const bool correct = i < question.correct.size() && question.correct[i];
                writeRichText(xml, "answer", XmlSafeText(question.answers[i]),
                              correct ? right : wrong);
                writeText(xml, "feedback", u"html", {});
                xml.close("answer");
            }
        }
        xml.close("question");
    }
    xml.close("quiz");
    written.bytes = xml.finish();
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
