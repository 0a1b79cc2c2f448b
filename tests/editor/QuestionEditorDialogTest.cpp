// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/QuestionEditorDialog.h"

#include "EditorTesting.h"
#include "QuizFixtures.h"
#include "ScriptedPrompts.h"

#include "editor/FlashCardEditorDialog.h"
#include "editor/NumberField.h"
#include "model/Quiz.h"
#include "ui/FontConversion.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <optional>
#include <string>
#include <vector>

namespace {

using Mode = QuestionEditorBase::Mode;

// What a preview screen was given.
struct Shown
{
    unsigned number = 0;
    std::string text;
    std::array<std::string, 5> answers;
    std::array<std::int32_t, 5> correct{};
    std::int32_t multipleCorrect = 0, score = 0, timeLimit = 0, reduceEvery = 0, reduceBy = 0;
    std::string imageFile;
    bool hasFont = false;
};

class QuestionEditorTest : public ::testing::Test
{
protected:
    std::unique_ptr<QuestionEditorDialog> open(Mode mode, CQuestion *question = nullptr,
                                               unsigned number = 1)
    {
        auto editor = std::make_unique<QuestionEditorDialog>(quiz, prompts, mode, number, question);
        editor->setPreviewScreen([this](CQuestion &q, unsigned n) {
            shown = Shown{
                n,           q.text,        q.answers,  q.correct,   q.multipleCorrect, q.score,
                q.timeLimit, q.reduceEvery, q.reduceBy, q.imageFile, q.font != nullptr};
        });
        return editor;
    }
    static QLineEdit *edit(const QWidget &editor, const char *name)
    {
        return child<QLineEdit>(editor, name);
    }
    static NumberField *field(const QWidget &editor, const char *name)
    {
        return child<NumberField>(editor, name);
    }
    static QCheckBox *box(const QWidget &editor, const char *name)
    {
        return child<QCheckBox>(editor, name);
    }
    static QPushButton *button(const QWidget &editor, const char *name)
    {
        return child<QPushButton>(editor, name);
    }
    // Fills the form with a question that passes the validation.
    static void fillValid(const QWidget &editor)
    {
        edit(editor, "questionEdit")->setText(QStringLiteral("Largest planet?"));
        edit(editor, "answerEditA")->setText(QStringLiteral("Jupiter"));
        edit(editor, "answerEditB")->setText(QStringLiteral("Mars"));
        child<QRadioButton>(editor, "correctRadioButtonA")->click();
    }
    static void pressOk(const QWidget &editor) { button(editor, "okButton")->click(); }
    // The validation messages shown so far.
    [[nodiscard]] std::vector<QString> messages() const { return prompts.messages(); }

    Quiz quiz;
    ScriptedPrompts prompts;
    std::optional<Shown> shown;
};

} // namespace

TEST_F(QuestionEditorTest, NewQuestionStartsWithTheQuizDefaults)
{
    quiz.defaultScore = 7;
    quiz.defaultTimeLimit = 30;
    quiz.defaultReduceEvery = 10;
    quiz.defaultReduceBy = 2;
    quiz.useCustomFont = 1;
    quiz.font = logFontFromFont(QFont(QStringLiteral("DejaVu Serif"), 14));
    auto editor = open(Mode::Add, nullptr, 4);

    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Adding Question 4"));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/%1.html").arg(editor->helpTopic())));
    EXPECT_EQ(button(*editor, "okButton")->text(), QStringLiteral("Add Question"));
    EXPECT_FALSE(button(*editor, "okButton")->isEnabled());
    EXPECT_EQ(button(*editor, "cancelButton")->text(), QStringLiteral("Done"));
    EXPECT_EQ(field(*editor, "scoreField")->text(), QStringLiteral("7"));
    EXPECT_TRUE(box(*editor, "timeLimitCheckBox")->isChecked());
    EXPECT_EQ(field(*editor, "timeLimitField")->text(), QStringLiteral("30"));
    EXPECT_TRUE(box(*editor, "reduceCheckBox")->isChecked());
    EXPECT_EQ(field(*editor, "reduceByField")->text(), QStringLiteral("2"));
    EXPECT_EQ(field(*editor, "reduceEveryField")->text(), QStringLiteral("10"));
    EXPECT_TRUE(box(*editor, "useCustomFontCheckBox")->isChecked());
    EXPECT_TRUE(button(*editor, "changeFontButton")->isEnabled());
    // A fresh question has one correct answer: radio buttons.
    EXPECT_FALSE(child<QRadioButton>(*editor, "correctRadioButtonA")->isHidden());
    EXPECT_TRUE(box(*editor, "correctCheckBoxA")->isHidden());
    EXPECT_EQ(editor->focusWidget(), edit(*editor, "questionEdit"));

    fillValid(*editor);
    EXPECT_TRUE(button(*editor, "okButton")->isEnabled());
    pressOk(*editor);
    EXPECT_EQ(editor->result(), ModalDialog::Ok);
    const auto question = editor->takeQuestion();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(editor->takeQuestion(), nullptr);
    EXPECT_EQ(question->text, "Largest planet?");
    ASSERT_NE(question->font, nullptr);
    EXPECT_EQ(*question->font, quiz.font);
    EXPECT_EQ(question->correct, (std::array<std::int32_t, 5>{1, 0, 0, 0, 0}));
}

