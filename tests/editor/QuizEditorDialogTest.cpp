// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/QuizEditorDialog.h"

#include "EditorTesting.h"
#include "QuizFixtures.h"
#include "ScriptedPrompts.h"

#include "model/Quiz.h"
#include "model/QuizFile.h"
#include "ui/QuizFiles.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Mode = QuestionEditorBase::Mode;

// Stands in for the question and flash-card editors: records each opening
// and answers from a script.
struct FakeEditors
{
    struct Opening
    {
        Mode mode;
        unsigned number;
        CQuestion *question;
    };
    using Answer = std::function<int(CQuestion *edited, std::unique_ptr<CQuestion> &added)>;

    // Add mode: one "Add Question" per text, then "Done".
    void adds(std::initializer_list<const char *> texts)
    {
        for (const char *text : texts) {
            answers.push_back(
                [text = std::string(text)](CQuestion *, std::unique_ptr<CQuestion> &added) {
                    added = makeQuestion(text, {"a", "b"}, {0});
                    return int(ModalDialog::Ok);
                });
        }
        answers.push_back(
            [](CQuestion *, std::unique_ptr<CQuestion> &) { return int(ModalDialog::Cancel); });
    }
    // Edit mode: OK after changing the text, or Cancel.
    void edits(const char *text, int result = ModalDialog::Ok)
    {
        answers.push_back(
            [text = std::string(text), result](CQuestion *edited, std::unique_ptr<CQuestion> &) {
                if (result == ModalDialog::Ok)
                    edited->text = text;
                return result;
            });
    }

    int run(Mode mode, unsigned number, CQuestion *question, std::unique_ptr<CQuestion> &added)
    {
        openings.push_back({mode, number, question});
        if (answers.empty()) {
            ADD_FAILURE() << "an editor opened unexpectedly, numbered " << number;
            return ModalDialog::Cancel;
        }
        Answer answer = std::move(answers.front());
        answers.pop_front();
        return answer(question, added);
    }

    std::vector<Opening> openings;
    std::deque<Answer> answers;
};

class QuizEditorDialogTest : public ::testing::Test
{
protected:
    ~QuizEditorDialogTest() override { EXPECT_TRUE(editors.answers.empty()); }

    void fill(int count, const char *prefix = "Q")
    {
        for (int i = 1; i <= count; ++i)
            quiz.AppendQuestion(makeQuestion(prefix + std::to_string(i), {"a", "b"}, {0}));
        quiz.modified = false;
    }
    std::unique_ptr<QuizEditorDialog> open()
    {
        auto dialog = std::make_unique<QuizEditorDialog>(quiz, prompts);
        dialog->setQuestionEditor([this](Mode mode, unsigned number, CQuestion *question,
                                         std::unique_ptr<CQuestion> &added) {
            return editors.run(mode, number, question, added);
        });
        return dialog;
    }
    static QListWidget *list(const QWidget &dialog)
    {
        return child<QListWidget>(dialog, "questionList");
    }
    static QPushButton *button(const QWidget &dialog, const char *name)
    {
        return child<QPushButton>(dialog, name);
    }
    static QStringList entries(const QWidget &dialog)
    {
        QStringList texts;
        for (int i = 0; i < list(dialog)->count(); ++i)
            texts << list(dialog)->item(i)->text();
        return texts;
    }
    static int selected(const QWidget &dialog)
    {
        const auto items = list(dialog)->selectedItems();
        return items.isEmpty() ? -1 : list(dialog)->row(items.constFirst());
    }
    static void selectRow(const QWidget &dialog, int row) { list(dialog)->setCurrentRow(row); }
    // The quiz's question texts in order.
    std::vector<std::string> texts() const
    {
        std::vector<std::string> result;
        for (int i = 0; i < quiz.questionCount(); ++i)
            result.push_back(quiz.QuestionAt(i)->text);
        return result;
    }
    // Which of the list's buttons are enabled, as a string of 0 and 1:
    // edit, delete, up, down, save, save as, append, insert.
    static std::string enabled(const QWidget &dialog)
    {
        std::string states;
        for (const char *name : {"editButton", "deleteButton", "moveUpButton", "moveDownButton",
                                 "saveButton", "saveAsButton", "appendButton", "insertButton"})
            states += button(dialog, name)->isEnabled() ? '1' : '0';
        return states;
    }

    Quiz quiz;
    ScriptedPrompts prompts;
    FakeEditors editors;
};

} // namespace

