// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/ScreenLayout.h"

#include "ui/DialogUnits.h"

namespace {

// Rectangles by their edges, as the layouts name them.
QRect fromBottomLeft(int left, int bottom, int width, int height)
{
    return QRect(left, bottom - height, width, height);
}

QRect fromTopRight(int right, int top, int width, int height)
{
    return QRect(right - width, top, width, height);
}

int rightOf(const QRect &rect)
{
    return rect.x() + rect.width();
}

// How far below the status group's top its first line starts: 9 units, or
// just under the contents' top where the style puts the title above the frame
// rather than on it.
int statusLineOffset(const DialogUnits &du, int contentTop)
{
    return qMax(du.y(9), contentTop + 1);
}

// The status group's height: room for two lines below the offset.
int statusGroupHeight(const DialogUnits &du, int contentTop)
{
    return du.y(29) + statusLineOffset(du, contentTop) - du.y(9);
}

// The four status lines inside their group box, shared by both screens.
template<class Layout>
void placeStatusLines(Layout &layout, const DialogUnits &du, int worthWidth, int contentTop)
{
    const QRect &group = layout.statusGroup;
    const int mx = du.x(7);
    layout.worthLine = QRect(group.x() + mx, group.y() + statusLineOffset(du, contentTop),
                             du.x(worthWidth), du.y(8));
    layout.questionTimeLine =
        fromTopRight(rightOf(group) - mx, layout.worthLine.y(), du.x(137), du.y(8));
    layout.scoreLine = layout.worthLine.translated(0, du.y(9));
    layout.quizTimeLine = layout.questionTimeLine.translated(0, du.y(9));
}

} // namespace

QSize QuestionScreenSize(const DialogUnits &units)
{
    return units.size(337, 220);
}

QSize FlashCardScreenSize(const DialogUnits &units)
{
    return units.size(337, 257);
}

QuestionScreenLayout LayoutQuestionScreen(QSize client, const DialogUnits &du, int contentTop)
{
    const int cx = client.width();
    const int cy = client.height();
    const int mx = du.x(7);
    const int my = du.y(7);
    QuestionScreenLayout layout;
    layout.submitButton = fromBottomLeft(mx, cy - my, du.x(138), du.y(14));
    layout.quitButton = fromTopRight(cx - mx, layout.submitButton.y(), du.x(138), du.y(14));
    layout.statusGroup = fromBottomLeft(mx, layout.submitButton.y() - du.y(5), cx - 2 * mx,
                                        statusGroupHeight(du, contentTop));
    placeStatusLines(layout, du, 150, contentTop);
    layout.answersGroup = fromBottomLeft(mx, layout.statusGroup.y(), cx - 2 * mx, du.y(80));
    const QRect &group = layout.answersGroup;
    for (int i = 0; i < 5; ++i)
        layout.answerButtons[i] =
            QRect(group.x() + mx, group.y() + du.y(13 + 13 * i), group.width() - 2 * mx, du.y(10));
    return layout;
}

FlashCardScreenLayout LayoutFlashCardScreen(QSize client, const DialogUnits &du, int contentTop)
{
    const int cx = client.width();
    const int cy = client.height();
    const int mx = du.x(7);
    const int my = du.y(7);
    FlashCardScreenLayout layout;
    layout.showAnswerButton = fromBottomLeft(mx, cy - my, du.x(126), du.y(14));
    const int buttonsTop = layout.showAnswerButton.y();
    layout.rightButton = QRect(mx, buttonsTop, du.x(50), du.y(14));
    layout.wrongButton = QRect(rightOf(layout.rightButton) + mx, buttonsTop, du.x(50), du.y(14));
    layout.abortButton = fromTopRight(cx - mx, buttonsTop, du.x(50), du.y(14));
    layout.statusGroup =
        fromBottomLeft(mx, buttonsTop - my, cx - 2 * mx, statusGroupHeight(du, contentTop));
    placeStatusLines(layout, du, 150, contentTop);
    layout.answerDisplay =
        fromBottomLeft(mx, layout.statusGroup.y() - du.y(9), cx - 2 * mx, du.y(34));
    layout.typedAnswer =
        fromBottomLeft(mx, layout.answerDisplay.y() - du.y(9), cx - 2 * mx, du.y(34));
    layout.typedAnswerLabel = fromBottomLeft(mx, layout.typedAnswer.y() - my, cx - 2 * mx, du.y(8));
    return layout;
}
