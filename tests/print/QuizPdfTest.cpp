// SPDX-License-Identifier: GPL-3.0-or-later

// The printed quiz read back from its PDF, as poppler's tools see it.

#include "print/QuizPrint.h"

#include "PdfText.h"
#include "QuizFixtures.h"
#include "model/Quiz.h"
#include "model/QuizFile.h"
#include "print/PrintLayout.h"

#include <QFile>
#include <QImage>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString questionWord(int stored)
{
    return QStringLiteral("question%1").arg(stored, 3, 10, QLatin1Char('0'));
}

QString answerWord(int stored, int answer)
{
    return QStringLiteral("q%1a%2").arg(stored, 3, 10, QLatin1Char('0')).arg(answer);
}

// Questions whose every word can be found again: "question007 ..." with
// answers "q007a0" ... Lengths vary so that pages break in odd places.
void fillWordQuiz(Quiz &quiz, int count)
{
    for (int i = 0; i < count; ++i) {
        auto question = std::make_unique<CQuestion>();
        std::string text = questionWord(i).toStdString();
        for (int w = 0; w < (i * 7) % 40; ++w)
            text += " filler";
        question->text = text;
        const int answers = 2 + i % 4;
        for (int a = 0; a < answers; ++a) {
            std::string answer = answerWord(i, a).toStdString();
            for (int w = 0; w < (i + a) % 3 * 6; ++w)
                answer += " more";
            question->answers[std::size_t(a)] = answer;
        }
        question->correct[std::size_t(i % answers)] = 1;
        question->correct[std::size_t((i + 2) % answers)] = 1;
        question->multipleCorrect = 1;
        question->score = 1 + i % 3;
        quiz.AppendQuestion(std::move(question));
    }
}

class QuizPdf : public ::testing::Test
{
protected:
    // Saves the quiz beside its PDF, so that it has a name and a folder.
    void save(Quiz &quiz, const char *name = "unit test.blz")
    {
        const std::string path = pathIn(dir, name);
        ASSERT_EQ(SaveQuizToFile(quiz, path), SaveResult::Ok);
        quiz.SetQuizPathName(path);
    }
    QString pdf(const Quiz &quiz, const PrintRequest &request, const char *name = "out.pdf")
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        outcome = WriteQuizPdf(quiz, request, path, QPageSize(QPageSize::A4));
        EXPECT_TRUE(outcome.ok) << outcome.error.toStdString();
        return path;
    }
    // The pages of each version, joined, by the version named in their
    // footers.
    static std::map<QChar, QString> byVersion(const QStringList &pages, const QString &marker)
    {
        std::map<QChar, QString> versions;
        static const QRegularExpression named(QStringLiteral("Version ([A-Z])"));
        for (const QString &page : pages) {
            const auto match = named.match(page);
            EXPECT_TRUE(match.hasMatch() && page.contains(marker)) << page.left(200).toStdString();
            if (match.hasMatch())
                versions[match.captured(1).at(0)] += page;
        }
        return versions;
    }

    QTemporaryDir dir;
    PrintOutcome outcome;
};

} // namespace

TEST_F(QuizPdf, EveryQuestionAndAnswerInItsVersionsOrder)
{
    Quiz quiz;
    quiz.randomizeQuestions = 1;
    quiz.randomizeAnswers = 1;
    fillWordQuiz(quiz, 12);
    save(quiz);
    PrintRequest request;
    request.versions = 3;
    const QStringList pages = PdfPageTexts(pdf(quiz, request));
    const auto versions = byVersion(pages, QStringLiteral("unit test"));
    ASSERT_EQ(versions.size(), 3u);
    for (int v = 0; v < 3; ++v) {
        const QString &text = versions.at(VersionLetter(v));
        qsizetype at = 0;
        const auto order = VersionOrder(quiz, v, 3);
        for (std::size_t k = 0; k < order.size(); ++k) {
            const QString number = QStringLiteral("%1.").arg(k + 1);
            at = text.indexOf(questionWord(order[k].stored), at);
            ASSERT_GE(at, 0) << "version " << v << " question " << k;
            for (std::size_t slot = 0; slot < order[k].answers.size(); ++slot) {
                const QString line = QStringLiteral("%1. %2")
                                         .arg(QChar(u'A' + int(slot)))
                                         .arg(answerWord(order[k].stored, order[k].answers[slot]));
                at = text.indexOf(line, at);
                ASSERT_GE(at, 0) << "version " << v << " " << line.toStdString();
            }
        }
    }
    EXPECT_TRUE(pages.constFirst().contains(QStringLiteral("Name:")));
    EXPECT_TRUE(pages.constFirst().contains(QStringLiteral("Total: 24 points")));
    EXPECT_TRUE(pages.constFirst().contains(QStringLiteral("Several answers may be correct")));
}

