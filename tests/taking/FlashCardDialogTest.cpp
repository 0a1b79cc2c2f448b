// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/FlashCardDialog.h"

#include "QuizFixtures.h"
#include "ScreenTestSupport.h"
#include "ScriptedPrompts.h"
#include "model/Quiz.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class FlashCardDialogTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        if (dialog.isVisible())
            dialog.done(2);
    }

    void show(CQuestion &card, unsigned number = 1)
    {
        dialog.question = &card;
        dialog.questionNumber = number;
        dialog.open();
    }
    QString text(const char *name)
    {
        return dialog.findChild<QLabel *>(QLatin1String(name))->text();
    }
    QPushButton *button(const char *name)
    {
        return dialog.findChild<QPushButton *>(QLatin1String(name));
    }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }

    Quiz quiz;
    ScriptedPrompts prompts;
    FlashCardDialog dialog{quiz, prompts};
};

} // namespace

TEST_F(FlashCardDialogTest, OpensAskingForTheAnswer)
{
    quiz.possiblePoints = 3;
    quiz.earnedPoints = 3;
    auto card = makeCard("Capital of France?", "Paris", 2);
    show(*card, 1);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Flash Card"));
    EXPECT_FALSE(button("rightButton")->isVisible());
    EXPECT_FALSE(button("wrongButton")->isVisible());
    EXPECT_TRUE(button("showAnswerButton")->isVisible());
    EXPECT_EQ(dialog.focusWidget(), dialog.findChild<QLineEdit *>("typedAnswerEdit"));
    EXPECT_EQ(text("answerDisplayLabel"), QString());
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/%1.html").arg(dialog.helpTopic())));
    // The first card never shows a score; later ones show the run's.
    EXPECT_EQ(text("scoreLabel"), QStringLiteral("Score so far: none."));
    prompts.answer(IDYES);
    click("abortButton");

    show(*card, 2);
    EXPECT_EQ(text("scoreLabel"), QStringLiteral("Score so far: 3 of 3 points (100%)"));
    EXPECT_EQ(card->presented, 1);
}

TEST_F(FlashCardDialogTest, RevealFreezesTheClocksAndRightEarnsTheWorthThen)
{
    quiz.overallTimeLimitOn = 1;
    quiz.quizSecondsLeft = 600;
    auto card = makeCard("Capital of France?", "Paris", 6);
    card->timeLimit = 20;
    card->reduceEvery = 5;
    card->reduceBy = 2;
    show(*card, 2);
    // Typing changes nothing; judging needs the answer first.
    QTest::keyClicks(dialog.findChild<QLineEdit *>("typedAnswerEdit"), QStringLiteral("Lyon"));
    EXPECT_FALSE(button("rightButton")->isVisible());
    tickScreen(quiz, dialog, 5);
    EXPECT_EQ(dialog.worth(), 4);

    QTest::keyClick(dialog.findChild<QLineEdit *>("typedAnswerEdit"), Qt::Key_Return);
    EXPECT_TRUE(dialog.answerShown());
    EXPECT_EQ(text("answerDisplayLabel"), QStringLiteral("Paris"));
    EXPECT_FALSE(button("showAnswerButton")->isVisible());
    EXPECT_TRUE(button("rightButton")->isVisible());
    EXPECT_TRUE(button("wrongButton")->isVisible());
    EXPECT_EQ(dialog.focusWidget(), button("rightButton"));

    tickScreen(quiz, dialog, 30);
    EXPECT_EQ(text("questionTimeLabel"), QStringLiteral("Time left for this question: 15 seconds"));
    EXPECT_EQ(quiz.quizSecondsLeft, 595);
    EXPECT_EQ(dialog.worth(), 4);

    click("rightButton");
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(card->earnedPoints, 4);
    EXPECT_EQ(quiz.earnedPoints, 4);

    // Wrong earns nothing.
    show(*card, 3);
    click("showAnswerButton");
    click("wrongButton");
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(card->earnedPoints, 0);
    EXPECT_EQ(quiz.earnedPoints, 4);
    EXPECT_TRUE(prompts.calls().empty());
}

TEST_F(FlashCardDialogTest, TimeOuts)
{
    // The card's own limit: a notice, then the next card.
    auto card = makeCard("Prompt", "Answer", 2);
    card->timeLimit = 3;
    show(*card);
    prompts.answer(IDOK);
    tickScreen(quiz, dialog, 3);
    EXPECT_EQ(prompts.messages(),
              std::vector<QString>{QStringLiteral("Time limit for this question has expired.")});
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(card->earnedPoints, 0);
    prompts.clear();

    // The quiz's limit: the card closes at once, without a notice.
    quiz.overallTimeLimitOn = 1;
    quiz.quizSecondsLeft = 2;
    card->timeLimit = 0;
    show(*card, 2);
    tickScreen(quiz, dialog, 2);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(text("quizTimeLabel"), QStringLiteral("Time left for this quiz: 00:00"));
    tickScreen(quiz, dialog);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 2);
    EXPECT_TRUE(prompts.calls().empty());
}

TEST_F(FlashCardDialogTest, AbortAsksFirst)
{
    quiz.overallTimeLimitOn = 1;
    quiz.quizSecondsLeft = 60;
    auto card = makeCard("Prompt", "Answer", 2);
    show(*card);
    prompts.answer(IDNO, [&](const auto &) { tickScreen(quiz, dialog, 5); });
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(quiz.quizSecondsLeft, 60);
    prompts.answer(IDYES);
    click("abortButton");
    EXPECT_EQ(dialog.result(), 2);
    EXPECT_EQ(prompts.lastMessage()->text,
              QStringLiteral("Are you sure you want to abort this quiz?"));
}

TEST_F(FlashCardDialogTest, PreviewRevealsButNeverJudges)
{
    quiz.possiblePoints = 4;
    auto card = makeCard("Prompt", "Answer", 2);
    dialog.previewMode = true;
    show(*card, 3);
    EXPECT_EQ(button("abortButton")->text(), QStringLiteral("End Preview"));
    EXPECT_EQ(text("scoreLabel"), QStringLiteral("Score so far: none."));
    click("showAnswerButton");
    EXPECT_EQ(text("answerDisplayLabel"), QStringLiteral("Answer"));
    EXPECT_FALSE(button("rightButton")->isVisible());
    EXPECT_FALSE(button("wrongButton")->isVisible());
    click("abortButton");
    EXPECT_EQ(dialog.result(), 2);
    EXPECT_TRUE(prompts.calls().empty());
}