TEST_F(QuestionEditorTest, NewQuestionWithoutQuizFontHasNone)
{
    auto editor = open(Mode::Add);
    EXPECT_FALSE(box(*editor, "useCustomFontCheckBox")->isChecked());
    EXPECT_FALSE(field(*editor, "timeLimitField")->isEnabled());
    EXPECT_FALSE(box(*editor, "reduceCheckBox")->isEnabled());
    fillValid(*editor);
    pressOk(*editor);
    EXPECT_EQ(editor->takeQuestion()->font, nullptr);
}

TEST_F(QuestionEditorTest, AddButtonNeedsTextOrAPicturePath)
{
    auto editor = open(Mode::Add);
    QPushButton *ok = button(*editor, "okButton");
    edit(*editor, "questionEdit")->setText(QStringLiteral("  ")); // blanks count here
    EXPECT_TRUE(ok->isEnabled());
    edit(*editor, "questionEdit")->clear();
    EXPECT_FALSE(ok->isEnabled());
    box(*editor, "imageCheckBox")->click();
    EXPECT_TRUE(edit(*editor, "imageFileEdit")->isEnabled());
    EXPECT_EQ(editor->focusWidget(), edit(*editor, "imageFileEdit"));
    EXPECT_FALSE(ok->isEnabled());
    edit(*editor, "imageFileEdit")->setText(QStringLiteral("x.bmp"));
    EXPECT_TRUE(ok->isEnabled());
    box(*editor, "imageCheckBox")->click();
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_FALSE(button(*editor, "browseButton")->isEnabled());
}

TEST_F(QuestionEditorTest, GapsAreCompactedFirstThenASecondOkSucceeds)
{
    auto question = makeQuestion("Inner planets?", {"Mercury", "", "Venus"}, {0, 2});
    auto editor = open(Mode::Edit, question.get());
    EXPECT_TRUE(box(*editor, "correctCheckBoxC")->isChecked());
    prompts.answer(IDOK);
    pressOk(*editor);
    EXPECT_EQ(messages(), std::vector<QString>{QStringLiteral(
                              "You answers have been compacted to remove gaps.\nPlease verify "
                              "the results.")});
    EXPECT_EQ(editor->result(), 0);
    EXPECT_EQ(edit(*editor, "answerEditB")->text(), QStringLiteral("Venus"));
    EXPECT_TRUE(box(*editor, "correctCheckBoxB")->isChecked());
    EXPECT_EQ(edit(*editor, "answerEditC")->text(), QString());
    EXPECT_FALSE(box(*editor, "correctCheckBoxC")->isChecked());
    EXPECT_EQ(question->answers[1], ""); // nothing stored yet

    pressOk(*editor);
    EXPECT_EQ(editor->result(), ModalDialog::Ok);
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(question->answers[1], "Venus");
    EXPECT_EQ(question->correct, (std::array<std::int32_t, 5>{1, 1, 0, 0, 0}));
    EXPECT_TRUE(quiz.modified);
}

