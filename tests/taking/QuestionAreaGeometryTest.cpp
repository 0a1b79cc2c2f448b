// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/QuestionAreaGeometry.h"
#include "taking/ScreenLayout.h"

#include "ui/DialogUnits.h"

#include <QApplication>

#include <gtest/gtest.h>

TEST(QuestionAreaGeometry, FitKeepsTheProportionsAndFillsOneSide)
{
    struct Case
    {
        QSize bitmap, box, expected;
    } cases[] = {
        {{400, 100}, {200, 200}, {200, 50}},
        {{100, 400}, {200, 200}, {50, 200}},
        {{20, 10}, {200, 200}, {200, 100}}, // small pictures are enlarged
        {{300, 300}, {200, 100}, {100, 100}},
        {{3, 7}, {100, 100}, {42, 100}}, // truncated, not rounded
        {{7, 3}, {100, 100}, {100, 42}},
        {{1, 30000}, {200, 200}, {0, 200}}, // nothing fits: no copy can be made
        {{50, 50}, {0, 0}, {0, 0}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FitBitmapSize(c.bitmap, c.box), c.expected)
            << c.bitmap.width() << "x" << c.bitmap.height();
    EXPECT_TRUE(FitBitmapSize(QSize(0, 10), QSize(100, 100)).isEmpty());
}

TEST(QuestionAreaGeometry, ThePictureIsCentredInItsArea)
{
    const QRect area(10, 20, 200, 200);
    EXPECT_EQ(CentredBox(area, QSize(200, 50)), QRect(10, 95, 200, 50)); // 75 below the top
    EXPECT_EQ(CentredBox(area, QSize(50, 200)), QRect(85, 20, 50, 200));
    EXPECT_EQ(CentredBox(area, QSize(51, 51)), QRect(84, 94, 51, 51));
}

TEST(QuestionAreaGeometry, TheAreaIsSharedBetweenPictureAndText)
{
    const QRect client(0, 0, 600, 400);
    const QRect answers(12, 200, 576, 130); // half its width is 288
    struct Case
    {
        bool picture, text;
        QRect pictureArea, textBox;
    } cases[] = {
        {false, true, {}, {168, 7, 288, 191}},
        {false, false, {}, {168, 7, 288, 191}},
        {true, true, {12, 7, 285, 191}, {308, 7, 285, 191}},
        {true, false, {168, 7, 288, 191}, {}},
    };
    for (const Case &c : cases) {
        const QuestionAreaLayout layout = LayoutQuestionArea(client, answers, c.picture, c.text);
        EXPECT_EQ(layout.pictureVisible, c.picture);
        EXPECT_EQ(layout.textVisible, c.text || !c.picture);
        if (c.picture) {
            EXPECT_EQ(layout.pictureArea, c.pictureArea);
        }
        if (layout.textVisible) {
            EXPECT_EQ(layout.textBox, c.textBox);
        }
    }
    // No room left above the bound: empty areas, never negative sizes.
    const QuestionAreaLayout cramped = LayoutQuestionArea(client, QRect(12, 4, 6, 10), true, true);
    EXPECT_EQ(cramped.pictureArea.height(), 0);
    EXPECT_EQ(cramped.textBox.width(), 0);
}

TEST(QuestionAreaGeometry, ScreensAreLaidOutFromTheBottomUp)
{
    const DialogUnits du(QApplication::font());
    for (const QSize client : {QuestionScreenSize(du), QSize(1600, 1000)}) {
        const QuestionScreenLayout mc = LayoutQuestionScreen(client, du);
        EXPECT_EQ(mc.submitButton.bottom() + 1, client.height() - du.y(7));
        EXPECT_EQ(mc.quitButton.right() + 1, client.width() - du.x(7));
        EXPECT_EQ(mc.statusGroup.bottom() + 1, mc.submitButton.top() - du.y(5));
        EXPECT_EQ(mc.answersGroup.bottom() + 1, mc.statusGroup.top());
        EXPECT_EQ(mc.answerButtons[4].top() - mc.answersGroup.top(), du.y(65));
        EXPECT_LE(mc.answerButtons[4].bottom(), mc.answersGroup.bottom());
        EXPECT_EQ(mc.questionTimeLine.right() + 1, mc.statusGroup.right() + 1 - du.x(7));
        EXPECT_EQ(mc.scoreLine.top(), mc.worthLine.top() + du.y(9));
        EXPECT_GT(mc.answersGroup.top(), du.y(60)); // room for the question above
    }
    for (const QSize client : {FlashCardScreenSize(du), QSize(1600, 1000)}) {
        const FlashCardScreenLayout fc = LayoutFlashCardScreen(client, du);
        EXPECT_EQ(fc.abortButton.right() + 1, client.width() - du.x(7));
        EXPECT_EQ(fc.wrongButton.left(), fc.rightButton.right() + 1 + du.x(7));
        EXPECT_EQ(fc.statusGroup.bottom() + 1, fc.showAnswerButton.top() - du.y(7));
        EXPECT_EQ(fc.answerDisplay.bottom() + 1, fc.statusGroup.top() - du.y(9));
        EXPECT_EQ(fc.typedAnswer.bottom() + 1, fc.answerDisplay.top() - du.y(9));
        EXPECT_EQ(fc.typedAnswerLabel.bottom() + 1, fc.typedAnswer.top() - du.y(7));
        EXPECT_GT(fc.typedAnswerLabel.top(), du.y(90));
    }
}

TEST(QuestionAreaGeometry, StatusLinesClearATitleAboveTheFrame)
{
    const DialogUnits du(QApplication::font());
    const QSize client = QuestionScreenSize(du);
    const QuestionScreenLayout plain = LayoutQuestionScreen(client, du);
    for (const int contentTop : {0, du.y(9) - 1, du.y(9) + 8, 40}) {
        const QuestionScreenLayout mc = LayoutQuestionScreen(client, du, contentTop);
        EXPECT_GT(mc.worthLine.top() - mc.statusGroup.top(), contentTop) << contentTop;
        // The group grows upwards by what the lines moved down; both lines still fit.
        EXPECT_EQ(mc.statusGroup.bottom(), plain.statusGroup.bottom());
        EXPECT_EQ(mc.statusGroup.bottom() - mc.scoreLine.bottom(),
                  plain.statusGroup.bottom() - plain.scoreLine.bottom());
        const FlashCardScreenLayout fc =
            LayoutFlashCardScreen(FlashCardScreenSize(du), du, contentTop);
        EXPECT_GT(fc.worthLine.top() - fc.statusGroup.top(), contentTop);
        EXPECT_LT(fc.quizTimeLine.bottom(), fc.statusGroup.bottom());
    }
}
