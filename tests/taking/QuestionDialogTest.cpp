// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/QuestionDialog.h"

#include "QuizFixtures.h"
#include "ScreenTestSupport.h"
#include "ScriptedPrompts.h"
#include "model/Quiz.h"
#include "taking/PictureBox.h"
#include "taking/QuestionTextBox.h"
#include "ui/DialogUnits.h"
#include "ui/FontConversion.h"
#include "ui/QuizEvents.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <array>

namespace {

const char *const LETTERS = "ABCDE";

class QuestionDialogTest : public ::testing::Test
{
protected:
    void SetUp() override { prompts.setAutoAcknowledge(false); }
    void TearDown() override
    {
        if (dialog.isVisible())
            dialog.done(2);
    }

    // Shows `q` as the number-th question, as the runner does, without
    // entering a nested event loop.
    void show(CQuestion &q, unsigned number = 1)
    {
        dialog.question = &q;
        dialog.questionNumber = number;
        dialog.open();
    }

    QLabel *label(const char *name) { return dialog.findChild<QLabel *>(QLatin1String(name)); }
    QString text(const char *name) { return label(name)->text(); }
    QPushButton *button(const char *name)
    {
        return dialog.findChild<QPushButton *>(QLatin1String(name));
    }
    QCheckBox *checkBox(int slot)
    {
        return dialog.findChild<QCheckBox *>(QStringLiteral("answerCheckBox%1").arg(LETTERS[slot]));
    }
    QRadioButton *radio(int slot)
    {
        return dialog.findChild<QRadioButton *>(
            QStringLiteral("answerRadioButton%1").arg(LETTERS[slot]));
    }
    // The slot that shows stored answer `index`.
    int slotOf(int index)
    {
        for (int slot = 0; slot < 5; ++slot) {
            if (dialog.answerOrder()[slot] == index)
                return slot;
        }
        return -1;
    }
    void submit() { QTest::mouseClick(button("submitButton"), Qt::LeftButton); }
    // Clicks an answer where a taker would: on its mark.
    void clickAnswer(QAbstractButton *answer)
    {
        QTest::mouseClick(answer, Qt::LeftButton, {}, QPoint(6, answer->height() / 2));
    }

    Quiz quiz;
    ScriptedPrompts prompts;
    QuestionDialog dialog{quiz, prompts};
};

} // namespace

TEST_F(QuestionDialogTest, OpensWithTheFirstRadioButtonSelected)
{
    quiz.reviewAnswers = 0;
    auto q = makeQuestion("Which?", {"one", "two & three", "four"}, {1}, 3);
    show(*q, 4);
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Question 4"));
    for (int slot = 0; slot < 5; ++slot) {
        EXPECT_FALSE(checkBox(slot)->isVisible());
        EXPECT_EQ(radio(slot)->isVisible(), slot < 3);
    }
    EXPECT_TRUE(radio(0)->isChecked());
    EXPECT_EQ(radio(0)->text(), QStringLiteral("&A. one"));
    EXPECT_EQ(radio(1)->text(), QStringLiteral("&B. two && three"));
    EXPECT_EQ(dialog.focusWidget(), radio(0));
    EXPECT_EQ(text("worthLabel"), QStringLiteral("This question is worth 3 points."));
    EXPECT_EQ(text("scoreLabel"), QStringLiteral("Score so far: none."));
    EXPECT_FALSE(label("questionTimeLabel")->isVisible());
    EXPECT_FALSE(label("quizTimeLabel")->isVisible());
    EXPECT_EQ(dialog.findChild<QuestionTextBox *>("questionTextBox")->toPlainText(),
              QStringLiteral("Which?"));
    EXPECT_EQ(q->presented, 1);
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/%1.html").arg(dialog.helpTopic())));

    // Submitting without touching anything evaluates slot A.
    submit();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(q->chosen, (std::array<std::int32_t, 5>{1, 0, 0, 0, 0}));
    EXPECT_EQ(q->earnedPoints, 0);
}