TEST_F(QuestionEditorTest, ValidationReportsTheFirstProblemInOrder)
{
    InTemporaryFolder folder;
    struct Case
    {
        const char *what;
        const char *text;
        std::array<const char *, 5> answers;
        std::array<bool, 5> correct;
        bool multiple;
        const char *image; // null: no picture
        const char *message;
    } cases[] = {
        {"blank text",
         " \t ",
         {"a", "b"},
         {1},
         false,
         nullptr,
         "You must provide either question text,\nan image file, or both."},
        {"no mark before too few",
         "Q",
         {"a"},
         {},
         false,
         nullptr,
         "You must specify at least one correct answer."},
        {"one marked answer",
         "Q",
         {"a"},
         {1},
         false,
         nullptr,
         "You must provide at least two answers."},
        {"blanks only are empty",
         "Q",
         {"a", "   "},
         {1},
         false,
         nullptr,
         "You must provide at least two answers."},
        {"blank marked",
         "Q",
         {"a", "b"},
         {1, 0, 1},
         true,
         nullptr,
         "Correct answer(s) cannot be blank."},
        {"empty picture path",
         "",
         {"a", "b"},
         {1},
         false,
         "",
         "Bitmap file does not exist, either in\nthe specified directory or the current "
         "working directory."},
        {"missing picture",
         "Q",
         {"a", "b"},
         {1},
         false,
         "/no/such/folder/none.bmp",
         "Bitmap file does not exist, either in\nthe specified directory or the current "
         "working directory."},
    };
    for (const Case &c : cases) {
        auto question = std::make_unique<CQuestion>();
        question->text = c.text;
        for (std::size_t i = 0; i < 5; ++i) {
            question->answers[i] = c.answers[i] ? c.answers[i] : "";
            question->correct[i] = c.correct[i];
        }
        question->multipleCorrect = c.multiple;
        question->imageFile = c.image ? c.image : "";
        auto editor = open(Mode::Edit, question.get());
        if (c.image)
            box(*editor, "imageCheckBox")->setChecked(true);
        prompts.clear();
        prompts.answer(IDOK);
        pressOk(*editor);
        EXPECT_EQ(editor->result(), 0) << c.what;
        ASSERT_EQ(messages().size(), 1u) << c.what;
        EXPECT_EQ(messages()[0], QString::fromLatin1(c.message)) << c.what;
        EXPECT_EQ(lastMessage(prompts).caption, QStringLiteral("Brainloft"));
        EXPECT_EQ(lastMessage(prompts).flags, MB_OK | MB_ICONINFORMATION);
        EXPECT_FALSE(quiz.modified) << c.what;
    }
}

TEST_F(QuestionEditorTest, PicturesAreFoundByBareNameAndMustBeBitmaps)
{
    InTemporaryFolder folder;
    writeBitmap(folder.filePath(QStringLiteral("cat.bmp")));
    writeBitmap(folder.filePath(QStringLiteral("bad.bmp")), 100, 90);
    writeBitmap(folder.filePath(QStringLiteral("tiny.bmp")), 57);
    auto question = makeQuestion("Q", {"a", "b"}, {0});
    auto editor = open(Mode::Edit, question.get());
    box(*editor, "imageCheckBox")->click();
    for (const char *name : {"bad.bmp", "tiny.bmp"}) {
        edit(*editor, "imageFileEdit")
            ->setText(QStringLiteral("D:\\pics\\%1").arg(QLatin1String(name)));
        prompts.answer(IDOK);
        pressOk(*editor);
        EXPECT_EQ(lastMessage(prompts).text,
                  QStringLiteral("%1 is not a valid Windows bitmap.").arg(QLatin1String(name)));
    }
    EXPECT_EQ(editor->result(), 0);
    edit(*editor, "imageFileEdit")->setText(QStringLiteral("D:\\pics\\cat.bmp"));
    pressOk(*editor);
    EXPECT_EQ(editor->result(), ModalDialog::Ok);
    EXPECT_EQ(question->imageFile, "D:\\pics\\cat.bmp"); // as typed
}

