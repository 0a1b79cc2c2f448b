// SPDX-License-Identifier: GPL-3.0-or-later

#include "ModalScript.h"
#include "QuizFixtures.h"
#include "ScriptedPrompts.h"

#include "app/MainWindow.h"
#include "editor/PasswordDialog.h"
#include "editor/QuizEditorDialog.h"
#include "editor/QuizParametersDialog.h"
#include "taking/QuestionDialog.h"
#include "ui/HelpWindow.h"
#include "model/QuizFile.h"
#include "ui/FontConversion.h"
#include "ui/QuizFiles.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

class MainWindowTest : public ::testing::Test
{
protected:
    QPushButton *button(MainWindow &window, const char *name)
    {
        auto *found = window.findChild<QPushButton *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QString saveQuiz(const char *name, const char *password, int questions)
    {
        Quiz quiz;
        quiz.password = password;
        for (int i = 0; i < questions; ++i)
            quiz.AppendQuestion(makeQuestion("q", {"a", "b"}, {0}));
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        EXPECT_EQ(SaveQuizToFile(quiz, pathFromQString(path)), SaveResult::Ok);
        return path;
    }

    void loadThroughCommand(MainWindow &window, const QString &path)
    {
        m_prompts.answerFile(path);
        window.loadQuiz();
    }

    QTemporaryDir m_dir;
    ScriptedPrompts m_prompts;
    Quiz m_quiz;
};

} // namespace

TEST_F(MainWindowTest, OpensWithoutAQuiz)
{
    MainWindow window(m_quiz, m_prompts);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Brainloft - <New Quiz>"));
    EXPECT_FALSE(button(window, "takeButton")->isEnabled());
    EXPECT_FALSE(button(window, "editButton")->isEnabled());
    for (const char *name :
         {"createButton", "loadButton", "aboutButton", "exitButton", "helpButton"})
        EXPECT_TRUE(button(window, name)->isEnabled()) << name;
    EXPECT_TRUE(button(window, "exitButton")->isDefault());
    // Until a custom font is chosen, the quiz's default font is the window's.
    EXPECT_EQ(m_quiz.font, logFontFromFont(window.font()));
}

TEST_F(MainWindowTest, LoadEnablesTakeAndEditAndNamesTheFile)
{
    MainWindow window(m_quiz, m_prompts);
    loadThroughCommand(window, saveQuiz("unit1.blz", "pw", 2));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Brainloft - unit1.blz"));
    EXPECT_TRUE(button(window, "takeButton")->isEnabled());
    EXPECT_TRUE(button(window, "editButton")->isEnabled());
    const FileDialogRequest &request = m_prompts.calls().front().fileRequest;
    EXPECT_EQ(request.mode, FileDialogRequest::Mode::Open);
    EXPECT_EQ(request.filter, QStringLiteral("Brainloft Files (*.blz)|*.blz||"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("blz"));
}

TEST_F(MainWindowTest, WidensToShowTheCaption)
{
    MainWindow window(m_quiz, m_prompts);
    const int narrow = window.width();
    QFont bold = window.font();
    bold.setBold(true);
    EXPECT_GT(narrow, QFontMetrics(bold).horizontalAdvance(window.windowTitle()));
    ASSERT_TRUE(window.LoadQuizFile(saveQuiz("a-rather-long-quiz-name-for-unit-one.blz", "pw", 1)));
    EXPECT_GT(window.width(), QFontMetrics(bold).horizontalAdvance(window.windowTitle()));
    EXPECT_GT(window.width(), narrow);
    EXPECT_EQ(window.minimumSize(), window.maximumSize()); // still a fixed-size window
}

TEST_F(MainWindowTest, ButtonsFollowTheLoadedQuiz)
{
    struct Case
    {
        const char *password;
        int questions;
        bool take;
        bool edit;
    } cases[] = {{"pw", 0, false, true}, {"", 3, true, false}, {"", 0, false, false}};
    for (const Case &c : cases) {
        Quiz quiz;
        MainWindow window(quiz, m_prompts);
        loadThroughCommand(window, saveQuiz("quiz.blz", c.password, c.questions));
        EXPECT_EQ(button(window, "takeButton")->isEnabled(), c.take) << c.questions;
        EXPECT_EQ(button(window, "editButton")->isEnabled(), c.edit) << c.password;
    }
}

TEST_F(MainWindowTest, CancelledOrFailedLoadLeavesAnEmptyQuiz)
{
    MainWindow window(m_quiz, m_prompts);
    loadThroughCommand(window, saveQuiz("unit1.blz", "pw", 2));

    m_prompts.answerFile(std::nullopt);
    window.loadQuiz();
    EXPECT_EQ(m_quiz.questionCount(), 0);
    EXPECT_FALSE(button(window, "takeButton")->isEnabled());
    EXPECT_FALSE(button(window, "editButton")->isEnabled());

    loadThroughCommand(window, saveQuiz("unit2.blz", "pw", 2));
    m_prompts.answer(IDOK);
    loadThroughCommand(window, m_dir.filePath(QStringLiteral("missing.blz")));
    EXPECT_EQ(m_prompts.lastMessage()->text,
              QStringLiteral("Could not open\n") + m_dir.filePath(QStringLiteral("missing.blz")));
    EXPECT_EQ(m_quiz.questionCount(), 0);
    EXPECT_FALSE(button(window, "takeButton")->isEnabled());
    EXPECT_FALSE(button(window, "editButton")->isEnabled());
}

TEST_F(MainWindowTest, LoadAsksToSaveAChangedQuizFirst)
{
    MainWindow window(m_quiz, m_prompts);
    loadThroughCommand(window, saveQuiz("unit1.blz", "pw", 2));
    m_quiz.modified = true;
    m_prompts.answer(IDCANCEL);
    window.loadQuiz();
    EXPECT_EQ(m_prompts.lastMessage()->text, QStringLiteral("Save the current quiz?"));
    EXPECT_EQ(m_quiz.questionCount(), 2);
    EXPECT_TRUE(button(window, "editButton")->isEnabled());
}

TEST_F(MainWindowTest, EscapeDoesNotCloseButExitAsksToSave)
{
    MainWindow window(m_quiz, m_prompts);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());

    m_quiz.AppendQuestion(makeQuestion("q", {"a", "b"}, {0}));
    m_prompts.answer(IDCANCEL);
    button(window, "exitButton")->click();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(m_prompts.lastMessage()->text, QStringLiteral("Save the current quiz?"));

    m_prompts.answer(IDCANCEL);
    window.close();
    EXPECT_TRUE(window.isVisible());

    m_prompts.answer(IDNO);
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), 1);
}

