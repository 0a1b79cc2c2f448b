// SPDX-License-Identifier: GPL-3.0-or-later
// The author's whole road through the real windows: create a quiz with a
// password and parameters, write questions with a picture and a font, save,
// load, take it with the result logged, open it again with the password,
// export the log and delete it. Message boxes, file dialogs and the font
// chooser answer from the script; every window is driven as a user would.

#include "ModalScript.h"
#include "QuizFixtures.h"
#include "ScriptedPrompts.h"

#include "app/MainWindow.h"
#include "editor/NumberField.h"
#include "editor/PasswordDialog.h"
#include "editor/QuestionEditorDialog.h"
#include "editor/QuizEditorDialog.h"
#include "editor/QuizParametersDialog.h"
#include "log/LogCommentDialog.h"
#include "log/ResultsLog.h"
#include "model/Quiz.h"
#include "taking/QuestionDialog.h"
#include "ui/FontConversion.h"
#include "ui/QuizFiles.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

template<class T> T *control(const QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void click(const QWidget &window, const char *name)
{
    if (auto *button = control<QAbstractButton>(window, name))
        button->click();
}

void type(const QWidget &window, const char *name, const QString &text)
{
    if (auto *edit = control<QLineEdit>(window, name))
        edit->setText(text);
}

// One multiple-choice question typed into the editor, the first answer
// right.
void writeQuestion(QuestionEditorDialog &editor, const char *text, const char *right,
                   const char *wrong)
{
    type(editor, "questionEdit", QString::fromLatin1(text));
    type(editor, "answerEditA", QString::fromLatin1(right));
    type(editor, "answerEditB", QString::fromLatin1(wrong));
    click(editor, "correctRadioButtonA");
}

// Ticks the answer shown with `answer` and submits it.
void answer(QuestionDialog &screen, const char *answer)
{
    bool found = false;
    for (QAbstractButton *button : screen.findChildren<QAbstractButton *>()) {
        if (button->isVisible() && button->text().endsWith(QStringLiteral(". ") + answer)) {
            button->click();
            found = true;
        }
    }
    EXPECT_TRUE(found) << answer;
    click(screen, "submitButton");
}

} // namespace