TEST_F(QuizPdf, KeyLettersMatchEachVersionsAnswerOrder)
{
    Quiz quiz;
    quiz.randomizeQuestions = 1;
    quiz.randomizeAnswers = 1;
    fillWordQuiz(quiz, 30);
    save(quiz);
    PrintRequest request;
    request.paper = false;
    request.key = true;
    request.versions = 3;
    const auto versions =
        byVersion(PdfPageTexts(pdf(quiz, request), true), QStringLiteral("Answer key"));
    ASSERT_EQ(versions.size(), 3u);
    static const QRegularExpression row(
        QStringLiteral("^\\s*(\\d+)\\s+([A-E](?:, [A-E])*)\\s+(\\d+)\\s*$"),
        QRegularExpression::MultilineOption);
    for (int v = 0; v < 3; ++v) {
        const auto order = VersionOrder(quiz, v, 3);
        QStringList expected, found;
        for (std::size_t k = 0; k < order.size(); ++k) {
            const CQuestion &question = *quiz.QuestionAt(order[k].stored);
            expected << QStringLiteral("%1 %2 %3")
                            .arg(k + 1)
                            .arg(CorrectLetters(question, order[k].answers))
                            .arg(question.score);
        }
        for (auto it = row.globalMatch(versions.at(VersionLetter(v))); it.hasNext();) {
            const auto match = it.next();
            found << QStringLiteral("%1 %2 %3")
                         .arg(match.captured(1), match.captured(2), match.captured(3));
        }
        EXPECT_EQ(found, expected) << "version " << v;
        EXPECT_TRUE(versions.at(VersionLetter(v))
                        .contains(QRegularExpression(QStringLiteral("Total\\s+%1").arg(60))));
    }
}

// 512 questions of many lengths: each question with all its answers on one
// page, every page naming its version and counting its pages.
TEST_F(QuizPdf, FullQuizPrintsWithNoQuestionSplit)
{
    Quiz quiz;
    quiz.randomizeQuestions = 1;
    fillWordQuiz(quiz, MAX_QUESTIONS);
    save(quiz);
    PrintRequest request;
    request.versions = 2;
    const QStringList pages = PdfPageTexts(pdf(quiz, request));
    ASSERT_EQ(pages.size(), outcome.pages);
    std::map<QChar, int> pagesOf;
    std::map<QString, int> pageOfQuestion; // per version
    for (int p = 0; p < pages.size(); ++p) {
        const QString &text = pages[p];
        const QChar version = text.contains(QStringLiteral("Version A")) ? u'A' : u'B';
        ASSERT_TRUE(text.contains(QStringLiteral("Version %1").arg(version))) << "page " << p;
        ++pagesOf[version];
        EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of ").arg(pagesOf[version])))
            << "page " << p;
        for (int i = 0; i < MAX_QUESTIONS; ++i) {
            const bool start = text.contains(questionWord(i) + QLatin1Char(' ')) ||
                               text.contains(questionWord(i) + QLatin1Char('\n'));
            const int answers = 2 + i % 4;
            const bool end = text.contains(answerWord(i, answers - 1));
            if (start || end) {
                EXPECT_TRUE(start && end) << "question " << i << " split on page " << p;
                pageOfQuestion[QString(version) + questionWord(i)] = p;
            }
        }
    }
    EXPECT_EQ(pageOfQuestion.size(), 2u * MAX_QUESTIONS);
    EXPECT_TRUE(pages.constFirst().contains(QStringLiteral("Page 1 of %1").arg(pagesOf[u'A'])));
}