TEST_F(QuestionEditorTest, TurningMultipleOffKeepsOnlyTheFirstMark)
{
    auto question = makeQuestion("Q", {"a", "b", "c", "d"}, {1, 3});
    auto editor = open(Mode::Edit, question.get());
    EXPECT_FALSE(box(*editor, "correctCheckBoxB")->isHidden());
    box(*editor, "multipleCorrectCheckBox")->click();
    EXPECT_TRUE(box(*editor, "correctCheckBoxB")->isHidden());
    EXPECT_TRUE(child<QRadioButton>(*editor, "correctRadioButtonB")->isChecked());
    EXPECT_FALSE(child<QRadioButton>(*editor, "correctRadioButtonD")->isChecked());
    // As radio buttons, a click moves the one mark.
    child<QRadioButton>(*editor, "correctRadioButtonC")->click();
    child<QRadioButton>(*editor, "correctRadioButtonC")->click(); // stays marked
    pressOk(*editor);
    EXPECT_EQ(question->correct, (std::array<std::int32_t, 5>{0, 0, 1, 0, 0}));
    EXPECT_EQ(question->multipleCorrect, 0);
    // Back to check boxes, marks are independent again.
    auto again = open(Mode::Edit, question.get());
    box(*again, "multipleCorrectCheckBox")->click();
    EXPECT_TRUE(box(*again, "correctCheckBoxC")->isChecked());
    box(*again, "correctCheckBoxA")->click();
    pressOk(*again);
    EXPECT_EQ(question->correct, (std::array<std::int32_t, 5>{1, 0, 1, 0, 0}));
    EXPECT_NE(question->multipleCorrect, 0);
}

TEST_F(QuestionEditorTest, NumbersAreStoredAsTypedAndZeroMeansNone)
{
    auto question = makeQuestion("Q", {"a", "b"}, {0});
    {
        auto editor = open(Mode::Edit, question.get());
        field(*editor, "scoreField")->setText(QStringLiteral("75"));
        box(*editor, "timeLimitCheckBox")->click();
        EXPECT_TRUE(box(*editor, "reduceCheckBox")->isEnabled());
        field(*editor, "timeLimitField")->setText(QStringLiteral("0"));
        box(*editor, "reduceCheckBox")->click();
        EXPECT_TRUE(field(*editor, "reduceEveryField")->isEnabled());
        field(*editor, "reduceByField")->setText(QStringLiteral("3"));
        field(*editor, "reduceEveryField")->setText(QStringLiteral("0"));
        pressOk(*editor);
        EXPECT_EQ(editor->result(), ModalDialog::Ok);
    }
    EXPECT_EQ(question->score, 75);
    EXPECT_EQ(question->timeLimit, 0);
    EXPECT_EQ(question->reduceEvery, 0);
    {
        auto editor = open(Mode::Edit, question.get());
        EXPECT_EQ(field(*editor, "scoreField")->text(), QStringLiteral("75"));
        EXPECT_FALSE(box(*editor, "timeLimitCheckBox")->isChecked());
        EXPECT_EQ(field(*editor, "timeLimitField")->text(), QStringLiteral("1"));
        EXPECT_FALSE(box(*editor, "reduceCheckBox")->isChecked());
        EXPECT_EQ(field(*editor, "reduceEveryField")->text(), QStringLiteral("1"));
        // A reduction without a time limit is not stored.
        box(*editor, "reduceCheckBox")->setChecked(true);
        field(*editor, "reduceEveryField")->setText(QStringLiteral("5"));
        pressOk(*editor);
    }
    EXPECT_EQ(question->reduceEvery, 0);
    EXPECT_EQ(question->reduceBy, 0);
    EXPECT_EQ(question->timeLimit, 0);
}

