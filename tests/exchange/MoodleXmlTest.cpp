// SPDX-License-Identifier: GPL-3.0-or-later

// Moodle XML: the mapping one small file per case, files that must be
// refused or read in part, pictures, and the round trip through the writer.

#include "exchange/MoodleXml.h"

#include "model/Quiz.h"
#include "model/QuizFile.h"
#include "ui/CodePage.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <zlib.h>

namespace {

QByteArray quiz(const QByteArray &questions)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n" + questions + "\n</quiz>\n";
}

unsigned long crc32Of(const QByteArray &bytes)
{
    return crc32(0, reinterpret_cast<const Bytef *>(bytes.constData()), uInt(bytes.size()));
}

QByteArray pngOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QImage sampleImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 37 % 256, y * 59 % 256, (x + y) * 11 % 256));
    }
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

QStringList noteTexts(const QList<ExchangeNote> &notes)
{
    QStringList texts;
    for (const ExchangeNote &note : notes)
        texts.append(note.text);
    return texts;
}

struct MappingCase
{
    const char *name;
    bool flashCardQuiz;
    QByteArray question;
    QStringList answers; // empty: the question is skipped
    QList<bool> correct;
    bool multipleCorrect;
    std::optional<int> score;
    QString text;
    QString note; // a note that must be among them, empty: no note
};

class MoodleXmlMapping : public testing::TestWithParam<MappingCase>
{};

TEST_P(MoodleXmlMapping, MapsAsDescribed)
{
    const MappingCase &c = GetParam();
    const ExchangeRead read = ReadMoodleXml(quiz(c.question), c.flashCardQuiz);
    ASSERT_TRUE(read.error.isEmpty()) << read.error.toStdString();
    if (c.answers.isEmpty()) {
        EXPECT_TRUE(read.questions.isEmpty());
    } else {
        ASSERT_EQ(read.questions.size(), 1);
        const ExchangeQuestion &q = read.questions.first();
        EXPECT_EQ(q.answers, c.answers);
        if (!c.correct.isEmpty()) {
            EXPECT_EQ(q.correct, c.correct);
        }
        EXPECT_EQ(q.multipleCorrect, c.multipleCorrect);
        EXPECT_EQ(q.flashCard, c.flashCardQuiz);
        EXPECT_EQ(q.score, c.score);
        if (!c.text.isNull()) {
            EXPECT_EQ(q.text, c.text);
        }
        EXPECT_EQ(q.sourceNumber, 1);
    }
    if (c.note.isEmpty())
        EXPECT_TRUE(read.notes.isEmpty()) << noteTexts(read.notes).join('|').toStdString();
    else
        EXPECT_TRUE(noteTexts(read.notes).contains(c.note))
            << noteTexts(read.notes).join('|').toStdString();
}

const QByteArray TWO = "<answer fraction=\"100\"><text>yes</text></answer>"
                       "<answer fraction=\"0\"><text>no</text></answer>";

