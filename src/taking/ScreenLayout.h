// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the controls of the two question screens go for a given client
// size: placed from the bottom up, in dialog units of the window's font
// converted to pixels, with a margin of 7. The question area above them is
// laid out by LayoutQuestionArea.

#include <QRect>
#include <QSize>

#include <array>

class DialogUnits;

struct QuestionScreenLayout
{
    QRect submitButton;
    QRect quitButton;
    QRect statusGroup;
    QRect worthLine;
    QRect questionTimeLine;
    QRect scoreLine;
    QRect quizTimeLine;
    QRect answersGroup;
    std::array<QRect, 5> answerButtons;
};

struct FlashCardScreenLayout
{
    QRect showAnswerButton;
    QRect rightButton;
    QRect wrongButton;
    QRect abortButton;
    QRect statusGroup;
    QRect worthLine;
    QRect questionTimeLine;
    QRect scoreLine;
    QRect quizTimeLine;
    QRect answerDisplay;
    QRect typedAnswer;
    QRect typedAnswerLabel;
};

// The normal client sizes of the screens.
[[nodiscard]] QSize QuestionScreenSize(const DialogUnits &units);
[[nodiscard]] QSize FlashCardScreenSize(const DialogUnits &units);

// contentTop: how far below a group box's top edge the style starts its
// contents (0 where the title sits on the frame line). Styles that put the
// title above the frame get a taller status group, so its lines never touch
// the frame.
[[nodiscard]] QuestionScreenLayout LayoutQuestionScreen(QSize client, const DialogUnits &units,
                                                        int contentTop = 0);
[[nodiscard]] FlashCardScreenLayout LayoutFlashCardScreen(QSize client, const DialogUnits &units,
                                                          int contentTop = 0);