TEST_F(MainWindowTest, ExitWithoutChangesClosesAtOnce)
{
    MainWindow window(m_quiz, m_prompts);
    window.show();
    button(window, "exitButton")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), 1);
    EXPECT_TRUE(m_prompts.calls().empty());
}

TEST_F(MainWindowTest, EnterPressesTheFocusedButtonAndCreateHasTheFirstFocus)
{
    const QString quizPath = saveQuiz("unit1.blz", "pw", 1);
    // What each button opens when it has the focus and Enter is pressed;
    // each check closes what opened.
    struct Row
    {
        const char *button;
        std::function<void(ModalScript &, ScriptedPrompts &)> expect;
        std::function<void(MainWindow &, ScriptedPrompts &)> check;
    };
    const auto opens = [](const QString &title) {
        return [title](ModalScript &script, ScriptedPrompts &) {
            script.then<ModalDialog>([title](ModalDialog &d) {
                EXPECT_EQ(d.windowTitle(), title);
                d.done(ModalDialog::Cancel);
            });
        };
    };
    const auto nothing = [](MainWindow &, ScriptedPrompts &) {};
    const Row rows[] = {
        {"createButton", opens(QStringLiteral("Choose Password")), nothing},
        {"loadButton", [](ModalScript &, ScriptedPrompts &p) { p.answerFile(std::nullopt); },
         [](MainWindow &, ScriptedPrompts &p) {
             ASSERT_EQ(p.calls().size(), 1u);
             EXPECT_EQ(p.calls()[0].kind, ScriptedPrompts::Call::Kind::FileDialog);
         }},
        {"takeButton",
         [](ModalScript &script, ScriptedPrompts &p) {
             p.answer(IDYES); // abort the quiz
             script.then<QuestionDialog>([](QuestionDialog &d) { d.reject(); });
         },
         nothing},
        {"editButton", opens(QStringLiteral("Enter Password")), nothing},
        {"aboutButton", opens(QStringLiteral("About Brainloft")), nothing},
        {"helpButton", [](ModalScript &, ScriptedPrompts &) {},
         [](MainWindow &, ScriptedPrompts &) {
             ASSERT_NE(HelpWindow::instance(), nullptr);
             EXPECT_TRUE(HelpWindow::instance()->isVisible());
             EXPECT_EQ(HelpWindow::instance()->currentTopic(), QStringLiteral("main-window"));
             HelpWindow::instance()->close();
         }},
        {"exitButton", [](ModalScript &, ScriptedPrompts &) {},
         [](MainWindow &w, ScriptedPrompts &) { EXPECT_FALSE(w.isVisible()); }},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.button);
        Quiz quiz;
        ScriptedPrompts prompts;
        MainWindow window(quiz, prompts);
        ASSERT_TRUE(window.LoadQuizFile(quizPath));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QPushButton *focused = button(window, row.button);
        focused->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(window.focusWidget(), focused);
        ModalScript script;
        row.expect(script, prompts);
        QTest::keyClick(focused, Qt::Key_Return);
        EXPECT_TRUE(script.finished());
        row.check(window, prompts);
        EXPECT_EQ(window.isVisible(), row.button != std::string("exitButton"));
        EXPECT_TRUE(prompts.allAnswered());
    }

    // Right after the start the first tab stop has the focus, so Enter means
    // Create.
    MainWindow window(m_quiz, m_prompts);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.focusWidget(), button(window, "createButton"));
    ModalScript script;
    opens(QStringLiteral("Choose Password"))(script, m_prompts);
    QTest::keyClick(window.focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(script.finished());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindowTest, StartFileWithoutQuestionsIsNotTakenAndTheProgramEnds)
{
    MainWindow window(m_quiz, m_prompts, {saveQuiz("empty.blz", "pw", 0), false});
    window.show();
    QCoreApplication::sendPostedEvents(&window);
    EXPECT_EQ(m_quiz.pathName, pathFromQString(m_dir.filePath(QStringLiteral("empty.blz"))));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), 1);
}

