// SPDX-License-Identifier: GPL-3.0-or-later

#include "exchange/Qti.h"

#include "exchange/MoodleXml.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QXmlStreamWriter>

#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

namespace {

const QString QTI_NS = QStringLiteral("http://www.imsglobal.org/xsd/imsqti_v2p1");
const QString XSI_NS = QStringLiteral("http://www.w3.org/2001/XMLSchema-instance");
const QString MATCH_CORRECT =
    QStringLiteral("http://www.imsglobal.org/question/qti_v2p1/rptemplates/match_correct");

QString itemName(int index)
{
    return QStringLiteral("item%1").arg(index + 1, 4, 10, QLatin1Char('0'));
}

// Choice identifiers must be XML names: A to Z, then numbered.
QString choiceId(qsizetype index)
{
    return index < 26 ? QString(QChar(char16_t(u'A' + index)))
                      : QStringLiteral("choice%1").arg(index + 1);
}

// Plain text as block content: one <p> per paragraph, <br/> within.
void writeParagraphs(QXmlStreamWriter &xml, const QString &text)
{
    const QStringList paragraphs = XmlSafeText(text).split(QStringLiteral("\n\n"));
    for (const QString &paragraph : paragraphs) {
        if (paragraph.isEmpty() && paragraphs.size() > 1)
            continue;
        xml.writeStartElement(QStringLiteral("p"));
        const QStringList lines = paragraph.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                xml.writeEmptyElement(QStringLiteral("br"));
            xml.writeCharacters(lines[i]);
        }
        xml.writeEndElement();
    }
}

void writeValue(QXmlStreamWriter &xml, const QString &element, const QString &value)
{
    xml.writeStartElement(element);
    xml.writeTextElement(QStringLiteral("value"), value);
    xml.writeEndElement();
}

void writeOutcome(QXmlStreamWriter &xml, const QString &identifier, const QString &value)
{
    xml.writeStartElement(QStringLiteral("outcomeDeclaration"));
    xml.writeAttribute(QStringLiteral("identifier"), identifier);
    xml.writeAttribute(QStringLiteral("cardinality"), QStringLiteral("single"));
    xml.writeAttribute(QStringLiteral("baseType"), QStringLiteral("float"));
    writeValue(xml, QStringLiteral("defaultValue"), value);
    xml.writeEndElement();
}