INSTANTIATE_TEST_SUITE_P(
    Cases, MoodleXmlMapping,
    testing::Values(
        MappingCase{"SingleGradeRounded", false,
                    "<question type=\"multichoice\"><questiontext><text>Q</text></questiontext>"
                    "<defaultgrade>2.6</defaultgrade><single>true</single>" + TWO + "</question>",
                    {"yes", "no"}, {true, false}, false, 3, "Q", {}},
        MappingCase{"GradeAtLeastOne", false,
                    "<question type=\"multichoice\"><questiontext><text>Q</text></questiontext>"
                    "<defaultgrade>0.2</defaultgrade>" + TWO + "</question>",
                    {"yes", "no"}, {true, false}, false, 1, "Q", {}},
        MappingCase{"HugeGradeClamped", false,
                    "<question type=\"multichoice\"><questiontext><text>Q</text></questiontext>"
                    "<defaultgrade>1e300</defaultgrade>" + TWO + "</question>",
                    {"yes", "no"}, {true, false}, false, 1000000, "Q", {}},
        MappingCase{"NoGradeNoScore", false,
                    "<question type=\"multichoice\"><questiontext><text>Q</text></questiontext>" +
                        TWO + "</question>",
                    {"yes", "no"}, {true, false}, false, std::nullopt, "Q", {}},
        MappingCase{"MultiplePositiveFractions", false,
                    "<question type=\"multichoice\"><questiontext><text>Q</text></questiontext>"
                    "<single>false</single>"
                    "<answer fraction=\"50\"><text>a</text></answer>"
                    "<answer fraction=\"-100\"><text>b</text></answer>"
                    "<answer fraction=\"50\"><text>c</text></answer></question>",
                    {"a", "b", "c"}, {true, false, true}, true, std::nullopt, "Q", {}},
        MappingCase{"SingleFalseOneCorrectStaysMultiple", false,
                    "<question type=\"multichoice\"><questiontext><text>Q</text></questiontext>"
                    "<single>false</single>" + TWO + "</question>",
                    {"yes", "no"}, {true, false}, true, std::nullopt, "Q", {}},
        MappingCase{"HtmlTextMadePlain", false,
                    "<question type=\"multichoice\"><questiontext format=\"html\"><text>"
                    "<![CDATA[<p>One &amp; <b>two</b></p><p>three</p>]]></text></questiontext>"
                    "<answer fraction=\"100\" format=\"html\"><text>&lt;i&gt;x&lt;/i&gt;</text>"
                    "</answer><answer fraction=\"0\"><text>y</text></answer></question>",
                    {"x", "y"}, {true, false}, false, std::nullopt, "One & two\n\nthree", {}},
        MappingCase{"PlainTextKeptAsIs", false,
                    "<question type=\"multichoice\"><questiontext format=\"plain_text\">"
                    "<text>a &lt;b&gt; c</text></questiontext>" + TWO + "</question>",
                    {"yes", "no"}, {true, false}, false, std::nullopt, "a <b> c", {}},
        MappingCase{"TrueFalseAsWords", false,
                    "<question type=\"truefalse\"><questiontext><text>Q</text></questiontext>"
                    "<answer fraction=\"0\"><text>true</text></answer>"
                    "<answer fraction=\"100\"><text>false</text></answer></question>",
                    {"True", "False"}, {false, true}, false, std::nullopt, "Q", {}},
        MappingCase{"ShortAnswerFlashCard", true,
                    "<question type=\"shortanswer\"><questiontext><text>Capital?</text>"
                    "</questiontext><answer fraction=\"50\"><text>paris</text></answer>"
                    "<answer fraction=\"100\"><text>Paris</text></answer></question>",
                    {"Paris"}, {true}, false, std::nullopt, "Capital?",
                    "only the first fully correct answer is kept"},
        MappingCase{"ShortAnswerInMultipleChoiceQuiz", false,
                    "<question type=\"shortanswer\"><questiontext><text>Q</text></questiontext>"
                    "<answer fraction=\"100\"><text>a</text></answer></question>",
                    {}, {}, false, std::nullopt, {},
                    "short-answer questions become flash cards only in a flash-card quiz"},
        MappingCase{"MultipleChoiceInFlashCardQuiz", true,
                    "<question type=\"multichoice\"><questiontext><text>Q</text></questiontext>" +
                        TWO + "</question>",
                    {}, {}, false, std::nullopt, {},
                    "multiple-choice questions have no place in a flash-card quiz"},
        MappingCase{"Matching", false,
                    "<question type=\"matching\"><name><text>Match the activity</text></name>"
                    "<subquestion><text>a</text></subquestion></question>",
                    {}, {}, false, std::nullopt, {},
                    "matching questions have no counterpart in Brainloft"},
        MappingCase{"UnknownType", false,
                    "<question type=\"ddwtos\"><questiontext><text>Q</text></questiontext>"
                    "</question>",
                    {}, {}, false, std::nullopt, {},
                    "questions of type 'ddwtos' have no counterpart in Brainloft"},
        MappingCase{"NoCorrectAnswer", false,
                    "<question type=\"multichoice\"><questiontext><text>Q</text></questiontext>"
                    "<answer fraction=\"0\"><text>a</text></answer>"
                    "<answer fraction=\"-50\"><text>b</text></answer></question>",
                    {}, {}, false, std::nullopt, {}, "no answer earns credit"},
        MappingCase{"FeedbackDropped", false,
                    "<question type=\"multichoice\"><questiontext><text>Q</text></questiontext>"
                    "<generalfeedback><text>Because.</text></generalfeedback>" + TWO +
                        "</question>",
                    {"yes", "no"}, {true, false}, false, std::nullopt, "Q",
                    "feedback is dropped"},
        MappingCase{"CarriageReturnAsLineBreak", false,
                    "<question type=\"multichoice\"><questiontext format=\"plain_text\">"
                    "<text>a&#13;b&#13;&#10;c</text></questiontext>" + TWO + "</question>",
                    {"yes", "no"}, {true, false}, false, std::nullopt, "a\nb\nc", {}},
        MappingCase{"ControlCharactersRemoved", false,
                    "<question type=\"multichoice\"><questiontext><text>A&amp;#1;B&#9;C"
                    "</text></questiontext>" + TWO + "</question>",
                    {"yes", "no"}, {true, false}, false, std::nullopt, "AB C", {}}),
    [](const testing::TestParamInfo<MappingCase> &info) { return std::string(info.param.name); });

