// SPDX-License-Identifier: GPL-3.0-or-later

#include "exchange/QuizExchange.h"

#include "model/Quiz.h"
#include "ui/CodePage.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

ExchangeQuestion choice(int number, const QString &text, QStringList answers, QList<bool> correct)
{
    ExchangeQuestion q;
    q.sourceNumber = number;
    q.text = text;
    q.answers = std::move(answers);
    q.correct = std::move(correct);
    return q;
}

QByteArray pngBytes(QColor colour)
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QStringList lines(const QList<ExchangeNote> &notes)
{
    QStringList out;
    for (const ExchangeNote &note : notes)
        out << QuizExchange::noteLine(note);
    return out;
}

class QuizExchangeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_codePage = CodePage::name();
        CodePage::setName(QStringLiteral("windows-1252"));
    }
    void TearDown() override { CodePage::setName(m_codePage); }

private:
    QString m_codePage;
};

} // namespace

TEST_F(QuizExchangeTest, LimitsAndCodePage)
{
    const QString longText(1000, u'x');
    ExchangeRead read;
    read.questions = {
        choice(1, QStringLiteral("caf\u00e9 fits"), {QStringLiteral("a"), QStringLiteral("b")}, {false, true}),
        choice(2, QStringLiteral("Pol\u0142and \u2192"), {QStringLiteral("a"), QStringLiteral("b")}, {true, false}),
        choice(3, QStringLiteral("six"), QStringList(6, QStringLiteral("x")), QList<bool>(6, true)),
        choice(4, QStringLiteral("one"), {QStringLiteral("x")}, {true}),
        choice(5, QStringLiteral("none right"), {QStringLiteral("a"), QStringLiteral("b")}, {false, false}),
        choice(6, longText, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, {true, false, true}),
        choice(7, QStringLiteral("two\nlines"), {QStringLiteral("a"), QStringLiteral("b")}, {true, false}),
    };
    ExchangeQuestion card;
    card.sourceNumber = 8;
    card.flashCard = true;
    card.text = QStringLiteral("card");
    card.answers = {QStringLiteral("back")};
    read.questions << card;
    read.questions[0].score = 0;  // at least one point
    read.questions[0].timeLimit = 45;

    Quiz quiz;
    quiz.defaultScore = 3;
    const QuizExchange::ImportPlan plan = QuizExchange::prepareImport(read, quiz);
    EXPECT_EQ(lines(plan.notes),
              QStringList({
                  QStringLiteral("question 1, 'caf\u00e9 fits': imported"),
                  QStringLiteral("question 2, 'Pol\u0142and \u2192': characters the quiz's code page "
                                 "cannot hold: \"\u0142\" (U+0142), \"\u2192\" (U+2192)"),
                  QStringLiteral("question 3, 'six': more than five answers (6): a question holds at most five"),
                  QStringLiteral("question 4, 'one': fewer than two answers"),
                  QStringLiteral("question 5, 'none right': no answer is marked correct"),
                  QStringLiteral("question 6, 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...': imported"),
                  QStringLiteral("question 7, 'two...': imported"),
                  QStringLiteral("question 8, 'card': a flash card has no place in a multiple-choice quiz"),
              }));
    ASSERT_EQ(plan.count(), 3);
    const CQuestion &first = *plan.questions[0].question;
    EXPECT_EQ(first.text, "caf\xE9 fits");
    EXPECT_EQ(first.score, 1);
    EXPECT_EQ(first.timeLimit, 45);
    EXPECT_EQ(first.correct[1], 1);
    EXPECT_EQ(first.multipleCorrect, 0);
    const CQuestion &long6 = *plan.questions[1].question;
    EXPECT_EQ(long6.text.size(), 1000u); // kept whole
    EXPECT_EQ(long6.score, 3);           // the quiz's default
    EXPECT_EQ(long6.multipleCorrect, 1);
    EXPECT_EQ(plan.questions[2].question->text, "two\r\nlines");
    EXPECT_EQ(quiz.questionCount(), 0); // nothing changes before the commit
}

TEST_F(QuizExchangeTest, The513thQuestionIsNotAdded)
{
    Quiz quiz;
    for (int i = 0; i < MAX_QUESTIONS - 1; ++i)
        quiz.AppendQuestion(std::make_unique<CQuestion>());
    ExchangeRead read;
    for (int n = 1; n <= 3; ++n)
        read.questions << choice(n, QStringLiteral("Q%1").arg(n), {QStringLiteral("a"), QStringLiteral("b")}, {true, false});
    QuizExchange::ImportPlan plan = QuizExchange::prepareImport(read, quiz);
    EXPECT_EQ(plan.count(), 1);
    EXPECT_EQ(lines(plan.notes).last(),
              QStringLiteral("question 3, 'Q3': not added: the quiz is full (512 questions)"));
    QList<ExchangeNote> notes;
    QTemporaryDir dir;
    EXPECT_EQ(QuizExchange::commitImport(plan, quiz, dir.path(), notes), 1);
    EXPECT_EQ(quiz.questionCount(), MAX_QUESTIONS);
    EXPECT_TRUE(quiz.IsModified());
}