QByteArray itemXml(const ExchangeQuestion &question, const QString &identifier,
                   const QString &title, const QString &pictureFile)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter xml(&buffer);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(QTI_NS);
    xml.writeNamespace(XSI_NS, QStringLiteral("xsi"));
    xml.writeStartElement(QTI_NS, QStringLiteral("assessmentItem"));
    xml.writeAttribute(XSI_NS, QStringLiteral("schemaLocation"),
                       QTI_NS + QLatin1String(" http://www.imsglobal.org/xsd/qti/qtiv2p1/"
                                              "imsqti_v2p1.xsd"));
    xml.writeAttribute(QStringLiteral("identifier"), identifier);
    xml.writeAttribute(QStringLiteral("title"), title);
    xml.writeAttribute(QStringLiteral("adaptive"), QStringLiteral("false"));
    xml.writeAttribute(QStringLiteral("timeDependent"), QStringLiteral("false"));

    const qsizetype correctCount = question.correct.count(true);
    const bool multiple = !question.flashCard && (question.multipleCorrect || correctCount != 1);
    xml.writeStartElement(QStringLiteral("responseDeclaration"));
    xml.writeAttribute(QStringLiteral("identifier"), QStringLiteral("RESPONSE"));
    xml.writeAttribute(QStringLiteral("cardinality"),
                       multiple ? QStringLiteral("multiple") : QStringLiteral("single"));
    xml.writeAttribute(QStringLiteral("baseType"), question.flashCard
                                                       ? QStringLiteral("string")
                                                       : QStringLiteral("identifier"));
    xml.writeStartElement(QStringLiteral("correctResponse"));
    if (question.flashCard) {
        xml.writeTextElement(QStringLiteral("value"), XmlSafeText(question.answers.value(0)));
    } else {
        for (qsizetype i = 0; i < question.answers.size(); ++i) {
            if (i < question.correct.size() && question.correct[i])
                xml.writeTextElement(QStringLiteral("value"), choiceId(i));
        }
    }
    xml.writeEndElement(); // correctResponse
    xml.writeEndElement(); // responseDeclaration
    writeOutcome(xml, QStringLiteral("SCORE"), QStringLiteral("0"));
    // match_correct gives 1 or 0; the points stand beside it for systems
    // that weight items.
    writeOutcome(xml, QStringLiteral("MAXSCORE"),
                 QString::number(std::max(1, question.score.value_or(1))));

    xml.writeStartElement(QStringLiteral("itemBody"));
    if (!pictureFile.isEmpty()) {
        xml.writeStartElement(QStringLiteral("p"));
        xml.writeEmptyElement(QStringLiteral("img"));
        xml.writeAttribute(QStringLiteral("src"), pictureFile);
        xml.writeAttribute(QStringLiteral("alt"), XmlSafeText(question.pictureName));
        xml.writeEndElement();
    }
    if (!question.text.isEmpty())
        writeParagraphs(xml, question.text);
    if (question.flashCard) {
        xml.writeStartElement(QStringLiteral("p"));
        xml.writeEmptyElement(QStringLiteral("textEntryInteraction"));
        xml.writeAttribute(QStringLiteral("responseIdentifier"), QStringLiteral("RESPONSE"));
        xml.writeAttribute(
            QStringLiteral("expectedLength"),
            QString::number(std::max<qsizetype>(15, question.answers.value(0).size())));
        xml.writeEndElement();
    } else {
        xml.writeStartElement(QStringLiteral("choiceInteraction"));
        xml.writeAttribute(QStringLiteral("responseIdentifier"), QStringLiteral("RESPONSE"));
        xml.writeAttribute(QStringLiteral("shuffle"), QStringLiteral("false"));
        xml.writeAttribute(QStringLiteral("maxChoices"),
                           multiple ? QStringLiteral("0") : QStringLiteral("1"));
        for (qsizetype i = 0; i < question.answers.size(); ++i) {
            xml.writeStartElement(QStringLiteral("simpleChoice"));
            xml.writeAttribute(QStringLiteral("identifier"), choiceId(i));
            xml.writeCharacters(XmlSafeText(question.answers[i]));
            xml.writeEndElement();
        }
        xml.writeEndElement(); // choiceInteraction
    }
    xml.writeEndElement(); // itemBody
    xml.writeEmptyElement(QStringLiteral("responseProcessing"));
    xml.writeAttribute(QStringLiteral("template"), MATCH_CORRECT);
    xml.writeEndElement(); // assessmentItem
    xml.writeEndDocument();
    return bytes;
}

struct PackageItem
{
    QString identifier;
    QString file;
    QString picture; // empty: none
};

QByteArray manifestXml(const QList<PackageItem> &items, const QString &title)
{
    const QString cp = QStringLiteral("http://www.imsglobal.org/xsd/imscp_v1p1");
    const QString lom = QStringLiteral("http://ltsc.ieee.org/xsd/LOM");
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter xml(&buffer);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(cp);
    xml.writeNamespace(lom, QStringLiteral("imsmd"));
    xml.writeNamespace(XSI_NS, QStringLiteral("xsi"));
    xml.writeStartElement(cp, QStringLiteral("manifest"));
    xml.writeAttribute(QStringLiteral("identifier"), QStringLiteral("MANIFEST-1"));
    xml.writeAttribute(XSI_NS, QStringLiteral("schemaLocation"),
                       cp +
                           QLatin1String(" http://www.imsglobal.org/xsd/qti/qtiv2p1/qtiv2p1_"
                                         "imscpv1p2_v1p0.xsd ") +
                           lom +
                           QLatin1String(" http://www.imsglobal.org/xsd/imsmd_loose_"
                                         "v1p3p2.xsd"));
    xml.writeStartElement(QStringLiteral("metadata"));
    xml.writeTextElement(QStringLiteral("schema"), QStringLiteral("QTIv2.1 Package"));
    xml.writeTextElement(QStringLiteral("schemaversion"), QStringLiteral("1.0.0"));
    xml.writeStartElement(lom, QStringLiteral("lom"));
    xml.writeStartElement(lom, QStringLiteral("general"));
    xml.writeStartElement(lom, QStringLiteral("title"));
    xml.writeTextElement(lom, QStringLiteral("string"), XmlSafeText(title));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement(); // lom
    xml.writeEndElement(); // metadata
    xml.writeEmptyElement(QStringLiteral("organizations"));
    xml.writeStartElement(QStringLiteral("resources"));
    for (const PackageItem &item : items) {
        xml.writeStartElement(QStringLiteral("resource"));
        xml.writeAttribute(QStringLiteral("identifier"), item.identifier);
        xml.writeAttribute(QStringLiteral("type"), QStringLiteral("imsqti_item_xmlv2p1"));
        xml.writeAttribute(QStringLiteral("href"), item.file);
        xml.writeEmptyElement(QStringLiteral("file"));
        xml.writeAttribute(QStringLiteral("href"), item.file);
        if (!item.picture.isEmpty()) {
            xml.writeEmptyElement(QStringLiteral("file"));
            xml.writeAttribute(QStringLiteral("href"), item.picture);
        }
        xml.writeEndElement();
    }
    xml.writeEndElement(); // resources
    xml.writeEndElement(); // manifest
    xml.writeEndDocument();
    return bytes;
}