TEST(MoodleXmlRead, CountsEveryQuestionElementAndNamesTheSkipped)
{
    const ExchangeRead read = ReadMoodleXml(
        quiz("<question type=\"category\"><category><text>$course$/A</text></category></question>"
             "<question type=\"multichoice\"><name><text>First</text></name>"
             "<questiontext><text>Q</text></questiontext>" +
             TWO +
             "</question><question type=\"essay\"><name><text>Think</text></name></question>"),
        false);
    ASSERT_EQ(read.questions.size(), 1);
    EXPECT_EQ(read.questions[0].sourceNumber, 2);
    EXPECT_EQ(read.questions[0].title, "First");
    ASSERT_EQ(read.notes.size(), 2);
    EXPECT_EQ(read.notes[0].sourceNumber, 1);
    EXPECT_EQ(read.notes[0].title, "$course$/A");
    EXPECT_EQ(read.notes[1].sourceNumber, 3);
    EXPECT_EQ(read.notes[1].title, "Think");
    EXPECT_EQ(read.notes[1].text, "essay questions have no counterpart in Brainloft");
    EXPECT_EQ(read.notes[1].kind, ExchangeNote::Kind::Skipped);
}

// Files that cannot be read at all: each gives a message and nothing else.
TEST(MoodleXmlRead, RefusesWhatIsNoMoodleXml)
{
    const std::pair<QByteArray, const char *> cases[] = {
        {"", "empty"},
        {" \n\t", "empty"},
        {"\x89PNG\r\n\x1a\n\x01\x02 random bytes", "not XML"},
        {"<?xml version=\"1.0\"?><html><body/></html>", "first element is <html>"},
        {"<?xml version=\"1.0\"?>\n<!DOCTYPE quiz [\n<!ENTITY a \"aaaaaaaaaa\">\n"
         "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">\n<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\">\n"
         "]>\n<quiz><question type=\"multichoice\"><questiontext><text>&c;</text>"
         "</questiontext></question></quiz>",
         "declares XML entities"},
        {"<?xml version=\"1.0\"?>\n<!DOCTYPE quiz [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
         "<quiz><question type=\"multichoice\"><questiontext><text>&x;</text></questiontext>"
         "</question></quiz>",
         "declares XML entities"},
        {"<?xml version=\"1.0\"?><quiz><question type=\"multichoice\"><questiontext><text>&x;",
         "damaged"},
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?><quiz><question type=\"multichoice\">"
         "<questiontext><text>caf\xe9</text></questiontext></question></quiz>",
         "incorrectly encoded"},
    };
    for (const auto &[bytes, message] : cases) {
        const ExchangeRead read = ReadMoodleXml(bytes, false);
        EXPECT_TRUE(read.error.contains(QLatin1String(message))) << read.error.toStdString();
        EXPECT_TRUE(read.questions.isEmpty());
        EXPECT_TRUE(read.notes.isEmpty());
    }
}

TEST(MoodleXmlRead, RefusesAFileOver64MiBBeforeParsing)
{
    QByteArray bytes = quiz("");
    bytes.append(QByteArray(MOODLE_XML_MAX_BYTES - bytes.size() + 1, ' '));
    EXPECT_TRUE(ReadMoodleXml(bytes, false).error.contains(QLatin1String("64 MiB")));
}