TEST_F(QuestionEditorTest, NumbersBeyondTheQuizFileAreRefused)
{
    auto question = makeQuestion("Q", {"a", "b"}, {0});
    auto editor = open(Mode::Edit, question.get());
    field(*editor, "scoreField")->setText(QStringLiteral("2147483648"));
    prompts.answer(IDOK);
    pressOk(*editor);
    EXPECT_EQ(editor->result(), 0);
    EXPECT_EQ(lastMessage(prompts).text,
              QStringLiteral("2147483648 is too large: a quiz file holds numbers up to "
                             "2147483647."));
    EXPECT_EQ(editor->focusWidget(), field(*editor, "scoreField"));
    EXPECT_EQ(question->score, 1);
    field(*editor, "scoreField")->setText(QStringLiteral("2147483647"));
    pressOk(*editor);
    EXPECT_EQ(question->score, 2147483647);
}

TEST_F(QuestionEditorTest, AnUnreadableNumberStopsOkAndTheRestOfTheRead)
{
    auto question = makeQuestion("Q", {"a", "b"}, {0});
    question->timeLimit = 20;
    auto editor = open(Mode::Edit, question.get());
    field(*editor, "scoreField")->setText(QString());
    // The time-limit box is read after the score: its field stays enabled.
    prompts.answer(IDOK);
    box(*editor, "timeLimitCheckBox")->click();
    EXPECT_TRUE(field(*editor, "timeLimitField")->isEnabled());
    EXPECT_EQ(lastMessage(prompts).text, QStringLiteral("Please enter a positive integer."));
    EXPECT_EQ(lastMessage(prompts).flags, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(editor->focusWidget(), field(*editor, "scoreField"));

    prompts.answer(IDOK);
    pressOk(*editor);
    EXPECT_EQ(editor->result(), 0);
    EXPECT_EQ(prompts.messages().size(), 2u);
    EXPECT_EQ(question->timeLimit, 20);
    EXPECT_FALSE(quiz.modified);
}

TEST_F(QuestionEditorTest, TextTheQuizFileCannotHoldIsNamedAndNotStored)
{
    auto question = makeQuestion("Q", {"a", "b"}, {0});
    auto editor = open(Mode::Edit, question.get());
    edit(*editor, "answerEditC")->setText(QStringLiteral("x → y"));
    prompts.answer(IDOK);
    pressOk(*editor);
    EXPECT_EQ(lastMessage(prompts).text,
              QStringLiteral("The answer C contains characters that a quiz file cannot store:\n"
                             "\"→\" (U+2192)\nPlease replace or remove them."));
    EXPECT_EQ(editor->focusWidget(), edit(*editor, "answerEditC"));
    EXPECT_EQ(editor->result(), 0);
    EXPECT_EQ(question->answers[2], "");

    // A picture path counts only while the picture is on.
    edit(*editor, "answerEditC")->setText(QStringLiteral("Café"));
    edit(*editor, "imageFileEdit")->setText(QStringLiteral("Łąka.bmp"));
    pressOk(*editor);
    EXPECT_EQ(editor->result(), ModalDialog::Ok);
    EXPECT_EQ(question->answers[2], "Caf\xe9");
    EXPECT_EQ(question->imageFile, "");
}

TEST_F(QuestionEditorTest, CancelInAddModeAsksOnlyAfterChanges)
{
    {
        auto editor = open(Mode::Add);
        button(*editor, "cancelButton")->click();
        EXPECT_EQ(editor->result(), ModalDialog::Cancel);
        EXPECT_TRUE(prompts.calls().empty());
        EXPECT_EQ(editor->takeQuestion(), nullptr);
    }
    auto editor = open(Mode::Add);
    edit(*editor, "answerEditB")->setText(QStringLiteral("Pluto"));
    prompts.answer(IDNO);
    editor->reject(); // Escape and the close box
    EXPECT_EQ(editor->result(), 0);
    EXPECT_EQ(lastMessage(prompts).text, QStringLiteral("Quit without adding this question?"));
    EXPECT_EQ(lastMessage(prompts).caption, QStringLiteral("Brainloft"));
    EXPECT_EQ(lastMessage(prompts).flags, MB_YESNO | MB_ICONQUESTION);
    prompts.answer(IDYES);
    button(*editor, "cancelButton")->click();
    EXPECT_EQ(editor->result(), ModalDialog::Cancel);
    EXPECT_EQ(editor->takeQuestion(), nullptr);
    EXPECT_FALSE(quiz.modified);
}

TEST_F(QuestionEditorTest, EditModeChangesTheQuestionOnlyOnOk)
{
    auto question = makeQuestion("Moons of Mars?", {"Phobos", "Deimos", "Io"}, {0, 1}, 5);
    question->imageFile = "mars.bmp";
    const LogFont font = sampleFont(9);
    question->SetCustomFont(&font);
    {
        auto editor = open(Mode::Edit, question.get(), 12);
        EXPECT_EQ(editor->windowTitle(), QStringLiteral("Editing Question 12"));
        EXPECT_EQ(button(*editor, "okButton")->text(), QStringLiteral("OK"));
        EXPECT_TRUE(box(*editor, "imageCheckBox")->isChecked());
        EXPECT_EQ(edit(*editor, "imageFileEdit")->text(), QStringLiteral("mars.bmp"));
        edit(*editor, "questionEdit")->setText(QStringLiteral("changed"));
        box(*editor, "useCustomFontCheckBox")->click();
        field(*editor, "scoreField")->setText(QStringLiteral("9"));
        button(*editor, "cancelButton")->click();
        EXPECT_EQ(editor->result(), ModalDialog::Cancel);
    }
    EXPECT_TRUE(prompts.calls().empty());
    EXPECT_EQ(question->text, "Moons of Mars?");
    EXPECT_EQ(question->score, 5);
    ASSERT_NE(question->font, nullptr);
    EXPECT_EQ(*question->font, font);

    // OK without changes leaves the quiz unmodified.
    InTemporaryFolder folder;
    writeBitmap(folder.filePath(QStringLiteral("mars.bmp")));
    {
        auto editor = open(Mode::Edit, question.get());
        pressOk(*editor);
        EXPECT_EQ(editor->result(), ModalDialog::Ok);
    }
    EXPECT_FALSE(quiz.modified);
    EXPECT_EQ(*question->font, font);
    {
        // Turning the font off removes it.
        auto editor = open(Mode::Edit, question.get());
        box(*editor, "useCustomFontCheckBox")->click();
        pressOk(*editor);
    }
    EXPECT_TRUE(quiz.modified);
    EXPECT_EQ(question->font, nullptr);
    EXPECT_EQ(question->useCustomFont, 0);
}

TEST_F(QuestionEditorTest, CustomFontComesFromTheChooser)
{
    auto question = makeQuestion("Q", {"a", "b"}, {0});
    auto editor = open(Mode::Edit, question.get());
    prompts.answerFont(std::nullopt);
    box(*editor, "useCustomFontCheckBox")->click();
    EXPECT_FALSE(box(*editor, "useCustomFontCheckBox")->isChecked());
    EXPECT_FALSE(button(*editor, "changeFontButton")->isEnabled());

    const QFont chosen(QStringLiteral("DejaVu Sans Mono"), 20);
    prompts.answerFont(chosen);
    box(*editor, "useCustomFontCheckBox")->click();
    EXPECT_TRUE(button(*editor, "changeFontButton")->isEnabled());
    pressOk(*editor);
    ASSERT_NE(question->font, nullptr);
    EXPECT_EQ(*question->font, logFontFromFont(chosen));
}

TEST_F(QuestionEditorTest, BrowseFillsThePathAndRestoresTheWorkingDirectory)
{
    InTemporaryFolder folder;
    QTemporaryDir elsewhere;
    auto editor = open(Mode::Add);
    box(*editor, "imageCheckBox")->click();
    const QString picture = folder.filePath(QStringLiteral("ring.bmp"));
    prompts.answerFile(picture, [&](const ScriptedPrompts::Call &call) {
        EXPECT_EQ(call.fileRequest.filter, QStringLiteral("Windows Bitmaps (*.bmp)|*.bmp||"));
        EXPECT_EQ(call.fileRequest.defaultSuffix, QStringLiteral("bmp"));
        EXPECT_TRUE(call.fileRequest.fileMustExist);
        QDir::setCurrent(elsewhere.path());
    });
    button(*editor, "browseButton")->click();
    EXPECT_EQ(edit(*editor, "imageFileEdit")->text(), picture);
    EXPECT_TRUE(button(*editor, "okButton")->isEnabled());
    EXPECT_EQ(QDir::currentPath(), folder.path());

    // Cancelled with an empty path, the picture goes off again.
    edit(*editor, "imageFileEdit")->clear();
    prompts.answerFile(std::nullopt,
                       [&](const ScriptedPrompts::Call &) { QDir::setCurrent(elsewhere.path()); });
    button(*editor, "browseButton")->click();
    EXPECT_EQ(QDir::currentPath(), folder.path());
}

TEST_F(QuestionEditorTest, PreviewShowsTheQuestionAsOkWouldStoreIt)
{
    auto question = makeQuestion("Original", {"a", "b"}, {0});
    quiz.overallTimeLimit = 5;
    quiz.possiblePoints = 40;
    quiz.earnedPoints = 30;
    auto editor = open(Mode::Edit, question.get(), 3);

    // Validation first: nothing is shown while the form is wrong.
    edit(*editor, "answerEditB")->clear();
    prompts.answer(IDOK);
    button(*editor, "previewButton")->click();
    EXPECT_FALSE(shown);
    EXPECT_EQ(quiz.possiblePoints, 40);

    edit(*editor, "questionEdit")->setText(QStringLiteral("  Preview me "));
    edit(*editor, "answerEditB")->setText(QStringLiteral("Saturn"));
    box(*editor, "multipleCorrectCheckBox")->click();
    box(*editor, "correctCheckBoxB")->click();
    box(*editor, "timeLimitCheckBox")->click();
    field(*editor, "timeLimitField")->setText(QStringLiteral("45"));
    button(*editor, "previewButton")->click();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->number, 3u);
    EXPECT_EQ(shown->text, "Preview me");
    EXPECT_EQ(shown->answers[1], "Saturn");
    EXPECT_EQ(shown->correct, (std::array<std::int32_t, 5>{1, 1, 0, 0, 0}));
    EXPECT_NE(shown->multipleCorrect, 0);
    EXPECT_EQ(shown->timeLimit, 45);
    EXPECT_EQ(shown->reduceEvery, 0);
    EXPECT_FALSE(shown->hasFont);
    EXPECT_EQ(quiz.possiblePoints, 0);
    EXPECT_EQ(quiz.earnedPoints, 0);
    EXPECT_EQ(quiz.quizSecondsLeft, 300);

    // The question and the quiz are untouched, and the form stays.
    EXPECT_EQ(editor->result(), 0);
    EXPECT_EQ(question->text, "Original");
    EXPECT_EQ(question->timeLimit, 0);
    EXPECT_FALSE(quiz.modified);
    EXPECT_EQ(edit(*editor, "questionEdit")->text(), QStringLiteral("Preview me"));
    EXPECT_TRUE(box(*editor, "correctCheckBoxB")->isChecked());
}