TEST_F(QuestionDialogTest, ScoresAllOrNothing)
{
    struct Case
    {
        std::array<int, 5> ticked;
        bool right;
    } cases[] = {
        {{0, 1, 0, 1, 0}, true},
        {{0, 1, 0, 0, 0}, false},
        {{0, 1, 0, 1, 1}, false},
        {{1, 1, 1, 1, 1}, false},
    };
    quiz.reviewAnswers = 0;
    for (const Case &c : cases) {
        quiz.earnedPoints = 0;
        auto q = makeQuestion("Pick", {"a", "b", "c", "d", "e"}, {1, 3}, 4);
        show(*q);
        for (int slot = 0; slot < 5; ++slot) {
            EXPECT_TRUE(checkBox(slot)->isVisible());
            if (c.ticked[slot])
                clickAnswer(checkBox(slot));
        }
        submit();
        // Without review a wrong answer moves on at once, without a notice.
        EXPECT_TRUE(prompts.calls().empty());
        EXPECT_EQ(dialog.result(), 1);
        EXPECT_FALSE(dialog.isQuestionOpen());
        EXPECT_EQ(q->earnedPoints, c.right ? 4 : 0);
        EXPECT_EQ(quiz.earnedPoints, c.right ? 4 : 0);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(q->chosen[i], c.ticked[i]);
    }
}

TEST_F(QuestionDialogTest, ReviewFramesTheCorrectAnswersUntilTheQuestionCloses)
{
    auto q = makeQuestion("Pick", {"a", "b", "c", "d", "e"}, {1, 3}, 4);
    show(*q);
    clickAnswer(checkBox(1));
    prompts.answer(IDOK);
    submit();
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.lastMessage()->text,
              QStringLiteral("Your answer was incorrect.\nClick OK to see the correct answer."));
    EXPECT_EQ(prompts.lastMessage()->caption, QStringLiteral("Brainloft"));
    EXPECT_EQ(prompts.lastMessage()->flags, MB_ICONINFORMATION);
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.answerShown());
    EXPECT_EQ(dialog.framedSlots(), (std::array<bool, 5>{false, true, false, true, false}));
    EXPECT_EQ(text("worthLabel"), QStringLiteral("Incorrect!"));
    EXPECT_EQ(text("scoreLabel"), QStringLiteral("Correct answer shown above."));
    EXPECT_EQ(button("submitButton")->text(), QStringLiteral("&Next question"));
    EXPECT_EQ(dialog.focusWidget(), button("submitButton"));

    // The frames are painted with the window: every repaint has them,
    // 1 pixel outside the answer's button.
    const QColor ink = dialog.palette().color(QPalette::WindowText);
    for (int paint = 0; paint < 2; ++paint) {
        const QImage image = dialog.grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        for (int slot = 0; slot < 5; ++slot) {
            const QRect r = checkBox(slot)->geometry();
            const QPoint above((r.center().x()) * ratio, (r.top() - 1) * ratio);
            EXPECT_EQ(image.pixelColor(above) == ink, dialog.framedSlots()[slot]) << slot;
        }
    }

    // The ticks cannot be changed any more.
    clickAnswer(checkBox(4));
    EXPECT_FALSE(checkBox(4)->isChecked());
    EXPECT_TRUE(checkBox(1)->isChecked());

    submit();
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(dialog.framedSlots(), (std::array<bool, 5>{}));
    EXPECT_EQ(q->chosen, (std::array<std::int32_t, 5>{0, 1, 0, 0, 0}));
    EXPECT_EQ(q->earnedPoints, 0);
}