TEST_F(QuizPdf, FlashCardBacksLieBehindTheirFronts)
{
    Quiz quiz;
    quiz.quizType = 1;
    for (int i = 0; i < 10; ++i)
        quiz.AppendQuestion(makeCard("front" + std::to_string(i), "back" + std::to_string(i)));
    save(quiz);
    PrintRequest request;
    const QString path = pdf(quiz, request);
    EXPECT_EQ(ReadPdfInfo(path).pages, 4); // two sheets, both sides
    const std::vector<PdfWord> words = PdfWords(path);
    auto find = [&](const QString &text) {
        const auto it = std::find_if(words.begin(), words.end(),
                                     [&](const PdfWord &w) { return w.text == text; });
        EXPECT_NE(it, words.end()) << text.toStdString();
        return it == words.end() ? PdfWord() : *it;
    };
    for (int i = 0; i < 10; ++i) {
        const PdfWord front = find(QStringLiteral("front%1").arg(i));
        const PdfWord back = find(QStringLiteral("back%1").arg(i));
        EXPECT_EQ(front.page, 2 * (i / 8)) << i;
        EXPECT_EQ(back.page, front.page + 1) << i;
        // Seen through the sheet, the back's centre is the front's.
        const double frontCentre = (front.xMin + front.xMax) / 2;
        const double backCentre = back.pageWidth - (back.xMin + back.xMax) / 2;
        EXPECT_NEAR(backCentre, frontCentre, 2.0) << i;
        // The same row (a card is about 170 points high).
        EXPECT_NEAR((back.yMin + back.yMax) / 2, (front.yMin + front.yMax) / 2, 20.0) << i;
        EXPECT_EQ(frontCentre < front.pageWidth / 2, i % 2 == 0) << i;
    }
}

TEST_F(QuizPdf, NamedSearchableEmbeddedAndPicturesReplacedByNotes)
{
    // A picture stored with another computer's path is found beside the
    // quiz; one that is nowhere prints as a note, and is reported once.
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    ASSERT_TRUE(picture.save(dir.filePath(QStringLiteral("sun.bmp")), "BMP"));
    Quiz quiz;
    quiz.AppendQuestion(makeQuestion("pictured", {"yes", "no"}, {0}, 2));
    quiz.QuestionAt(0)->imageFile = "C:\\pics\\sun.bmp";
    quiz.QuestionAt(0)->timeLimit = 30;
    for (int i = 0; i < 2; ++i) {
        quiz.AppendQuestion(makeQuestion("unpictured", {"yes", "no"}, {1}));
        quiz.QuestionAt(i + 1)->imageFile = "missing.bmp";
    }
    auto empty = std::make_unique<CQuestion>(); // neither text nor answers
    quiz.AppendQuestion(std::move(empty));
    save(quiz, "solar.blz");
    PrintRequest request;
    request.key = true;
    const QString path = pdf(quiz, request);
    EXPECT_EQ(outcome.notes, QStringList{QStringLiteral("Picture not found: missing.bmp")});

    const PdfInfo info = ReadPdfInfo(path);
    EXPECT_EQ(info.title, QStringLiteral("solar"));
    EXPECT_EQ(info.creator, QStringLiteral("Brainloft"));
    EXPECT_NEAR(info.width, 595, 1); // A4
    EXPECT_NEAR(info.height, 842, 1);
    EXPECT_TRUE(info.fontsEmbedded);
    const QString text = PdfPageTexts(path).join(QString());
    EXPECT_TRUE(text.contains(QStringLiteral("Picture not found: missing.bmp")));
    EXPECT_EQ(text.count(QStringLiteral("Picture not found")), 2);
    EXPECT_TRUE(text.contains(QStringLiteral("2 points")));
    EXPECT_TRUE(text.contains(QStringLiteral("Time limit: 30 seconds")));
    EXPECT_TRUE(text.contains(QStringLiteral("4.")));
    EXPECT_TRUE(text.contains(QStringLiteral("Answer key")));

    // Nothing is written over the quiz itself, nor into a missing folder.
    const auto before = readFile(quiz.pathName);
    EXPECT_FALSE(
        WriteQuizPdf(quiz, request, QString::fromStdString(quiz.pathName), QPageSize(QPageSize::A4))
            .ok);
    EXPECT_EQ(readFile(quiz.pathName), before);
    const PrintOutcome missing = WriteQuizPdf(
        quiz, request, dir.filePath(QStringLiteral("no/x.pdf")), QPageSize(QPageSize::A4));
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.error.isEmpty());
}

TEST(QuizPrintPage, DefaultPaperFollowsTheLocale)
{
    const struct
    {
        const char *locale;
        QPageSize::PageSizeId size;
    } cases[] = {{"en_US", QPageSize::Letter}, {"en_GB", QPageSize::A4}, {"de_DE", QPageSize::A4}};
    for (const auto &c : cases) {
        QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
        EXPECT_EQ(DefaultPageSize().id(), c.size) << c.locale;
    }
    QLocale::setDefault(QLocale::c());
}