TEST(MoodleXmlRead, KeepsTheWholeQuestionsOfATruncatedFile)
{
    const QByteArray whole =
        quiz("<question type=\"multichoice\"><questiontext><text>one</text></questiontext>" + TWO +
             "</question><question type=\"multichoice\"><questiontext><text>two</text>"
             "</questiontext>" +
             TWO + "</question>");
    const QByteArray cut = whole.left(whole.indexOf("two") + 2);
    const ExchangeRead read = ReadMoodleXml(cut, false);
    EXPECT_TRUE(read.error.isEmpty());
    ASSERT_EQ(read.questions.size(), 1);
    EXPECT_EQ(read.questions[0].text, "one");
    ASSERT_EQ(read.notes.size(), 1);
    EXPECT_EQ(read.notes[0].sourceNumber, 0);
    EXPECT_TRUE(read.notes[0].text.startsWith(QLatin1String("the file is damaged at line")));
}

QByteArray fileElement(const QString &name, const QByteArray &bytes)
{
    return "<file name=\"" + name.toUtf8() + "\" path=\"/\" encoding=\"base64\">" +
           bytes.toBase64() + "</file>";
}

TEST(MoodleXmlRead, TakesThePictureTheTextShowsAndDropsTheOtherFiles)
{
    const QByteArray first = pngOf(sampleImage(5, 4));
    const QByteArray shown = pngOf(sampleImage(7, 3));
    const ExchangeRead read = ReadMoodleXml(
        quiz("<question type=\"multichoice\"><questiontext format=\"html\"><text><![CDATA["
             "<p>Look <img src=\"@@PLUGINFILE@@/sub/shown%20one.png\"></p>]]></text>" +
             fileElement("first.png", first) + fileElement("ring.mp3", "ID3 not a picture") +
             fileElement("shown one.png", shown) + "</questiontext>" + TWO + "</question>"),
        false);
    ASSERT_EQ(read.questions.size(), 1);
    EXPECT_EQ(read.questions[0].picture, shown);
    EXPECT_EQ(read.questions[0].pictureName, "shown one.png");
    EXPECT_EQ(read.questions[0].text, "Look");
    const QStringList notes = noteTexts(read.notes);
    EXPECT_TRUE(notes.contains("the file 'first.png' is left out: a question shows one picture"));
    EXPECT_TRUE(notes.contains("the file 'ring.mp3' is left out: a question shows one picture"));
}

TEST(MoodleXmlRead, LeavesOutPicturesThatDoNotDecodeOrAreTooLarge)
{
    const QByteArray damaged = pngOf(sampleImage(6, 6)).left(40);
    const QByteArray wide = pngOf(QImage(9000, 1, QImage::Format_Mono));
    for (const QByteArray &bytes : {damaged, wide, QByteArray("GIF89a junk")}) {
        const ExchangeRead read = ReadMoodleXml(
            quiz("<question type=\"multichoice\"><questiontext><text>Q</text>" +
                 fileElement("p.png", bytes) + "</questiontext>" + TWO + "</question>"),
            false);
        ASSERT_EQ(read.questions.size(), 1);
        EXPECT_TRUE(read.questions[0].picture.isEmpty());
        ASSERT_EQ(read.notes.size(), 1);
        EXPECT_EQ(read.notes[0].kind, ExchangeNote::Kind::Dropped);
        EXPECT_TRUE(read.notes[0].text.contains("no picture Brainloft can show"));
    }
}

TEST(MoodleXmlRead, ReadsTheOlderImageElements)
{
    const QByteArray png = pngOf(sampleImage(3, 3));
    const ExchangeRead read = ReadMoodleXml(
        quiz("<question type=\"multichoice\"><questiontext><text>Q</text></questiontext>"
             "<image>pics/old.png</image><image_base64>" + png.toBase64() + "</image_base64>" +
             TWO + "</question>"),
        false);
    ASSERT_EQ(read.questions.size(), 1);
    EXPECT_EQ(read.questions[0].picture, png);
    EXPECT_EQ(read.questions[0].pictureName, "old.png");
}