TEST_F(QuestionDialogTest, ShuffledAnswersKeepTheirStoredIndices)
{
    quiz.randomizeAnswers = 1;
    for (int round = 0; round < 6; ++round) {
        auto q = makeQuestion("Order", {"zero", "one", "two"}, {2}, 2);
        show(*q);
        std::array<int, 3> seen{};
        for (int slot = 0; slot < 3; ++slot) {
            const int index = dialog.answerOrder()[slot];
            ASSERT_GE(index, 0);
            ++seen[index];
            // The letters follow the display position.
            EXPECT_EQ(radio(slot)->text(), QStringLiteral("&%1. %2")
                                               .arg(QChar(LETTERS[slot]))
                                               .arg(QString::fromStdString(q->answers[index])));
        }
        EXPECT_EQ(seen, (std::array<int, 3>{1, 1, 1}));
        EXPECT_EQ(dialog.answerOrder()[3], -1);
        EXPECT_FALSE(radio(3)->isVisible());
        EXPECT_FALSE(radio(4)->isVisible());

        clickAnswer(radio(slotOf(2)));
        submit();
        EXPECT_EQ(q->earnedPoints, 2);
        EXPECT_EQ(q->chosen, (std::array<std::int32_t, 5>{0, 0, 1, 0, 0}));
    }
}

TEST_F(QuestionDialogTest, AChoiceIsRequiredWhileTheClocksRun)
{
    quiz.overallTimeLimitOn = 1;
    quiz.quizSecondsLeft = 120;
    auto q = makeQuestion("Pick", {"a", "b", "c"}, {0, 1}, 1);
    q->timeLimit = 30;
    show(*q);
    prompts.answer(IDOK, [&](const auto &) { tickScreen(quiz, dialog, 3); });
    submit();
    EXPECT_EQ(prompts.lastMessage()->text, QStringLiteral("You must choose at least one answer!"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(text("questionTimeLabel"), QStringLiteral("Time left for this question: 27 seconds"));
    EXPECT_EQ(text("quizTimeLabel"), QStringLiteral("Time left for this quiz: 01:57"));
    EXPECT_EQ(q->chosen, (std::array<std::int32_t, 5>{}));

    // The question's time runs out while the box is open: its notice waits
    // until the box is closed, and never opens on top of it.
    quiz.reviewAnswers = 0;
    prompts.answer(IDOK, [&](const auto &) {
        tickScreen(quiz, dialog, 27);
        EXPECT_EQ(prompts.calls().size(), 2u);
    });
    prompts.answer(IDOK);
    submit();
    deliverPosted();
    EXPECT_EQ(prompts.messages().back(),
              QStringLiteral("Time limit for this question has expired."));
    EXPECT_EQ(prompts.messages().size(), 3u);
    EXPECT_EQ(dialog.result(), 1);
}

TEST_F(QuestionDialogTest, QuestionTimeOutWithAndWithoutReview)
{
    for (const bool review : {false, true}) {
        quiz.reviewAnswers = review;
        auto q = makeQuestion("Pick", {"a", "b"}, {1}, 2);
        q->timeLimit = 10;
        show(*q);
        prompts.answer(IDOK);
        tickScreen(quiz, dialog, 9);
        EXPECT_TRUE(prompts.calls().empty());
        tickScreen(quiz, dialog, 1);
        EXPECT_EQ(text("questionTimeLabel"),
                  QStringLiteral("Time left for this question: 0 seconds"));
        EXPECT_EQ(prompts.messages(), std::vector<QString>{QStringLiteral(
                                          "Time limit for this question has expired.")});
        EXPECT_EQ(q->chosen, (std::array<std::int32_t, 5>{}));
        EXPECT_EQ(q->earnedPoints, 0);
        if (review) {
            ASSERT_TRUE(dialog.isVisible());
            EXPECT_EQ(text("worthLabel"), QStringLiteral("Time expired!"));
            EXPECT_EQ(dialog.framedSlots(), (std::array<bool, 5>{false, true}));
            EXPECT_TRUE(dialog.paused());
            submit();
        }
        EXPECT_EQ(dialog.result(), 1);
        prompts.clear();
    }
}

TEST_F(QuestionDialogTest, OverallTimeOutStopsTheQuiz)
{
    struct Case
    {
        bool review;
        int questionLimit; // 61: runs out on the same tick as the quiz
        std::vector<QString> notices;
    } cases[] = {
        {false, 0, {QStringLiteral("Time limit for this quiz has expired.")}},
        {true, 0, {QStringLiteral("Time limit for this quiz has expired.")}},
        // Without review the question closes on the first notice, and the
        // second, arriving after its question, is dropped.
        {false, 61, {QStringLiteral("Time limit for this quiz has expired.")}},
        {true,
         61,
         {QStringLiteral("Time limit for this quiz has expired."),
          QStringLiteral("Time limit for this question has expired.")}},
    };
    for (const Case &c : cases) {
        quiz.reviewAnswers = c.review;
        quiz.overallTimeLimitOn = 1;
        quiz.quizSecondsLeft = 60;
        auto q = makeQuestion("Pick", {"a", "b"}, {1}, 2);
        q->timeLimit = c.questionLimit;
        show(*q);
        EXPECT_EQ(text("quizTimeLabel"), QStringLiteral("Time left for this quiz: 01:00"));
        tickScreen(quiz, dialog);
        EXPECT_EQ(text("quizTimeLabel"), QStringLiteral("Time left for this quiz: 00:59"));
        tickScreen(quiz, dialog, 59);
        EXPECT_EQ(text("quizTimeLabel"), QStringLiteral("Time left for this quiz: 00:00"));
        EXPECT_TRUE(prompts.calls().empty());
        for (std::size_t i = 0; i < c.notices.size(); ++i)
            prompts.answer(IDOK);
        tickScreen(quiz, dialog);
        EXPECT_EQ(prompts.messages(), c.notices);
        if (c.review) {
            ASSERT_TRUE(dialog.isVisible());
            tickScreen(quiz, dialog, 5); // clocks stand while the answer is on show
            EXPECT_EQ(quiz.quizSecondsLeft, -1);
            submit(); // Next question
        }
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), 2);
        prompts.clear();
    }
}

