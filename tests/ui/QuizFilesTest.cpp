// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuizFixtures.h"
#include "ScriptedPrompts.h"

#include "model/QuizFile.h"
#include "ui/ModalDialog.h"
#include "ui/QuizFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class QuizFilesTest : public ::testing::Test
{
protected:
    QString file(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    void saveSample(const char *name, const char *password = "pw")
    {
        Quiz quiz;
        quiz.password = password;
        quiz.AppendQuestion(makeQuestion("q", {"a", "b"}, {0}));
        ASSERT_EQ(SaveQuizToFile(quiz, pathFromQString(file(name))), SaveResult::Ok);
    }

    QTemporaryDir m_dir;
    ScriptedPrompts m_prompts;
    Quiz m_quiz;
};

} // namespace

TEST_F(QuizFilesTest, LoadSetsTheAbsolutePathAndItsLog)
{
    saveSample("unit1.blz");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
    const bool ok = LoadQuizFile(m_quiz, m_prompts, QStringLiteral("unit1.blz"), nullptr);
    QDir::setCurrent(previous);
    ASSERT_TRUE(ok);
    EXPECT_EQ(pathToQString(m_quiz.pathName), file("unit1.blz"));
    EXPECT_EQ(pathToQString(m_quiz.logPathName), file("unit1.blg"));
    EXPECT_EQ(m_quiz.questionCount(), 1);
    EXPECT_FALSE(m_quiz.modified);
    EXPECT_TRUE(m_prompts.calls().empty());
}

TEST_F(QuizFilesTest, LoadFailuresReportAndLeaveAnEmptyQuiz)
{
    writeFile(pathFromQString(file("bad.blz")),
              {13, 'B', 'r', 'a', 'i', 'n', 'l', 'o', 'f', 't', ' ', '9', '.', '9', 0, 0, 0, 0});
    struct Case
    {
        QString path;
        QString message;
    } cases[] = {
        {file("missing.blz"), QStringLiteral("Could not open\n") + file("missing.blz")},
        {file("bad.blz"), QStringLiteral("File load failed")},
    };
    for (const Case &c : cases) {
        m_quiz.SetQuizPathName("/old/quiz.blz");
        m_quiz.password = "old";
        m_prompts.answer(IDOK);
        EXPECT_FALSE(LoadQuizFile(m_quiz, m_prompts, c.path, nullptr));
        ASSERT_NE(m_prompts.lastMessage(), nullptr);
        EXPECT_EQ(m_prompts.lastMessage()->text, c.message);
        EXPECT_EQ(m_prompts.lastMessage()->caption, QStringLiteral("Brainloft"));
        EXPECT_EQ(m_prompts.lastMessage()->flags, MB_ICONINFORMATION);
        EXPECT_EQ(m_quiz.questionCount(), 0);
        EXPECT_TRUE(m_quiz.password.empty());
        EXPECT_TRUE(m_quiz.pathName.empty());
        EXPECT_TRUE(m_quiz.logPathName.empty());
    }
}