TEST_F(QuizEditorDialogTest, AnEmptyQuizCanOnlyGrow)
{
    auto dialog = open();
    dialog->show();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Editing New Quiz"));
    EXPECT_EQ(list(*dialog)->count(), 0);
    EXPECT_EQ(enabled(*dialog), "00000011");
    EXPECT_TRUE(button(*dialog, "doneButton")->isDefault());
    EXPECT_EQ(dialog->focusWidget(), list(*dialog));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/%1.html").arg(dialog->helpTopic())));

    // Insert into an empty quiz places the questions from position 0.
    editors.adds({"first", "second"});
    button(*dialog, "insertButton")->click();
    EXPECT_EQ(texts(), (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(entries(*dialog), (QStringList{"1. first", "2. second"}));
    EXPECT_EQ(editors.openings.front().number, 1u);
    EXPECT_EQ(editors.openings.front().mode, Mode::Add);
    EXPECT_EQ(selected(*dialog), 1);
}

TEST_F(QuizEditorDialogTest, EntriesShowNumberAndTextOrThePlaceholder)
{
    quiz.AppendQuestion(makeQuestion("Caf\xe9?", {"a", "b"}, {0}));
    auto pictureOnly = makeQuestion("", {"a", "b"}, {0});
    pictureOnly->imageFile = "sun.bmp";
    quiz.AppendQuestion(std::move(pictureOnly));
    auto dialog = open();
    EXPECT_EQ(entries(*dialog),
              (QStringList{QStringLiteral("1. Café?"), QStringLiteral("2. <NO TEXT ENTERED>")}));
    EXPECT_EQ(selected(*dialog), 0);
    EXPECT_EQ(enabled(*dialog), "11011111"); // first entry: no move up

    // Inserted without text, the placeholder shows at once.
    editors.answers.push_back([](CQuestion *, std::unique_ptr<CQuestion> &added) {
        added = makeQuestion("", {"a", "b"}, {0});
        added->imageFile = "moon.bmp";
        return int(ModalDialog::Ok);
    });
    editors.adds({});
    button(*dialog, "insertButton")->click();
    EXPECT_EQ(entries(*dialog).front(), QStringLiteral("1. <NO TEXT ENTERED>"));
}

TEST_F(QuizEditorDialogTest, FlashCardQuizzesSayFlashCard)
{
    quiz.quizType = 1;
    fill(2, "card");
    auto dialog = open();
    struct Caption
    {
        const char *button;
        const char *text;
    } captions[] = {
        {"appendButton", "&Append flash cards"}, {"insertButton", "&Insert flash cards"},
        {"editButton", "&Edit flash card"},      {"deleteButton", "&Delete flash card"},
        {"moveUpButton", "Move flash card &up"}, {"moveDownButton", "&Move flash card down"}};
    for (const Caption &c : captions)
        EXPECT_EQ(button(*dialog, c.button)->text(), QString::fromLatin1(c.text));
    prompts.answer(IDNO);
    button(*dialog, "deleteButton")->click();
    EXPECT_EQ(lastMessage(prompts).text,
              QStringLiteral("Are you sure you wish to delete flash card 1?"));
    EXPECT_EQ(quiz.questionCount(), 2);
}

TEST_F(QuizEditorDialogTest, AppendAddsASeriesAtTheEnd)
{
    fill(2);
    auto dialog = open();
    EXPECT_EQ(enabled(*dialog), "11010111"); // unchanged: nothing to save
    editors.adds({"Q3", "Q4"});
    button(*dialog, "appendButton")->click();
    EXPECT_EQ(texts(), (std::vector<std::string>{"Q1", "Q2", "Q3", "Q4"}));
    EXPECT_EQ(entries(*dialog), (QStringList{"1. Q1", "2. Q2", "3. Q3", "4. Q4"}));
    ASSERT_EQ(editors.openings.size(), 3u);
    EXPECT_EQ(editors.openings[0].number, 3u);
    EXPECT_EQ(editors.openings[2].number, 5u); // the one ended with Done
    EXPECT_EQ(selected(*dialog), 3);
    EXPECT_EQ(enabled(*dialog), "11101111");

    // An editor that ends with OK yet hands over nothing ends the series.
    editors.answers.push_back(
        [](CQuestion *, std::unique_ptr<CQuestion> &) { return int(ModalDialog::Ok); });
    button(*dialog, "appendButton")->click();
    EXPECT_EQ(quiz.questionCount(), 4);
}

TEST_F(QuizEditorDialogTest, InsertPlacesTheSeriesBeforeTheSelectedQuestion)
{
    fill(4);
    auto dialog = open();
    selectRow(*dialog, 1);
    editors.adds({"new A", "new B"});
    button(*dialog, "insertButton")->click();
    EXPECT_EQ(texts(), (std::vector<std::string>{"Q1", "new A", "new B", "Q2", "Q3", "Q4"}));
    EXPECT_EQ(entries(*dialog),
              (QStringList{"1. Q1", "2. new A", "3. new B", "4. Q2", "5. Q3", "6. Q4"}));
    EXPECT_EQ(editors.openings[0].number, 2u);
    EXPECT_EQ(editors.openings[1].number, 3u);
    EXPECT_EQ(selected(*dialog), 2);
    EXPECT_TRUE(button(*dialog, "saveButton")->isEnabled());
}

TEST_F(QuizEditorDialogTest, TheFiveHundredTwelfthQuestionEndsTheSeries)
{
    for (const char *command : {"appendButton", "insertButton"}) {
        Quiz full;
        for (int i = 0; i < MAX_QUESTIONS - 2; ++i)
            full.AppendQuestion(std::make_unique<CQuestion>());
        QuizEditorDialog dialog(full, prompts);
        dialog.setQuestionEditor([this](Mode mode, unsigned number, CQuestion *question,
                                        std::unique_ptr<CQuestion> &added) {
            return editors.run(mode, number, question, added);
        });
        // Two more, and no third editor opens.
        for (int i = 0; i < 2; ++i) {
            editors.answers.push_back([](CQuestion *, std::unique_ptr<CQuestion> &added) {
                added = makeQuestion("last", {"a", "b"}, {0});
                return int(ModalDialog::Ok);
            });
        }
        prompts.answer(IDOK);
        button(dialog, command)->click();
        EXPECT_EQ(full.questionCount(), MAX_QUESTIONS) << command;
        EXPECT_EQ(lastMessage(prompts).text, QStringLiteral("This quiz is now full."));
        EXPECT_EQ(lastMessage(prompts).caption, QStringLiteral("Brainloft"));
        EXPECT_EQ(lastMessage(prompts).flags, MB_OK | MB_ICONINFORMATION);
        EXPECT_FALSE(button(dialog, "appendButton")->isEnabled());
        EXPECT_FALSE(button(dialog, "insertButton")->isEnabled());
        EXPECT_EQ(list(dialog)->count(), MAX_QUESTIONS);

        // Deleting one makes room again.
        prompts.answer(IDYES);
        button(dialog, "deleteButton")->click();
        EXPECT_TRUE(button(dialog, "appendButton")->isEnabled()) << command;
    }
}

TEST_F(QuizEditorDialogTest, EditOpensTheSelectedQuestionByButtonDoubleClickOrAltE)
{
    fill(3);
    auto dialog = open();
    dialog->show();
    selectRow(*dialog, 1);
    editors.edits("changed");
    button(*dialog, "editButton")->click();
    ASSERT_EQ(editors.openings.size(), 1u);
    EXPECT_EQ(editors.openings[0].mode, Mode::Edit);
    EXPECT_EQ(editors.openings[0].number, 2u);
    EXPECT_EQ(editors.openings[0].question, quiz.QuestionAt(1));
    EXPECT_EQ(entries(*dialog)[1], QStringLiteral("2. changed"));
    EXPECT_EQ(selected(*dialog), 1);

    // Cancel in the editor changes nothing here.
    editors.edits("ignored", ModalDialog::Cancel);
    QListWidget *questions = list(*dialog);
    const QRect third = questions->visualItemRect(questions->item(2));
    QTest::mouseClick(questions->viewport(), Qt::LeftButton, {}, third.center());
    QTest::mouseDClick(questions->viewport(), Qt::LeftButton, {}, third.center());
    EXPECT_EQ(editors.openings.back().number, 3u);
    EXPECT_EQ(entries(*dialog)[2], QStringLiteral("3. Q3"));

    // The Edit button's mnemonic, from the list.
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    questions->setFocus();
    editors.edits("by key");
    QTest::keyClick(questions, Qt::Key_E, Qt::AltModifier);
    // A mnemonic clicks its button after a short animation.
    for (int i = 0; i < 100 && editors.openings.size() < 3; ++i)
        QTest::qWait(10);
    EXPECT_EQ(editors.openings.size(), 3u);
    EXPECT_EQ(entries(*dialog)[2], QStringLiteral("3. by key"));
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(QuizEditorDialogTest, EnterIsDoneAndAsksToSaveOnlyAChangedQuiz)
{
    // Freshly opened, the focus is in the list with the first entry selected.
    for (const bool changed : {false, true}) {
        SCOPED_TRACE(changed ? "changed" : "unchanged");
        quiz.ClearQuiz();
        fill(2);
        quiz.modified = changed;
        prompts.clear();
        if (changed)
            prompts.answer(IDNO);
        auto dialog = open();
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        ASSERT_EQ(dialog->focusWidget(), list(*dialog));
        ASSERT_EQ(selected(*dialog), 0);
        QTest::keyClick(list(*dialog), Qt::Key_Return);
        EXPECT_TRUE(editors.openings.empty());
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), ModalDialog::Ok);
        EXPECT_EQ(prompts.messages().size(), changed ? 1u : 0u);
        if (changed) {
            EXPECT_EQ(lastMessage(prompts).text, QStringLiteral("Save the current quiz?"));
        }
    }
}

TEST_F(QuizEditorDialogTest, TheListKeepsItsSelection)
{
    fill(3);
    auto dialog = open();
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    QListWidget *questions = list(*dialog);
    selectRow(*dialog, 1);
    const QPoint second = questions->visualItemRect(questions->item(1)).center();
    // The ways a selection could be taken away.
    const std::function<void()> takers[] = {
        [&] {
            QTest::mouseClick(questions->viewport(), Qt::LeftButton, Qt::ControlModifier, second);
        },
        [&] { QTest::keyClick(questions, Qt::Key_Space, Qt::ControlModifier); },
        [&] { questions->clearSelection(); },
    };
    for (const auto &take : takers) {
        take();
        EXPECT_EQ(selected(*dialog), 1);
        EXPECT_EQ(enabled(*dialog), "11110111");
    }
    // Insert goes before the selected question, not to the top.
    editors.adds({"new"});
    button(*dialog, "insertButton")->click();
    EXPECT_EQ(texts(), (std::vector<std::string>{"Q1", "new", "Q2", "Q3"}));
}

TEST_F(QuizEditorDialogTest, DeleteAsksAndRenumbers)
{
    struct Case
    {
        int count, row;
        QStringList after;
        int selection;
    } cases[] = {
        {5, 2, {"1. Q1", "2. Q2", "3. Q4", "4. Q5"}, 2},
        {5, 4, {"1. Q1", "2. Q2", "3. Q3", "4. Q4"}, 3},
        {1, 0, {}, -1},
    };
    for (const Case &c : cases) {
        quiz.ClearQuiz();
        fill(c.count);
        auto dialog = open();
        selectRow(*dialog, c.row);
        prompts.answer(IDNO);
        button(*dialog, "deleteButton")->click();
        EXPECT_EQ(quiz.questionCount(), c.count);
        prompts.answer(IDYES);
        button(*dialog, "deleteButton")->click();
        const ScriptedPrompts::Call asked = lastMessage(prompts);
        EXPECT_EQ(asked.text,
                  QStringLiteral("Are you sure you wish to delete question %1?").arg(c.row + 1));
        EXPECT_EQ(asked.caption, QStringLiteral("Confirm Deletion"));
        EXPECT_EQ(asked.flags, MB_YESNO | MB_ICONQUESTION);
        EXPECT_EQ(entries(*dialog), c.after);
        EXPECT_EQ(quiz.questionCount(), c.count - 1);
        EXPECT_EQ(selected(*dialog), c.selection);
        EXPECT_EQ(button(*dialog, "editButton")->isEnabled(), c.count > 1);
        EXPECT_EQ(button(*dialog, "deleteButton")->isEnabled(), c.count > 1);
        EXPECT_EQ(button(*dialog, "saveButton")->isEnabled(), c.count > 1);
    }
}

TEST_F(QuizEditorDialogTest, MovingSwapsNeighboursAndTheButtonsStopAtTheEdges)
{
    fill(1);
    {
        auto dialog = open();
        EXPECT_FALSE(button(*dialog, "moveUpButton")->isEnabled());
        EXPECT_FALSE(button(*dialog, "moveDownButton")->isEnabled());
    }
    fill(2); // Q1, Q1, Q2
    quiz.QuestionAt(1)->text = "Q2";
    quiz.QuestionAt(2)->text = "Q3";
    auto dialog = open();
    EXPECT_FALSE(button(*dialog, "moveUpButton")->isEnabled());
    button(*dialog, "moveDownButton")->click();
    EXPECT_EQ(entries(*dialog), (QStringList{"1. Q2", "2. Q1", "3. Q3"}));
    EXPECT_EQ(selected(*dialog), 1);
    button(*dialog, "moveDownButton")->click();
    EXPECT_EQ(entries(*dialog), (QStringList{"1. Q2", "2. Q3", "3. Q1"}));
    EXPECT_EQ(selected(*dialog), 2);
    EXPECT_FALSE(button(*dialog, "moveDownButton")->isEnabled());
    button(*dialog, "moveUpButton")->click();
    EXPECT_EQ(entries(*dialog), (QStringList{"1. Q2", "2. Q1", "3. Q3"}));
    EXPECT_EQ(texts(), (std::vector<std::string>{"Q2", "Q1", "Q3"}));
    EXPECT_EQ(selected(*dialog), 1);
    EXPECT_TRUE(quiz.modified);
}

TEST_F(QuizEditorDialogTest, SaveFollowsChangesAndSaveAsNamesTheFile)
{
    QTemporaryDir dir;
    fill(2);
    auto dialog = open();
    EXPECT_FALSE(button(*dialog, "saveButton")->isEnabled());

    // A never-saved quiz asks for its name on Save.
    button(*dialog, "moveDownButton")->click();
    EXPECT_TRUE(button(*dialog, "saveButton")->isEnabled());
    const QString first = dir.filePath(QStringLiteral("first.blz"));
    prompts.answerFile(first);
    button(*dialog, "saveButton")->click();
    EXPECT_TRUE(QFile::exists(first));
    EXPECT_FALSE(quiz.modified);
    EXPECT_FALSE(button(*dialog, "saveButton")->isEnabled());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Editing first.blz"));

    // Save As, cancelled, changes nothing; confirmed, it saves under the
    // new name, which the caption shows without its folder.
    prompts.answerFile(std::nullopt);
    button(*dialog, "saveAsButton")->click();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Editing first.blz"));
    const QString second = dir.filePath(QStringLiteral("unit 2.blz"));
    prompts.answerFile(second);
    button(*dialog, "saveAsButton")->click();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Editing unit 2.blz"));
    Quiz loaded;
    ASSERT_EQ(LoadQuizFromFile(pathFromQString(second), loaded), LoadResult::Ok);
    EXPECT_EQ(loaded.QuestionAt(0)->text, "Q2");

    // The parameters dialog may mark the quiz modified.
    dialog->setParametersDialog([this] {
        quiz.SetModifiedFlag(true);
        return int(ModalDialog::Cancel);
    });
    button(*dialog, "parametersButton")->click();
    EXPECT_TRUE(button(*dialog, "saveButton")->isEnabled());
}

TEST_F(QuizEditorDialogTest, DoneAndTheCloseBoxAskToSaveButEscapeDoesNot)
{
    // Unchanged, or changed without questions: closes without a question.
    for (int count : {0, 2}) {
        quiz.ClearQuiz();
        fill(count);
        quiz.modified = count == 0;
        auto dialog = open();
        dialog->show();
        button(*dialog, "doneButton")->click();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), ModalDialog::Ok);
    }
    EXPECT_TRUE(prompts.calls().empty());

    QTemporaryDir dir;
    quiz.SetModifiedFlag(true);
    auto dialog = open();
    dialog->show();
    prompts.answer(IDCANCEL);
    button(*dialog, "doneButton")->click();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(lastMessage(prompts).text, QStringLiteral("Save the current quiz?"));
    // Yes with a cancelled file name stays too.
    prompts.answer(IDYES).answerFile(std::nullopt);
    dialog->close();
    EXPECT_TRUE(dialog->isVisible());
    // No closes and leaves the changes in the quiz.
    prompts.answer(IDNO);
    dialog->close();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(quiz.modified);

    auto escaped = open();
    escaped->show();
    prompts.clear();
    QTest::keyClick(escaped.get(), Qt::Key_Escape);
    EXPECT_FALSE(escaped->isVisible());
    EXPECT_EQ(escaped->result(), ModalDialog::Cancel);
    EXPECT_TRUE(prompts.calls().empty());
    EXPECT_TRUE(quiz.modified);

    // Yes saves and closes.
    auto saved = open();
    saved->show();
    prompts.answer(IDYES).answerFile(dir.filePath(QStringLiteral("done.blz")));
    button(*saved, "doneButton")->click();
    EXPECT_FALSE(saved->isVisible());
    EXPECT_FALSE(quiz.modified);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("done.blz"))));
}