bool addFile(QuaZip &zip, const QString &name, const QByteArray &bytes, bool compress)
{
    QuaZipFile file(&zip);
    QuaZipNewInfo info(name);
    info.dateTime = QDateTime::currentDateTime();
    if (!file.open(QIODevice::WriteOnly, info, nullptr, 0, compress ? Z_DEFLATED : 0))
        return false;
    const bool written = file.write(bytes) == bytes.size();
    file.close();
    return written && file.getZipError() == ZIP_OK;
}

} // namespace

ExchangeWritten WriteQtiPackage(const QList<ExchangeQuestion> &questions, const QString &title)
{
    ExchangeWritten written;
    QBuffer buffer(&written.bytes);
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdCreate)) {
        written.bytes.clear();
        written.notes.append(
            {ExchangeNote::Kind::Skipped, 0, QString(),
             QCoreApplication::translate("Exchange", "the package could not be made")});
        return written;
    }
    QList<PackageItem> items;
    int timeLimits = 0;
    bool ok = true;
    QList<QByteArray> pictures;
    pictures.reserve(questions.size());
    for (const ExchangeQuestion &question : questions) {
        const bool skipped = question.flashCard ? question.answers.isEmpty()
                                                : !question.correct.contains(true);
        pictures.append(skipped ? QByteArray() : question.picture);
    }
    const QList<QByteArray> pngs = ExchangePicturesAsPng(pictures);
    qsizetype index = -1;
    for (const ExchangeQuestion &question : questions) {
        ++index;
        const QString name = question.title.trimmed().isEmpty()
                                 ? XmlSafeText(question.text.simplified()).left(60)
                                 : XmlSafeText(question.title.simplified());
        auto note = [&](ExchangeNote::Kind kind, const QString &text) {
            written.notes.append({kind, question.sourceNumber, name, text});
        };
        if (!question.flashCard && question.correct.count(true) == 0) {
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
        PackageItem item;
        item.identifier = itemName(int(items.size()));
        item.file = item.identifier + QLatin1String(".xml");
        if (!question.picture.isEmpty()) {
            const QByteArray &png = pngs[index];
            if (png.isEmpty()) {
                note(ExchangeNote::Kind::Lost,
                     QCoreApplication::translate("Exchange",
                                                 "its picture could not be read: it is left out"));
            } else {
                item.picture = item.identifier + QLatin1String(".png");
                ok = ok && addFile(zip, item.picture, png, false); // PNG is compressed already
            }
        }
        ok = ok &&
             addFile(zip, item.file, itemXml(question, item.identifier, name, item.picture), true);
        items.append(item);
    }
    ok = ok && addFile(zip, QStringLiteral("imsmanifest.xml"), manifestXml(items, title), true);
    zip.close();
    if (!ok || zip.getZipError() != ZIP_OK) {
        written.bytes.clear();
        written.notes.append(
            {ExchangeNote::Kind::Skipped, 0, QString(),
             QCoreApplication::translate("Exchange", "the package could not be made")});
        return written;
    }
    if (timeLimits > 0) {
        written.notes.append(
            {ExchangeNote::Kind::Lost, 0, QString(),
             QCoreApplication::translate(
                 "Exchange", "QTI packages made here keep no time limits: %n questions lose them",
                 nullptr, timeLimits)});
    }
    return written;
}