// A file written after the format's documentation, as a teacher would bring it.
TEST(MoodleXmlRead, ReadsTheDocumentedExample)
{
    QFile file(QStringLiteral(MOODLE_XML_DATA "/moodle-documented.xml"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();

    const ExchangeRead choice = ReadMoodleXml(bytes, false);
    ASSERT_TRUE(choice.error.isEmpty());
    ASSERT_EQ(choice.questions.size(), 3);
    const ExchangeQuestion &largest = choice.questions[0];
    EXPECT_EQ(largest.text, "Which planet is the largest?");
    EXPECT_EQ(largest.answers, QStringList({"Jupiter", "Saturn", "Earth & Moon"}));
    EXPECT_EQ(largest.correct, QList<bool>({true, false, false}));
    EXPECT_EQ(largest.score, 2);
    EXPECT_EQ(largest.pictureName, "jupiter small.png");
    EXPECT_EQ(QImage::fromData(largest.picture).size(), QSize(4, 3));
    EXPECT_TRUE(choice.questions[1].multipleCorrect);
    EXPECT_EQ(choice.questions[1].correct, QList<bool>({true, true, false, false}));
    EXPECT_EQ(choice.questions[2].answers, QStringList({"True", "False"}));
    EXPECT_EQ(choice.questions[2].correct, QList<bool>({false, true}));
    const QStringList notes = noteTexts(choice.notes);
    EXPECT_EQ(notes,
              QStringList({"categories have no counterpart in Brainloft: the questions after it "
                           "go into the one quiz",
                           "feedback is dropped",
                           "short-answer questions become flash cards only in a flash-card quiz",
                           "matching questions have no counterpart in Brainloft",
                           "essay questions have no counterpart in Brainloft"}));

    const ExchangeRead cards = ReadMoodleXml(bytes, true);
    ASSERT_EQ(cards.questions.size(), 1);
    EXPECT_EQ(cards.questions[0].text, "Which planet is called the red planet?");
    EXPECT_EQ(cards.questions[0].answers, QStringList({"Mars"}));
}

// ---- writing --------------------------------------------------------------

ExchangeQuestion choiceQuestion(QString text, QStringList answers, QList<bool> correct,
                                bool multiple, int score)
{
    ExchangeQuestion q;
    q.text = std::move(text);
    q.answers = std::move(answers);
    q.correct = std::move(correct);
    q.multipleCorrect = multiple;
    q.score = score;
    return q;
}

TEST(MoodleXmlRoundTrip, GivesBackTextsAnswersMarksScoresAndPictures)
{
    const QImage image = sampleImage(12, 9);
    QList<ExchangeQuestion> questions;
    questions.append(choiceQuestion("Plain & <simple>?", {"A & B", "<c>", "\"d\""},
                                    {false, true, false}, false, 4));
    questions.append(choiceQuestion("Line one\nLine two\n\nNew paragraph, café ✓",
                                    {"x", "y", "z", "w", "v"}, {true, false, true, true, false},
                                    true, 50));
    questions.append(choiceQuestion("One right, ticked as boxes", {"p", "q"}, {false, true},
                                    true, 1));
    questions.append(choiceQuestion("  Spaced.  Twice\n\n\nand\tblank lines", {" a  b", "c"},
                                    {true, false}, false, 1));
    ExchangeQuestion pictured = choiceQuestion("", {"True", "False"}, {true, false}, false, 2);
    pictured.picture = bmpOf(image);
    pictured.pictureName = "sun.bmp";
    questions.append(pictured);
    ExchangeQuestion card;
    card.flashCard = true;
    card.text = "la maison";
    card.answers = {"the house  (noun)"};
    card.correct = {true};
    card.score = 3;
    questions.append(card);

    const ExchangeWritten written = WriteMoodleXml(questions, true);
    EXPECT_TRUE(written.notes.isEmpty());
    for (const bool flash : {false, true}) {
        const ExchangeRead read = ReadMoodleXml(written.bytes, flash);
        ASSERT_TRUE(read.error.isEmpty()) << read.error.toStdString();
        QList<ExchangeQuestion> expected;
        for (const ExchangeQuestion &q : questions) {
            if (q.flashCard == flash)
                expected.append(q);
        }
        ASSERT_EQ(read.questions.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const ExchangeQuestion &got = read.questions[i];
            const ExchangeQuestion &want = expected[i];
            EXPECT_EQ(got.text, want.text);
            EXPECT_EQ(got.answers, want.answers);
            EXPECT_EQ(got.correct, want.correct);
            EXPECT_EQ(got.multipleCorrect, want.multipleCorrect);
            EXPECT_EQ(got.flashCard, want.flashCard);
            EXPECT_EQ(got.score, want.score);
            EXPECT_EQ(got.picture.isEmpty(), want.picture.isEmpty());
            if (!want.picture.isEmpty()) {
                EXPECT_EQ(got.pictureName, "sun.png");
                EXPECT_EQ(QImage::fromData(got.picture).convertToFormat(QImage::Format_RGB32),
                          image);
            }
        }
    }
}

QByteArray sampleFile(const char *name)
{
    QFile file(QStringLiteral(SAMPLE_QUIZZES "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every kind of picture a quiz may hold comes out as a PNG that reads back
// pixel for pixel, alone or many at a time.
TEST(MoodleXmlWrite, MakesPicturesPngThatReadBackPixelForPixel)
{
    QImage grey = sampleImage(7, 3).convertToFormat(QImage::Format_Grayscale8);
    QImage paletted = sampleImage(5, 5).convertToFormat(QImage::Format_Indexed8);
    QImage alpha(9, 4, QImage::Format_ARGB32);
    for (int y = 0; y < alpha.height(); ++y) {
        for (int x = 0; x < alpha.width(); ++x)
            alpha.setPixel(x, y, qRgba(x * 29 % 256, y * 71 % 256, 200, (x * 40 + y) % 256));
    }
    const struct
    {
        const char *what;
        QByteArray picture;
        bool transparent;
    } cases[] = {
        {"sun.bmp", sampleFile("sun.bmp"), false},
        {"saturn.bmp", sampleFile("saturn.bmp"), false},
        {"apple.bmp", sampleFile("apple.bmp"), false},
        {"1 x 1", bmpOf(sampleImage(1, 1)), false},
        {"odd width", bmpOf(sampleImage(161, 5)), false},
        {"greyscale", bmpOf(grey), false},
        {"paletted", bmpOf(paletted), false},
        {"alpha dropped by the BMP writer", bmpOf(alpha), false},
    };
    QList<QByteArray> pictures;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const QImage source = QImage::fromData(c.picture);
        ASSERT_FALSE(source.isNull());
        const QByteArray png = ExchangePictureAsPng(c.picture);
        ASSERT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n"));
        const QImage back = QImage::fromData(png, "PNG");
        ASSERT_FALSE(back.isNull());
        EXPECT_EQ(source.hasAlphaChannel(), c.transparent);
        EXPECT_EQ(back.hasAlphaChannel(), c.transparent);
        EXPECT_EQ(back.convertToFormat(QImage::Format_ARGB32),
                  source.convertToFormat(QImage::Format_ARGB32));
        pictures.append(c.picture);
        pictures.append(QByteArray()); // no picture: none made
    }
    pictures.append("not a picture");
    const QList<QByteArray> pngs = ExchangePicturesAsPng(pictures);
    ASSERT_EQ(pngs.size(), pictures.size());
    for (qsizetype i = 0; i < pictures.size(); ++i)
        EXPECT_EQ(pngs[i], pictures[i].isEmpty() ? QByteArray() : ExchangePictureAsPng(pictures[i]))
            << i;
    EXPECT_TRUE(pngs.last().isEmpty());
}

// A PNG goes out as it is when its header is sound; one whose header is
// not is decoded like any other picture, and left out when it does not.
TEST(MoodleXmlWrite, TakesSoundPngsAsTheyAre)
{
    QImage alpha(3, 2, QImage::Format_ARGB32);
    alpha.fill(qRgba(10, 20, 30, 40));
    const QByteArray rgb = pngOf(sampleImage(6, 4));
    QByteArray badChecksum = rgb;
    badChecksum[29] = char(badChecksum[29] ^ 1);
    QByteArray tooWide = rgb; // 9000 pixels wide, its checksum made anew
    tooWide[18] = char(0x23);
    tooWide[19] = char(0x28);
    const quint32 crc = quint32(crc32Of(tooWide.mid(12, 17)));
    for (int k = 0; k < 4; ++k)
        tooWide[29 + k] = char(crc >> (24 - 8 * k));
    const struct
    {
        const char *what;
        QByteArray png;
        bool asItIs;
    } cases[] = {
        {"RGB", rgb, true},
        {"greyscale", pngOf(sampleImage(5, 5).convertToFormat(QImage::Format_Grayscale8)), true},
        {"paletted", pngOf(sampleImage(5, 5).convertToFormat(QImage::Format_Indexed8)), true},
        {"alpha", pngOf(alpha), true},
        {"header checksum broken", badChecksum, false},
        {"wider than the limit", tooWide, false},
        {"cut in its header", rgb.left(30), false},
    };
    for (const auto &c : cases) {
        const QByteArray out = ExchangePictureAsPng(c.png);
        EXPECT_EQ(out == c.png, c.asItIs) << c.what;
    }
}

TEST(MoodleXmlWrite, WritesFractionsShuffleAndGradeAsMoodleReadsThem)
{
    const ExchangeWritten written = WriteMoodleXml(
        {choiceQuestion("three right", {"a", "b", "c", "d"}, {true, true, false, true}, true, 7),
         choiceQuestion("one right", {"a", "b"}, {false, true}, false, 1)},
        false);
    QXmlStreamReader xml(written.bytes);
    QStringList fractions, singles, shuffles, grades;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("answer"))
            fractions.append(xml.attributes().value("fraction").toString());
        else if (xml.name() == QLatin1String("single"))
            singles.append(xml.readElementText());
        else if (xml.name() == QLatin1String("shuffleanswers"))
            shuffles.append(xml.readElementText());
        else if (xml.name() == QLatin1String("defaultgrade"))
            grades.append(xml.readElementText());
    }
    EXPECT_FALSE(xml.hasError());
    EXPECT_EQ(fractions, QStringList({"33.33333", "33.33333", "-100", "33.33333", "0", "100"}));
    EXPECT_EQ(singles, QStringList({"false", "true"}));
    EXPECT_EQ(shuffles, QStringList({"false", "false"}));
    EXPECT_EQ(grades, QStringList({"7", "1"}));
}

// The file is written byte by byte, not through an XML library: its layout
// is the one Moodle's own exports have, every text is escaped as XML reads
// it back, and a picture that questions share gives the bytes separate
// copies would.
TEST(MoodleXmlWrite, LaysOutAndEscapesEveryText)
{
    EXPECT_EQ(WriteMoodleXml({}, true).bytes, "<?xml version=\"1.0\"?>\n<quiz/>\n");
    ExchangeQuestion card;
    card.flashCard = true;
    card.text = "maison";
    card.answers = {"house"};
    card.correct = {true};
    EXPECT_EQ(WriteMoodleXml({card}, true).bytes,
              "<?xml version=\"1.0\"?>\n<quiz>\n  <question type=\"shortanswer\">\n"
              "    <name>\n      <text>maison</text>\n    </name>\n"
              "    <questiontext format=\"html\">\n      <text>maison</text>\n"
              "    </questiontext>\n    <generalfeedback format=\"html\">\n"
              "      <text></text>\n    </generalfeedback>\n"
              "    <defaultgrade>1</defaultgrade>\n    <penalty>0</penalty>\n"
              "    <hidden>0</hidden>\n    <usecase>0</usecase>\n"
              "    <answer fraction=\"100\" format=\"moodle_auto_format\">\n"
              "      <text>house</text>\n    </answer>\n  </question>\n</quiz>\n");

    const QString odd = QString::fromUtf8("a<b>&c\"d' é 日 😀\x01 end\r\nnext");
    const QByteArray bmp = bmpOf(sampleImage(4, 3));
    QList<ExchangeQuestion> questions;
    for (const char *name : {"dir/a b\"&<.bmp", "x\ty.bmp"}) {
        ExchangeQuestion q = choiceQuestion(odd, {odd, "  b"}, {true, false}, false, 2);
        q.picture = bmp; // shared by both questions
        q.pictureName = QString::fromUtf8(name);
        questions.append(q);
    }
    const ExchangeWritten written = WriteMoodleXml(questions, true);
    QXmlStreamReader xml(written.bytes);
    QStringList names;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("file"))
            names.append(xml.attributes().value("name").toString());
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(names, QStringList({"a b\"&<.png", "x\ty.png"}));
    const ExchangeRead read = ReadMoodleXml(written.bytes, false);
    ASSERT_EQ(read.questions.size(), 2);
    for (const ExchangeQuestion &q : read.questions) {
        EXPECT_EQ(q.text, XmlSafeText(odd));
        EXPECT_EQ(q.answers, QStringList({XmlSafeText(odd), "  b"}));
        EXPECT_FALSE(q.picture.isEmpty());
    }
    QList<ExchangeQuestion> copies = questions;
    copies[1].picture = QByteArray(bmp.constData(), bmp.size());
    EXPECT_EQ(WriteMoodleXml(copies, true).bytes, written.bytes);
}

TEST(MoodleXmlWrite, NamesWhatTheFormatCannotHold)
{
    ExchangeQuestion timed = choiceQuestion("t", {"a", "b"}, {true, false}, false, 1);
    timed.timeLimit = 30;
    ExchangeQuestion broken = choiceQuestion("p", {"a", "b"}, {true, false}, false, 1);
    broken.picture = "BM not really";
    broken.sourceNumber = 3;
    ExchangeQuestion none = choiceQuestion("n", {"a", "b"}, {false, false}, false, 1);
    none.sourceNumber = 4;
    const ExchangeWritten written = WriteMoodleXml({timed, timed, broken, none}, true);
    ASSERT_EQ(written.notes.size(), 3);
    EXPECT_EQ(written.notes[0].sourceNumber, 3);
    EXPECT_EQ(written.notes[0].text, "its picture could not be read: it is left out");
    EXPECT_EQ(written.notes[1].sourceNumber, 4);
    EXPECT_EQ(written.notes[1].kind, ExchangeNote::Kind::Skipped);
    EXPECT_EQ(written.notes[2].kind, ExchangeNote::Kind::Lost);
    EXPECT_TRUE(written.notes[2].text.contains("2 questions lose them"));
    EXPECT_EQ(ReadMoodleXml(written.bytes, false).questions.size(), 3);
}

// Both sample quizzes, their questions taken as the quiz holds them, go out
// and come back with the same texts, answers, marks, scores and pictures.
TEST(MoodleXmlRoundTrip, SampleQuizzesReadBack)
{
    const QDir examples(QStringLiteral(SAMPLE_QUIZZES));
    const QStringList quizzes = examples.entryList({"*.blz"}, QDir::Files, QDir::Name);
    ASSERT_EQ(quizzes, QStringList({"french-words.blz", "solar-system.blz"}));
    for (const QString &name : quizzes) {
        SCOPED_TRACE(name.toStdString());
        Quiz quiz;
        ASSERT_EQ(LoadQuizFromFile(examples.filePath(name).toStdString(), quiz), LoadResult::Ok);
        const bool flash = quiz.quizType != 0;
        QList<ExchangeQuestion> questions;
        int pictures = 0;
        for (int i = 0; i < quiz.questionCount(); ++i) {
            const CQuestion &stored = *quiz.QuestionAt(i);
            ExchangeQuestion q;
            q.sourceNumber = i + 1;
            q.flashCard = flash;
            q.text = CodePage::toUnicode(stored.text);
            for (int k = 0; k < (flash ? 1 : 5); ++k) {
                if (!flash && stored.answers[std::size_t(k)].empty())
                    continue;
                q.answers.append(CodePage::toUnicode(stored.answers[std::size_t(k)]));
                q.correct.append(flash || stored.correct[std::size_t(k)] != 0);
            }
            q.multipleCorrect = !flash && stored.multipleCorrect != 0;
            q.score = stored.score;
            if (!stored.imageFile.empty()) {
                QFile picture(examples.filePath(
                    QFileInfo(QString::fromStdString(stored.imageFile).replace('\\', '/'))
                        .fileName()));
                ASSERT_TRUE(picture.open(QIODevice::ReadOnly)) << stored.imageFile;
                q.picture = picture.readAll();
                q.pictureName = picture.fileName();
                ++pictures;
            }
            questions.append(q);
        }
        ASSERT_FALSE(questions.isEmpty());
        const QByteArray exported = WriteMoodleXml(questions, true).bytes;
        // The pictures go in compressed: the sample drawings shrink to a few KB.
        qsizetype bitmapBytes = 0;
        for (const ExchangeQuestion &q : questions)
            bitmapBytes += q.picture.size();
        EXPECT_LT(exported.size(), 20000 + bitmapBytes / 4);
        const ExchangeRead read = ReadMoodleXml(exported, flash);
        ASSERT_TRUE(read.error.isEmpty());
        ASSERT_EQ(read.questions.size(), questions.size());
        for (qsizetype i = 0; i < questions.size(); ++i) {
            const ExchangeQuestion &want = questions[i];
            const ExchangeQuestion &got = read.questions[i];
            EXPECT_EQ(got.text, want.text);
            EXPECT_EQ(got.answers, want.answers);
            EXPECT_EQ(got.correct, want.correct);
            EXPECT_EQ(got.multipleCorrect, want.multipleCorrect);
            EXPECT_EQ(got.score, want.score);
            EXPECT_EQ(QImage::fromData(got.picture).convertToFormat(QImage::Format_RGB32),
                      QImage::fromData(want.picture).convertToFormat(QImage::Format_RGB32));
        }
        if (!flash) {
            EXPECT_GT(pictures, 0);
        }
    }
}

} // namespace
