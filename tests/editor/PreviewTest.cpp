// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuizFixtures.h"
#include "ScriptedPrompts.h"

#include "editor/Preview.h"
#include "taking/FlashCardDialog.h"
#include "taking/QuestionDialog.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Looks at the modal window a preview opened, then closes it with End Preview.
template<typename Screen> void inspectThenEnd(bool &seen, unsigned &number, QString &endText)
{
    QTimer::singleShot(0, [&] {
        auto *screen = qobject_cast<Screen *>(QApplication::activeModalWidget());
        ASSERT_NE(screen, nullptr);
        seen = screen->previewMode;
        number = screen->questionNumber;
        auto *end = screen->template findChild<QPushButton *>(QStringLiteral("quitButton"));
        if (!end)
            end = screen->template findChild<QPushButton *>(QStringLiteral("abortButton"));
        ASSERT_NE(end, nullptr);
        endText = end->text();
        end->click();
    });
}

} // namespace

TEST(Preview, ShowsTheQuestionScreenInPreviewMode)
{
    Quiz quiz;
    ScriptedPrompts prompts;
    auto question = makeQuestion("Largest planet?", {"Jupiter", "Mars"}, {0});
    bool preview = false;
    unsigned number = 0;
    QString endText;
    inspectThenEnd<QuestionDialog>(preview, number, endText);
    PreviewQuestion(quiz, prompts, *question, 4, nullptr);
    EXPECT_TRUE(preview);
    EXPECT_EQ(number, 4u);
    EXPECT_EQ(endText, QStringLiteral("End Preview"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(Preview, ShowsTheFlashCardScreenInPreviewMode)
{
    Quiz quiz;
    quiz.quizType = 1;
    ScriptedPrompts prompts;
    auto card = makeCard("the cat", "le chat");
    bool preview = false;
    unsigned number = 0;
    QString endText;
    inspectThenEnd<FlashCardDialog>(preview, number, endText);
    PreviewFlashCard(quiz, prompts, *card, 2, nullptr);
    EXPECT_TRUE(preview);
    EXPECT_EQ(number, 2u);
    EXPECT_EQ(endText, QStringLiteral("End Preview"));
}