TEST_F(QuestionEditorTest, ChangingOnlyTheFontMarksTheQuizModified)
{
    auto question = makeQuestion("Q", {"a", "b"}, {0});
    const LogFont before = logFontFromFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    question->SetCustomFont(&before);
    auto editor = open(Mode::Edit, question.get());
    const QFont after(QStringLiteral("DejaVu Serif"), 16);
    prompts.answerFont(std::nullopt).answerFont(after); // a cancelled change keeps the font
    button(*editor, "changeFontButton")->click();
    button(*editor, "changeFontButton")->click();
    pressOk(*editor);
    EXPECT_TRUE(quiz.modified);
    EXPECT_EQ(*question->font, logFontFromFont(after));
}

TEST_F(QuestionEditorTest, APicturePathTheQuizFileCannotHoldIsRefused)
{
    auto question = makeQuestion("Q", {"a", "b"}, {0});
    auto editor = open(Mode::Edit, question.get());
    box(*editor, "imageCheckBox")->click();
    edit(*editor, "imageFileEdit")->setText(QStringLiteral("/pictures/Łąka.bmp"));
    prompts.answer(IDOK);
    pressOk(*editor);
    EXPECT_EQ(lastMessage(prompts).text,
              QStringLiteral("The image file path contains characters that a quiz file cannot "
                             "store:\n\"Ł\" (U+0141), \"ą\" (U+0105)\nPlease replace or remove "
                             "them."));
    EXPECT_EQ(editor->focusWidget(), edit(*editor, "imageFileEdit"));
    EXPECT_EQ(editor->result(), 0);
}