TEST_F(QuestionDialogTest, AbortAsksAndStopsTheClocksMeanwhile)
{
    quiz.overallTimeLimitOn = 1;
    quiz.quizSecondsLeft = 100;
    auto q = makeQuestion("Pick", {"a", "b"}, {0}, 2);
    q->timeLimit = 20;
    show(*q);
    tickScreen(quiz, dialog, 2);
    prompts.answer(IDNO, [&](const auto &) { tickScreen(quiz, dialog, 10); });
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(prompts.lastMessage()->text,
              QStringLiteral("Are you sure you want to abort this quiz?"));
    EXPECT_EQ(prompts.lastMessage()->flags, MB_ICONQUESTION | MB_YESNO);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(quiz.quizSecondsLeft, 98);
    EXPECT_EQ(text("questionTimeLabel"), QStringLiteral("Time left for this question: 18 seconds"));
    // Answering No resumes them.
    tickScreen(quiz, dialog);
    EXPECT_EQ(text("questionTimeLabel"), QStringLiteral("Time left for this question: 17 seconds"));

    prompts.answer(IDYES);
    QTest::mouseClick(button("quitButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), 2);
    EXPECT_EQ(q->chosen, (std::array<std::int32_t, 5>{}));
    EXPECT_EQ(q->earnedPoints, 0);
}

TEST_F(QuestionDialogTest, StaleEventsDoNotReachTheNextQuestion)
{
    quiz.overallTimeLimitOn = 1;
    quiz.quizSecondsLeft = 100;
    auto first = makeQuestion("One", {"a", "b"}, {0}, 1);
    auto second = makeQuestion("Two", {"a", "b"}, {0}, 1);
    first->timeLimit = second->timeLimit = 30;
    show(*first);
    // A tick and a time-out queued for the first question …
    QCoreApplication::postEvent(&dialog, new QEvent(QuizTickEvent));
    QCoreApplication::postEvent(&dialog, new QuizTimeout(false));
    submit();
    show(*second, 2);
    deliverPosted(); // … are gone when the second question opens.
    EXPECT_EQ(text("questionTimeLabel"), QStringLiteral("Time left for this question: 30 seconds"));
    EXPECT_TRUE(prompts.calls().empty());
    EXPECT_TRUE(dialog.isVisible());

    // And one that arrives while no question is open is dropped.
    submit();
    QuizTimeout late(true);
    QCoreApplication::sendEvent(&dialog, &late);
    QEvent tick(QuizTickEvent);
    QCoreApplication::sendEvent(&dialog, &tick);
    EXPECT_TRUE(prompts.calls().empty());
    EXPECT_EQ(quiz.quizSecondsLeft, 100);
}

TEST_F(QuestionDialogTest, PreviewShowsWithoutScoring)
{
    quiz.possiblePoints = 5;
    quiz.earnedPoints = 3;
    auto q = makeQuestion("Pick", {"a", "b"}, {1}, 2);
    dialog.previewMode = true;
    show(*q, 7);
    EXPECT_FALSE(button("submitButton")->isVisible());
    EXPECT_EQ(button("quitButton")->text(), QStringLiteral("End Preview"));
    EXPECT_EQ(text("scoreLabel"), QStringLiteral("Score so far: none."));
    clickAnswer(radio(1));
    QTest::keyClick(radio(1), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(q->chosen, (std::array<std::int32_t, 5>{}));
    EXPECT_EQ(quiz.earnedPoints, 3);

    show(*q, 7);
    QTest::keyClick(&dialog, Qt::Key_Escape); // closes without asking
    EXPECT_EQ(dialog.result(), 2);
    EXPECT_TRUE(prompts.calls().empty());
}

TEST_F(QuestionDialogTest, MaximizedCarriesToTheNextQuestion)
{
    auto first = makeQuestion("One", {"a", "b"}, {0});
    auto second = makeQuestion("Two", {"a", "b"}, {0});
    show(*first);
    const QSize normal = dialog.size();
    dialog.showMaximized();
    deliverPosted();
    ASSERT_TRUE(dialog.maximized);
    submit();
    show(*second, 2);
    deliverPosted();
    EXPECT_TRUE(dialog.isMaximized());
    EXPECT_GT(dialog.width(), normal.width());
    // Laid out for the maximized size.
    EXPECT_EQ(button("quitButton")->geometry().right() + 1,
              dialog.width() - DialogUnits(dialog.font()).x(7));
    EXPECT_GT(button("submitButton")->y(), normal.height());
    dialog.showNormal();
    deliverPosted();
    EXPECT_FALSE(dialog.maximized);
}

TEST_F(QuestionDialogTest, PicturesAndTheirNotices)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    quiz.SetQuizPathName(folder.filePath(QStringLiteral("quiz.blz")).toStdString());
    writeBitmap(folder.filePath(QStringLiteral("wide.bmp")), QSize(400, 100));
    QFile bad(folder.filePath(QStringLiteral("bad.bmp")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a picture");
    bad.close();

    auto *picture = dialog.findChild<PictureBox *>("pictureBox");
    auto *textBox = dialog.findChild<QuestionTextBox *>("questionTextBox");

    // Found beside the quiz under its bare name.
    auto q = makeQuestion("With a picture", {"a", "b"}, {0});
    q->imageFile = "C:\\pics\\wide.bmp";
    show(*q);
    EXPECT_TRUE(prompts.calls().empty());
    EXPECT_TRUE(picture->isVisible());
    EXPECT_FALSE(picture->pixmap().isNull());
    EXPECT_TRUE(textBox->isVisible());
    EXPECT_LT(picture->geometry().right(), textBox->geometry().left());
    // Scaled to the width of its area, keeping the proportions.
    const QSize inside = picture->contentsRect().size();
    EXPECT_NEAR(double(inside.width()) / inside.height(), 4.0, 0.1);
    submit();
    EXPECT_TRUE(picture->pixmap().isNull()); // released with the question

    // Not a bitmap: no notice, an empty picture area.
    q->imageFile = "bad.bmp";
    show(*q, 2);
    EXPECT_TRUE(prompts.calls().empty());
    EXPECT_TRUE(picture->isVisible());
    EXPECT_TRUE(picture->pixmap().isNull());
    submit();

    // Missing: the notice, with the clocks standing meanwhile.
    quiz.overallTimeLimitOn = 1;
    quiz.quizSecondsLeft = 50;
    q->imageFile = "D:\\gone\\missing.bmp";
    q->text.clear();
    prompts.answer(IDOK, [&](const auto &) {
        EXPECT_TRUE(dialog.paused());
        tickScreen(quiz, dialog, 4);
    });
    show(*q, 3);
    EXPECT_EQ(prompts.lastMessage()->text,
              QStringLiteral("Error:\nCould not find or open image file D:\\gone\\missing.bmp"));
    EXPECT_EQ(quiz.quizSecondsLeft, 50);
    EXPECT_FALSE(dialog.paused());
    EXPECT_TRUE(picture->isVisible());
    EXPECT_FALSE(textBox->isVisible()); // a picture without text
}

TEST_F(QuestionDialogTest, OnlyTheQuestionTextTakesTheQuestionsFont)
{
    QFont chosen(QStringLiteral("DejaVu Serif"));
    chosen.setPixelSize(31);
    auto q = makeQuestion("Styled", {"a", "b"}, {0});
    const LogFont block = logFontFromFont(chosen);
    q->SetCustomFont(&block);
    auto *textBox = dialog.findChild<QuestionTextBox *>("questionTextBox");
    show(*q);
    const QFont questionFont = fontFromLogFont(block);
    EXPECT_EQ(textBox->font(), questionFont);
    EXPECT_NE(radio(0)->font(), questionFont);
    EXPECT_NE(label("worthLabel")->font(), questionFont);
    submit();
    EXPECT_EQ(textBox->font(), dialog.font());
}

TEST_F(QuestionDialogTest, AnInterruptedQuestionComesBackAsItWas)
{
    quiz.randomizeAnswers = 1;
    quiz.reviewAnswers = 1;
    auto q = makeQuestion("Pick", {"a", "b", "c"}, {1}, 10);
    q->multipleCorrect = 1;
    q->timeLimit = 30;
    q->reduceEvery = 5;
    q->reduceBy = 3;
    QuestionState was;
    was.answerOrder = {2, 0, 1, -1, -1};
    was.worth = 7;
    was.reduceCounter = 4;
    was.secondsLeft = 12;
    QuizScreen::Resume resume{was, 3};

    // Asking: the same slots, then 3 idle seconds: one reduction, 9 s left.
    dialog.resume = &resume;
    show(*q);
    EXPECT_EQ(dialog.answerOrder(), (std::array<int, 5>{2, 0, 1, -1, -1}));
    EXPECT_EQ(checkBox(0)->text(), QStringLiteral("&A. c"));
    EXPECT_EQ(text("worthLabel"), QStringLiteral("This question is worth 4 points."));
    EXPECT_EQ(text("questionTimeLabel"), QStringLiteral("Time left for this question: 9 seconds"));
    EXPECT_EQ(dialog.questionState().reduceCounter, 2);
    dialog.done(2);

    // In review: the submitted ticks and the frames, and no notice again.
    was.answerShown = true;
    q->chosen = {1, 0, 1, 0, 0};
    resume = {was, 50};
    dialog.resume = &resume;
    show(*q);
    EXPECT_TRUE(checkBox(0)->isChecked() && checkBox(1)->isChecked() && !checkBox(2)->isChecked());
    EXPECT_EQ(dialog.framedSlots(), (std::array<bool, 5>{false, false, true, false, false}));
    EXPECT_EQ(text("worthLabel"), QStringLiteral("Incorrect!"));
    EXPECT_EQ(button("submitButton")->text(), QStringLiteral("&Next question"));
    EXPECT_EQ(text("questionTimeLabel"), QStringLiteral("Time left for this question: 12 seconds"));
    EXPECT_TRUE(prompts.calls().empty());
    dialog.done(2);

    // Its time had run out: the time-out comes again, and the review with it.
    was.answerShown = false;
    was.secondsLeft = 0;
    resume = {was, 0};
    dialog.resume = &resume;
    prompts.answer(IDOK);
    show(*q);
    deliverPosted();
    EXPECT_EQ(prompts.messages(),
              std::vector<QString>{QStringLiteral("Time limit for this question has expired.")});
    EXPECT_EQ(text("worthLabel"), QStringLiteral("Time expired!"));
}