TEST_F(QuizFilesTest, ChooseFileNameAsksForABrainloftFile)
{
    m_prompts.answerFile(file("new.blz"));
    EXPECT_EQ(ChooseQuizFileName(m_quiz, m_prompts, nullptr), ModalDialog::Ok);
    const FileDialogRequest &request = m_prompts.calls().back().fileRequest;
    EXPECT_EQ(request.mode, FileDialogRequest::Mode::Save);
    EXPECT_EQ(request.initialName, QStringLiteral("Untitled"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("blz"));
    EXPECT_EQ(request.filter, QStringLiteral("Brainloft Files (*.blz)|*.blz||"));
    EXPECT_TRUE(request.overwritePrompt);
    EXPECT_EQ(pathToQString(m_quiz.pathName), file("new.blz"));
    EXPECT_FALSE(QFile::exists(file("new.blz")));

    m_prompts.answerFile(std::nullopt);
    EXPECT_EQ(ChooseQuizFileName(m_quiz, m_prompts, nullptr), ModalDialog::Cancel);
    EXPECT_EQ(m_prompts.calls().back().fileRequest.initialName, file("new.blz"));
    EXPECT_EQ(pathToQString(m_quiz.pathName), file("new.blz"));
}

TEST_F(QuizFilesTest, SaveWithoutAPathAsksFirst)
{
    m_quiz.AppendQuestion(makeQuestion("q", {"a", "b"}, {0}));
    m_prompts.answerFile(std::nullopt);
    EXPECT_FALSE(SaveQuiz(m_quiz, m_prompts, nullptr));
    EXPECT_TRUE(m_quiz.modified);
    EXPECT_TRUE(QDir(m_dir.path()).isEmpty());

    m_prompts.answerFile(file("saved.blz"));
    EXPECT_TRUE(SaveQuiz(m_quiz, m_prompts, nullptr));
    EXPECT_FALSE(m_quiz.modified);
    EXPECT_EQ(readFile(pathFromQString(file("saved.blz"))), quizBytes(m_quiz));
}

TEST_F(QuizFilesTest, SaveIntoAMissingFolderReportsAndKeepsTheName)
{
    m_quiz.AppendQuestion(makeQuestion("q", {"a", "b"}, {0}));
    const QString path = file("no/such/folder/quiz.blz");
    m_prompts.answerFile(path);
    m_prompts.answer(IDOK);
    EXPECT_FALSE(SaveQuiz(m_quiz, m_prompts, nullptr));
    EXPECT_EQ(m_prompts.lastMessage()->text, QStringLiteral("Could not create or access\n") + path);
    EXPECT_EQ(m_prompts.lastMessage()->caption, QStringLiteral("File Save Error"));
    EXPECT_EQ(pathToQString(m_quiz.pathName), path);
    EXPECT_TRUE(m_quiz.modified);
}

TEST_F(QuizFilesTest, SaveThatFailsMidwayReportsItAndKeepsTheOldFile)
{
    saveSample("quiz.blz");
    const std::string path = pathFromQString(file("quiz.blz"));
    const auto before = readFile(path);
    ASSERT_TRUE(LoadQuizFile(m_quiz, m_prompts, file("quiz.blz"), nullptr));
    for (int i = 0; i < 100; ++i)
        m_quiz.AppendQuestion(makeQuestion(std::string(300, 'x'), {"a", "b"}, {0}));
    m_prompts.answer(IDOK);
    {
        FileSizeLimit limit(4096);
        EXPECT_FALSE(SaveQuiz(m_quiz, m_prompts, nullptr));
    }
    EXPECT_TRUE(m_prompts.lastMessage()->text.startsWith(QStringLiteral("Could not write\n") +
                                                         file("quiz.blz")));
    EXPECT_EQ(m_prompts.lastMessage()->caption, QStringLiteral("File Save Error"));
    EXPECT_TRUE(m_quiz.modified);
    EXPECT_EQ(readFile(path), before);
}

TEST_F(QuizFilesTest, ConfirmSaveChangesAsksOnlyForAChangedQuizWithQuestions)
{
    EXPECT_TRUE(ConfirmSaveChanges(m_quiz, m_prompts, nullptr));
    m_quiz.modified = true;
    EXPECT_TRUE(ConfirmSaveChanges(m_quiz, m_prompts, nullptr)); // no questions
    EXPECT_TRUE(m_prompts.calls().empty());

    m_quiz.AppendQuestion(makeQuestion("q", {"a", "b"}, {0}));
    m_prompts.answer(IDNO);
    EXPECT_TRUE(ConfirmSaveChanges(m_quiz, m_prompts, nullptr));
    EXPECT_EQ(m_prompts.lastMessage()->text, QStringLiteral("Save the current quiz?"));
    EXPECT_EQ(m_prompts.lastMessage()->flags, MB_YESNOCANCEL | MB_ICONQUESTION);
    EXPECT_TRUE(m_quiz.modified);

    m_prompts.answer(IDCANCEL);
    EXPECT_FALSE(ConfirmSaveChanges(m_quiz, m_prompts, nullptr));

    m_prompts.answer(IDYES).answerFile(std::nullopt); // the save is cancelled
    EXPECT_FALSE(ConfirmSaveChanges(m_quiz, m_prompts, nullptr));

    m_prompts.answer(IDYES).answerFile(file("kept.blz"));
    EXPECT_TRUE(ConfirmSaveChanges(m_quiz, m_prompts, nullptr));
    EXPECT_FALSE(m_quiz.modified);
    EXPECT_TRUE(QFile::exists(file("kept.blz")));
}

TEST(QuizFiles, CaptionNameIsWhatFollowsTheLastSeparator)
{
    EXPECT_EQ(captionFileName("/home/ann/unit1.blz"), QStringLiteral("unit1.blz"));
    EXPECT_EQ(captionFileName("c:\\quizzes\\unit1.blz"), QStringLiteral("unit1.blz"));
    EXPECT_EQ(captionFileName("c:\\a/b\\unit1.blz"), QStringLiteral("unit1.blz"));
    EXPECT_EQ(captionFileName("unit1.blz"), QString());
    EXPECT_EQ(captionFileName(""), QString());
}