TEST_F(QuestionEditorTest, APictureBesideTheQuizFileIsAccepted)
{
    InTemporaryFolder workingFolder;
    QTemporaryDir quizFolder;
    quiz.SetQuizPathName(pathIn(quizFolder, "planets.blz"));
    writeBitmap(quizFolder.filePath(QStringLiteral("rings.bmp")));
    auto question = makeQuestion("Q", {"a", "b"}, {0});
    auto editor = open(Mode::Edit, question.get());
    box(*editor, "imageCheckBox")->click();
    edit(*editor, "imageFileEdit")->setText(QStringLiteral("C:\\Quiz\\rings.bmp"));
    pressOk(*editor);
    EXPECT_EQ(editor->result(), ModalDialog::Ok);
    EXPECT_EQ(question->imageFile, "C:\\Quiz\\rings.bmp");
}

TEST_F(QuestionEditorTest, LongStoredTextsStayWholeAndOnlyTypingIsLimited)
{
    // Both editors, each text field with its typing limit; the stored text is
    // longer than the limit by a varying amount.
    struct Field
    {
        const char *name;
        int limit;
        std::string CQuestion::*text; // or an answer, below
        int answer;
    };
    struct Editor
    {
        const char *name;
        std::int32_t quizType;
        std::vector<Field> fields;
    };
    const Editor editors[] = {
        {"question",
         0,
         {{"questionEdit", 255, &CQuestion::text, -1},
          {"answerEditA", 128, nullptr, 0},
          {"answerEditB", 128, nullptr, 1},
          {"answerEditC", 128, nullptr, 2}}},
        {"flash card",
         1,
         {{"questionEdit", 255, &CQuestion::text, -1}, {"answerEdit", 128, nullptr, 0}}},
    };
    const auto openEditor = [this](std::int32_t type, Mode mode,
                                   CQuestion *question) -> std::unique_ptr<QuestionEditorBase> {
        if (type == 0)
            return open(mode, question);
        return std::make_unique<FlashCardEditorDialog>(quiz, prompts, mode, 1, question);
    };
    for (const Editor &e : editors) {
        SCOPED_TRACE(e.name);
        quiz.modified = false;
        auto question = makeQuestion("", {}, {0});
        const auto textOf = [&](const Field &f) -> std::string & {
            return f.text ? (*question).*f.text : question->answers[std::size_t(f.answer)];
        };
        int extra = 0;
        for (const Field &f : e.fields) {
            ++extra;
            textOf(f) = std::string(std::size_t(f.limit + 45 * extra), char('a' + extra));
        }
        const std::string textBefore = question->text;
        const auto answersBefore = question->answers;
        {
            auto editor = openEditor(e.quizType, Mode::Edit, question.get());
            for (const Field &f : e.fields) {
                QLineEdit *field = edit(*editor, f.name);
                EXPECT_EQ(field->text().toStdString(), textOf(f)) << f.name;
                field->end(false);
                QTest::keyClicks(field, QStringLiteral("xyz"));
                EXPECT_EQ(field->text().toStdString(), textOf(f)) << f.name << " took typing";
            }
            button(*editor, "cancelButton")->click();
        }
        {
            auto editor = openEditor(e.quizType, Mode::Edit, question.get());
            pressOk(*editor);
            EXPECT_EQ(editor->result(), ModalDialog::Ok);
        }
        EXPECT_FALSE(quiz.modified);
        EXPECT_EQ(question->text, textBefore);
        EXPECT_EQ(question->answers, answersBefore);

        // A new question's fields take what is typed up to their limits.
        auto editor = openEditor(e.quizType, Mode::Add, nullptr);
        for (const Field &f : e.fields) {
            QLineEdit *field = edit(*editor, f.name);
            QTest::keyClicks(field, QString(f.limit + 5, u'y'));
            EXPECT_EQ(field->text().size(), f.limit) << f.name;
        }
    }
}
