// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/FlashCardEditorDialog.h"

#include "EditorTesting.h"
#include "QuizFixtures.h"
#include "ScriptedPrompts.h"

#include "editor/NumberField.h"
#include "model/Quiz.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <optional>

namespace {

using Mode = QuestionEditorBase::Mode;

class FlashCardEditorTest : public ::testing::Test
{
protected:
    std::unique_ptr<FlashCardEditorDialog> open(Mode mode, CQuestion *card = nullptr,
                                                unsigned number = 1)
    {
        auto editor = std::make_unique<FlashCardEditorDialog>(quiz, prompts, mode, number, card);
        editor->setPreviewScreen([this](CQuestion &shown, unsigned) {
            previewed = {shown.text, shown.answers[0], shown.score};
        });
        return editor;
    }
    static QLineEdit *edit(const QWidget &editor, const char *name)
    {
        return child<QLineEdit>(editor, name);
    }
    static QPushButton *button(const QWidget &editor, const char *name)
    {
        return child<QPushButton>(editor, name);
    }
    static QCheckBox *box(const QWidget &editor, const char *name)
    {
        return child<QCheckBox>(editor, name);
    }
    static void pressOk(const QWidget &editor) { button(editor, "okButton")->click(); }

    struct Previewed
    {
        std::string text, answer;
        std::int32_t score;
    };

    Quiz quiz;
    ScriptedPrompts prompts;
    std::optional<Previewed> previewed;
};

} // namespace

TEST_F(FlashCardEditorTest, NewCardTakesTheDefaultsAndMayHaveNoAnswer)
{
    quiz.defaultScore = 3;
    quiz.defaultTimeLimit = 60;
    quiz.useCustomFont = 1;
    quiz.font = sampleFont(5);
    auto editor = open(Mode::Add, nullptr, 2);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Adding Flash Card 2"));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/%1.html").arg(editor->helpTopic())));
    EXPECT_EQ(button(*editor, "okButton")->text(), QStringLiteral("Add Flash Card"));
    EXPECT_FALSE(button(*editor, "okButton")->isEnabled());
    EXPECT_EQ(button(*editor, "cancelButton")->text(), QStringLiteral("Done"));

    edit(*editor, "questionEdit")->setText(QStringLiteral(" Capital of Peru? "));
    pressOk(*editor);
    EXPECT_EQ(editor->result(), ModalDialog::Ok);
    const auto card = editor->takeQuestion();
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->text, "Capital of Peru?");
    EXPECT_EQ(card->answers[0], "");
    EXPECT_EQ(card->score, 3);
    EXPECT_EQ(card->timeLimit, 60);
    ASSERT_NE(card->font, nullptr);
    EXPECT_EQ(*card->font, quiz.font);
}

TEST_F(FlashCardEditorTest, NeedsTextOrAPictureAndChecksThePictureFirst)
{
    InTemporaryFolder folder;
    writeBitmap(folder.filePath(QStringLiteral("peru.bmp")));
    const QString missing = QStringLiteral(
        "Bitmap file does not exist, either in\nthe specified directory or the current working "
        "directory.");
    const QString noText = QStringLiteral("Flash cards must have question text or an image file.");
    struct Case
    {
        const char *text;
        const char *image; // null: no picture
        const char *answer;
        QString message; // empty: accepted
    } cases[] = {
        {"Text", nullptr, "", QString()},           {"", "peru.bmp", "", QString()},
        {" \t ", nullptr, "Lima", noText},          {"", nullptr, "Lima", noText},
        {"Text", "elsewhere.bmp", "Lima", missing}, // the text is not looked at
    };
    for (const Case &c : cases) {
        auto card = makeCard("old", "old");
        auto editor = open(Mode::Edit, card.get());
        edit(*editor, "questionEdit")->setText(QString::fromLatin1(c.text));
        edit(*editor, "answerEdit")->setText(QString::fromLatin1(c.answer));
        if (c.image) {
            box(*editor, "imageCheckBox")->click();
            edit(*editor, "imageFileEdit")->setText(QString::fromLatin1(c.image));
        }
        prompts.clear();
        if (!c.message.isEmpty())
            prompts.answer(IDOK);
        pressOk(*editor);
        if (c.message.isEmpty()) {
            EXPECT_EQ(editor->result(), ModalDialog::Ok) << c.text;
            EXPECT_EQ(card->answers[0], c.answer);
        } else {
            EXPECT_EQ(editor->result(), 0) << c.text;
            EXPECT_EQ(prompts.messages(), std::vector<QString>{c.message}) << c.text;
            EXPECT_EQ(card->text, "old");
        }
    }
}

