// SPDX-License-Identifier: GPL-3.0-or-later

// QTI 2.1 packages, opened as a learning system would: the manifest lists
// every item and its picture, each item has the interaction, the correct
// response and the match_correct template, and the pictures are PNG.

#include "exchange/Qti.h"

#include <QBuffer>
#include <QImage>
#include <QMap>
#include <QXmlStreamReader>

#include <quazip.h>
#include <quazipfile.h>

#include <gtest/gtest.h>

namespace {

QMap<QString, QByteArray> unzip(const QByteArray &package)
{
    QMap<QString, QByteArray> files;
    QBuffer buffer;
    buffer.setData(package);
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdUnzip))
        return files;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFile file(&zip);
        if (file.open(QIODevice::ReadOnly))
            files.insert(zip.getCurrentFileName(), file.readAll());
    }
    return files;
}

// What a test needs of one XML file: the attributes and text of chosen elements.
struct Element
{
    QString name;
    QXmlStreamAttributes attributes;
    QString text;
};

QList<Element> elements(const QByteArray &xmlBytes, QString *namespaceUri = nullptr)
{
    QList<Element> found;
    QXmlStreamReader xml(xmlBytes);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (namespaceUri && namespaceUri->isEmpty())
            *namespaceUri = xml.namespaceUri().toString();
        Element element{xml.name().toString(), xml.attributes(), {}};
        if (element.name == QLatin1String("value") || element.name == QLatin1String("simpleChoice") ||
            element.name == QLatin1String("string"))
            element.text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        found.append(element);
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return found;
}

QList<Element> named(const QList<Element> &all, const char *name)
{
    QList<Element> out;
    for (const Element &e : all) {
        if (e.name == QLatin1String(name))
            out.append(e);
    }
    return out;
}

QImage sampleImage()
{
    QImage image(6, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            image.setPixel(x, y, qRgb(40 * x, 50 * y, 200));
    return image;
}

QByteArray bmpOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

TEST(QtiPackage, HoldsAManifestAndOneItemPerQuestion)
{
    ExchangeQuestion single;
    single.text = "Which is <largest> & why?";
    single.answers = {"Jupiter", "Saturn", "Mars"};
    single.correct = {true, false, false};
    single.score = 4;
    single.picture = bmpOf(sampleImage());
    single.pictureName = "jupiter.bmp";
    ExchangeQuestion multiple;
    multiple.text = "Gas giants?";
    multiple.answers = {"Jupiter", "Mars", "Saturn"};
    multiple.correct = {true, false, true};
    multiple.multipleCorrect = true;
    multiple.timeLimit = 20;
    ExchangeQuestion card;
    card.flashCard = true;
    card.text = "la lune";
    card.answers = {"the moon"};
    card.correct = {true};

    const ExchangeWritten written = WriteQtiPackage({single, multiple, card}, "Solar system");
    const QMap<QString, QByteArray> files = unzip(written.bytes);
    EXPECT_EQ(files.keys(), QStringList({"imsmanifest.xml", "item0001.png", "item0001.xml",
                                         "item0002.xml", "item0003.xml"}));

    QString manifestNs;
    const QList<Element> manifest = elements(files.value("imsmanifest.xml"), &manifestNs);
    EXPECT_EQ(manifestNs, "http://www.imsglobal.org/xsd/imscp_v1p1");
    ASSERT_EQ(named(manifest, "string").size(), 1);
    EXPECT_EQ(named(manifest, "string")[0].text, "Solar system");
    const QList<Element> resources = named(manifest, "resource");
    ASSERT_EQ(resources.size(), 3);
    for (const Element &resource : resources)
        EXPECT_EQ(resource.attributes.value("type").toString(), QString("imsqti_item_xmlv2p1"));
    QStringList hrefs;
    for (const Element &file : named(manifest, "file"))
        hrefs.append(file.attributes.value("href").toString());
    EXPECT_EQ(hrefs, QStringList({"item0001.xml", "item0001.png", "item0002.xml", "item0003.xml"}));

    struct Expected
    {
        const char *file;
        const char *cardinality;
        const char *maxChoices; // nullptr: a text entry
        QStringList correct;
        QStringList choices;
    };
    const Expected expected[] = {
        {"item0001.xml", "single", "1", {"A"}, {"Jupiter", "Saturn", "Mars"}},
        {"item0002.xml", "multiple", "0", {"A", "C"}, {"Jupiter", "Mars", "Saturn"}},
        {"item0003.xml", "single", nullptr, {"the moon"}, {}},
    };
    for (const Expected &want : expected) {
        SCOPED_TRACE(want.file);
        QString ns;
        const QList<Element> item = elements(files.value(want.file), &ns);
        EXPECT_EQ(ns, "http://www.imsglobal.org/xsd/imsqti_v2p1");
        ASSERT_EQ(named(item, "responseDeclaration").size(), 1);
        EXPECT_EQ(named(item, "responseDeclaration")[0].attributes.value("cardinality").toString(),
                  QString::fromLatin1(want.cardinality));
        QStringList values;
        for (const Element &v : named(item, "value"))
            values.append(v.text);
        // The correct response first, then the outcomes' default values.
        EXPECT_EQ(values.mid(0, want.correct.size()), want.correct);
        QStringList choices;
        for (const Element &c : named(item, "simpleChoice"))
            choices.append(c.text);
        EXPECT_EQ(choices, want.choices);
        if (want.maxChoices) {
            ASSERT_EQ(named(item, "choiceInteraction").size(), 1);
            EXPECT_EQ(named(item, "choiceInteraction")[0].attributes.value("maxChoices").toString(),
                      QString::fromLatin1(want.maxChoices));
        } else {
            EXPECT_EQ(named(item, "textEntryInteraction").size(), 1);
        }
        ASSERT_EQ(named(item, "responseProcessing").size(), 1);
        EXPECT_EQ(named(item, "responseProcessing")[0].attributes.value("template").toString(),
                  QString("http://www.imsglobal.org/question/qti_v2p1/rptemplates/match_correct"));
    }
    const QList<Element> first = elements(files.value("item0001.xml"));
    ASSERT_EQ(named(first, "img").size(), 1);
    EXPECT_EQ(named(first, "img")[0].attributes.value("src").toString(), QString("item0001.png"));
    EXPECT_TRUE(files.value("item0001.png").startsWith("\x89PNG"));
    EXPECT_EQ(QImage::fromData(files.value("item0001.png")).convertToFormat(QImage::Format_RGB32),
              sampleImage());

    ASSERT_EQ(written.notes.size(), 1);
    EXPECT_EQ(written.notes[0].kind, ExchangeNote::Kind::Lost);
    EXPECT_TRUE(written.notes[0].text.contains("1 questions lose them"));
}

TEST(QtiPackage, SkipsAQuestionWithoutACorrectAnswer)
{
    ExchangeQuestion none;
    none.sourceNumber = 2;
    none.text = "nothing right";
    none.answers = {"a", "b"};
    none.correct = {false, false};
    const ExchangeWritten written = WriteQtiPackage({none}, "T");
    EXPECT_EQ(unzip(written.bytes).keys(), QStringList({"imsmanifest.xml"}));
    ASSERT_EQ(written.notes.size(), 1);
    EXPECT_EQ(written.notes[0].sourceNumber, 2);
    EXPECT_EQ(written.notes[0].kind, ExchangeNote::Kind::Skipped);
}

} // namespace