TEST_F(MainWindowTest, StartFileThatFailsEndsTheProgramAfterTheMessage)
{
    const QString missing = m_dir.filePath(QStringLiteral("Missing.BLZ"));
    m_prompts.answer(IDOK);
    MainWindow window(m_quiz, m_prompts, {missing, false});
    window.show();
    QCoreApplication::sendPostedEvents(&window);
    EXPECT_EQ(m_prompts.lastMessage()->text, QStringLiteral("Could not open\n") + missing);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), 1);
}

TEST_F(MainWindowTest, StartFileForEditingKeepsTheWindowOpen)
{
    const QString missing = m_dir.filePath(QStringLiteral("missing.blz"));
    m_prompts.answer(IDOK);
    MainWindow window(m_quiz, m_prompts, {missing, true});
    window.show();
    QCoreApplication::sendPostedEvents(&window);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(m_quiz.questionCount(), 0);
    EXPECT_FALSE(button(window, "editButton")->isEnabled());
}

TEST_F(MainWindowTest, LoadingAStartFileEnablesEditEvenWithoutAPassword)
{
    MainWindow window(m_quiz, m_prompts);
    ASSERT_TRUE(window.LoadQuizFile(saveQuiz("open.blz", "", 1)));
    EXPECT_TRUE(button(window, "editButton")->isEnabled());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Brainloft - open.blz"));
}

TEST_F(MainWindowTest, SampleQuizzesLoad)
{
    struct Case
    {
        const char *file;
        std::int32_t type;
    } cases[] = {{"solar-system.blz", 0}, {"french-words.blz", 1}};
    for (const Case &c : cases) {
        Quiz quiz;
        MainWindow window(quiz, m_prompts);
        ASSERT_TRUE(window.LoadQuizFile(QStringLiteral(BRAINLOFT_EXAMPLES_DIR "/") +
                                        QLatin1String(c.file)));
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Brainloft - ") + QLatin1String(c.file));
        EXPECT_EQ(quiz.quizType, c.type);
        EXPECT_EQ(quiz.questionCount(), 8);
        EXPECT_EQ(quiz.password, "teacher");
        EXPECT_TRUE(button(window, "takeButton")->isEnabled());
    }
}

TEST_F(MainWindowTest, CreateCancelledInTheParametersKeepsTheNewPassword)
{
    MainWindow window(m_quiz, m_prompts);
    loadThroughCommand(window, saveQuiz("unit1.blz", "old", 2));
    ModalScript script;
    script
        .then<PasswordDialog>([](PasswordDialog &d) {
            d.findChild<QLineEdit *>(QStringLiteral("newPasswordEdit"))->setText("new");
            d.findChild<QLineEdit *>(QStringLiteral("confirmPasswordEdit"))->setText("new");
            d.accept();
        })
        .then<QuizParametersDialog>([](QuizParametersDialog &d) { d.reject(); });
    window.createQuiz();
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(m_quiz.password, "new");
    EXPECT_EQ(m_quiz.questionCount(), 0);
    EXPECT_FALSE(button(window, "takeButton")->isEnabled());
    EXPECT_TRUE(button(window, "editButton")->isEnabled());
    // The editor was not reached: the caption still names the old file.
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Brainloft - unit1.blz"));
}

TEST_F(MainWindowTest, EditingAwayEveryQuestionDisablesTake)
{
    MainWindow window(m_quiz, m_prompts);
    loadThroughCommand(window, saveQuiz("unit1.blz", "pw", 1));
    m_prompts.answer(IDYES); // delete; an empty quiz closes unasked
    ModalScript script;
    script
        .then<PasswordDialog>([](PasswordDialog &d) {
            d.findChild<QLineEdit *>(QStringLiteral("oldPasswordEdit"))->setText("pw");
            d.accept();
        })
        .then<QuizEditorDialog>([](QuizEditorDialog &d) {
            d.Delete();
            d.accept();
        });
    window.editQuiz();
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(m_quiz.questionCount(), 0);
    EXPECT_FALSE(button(window, "takeButton")->isEnabled());
    EXPECT_TRUE(button(window, "editButton")->isEnabled());
}