TEST_F(QuizExchangeTest, PicturesAreWrittenBesideTheQuizAndReadBack)
{
    QTemporaryDir dir;
    Quiz quiz;
    quiz.SetQuizPathName(QDir(dir.path()).filePath(QStringLiteral("quiz.blz")).toStdString());
    // A file of that name is there already: it stays as it is.
    QFile taken(dir.filePath(QStringLiteral("sun.bmp")));
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    taken.write("mine");
    taken.close();

    ExchangeRead read;
    read.questions << choice(1, QStringLiteral("Sun?"), {QStringLiteral("a"), QStringLiteral("b")}, {true, false});
    read.questions[0].picture = pngBytes(Qt::red);
    read.questions[0].pictureName = QStringLiteral("folder/sun.png");
    read.questions << choice(2, QStringLiteral("Bad picture"), {QStringLiteral("a"), QStringLiteral("b")}, {true, false});
    read.questions[1].picture = QByteArray("not a picture");
    QuizExchange::ImportPlan plan = QuizExchange::prepareImport(read, quiz);
    EXPECT_TRUE(lines(plan.notes).contains(
        QStringLiteral("question 2, 'Bad picture': the picture could not be read and is left out")));
    QList<ExchangeNote> notes;
    ASSERT_EQ(QuizExchange::commitImport(plan, quiz, dir.path(), notes), 2);
    EXPECT_TRUE(notes.isEmpty());
    EXPECT_EQ(quiz.QuestionAt(0)->imageFile, "sun-2.bmp");
    EXPECT_EQ(quiz.QuestionAt(1)->imageFile, "");
    ASSERT_TRUE(taken.open(QIODevice::ReadOnly));
    EXPECT_EQ(taken.readAll(), QByteArray("mine"));
    EXPECT_EQ(QImage(dir.filePath(QStringLiteral("sun-2.bmp"))).pixelColor(1, 1), QColor(Qt::red));

    // Export finds the picture as the quiz taker does, and says what is missing.
    quiz.QuestionAt(1)->imageFile = "C:\\Pictures\\gone.bmp";
    QList<ExchangeNote> exportNotes;
    const QList<ExchangeQuestion> out = QuizExchange::questionsOf(quiz, exportNotes);
    ASSERT_EQ(out.size(), 2);
    EXPECT_EQ(QImage::fromData(out[0].picture).pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(out[0].pictureName, QStringLiteral("sun-2.bmp"));
    EXPECT_EQ(lines(exportNotes),
              QStringList(QStringLiteral("question 2, 'Bad picture': the picture "
                                         "C:\\Pictures\\gone.bmp was not found and is left out")));
}

TEST_F(QuizExchangeTest, QuizToFormatAndBack)
{
    Quiz quiz;
    auto q = std::make_unique<CQuestion>();
    q->text = "Line\r\nbreak \xE9";
    q->answers = {"one", "two", "three", "", ""};
    q->correct = {0, 1, 1, 0, 0};
    q->multipleCorrect = 1;
    q->score = 4;
    q->timeLimit = 10;
    quiz.AppendQuestion(std::move(q));
    for (const ExchangeFormat format : {ExchangeFormat::Gift, ExchangeFormat::Csv}) {
        const ExchangeWritten written = QuizExchange::write(format, quiz, QStringLiteral("t"));
        const ExchangeRead read = QuizExchange::read(format, written.bytes, false);
        Quiz back;
        QuizExchange::ImportPlan plan = QuizExchange::prepareImport(read, back);
        ASSERT_EQ(plan.count(), 1) << QuizExchange::formatName(format).toStdString();
        const CQuestion &r = *plan.questions[0].question;
        EXPECT_EQ(r.text, "Line\r\nbreak \xE9");
        EXPECT_EQ(r.answers[2], "three");
        EXPECT_EQ(r.correct[1] + r.correct[2], 2);
        EXPECT_EQ(r.multipleCorrect, 1);
        EXPECT_EQ(r.score, format == ExchangeFormat::Csv ? 4 : 1);
    }
}

TEST(QuizExchangeFormats, GuessedFromNameAndContent)
{
    const struct
    {
        const char *name;
        const char *content;
        ExchangeFormat format;
    } cases[] = {
        {"a.gift", "", ExchangeFormat::Gift},
        {"a.XML", "", ExchangeFormat::MoodleXml},
        {"a.csv", "", ExchangeFormat::Csv},
        {"a.tsv", "", ExchangeFormat::Tsv},
        {"a.txt", "Q?\nA) x\nB) y\nANSWER: A\n", ExchangeFormat::Aiken},
        {"a.txt", "Q? {=x ~y}", ExchangeFormat::Gift},
        {"a.txt", "#separator:tab\nx\ty\n", ExchangeFormat::Tsv},
        {"a.txt", "front\tback\n", ExchangeFormat::Tsv},
        {"a", "<?xml version=\"1.0\"?><quiz/>", ExchangeFormat::MoodleXml},
        {"a", "Question,A,B,Correct\n", ExchangeFormat::Csv},
    };
    for (const auto &c : cases)
        EXPECT_EQ(QuizExchange::guessFormat(QLatin1String(c.name), QByteArray(c.content)), c.format)
            << c.name << " " << c.content;
    for (const char *name : {"gift", "aiken", "moodle-xml", "csv", "tsv", "qti"})
        EXPECT_EQ(QuizExchange::formatName(*QuizExchange::formatNamed(QLatin1String(name))),
                  QLatin1String(name));
    EXPECT_FALSE(QuizExchange::formatNamed(QStringLiteral("docx")));
}