TEST_F(FlashCardEditorTest, OkTouchesOnlyTheCardsOwnFields)
{
    auto card = makeCard("Prompt", "Answer", 4);
    card->answers[1] = "kept";
    card->correct[0] = 1;
    card->multipleCorrect = 7;
    {
        auto editor = open(Mode::Edit, card.get(), 9);
        EXPECT_EQ(editor->windowTitle(), QStringLiteral("Editing Flash Card 9"));
        EXPECT_EQ(edit(*editor, "answerEdit")->text(), QStringLiteral("Answer"));
        pressOk(*editor);
        EXPECT_EQ(editor->result(), ModalDialog::Ok);
    }
    EXPECT_FALSE(quiz.modified);
    {
        auto editor = open(Mode::Edit, card.get());
        edit(*editor, "answerEdit")->setText(QStringLiteral("  New answer "));
        pressOk(*editor);
    }
    EXPECT_TRUE(quiz.modified);
    EXPECT_EQ(card->answers[0], "  New answer "); // the answer is stored as typed
    EXPECT_EQ(card->answers[1], "kept");
    EXPECT_EQ(card->correct[0], 1);
    EXPECT_EQ(card->multipleCorrect, 7);
}

TEST_F(FlashCardEditorTest, CancelAsksAfterAnAnswerWasTyped)
{
    auto editor = open(Mode::Add);
    edit(*editor, "answerEdit")->setText(QStringLiteral("Lima"));
    prompts.answer(IDYES);
    button(*editor, "cancelButton")->click();
    EXPECT_EQ(lastMessage(prompts).text, QStringLiteral("Quit without adding this flash card?"));
    EXPECT_EQ(lastMessage(prompts).flags, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(editor->result(), ModalDialog::Cancel);
    EXPECT_EQ(editor->takeQuestion(), nullptr);
}

TEST_F(FlashCardEditorTest, ReadsTheTimingBoxesBeforeTheNumbers)
{
    auto card = makeCard("Prompt", "Answer");
    card->timeLimit = 20;
    auto editor = open(Mode::Edit, card.get());
    child<NumberField>(*editor, "scoreField")->setText(QString());
    // Unlike the question editor, the box is read before the failing score.
    prompts.answer(IDOK);
    box(*editor, "timeLimitCheckBox")->click();
    EXPECT_FALSE(child<NumberField>(*editor, "timeLimitField")->isEnabled());
    EXPECT_EQ(lastMessage(prompts).text, QStringLiteral("Please enter a positive integer."));
    EXPECT_EQ(editor->focusWidget(), child<NumberField>(*editor, "scoreField"));
}

TEST_F(FlashCardEditorTest, PreviewShowsTheCardWithItsAnswer)
{
    auto card = makeCard("Prompt", "Answer", 2);
    auto editor = open(Mode::Edit, card.get());
    edit(*editor, "answerEdit")->setText(QStringLiteral("Lima"));
    child<NumberField>(*editor, "scoreField")->setText(QStringLiteral("75"));
    button(*editor, "previewButton")->click();
    ASSERT_TRUE(previewed);
    EXPECT_EQ(previewed->text, "Prompt");
    EXPECT_EQ(previewed->answer, "Lima");
    EXPECT_EQ(previewed->score, 75);
    EXPECT_EQ(card->answers[0], "Answer");
    EXPECT_EQ(card->score, 2);
}

TEST_F(FlashCardEditorTest, AnAnswerTheQuizFileCannotHoldIsRefused)
{
    auto card = makeCard("Prompt", "Answer");
    auto editor = open(Mode::Edit, card.get());
    edit(*editor, "answerEdit")->setText(QStringLiteral("Kraków → Łódź"));
    prompts.answer(IDOK);
    pressOk(*editor);
    EXPECT_EQ(editor->result(), 0);
    EXPECT_TRUE(lastMessage(prompts).text.startsWith(
        QStringLiteral("The answer contains characters that a quiz file cannot store:\n")));
    EXPECT_EQ(card->answers[0], "Answer");
}