TEST(AuthorRoadTest, CreateSaveTakeLogExportAndDelete)
{
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("saturn.bmp"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(BRAINLOFT_EXAMPLES_DIR "/saturn.bmp"), picture));
    const QString quizPath = dir.filePath(QStringLiteral("planets.blz"));
    const QString exportPath = dir.filePath(QStringLiteral("results.txt"));
    QFont defaultFont(QStringLiteral("DejaVu Serif"));
    defaultFont.setPixelSize(18);
    QFont questionFont(QStringLiteral("DejaVu Sans Mono"));
    questionFont.setPixelSize(16);
    questionFont.setBold(true);

    Quiz quiz;
    ScriptedPrompts prompts;
    MainWindow window(quiz, prompts);
    window.show();

    // Create: the password, the parameters, then the questions and Save.
    prompts.answerFont(defaultFont).answerFont(questionFont).answerFile(quizPath);
    ModalScript create;
    create
        .then<PasswordDialog>([](PasswordDialog &d) {
            EXPECT_EQ(d.windowTitle(), QStringLiteral("Choose Password"));
            type(d, "newPasswordEdit", QStringLiteral("teacher"));
            type(d, "confirmPasswordEdit", QStringLiteral("teacher"));
            click(d, "okButton");
        })
        .then<QuizParametersDialog>([](QuizParametersDialog &d) {
            EXPECT_TRUE(control<QRadioButton>(d, "multipleChoiceRadioButton")->isChecked());
            click(d, "logResultsCheckBox");
            click(d, "useCustomFontCheckBox"); // the chooser answers
            control<NumberField>(d, "scoreField")->setText(QStringLiteral("2"));
            click(d, "okButton");
        })
        .then<QuizEditorDialog>([](QuizEditorDialog &d) {
            EXPECT_EQ(d.windowTitle(), QStringLiteral("Editing New Quiz"));
            click(d, "appendButton"); // the series of question editors
            click(d, "saveButton");   // asks for the file name
            EXPECT_EQ(d.windowTitle(), QStringLiteral("Editing planets.blz"));
            click(d, "doneButton");
        })
        .then<QuestionEditorDialog>([picture](QuestionEditorDialog &d) {
            EXPECT_EQ(d.windowTitle(), QStringLiteral("Adding Question 1"));
            writeQuestion(d, "Which planet has the widest rings?", "Saturn", "Mercury");
            click(d, "imageCheckBox");
            type(d, "imageFileEdit", picture);
            click(d, "okButton"); // "Add Question"
        })
        .then<QuestionEditorDialog>([](QuestionEditorDialog &d) {
            EXPECT_EQ(d.windowTitle(), QStringLiteral("Adding Question 2"));
            writeQuestion(d, "Which planet is closest to the Sun?", "Mercury", "Venus");
            click(d, "changeFontButton"); // a font of its own
            click(d, "okButton");
        })
        .then<QuestionEditorDialog>([](QuestionEditorDialog &d) {
            click(d, "cancelButton"); // "Done" ends the series
        });
    window.createQuiz();
    ASSERT_TRUE(create.finished());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Brainloft - planets.blz"));
    EXPECT_FALSE(quiz.modified);

    // Load it again, as a new start would.
    prompts.answerFile(quizPath);
    window.loadQuiz();
    ASSERT_EQ(quiz.questionCount(), 2);
    EXPECT_EQ(quiz.password, "teacher");
    EXPECT_NE(quiz.logResults, 0);
    EXPECT_EQ(quiz.defaultScore, 2);
    EXPECT_EQ(quiz.font, logFontFromFont(defaultFont));
    const CQuestion &first = *quiz.QuestionAt(0);
    EXPECT_EQ(first.text, "Which planet has the widest rings?");
    EXPECT_EQ(first.imageFile, pathFromQString(picture));
    EXPECT_EQ(first.score, 2);
    ASSERT_NE(first.font, nullptr);
    EXPECT_EQ(*first.font, logFontFromFont(defaultFont));
    ASSERT_NE(quiz.QuestionAt(1)->font, nullptr);
    EXPECT_EQ(*quiz.QuestionAt(1)->font, logFontFromFont(questionFont));
    EXPECT_EQ(quiz.QuestionAt(1)->answers[0], "Mercury");
    EXPECT_TRUE(control<QPushButton>(window, "takeButton")->isEnabled());
    EXPECT_TRUE(control<QPushButton>(window, "editButton")->isEnabled());

    // Take it, answering both right; the result is logged.
    prompts.answer(IDOK); // the final score
    ModalScript take;
    take.then<QuestionDialog>([](QuestionDialog &d) { answer(d, "Saturn"); })
        .then<QuestionDialog>([](QuestionDialog &d) { answer(d, "Mercury"); })
        .then<LogCommentDialog>([](LogCommentDialog &d) {
            type(d, "commentEdit", QStringLiteral("Ada Lovelace, 42"));
            click(d, "okButton");
        });
    window.takeQuiz();
    ASSERT_TRUE(take.finished());
    ASSERT_NE(prompts.lastMessage(), nullptr);
    EXPECT_EQ(prompts.lastMessage()->text, QStringLiteral("Final score: 4 of 4 points (100%)"));
    ASSERT_TRUE(LogFileReadable(quiz.logPathName));

    // Open it with the password, export the log and delete it.
    prompts.answerFile(exportPath).answer(IDYES);
    ModalScript edit;
    edit.then<PasswordDialog>([](PasswordDialog &d) {
            type(d, "oldPasswordEdit", QStringLiteral("teacher"));
            click(d, "okButton");
        })
        .then<QuizEditorDialog>([](QuizEditorDialog &d) {
            click(d, "parametersButton");
            click(d, "doneButton");
        })
        .then<QuizParametersDialog>([](QuizParametersDialog &d) {
            EXPECT_FALSE(control<QRadioButton>(d, "multipleChoiceRadioButton")->isEnabled());
            click(d, "exportLogButton");
            click(d, "deleteLogButton");
            EXPECT_FALSE(control<QPushButton>(d, "exportLogButton")->isEnabled());
            click(d, "cancelButton");
        });
    window.editQuiz();
    ASSERT_TRUE(edit.finished());

    QFile exported(exportPath);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    const QByteArray text = exported.readAll();
    EXPECT_TRUE(text.startsWith("\"Ada Lovelace, 42\"\r\n2\r\n")) << text.toStdString();
    EXPECT_TRUE(text.endsWith("All,2,4,4,100.00%\r\n")) << text.toStdString();
    EXPECT_FALSE(QFile::exists(pathToQString(quiz.logPathName)));
    EXPECT_FALSE(quiz.modified);
}
