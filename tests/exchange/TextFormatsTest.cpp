// SPDX-License-Identifier: GPL-3.0-or-later

#include "exchange/Aiken.h"
#include "exchange/Csv.h"
#include "exchange/Gift.h"

#include <QFile>

#include <gtest/gtest.h>

#include <functional>

namespace {

QString reasons(const ExchangeRead &read, ExchangeNote::Kind kind)
{
    QStringList out;
    for (const ExchangeNote &note : read.notes) {
        if (note.kind == kind)
            out << note.text;
    }
    return out.join(u'|');
}

QByteArray dataFile(const char *name)
{
    QFile file(QStringLiteral(EXCHANGE_DATA_DIR "/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

// One mapping case: the input, and the first question read from it (or
// the reason it was skipped).
struct Mapping
{
    const char *name;
    const char *input;
    const char *text;    // of the first question; nullptr when none is read
    const char *answers; // joined by '|'
    const char *correct; // '1'/'0' per answer
    bool flashCard;
    bool multiple;
    const char *skipped; // the skip reason expected (substring), or ""
    const char *dropped; // the drop note expected (substring), or ""
};

void checkMappings(const std::function<ExchangeRead(const QByteArray &)> &reader,
                   std::initializer_list<Mapping> cases)
{
    for (const Mapping &c : cases) {
        const ExchangeRead read = reader(QByteArray(c.input));
        EXPECT_TRUE(read.error.isEmpty()) << c.name << ": " << read.error.toStdString();
        EXPECT_TRUE(reasons(read, ExchangeNote::Kind::Skipped).contains(QLatin1String(c.skipped)))
            << c.name << ": " << reasons(read, ExchangeNote::Kind::Skipped).toStdString();
        EXPECT_TRUE(reasons(read, ExchangeNote::Kind::Dropped).contains(QLatin1String(c.dropped)))
            << c.name;
        if (!c.text) {
            EXPECT_TRUE(read.questions.isEmpty()) << c.name;
            EXPECT_FALSE(QLatin1String(c.skipped).isEmpty()) << c.name;
            continue;
        }
        ASSERT_FALSE(read.questions.isEmpty()) << c.name;
        const ExchangeQuestion &q = read.questions.first();
        EXPECT_EQ(q.text, QString::fromUtf8(c.text)) << c.name;
        EXPECT_EQ(q.answers.join(u'|'), QString::fromUtf8(c.answers)) << c.name;
        QString marks;
        for (const bool right : q.correct)
            marks += right ? u'1' : u'0';
        if (!c.flashCard) {
            EXPECT_EQ(marks, QLatin1String(c.correct)) << c.name;
        }
        EXPECT_EQ(q.flashCard, c.flashCard) << c.name;
        EXPECT_EQ(q.multipleCorrect, c.multiple) << c.name;
    }
}

} // namespace

TEST(Gift, MappingTable)
{
    const auto cards = [](const QByteArray &bytes) { return ReadGift(bytes, true); };
    const auto questions = [](const QByteArray &bytes) { return ReadGift(bytes, false); };
    checkMappings(questions, {
        {"one correct", "Who? {=Grant ~Lee ~no one}", "Who?", "Grant|Lee|no one", "100", false, false, "", ""},
        {"weights", "Primes? {~%50%2 ~%50%3 ~%-100%4}", "Primes?", "2|3|4", "110", false, true, "", ""},
        {"true", "Sky is blue. {T}", "Sky is blue.", "True|False", "10", false, false, "", ""},
        {"false long", "Grass is red. {FALSE#no}", "Grass is red.", "True|False", "01", false, false, "", "feedback"},
        {"missing word", "Grant is {~buried =entombed} in the tomb.", "Grant is _____ in the tomb.", "buried|entombed", "01", false, false, "", ""},
        {"title only", "::Capital of France::{=Paris ~Rome}", "Capital of France", "Paris|Rome", "10", false, false, "", ""},
        {"title dropped", "::T1:: Text here {=a ~b}", "Text here", "a|b", "10", false, false, "", ""},
        {"html", "[html]<p>Is <b>this</b> &amp; that?</p>{=yes ~no}", "Is this & that?", "yes|no", "10", false, false, "", ""},
        {"markers", "[markdown]Plain {=a ~b}", "Plain", "a|b", "10", false, false, "", ""},
        {"escapes", "a\\=b \\{c\\} \\~ \\# \\: \\\\ x\\ny {=\\=1 ~2\\}}", "a=b {c} ~ # : \\ x\ny", "=1|2}", "10", false, false, "", ""},
        {"answer feedback", "Q {=a#good ~b#bad}", "Q", "a|b", "10", false, false, "", "feedback"},
        {"general feedback", "Q {=a ~b ####well done}", "Q", "a|b", "10", false, false, "", "feedback"},
        {"comments and category", "// a comment\n$CATEGORY: x\nQ {=a ~b}", "Q", "a|b", "10", false, false, "", ""},
        {"CR line ends", "Q\rtwo {=a\r~b}\r\rNext {=c ~d}", "Q\ntwo", "a|b", "10", false, false, "", ""},
        {"short answer in a quiz", "Two plus two? {=four =4}", nullptr, "", "", false, false, "short-answer", ""},
        {"matching", "Match {=a -> 1 =b -> 2}", nullptr, "", "", false, false, "matching", ""},
        {"numerical", "How many? {#4:1}", nullptr, "", "", false, false, "numerical", ""},
        {"essay", "Write. {}", nullptr, "", "", false, false, "essay", ""},
        {"description", "Just words.", nullptr, "", "", false, false, "description", ""},
        {"unbalanced open", "Q {=a ~b", nullptr, "", "", false, false, "unbalanced", ""},
        {"unbalanced close", "Q =a ~b}", nullptr, "", "", false, false, "unbalanced", ""},
        {"two blocks", "Q {=a ~b} and {=c ~d}", nullptr, "", "", false, false, "unbalanced", ""},
        {"text in block", "Q {junk =a ~b}", nullptr, "", "", false, false, "could not be read", ""},
    });
    checkMappings(cards, {
        {"short answer as card", "Two plus two? {=four =4}", "Two plus two?", "four", "1", true, false, "", ""},
        {"full credit first", "Q {=%50%half =%100%full}", "Q", "full", "1", true, false, "", ""},
    });
}

TEST(Aiken, MappingTable)
{
    checkMappings(ReadAiken, {
        {"dots", "Q?\nA. one\nB. two\nANSWER: B\n", "Q?", "one|two", "01", false, false, "", ""},
        {"brackets", "Q?\r\nA) one\r\nB) two\r\nC) three\r\nANSWER: A\r\n", "Q?", "one|two|three", "100", false, false, "", ""},
        {"two lines", "Line one\nline two\nA) x\nB) y\nANSWER: b\n", "Line one\nline two", "x|y", "01", false, false, "", ""},
        {"no answer line", "Q?\nA) x\nB) y\n\n", nullptr, "", "", false, false, "no ANSWER", ""},
        {"answer out of range", "Q?\nA) x\nB) y\nANSWER: D\n", nullptr, "", "", false, false, "names no answer", ""},
        {"stray line", "Q?\nA) x\nrandom\nB) y\nANSWER: A\n", nullptr, "", "", false, false, "neither", ""},
    });
}

TEST(Csv, MappingTable)
{
    checkMappings(ReadCsv, {
        {"questions", "Question,A,B,C,D,E,Correct,Score,Time limit\r\nQ,a,b,,,,B,3,20\r\n", "Q", "a|b", "01", false, false, "", ""},
        {"quoted", "Question,A,B,Correct\n\"Say \"\"hi\"\", then\nwave\",\"x,y\",z,AB\n", "Say \"hi\", then\nwave", "x,y|z", "11", false, true, "", ""},
        {"semicolons", "Question;A;B;Correct\nQ;a;b;a\n", "Q", "a|b", "10", false, false, "", ""},
        {"CR alone, CR CR LF", "Question,A,B,Correct\r\"x\r\r\ny\",a,b,B\r", "x\n\ny", "a|b", "01", false, false, "", ""},
        {"gaps closed", "Question,A,B,C,Correct\nQ,a,,c,C\n", "Q", "a|c", "01", false, false, "", ""},
        {"cards", "Question,Answer,Score,Time limit\nfront,back,2,\n", "front", "back", "1", true, false, "", ""},
        {"bad letter", "Question,A,B,Correct\nQ,a,b,C\n", nullptr, "", "", false, false, "Correct names C", ""},
        {"bad score", "Question,A,B,Correct,Score\nQ,a,b,A,lots\n", nullptr, "", "", false, false, "not a whole number", ""},
    });
    EXPECT_FALSE(ReadCsv("Name,Value\nx,y\n").error.isEmpty());
    const ExchangeRead read = ReadCsv("Question,A,B,Correct,Score,Time limit\nQ,a,b,A,4,30\n");
    ASSERT_EQ(read.questions.size(), 1);
    EXPECT_EQ(read.questions[0].score, 4);
    EXPECT_EQ(read.questions[0].timeLimit, 30);
}

TEST(Tsv, MappingTable)
{
    checkMappings(ReadTsv, {
        {"plain", "front\tback\n", "front", "back", "1", true, false, "", ""},
        {"anki html", "#separator:tab\n#html:true\n<b>chat</b>\tcat &amp; kitten\n", "chat", "cat & kitten", "1", true, false, "", ""},
        {"html off", "#html:false\n<b>x</b>\ty\n", "<b>x</b>", "y", "1", true, false, "", ""},
        {"other separator", "#separator:Semicolon\na;b\n", "a", "b", "1", true, false, "", ""},
        {"tags dropped", "a\tb\ttag1\n", "a", "b", "1", true, false, "", "first two fields"},
        {"no separator", "lonely\nfront\tback\n", "front", "back", "1", true, false, "no back", ""},
    });
}

// Export then import: the texts, answers and marks come back, and the
// scores where the format holds them.
TEST(TextFormats, RoundTrips)
{
    ExchangeQuestion single;
    single.text = QStringLiteral("Which {one} = \"right\"? a~b #1 \\ x: y\nsecond line");
    single.answers = {QStringLiteral("%not a weight"), QStringLiteral("=sign"), QStringLiteral("ca,va")};
    single.correct = {false, true, false};
    single.score = 5;
    single.timeLimit = 30;
    ExchangeQuestion several;
    several.text = QStringLiteral("// looks like a comment [html]");
    several.answers = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    several.correct = {true, true, false};
    several.multipleCorrect = true;
    several.score = 1;
    several.timeLimit = 0;
    ExchangeQuestion card;
    card.flashCard = true;
    card.text = QStringLiteral("#front\twith tab");
    card.answers = {QStringLiteral("back \"quoted\"\nline")};
    card.correct = {true};
    card.score = 2;
    card.timeLimit = 0;

    const auto numbered = [](QList<ExchangeQuestion> list) {
        for (qsizetype i = 0; i < list.size(); ++i)
            list[i].sourceNumber = int(i) + 1;
        return list;
    };
    const auto same = [](const ExchangeQuestion &a, const ExchangeQuestion &b, bool scores,
                         const char *format) {
        EXPECT_EQ(a.text, b.text) << format;
        EXPECT_EQ(a.answers, b.answers) << format;
        if (!a.flashCard) {
            EXPECT_EQ(a.correct, b.correct) << format;
        }
        EXPECT_EQ(a.flashCard, b.flashCard) << format;
        EXPECT_EQ(a.correct.count(true) > 1, b.multipleCorrect) << format;
        if (scores) {
            EXPECT_EQ(a.score, b.score) << format;
            EXPECT_EQ(a.timeLimit, b.timeLimit) << format;
        }
    };
    const struct
    {
        const char *format;
        QList<ExchangeQuestion> questions;
        std::function<ExchangeWritten(const QList<ExchangeQuestion> &)> write;
        std::function<ExchangeRead(const QByteArray &)> read;
        bool scores;
    } cases[] = {
        {"gift", numbered({single, several}), WriteGift,
         [](const QByteArray &b) { return ReadGift(b, false); }, false},
        {"gift cards", numbered({card}), WriteGift,
         [](const QByteArray &b) { return ReadGift(b, true); }, false},
        {"csv", numbered({single, several}), WriteCsv, ReadCsv, true},
        {"csv cards", numbered({card}), WriteCsv, ReadCsv, true},
        {"tsv", numbered({card}), WriteTsv, ReadTsv, false},
    };
    for (const auto &c : cases) {
        const ExchangeWritten written = c.write(c.questions);
        const ExchangeRead read = c.read(written.bytes);
        EXPECT_TRUE(read.error.isEmpty()) << c.format;
        ASSERT_EQ(read.questions.size(), c.questions.size()) << c.format << "\n"
                                                             << written.bytes.toStdString();
        for (qsizetype i = 0; i < read.questions.size(); ++i)
            same(c.questions[i], read.questions[i], c.scores, c.format);
    }
    // Aiken holds one line of text and one correct answer.
    ExchangeQuestion oneLine = single;
    oneLine.text = QStringLiteral("Which one?");
    const ExchangeWritten aiken = WriteAiken(numbered({oneLine, several, card}));
    const ExchangeRead back = ReadAiken(aiken.bytes);
    ASSERT_EQ(back.questions.size(), 1);
    same(oneLine, back.questions[0], false, "aiken");
    EXPECT_EQ(aiken.notes.size(), 3); // several correct, a card, points lost
}

TEST(TextFormats, WritersSayWhatIsLost)
{
    ExchangeQuestion q;
    q.text = QStringLiteral("Q");
    q.answers = {QStringLiteral("a"), QStringLiteral("b")};
    q.correct = {true, false};
    q.score = 3;
    q.picture = QByteArray("BM...");
    QList<ExchangeQuestion> eight(8, q);
    QStringList notes;
    for (const ExchangeNote &note : WriteGift(eight).notes)
        notes << note.text;
    EXPECT_EQ(notes, QStringList({QStringLiteral("GIFT stores no points or time limits: 8 questions lose them"),
                                  QStringLiteral("GIFT stores no pictures: 8 questions lose them")}));
    // Several correct answers: Moodle's weights for all-or-nothing.
    q.answers << QStringLiteral("c") << QStringLiteral("d");
    q.correct = {true, true, true, false};
    const QString gift = QString::fromUtf8(WriteGift({q}).bytes);
    EXPECT_TRUE(gift.contains(QLatin1String("~%33.33333%a\n~%33.33333%b\n~%33.33333%c\n~%-100%d")))
        << gift.toStdString();
}

TEST(TextFormats, BadInputGivesMessagesNotCrashes)
{
    const QByteArray latin1("Caf\xE9 {=oui ~non}\n");
    for (const auto &read : {ReadGift(latin1, false), ReadAiken(latin1), ReadCsv(latin1), ReadTsv(latin1)})
        EXPECT_TRUE(read.error.contains(QLatin1String("not UTF-8 text (line 1)"))) << read.error.toStdString();
    QByteArray huge(64 * 1024 * 1024 + 1, 'a');
    EXPECT_TRUE(ReadGift(huge, false).error.contains(QLatin1String("64 MiB")));
    huge.clear();
    // A long line and random bytes.
    QByteArray longLine(8 * 1024 * 1024, '{');
    EXPECT_TRUE(ReadGift(longLine, false).questions.isEmpty());
    EXPECT_TRUE(ReadCsv(longLine).questions.isEmpty());
    QByteArray noise;
    quint32 x = 12345;
    for (int i = 0; i < 100000; ++i) {
        x = x * 1103515245u + 12345u;
        noise += char(x >> 24);
    }
    (void)ReadGift(noise, true);
    (void)ReadAiken(noise);
    (void)ReadCsv(noise);
    (void)ReadTsv(noise);
    EXPECT_FALSE(ReadGift("", false).error.isEmpty());
    EXPECT_FALSE(ReadAiken("\n\n").error.isEmpty());
}

// The files written from the formats' documentation.
TEST(TextFormats, SampleFiles)
{
    const ExchangeRead gift = ReadGift(dataFile("sample.gift"), false);
    EXPECT_TRUE(gift.error.isEmpty());
    EXPECT_EQ(gift.questions.size(), 5); // Grant, missing word, T/F, weights, feedback
    EXPECT_EQ(gift.notes.count(), 5); // short answer, matching, numerical, essay; feedback
    const ExchangeRead aiken = ReadAiken(dataFile("sample-aiken.txt"));
    EXPECT_EQ(aiken.questions.size(), 3);
    EXPECT_EQ(aiken.questions[1].answers.size(), 6); // the importer refuses it, not the reader
    const ExchangeRead csv = ReadCsv(dataFile("sample.csv"));
    EXPECT_EQ(csv.questions.size(), 2);
    const ExchangeRead anki = ReadTsv(dataFile("sample-anki.txt"));
    EXPECT_EQ(anki.questions.size(), 2);
}
