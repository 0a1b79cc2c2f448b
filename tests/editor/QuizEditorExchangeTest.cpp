// SPDX-License-Identifier: GPL-3.0-or-later

// The quiz editor's Import questions... and Export quiz... buttons, and the
// import summary.

#include "editor/ImportSummaryDialog.h"
#include "editor/QuizEditorDialog.h"

#include "EditorTesting.h"
#include "QuizFixtures.h"
#include "ScriptedPrompts.h"

#include "exchange/Gift.h"
#include "model/Quiz.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString SAMPLE_GIFT = QStringLiteral(BRAINLOFT_EXCHANGE_DATA_DIR "/sample.gift");

class QuizEditorExchangeTest : public ::testing::Test
{
protected:
    void fill(int count)
    {
        for (int i = 1; i <= count; ++i)
            quiz.AppendQuestion(makeQuestion("Q" + std::to_string(i), {"a", "b"}, {0}));
        quiz.modified = false;
    }
    std::unique_ptr<QuizEditorDialog> open(int summaryAnswer)
    {
        auto dialog = std::make_unique<QuizEditorDialog>(quiz, prompts);
        dialog->setImportSummary([this, summaryAnswer](const QString &name, const QStringList &lines,
                                                       int count) {
            summaries.push_back({name, lines, count});
            return summaryAnswer;
        });
        return dialog;
    }
    static QStringList entries(const QWidget &dialog)
    {
        auto *list = child<QListWidget>(dialog, "questionList");
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }

    struct Summary
    {
        QString name;
        QStringList lines;
        int count;
    };
    Quiz quiz;
    ScriptedPrompts prompts;
    std::vector<Summary> summaries;
};

} // namespace

TEST_F(QuizEditorExchangeTest, ImportShowsTheSummaryAndAddsOnlyOnConfirmation)
{
    fill(1);
    for (const int answer : {int(ModalDialog::Cancel), int(ModalDialog::Ok)}) {
        auto dialog = open(answer);
        prompts.answerFile(SAMPLE_GIFT);
        child<QPushButton>(*dialog, "importButton")->click();
        const ScriptedPrompts::Call &asked = prompts.calls().back();
        EXPECT_EQ(asked.fileRequest.mode, FileDialogRequest::Mode::Open);
        EXPECT_TRUE(asked.fileRequest.filter.contains(QLatin1String("*.gift")));
        EXPECT_TRUE(asked.fileRequest.filter.contains(QLatin1String("All files (*.*)|*.*")));
        ASSERT_EQ(summaries.size(), 1u);
        EXPECT_EQ(summaries.back().name, QStringLiteral("sample.gift"));
        EXPECT_EQ(summaries.back().count, 5);
        EXPECT_EQ(summaries.back().lines.value(5),
                  QStringLiteral("question 6, 'Match': matching questions have no counterpart in "
                                 "Brainloft"));
        summaries.clear();
        if (answer == ModalDialog::Cancel) {
            EXPECT_EQ(quiz.questionCount(), 1);
            EXPECT_FALSE(quiz.IsModified());
            continue;
        }
        EXPECT_EQ(quiz.questionCount(), 6);
        EXPECT_TRUE(quiz.IsModified());
        EXPECT_EQ(entries(*dialog).value(1), QStringLiteral("2. Who is buried in Grant's tomb?"));
        EXPECT_EQ(entries(*dialog).size(), 6);
        EXPECT_EQ(quiz.QuestionAt(4)->multipleCorrect, 1); // the weights
        EXPECT_TRUE(child<QPushButton>(*dialog, "saveButton")->isEnabled());
    }
    EXPECT_TRUE(prompts.allAnswered());
}

TEST_F(QuizEditorExchangeTest, ABadFileIsToldAndChangesNothing)
{
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("bad.gift"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Caf\xE9 {=oui ~non}\n");
    file.close();
    fill(1);
    auto dialog = open(ModalDialog::Ok);
    prompts.answerFile(bad);
    prompts.answer(IDOK);
    child<QPushButton>(*dialog, "importButton")->click();
    EXPECT_TRUE(summaries.empty());
    EXPECT_TRUE(lastMessage(prompts).text.startsWith(
        QStringLiteral("Could not read bad.gift as GIFT:\nThe file is not UTF-8 text (line 1).")));
    EXPECT_EQ(quiz.questionCount(), 1);
}

TEST_F(QuizEditorExchangeTest, ImportStopsAtAFullQuiz)
{
    fill(MAX_QUESTIONS - 2);
    auto dialog = open(ModalDialog::Ok);
    prompts.answerFile(SAMPLE_GIFT);
    prompts.answer(IDOK);
    child<QPushButton>(*dialog, "importButton")->click();
    ASSERT_EQ(summaries.size(), 1u);
    EXPECT_EQ(summaries.back().count, 2);
    EXPECT_TRUE(summaries.back().lines.contains(
        QStringLiteral("question 3, 'TF': not added: the quiz is full (512 questions)")));
    EXPECT_EQ(quiz.questionCount(), MAX_QUESTIONS);
    EXPECT_EQ(lastMessage(prompts).text, QStringLiteral("This quiz is now full."));
    EXPECT_FALSE(child<QPushButton>(*dialog, "importButton")->isEnabled());
}

TEST_F(QuizEditorExchangeTest, ExportWritesTheChosenFormatAndSaysWhatIsLost)
{
    QTemporaryDir dir;
    {
        auto empty = open(ModalDialog::Ok);
        EXPECT_FALSE(child<QPushButton>(*empty, "exportButton")->isEnabled());
    }
    quiz.AppendQuestion(makeQuestion("Sky?", {"blue", "green"}, {0}, 5));
    quiz.AppendQuestion(makeQuestion("Even?", {"2", "3", "4"}, {0, 2}));
    auto dialog = open(ModalDialog::Ok);
    EXPECT_TRUE(child<QPushButton>(*dialog, "exportButton")->isEnabled());
    auto *menu = child<QMenu>(*dialog, "exportMenu");
    ASSERT_NE(menu, nullptr);

    const QString path = dir.filePath(QStringLiteral("out.gift"));
    prompts.answerFile(path);
    prompts.answer(IDOK);
    child<QAction>(*menu, "export-gift")->trigger();
    const FileDialogRequest &asked = prompts.calls().front().fileRequest;
    EXPECT_EQ(asked.mode, FileDialogRequest::Mode::Save);
    EXPECT_EQ(asked.defaultSuffix, QStringLiteral("gift"));
    EXPECT_TRUE(asked.overwritePrompt);
    EXPECT_EQ(lastMessage(prompts).text,
              QStringLiteral("Wrote 2 questions to out.gift.\n"
                             "GIFT stores no points or time limits: 1 question loses them"));
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const ExchangeRead back = ReadGift(written.readAll(), false);
    ASSERT_EQ(back.questions.size(), 2);
    EXPECT_EQ(back.questions[1].correct, QList<bool>({true, false, true}));

    // Aiken cannot hold the second question: it is named, the first written.
    prompts.answerFile(dir.filePath(QStringLiteral("out.txt")));
    prompts.answer(IDOK);
    child<QAction>(*menu, "export-aiken")->trigger();
    EXPECT_TRUE(lastMessage(prompts).text.startsWith(
        QStringLiteral("Wrote 1 question to out.txt.\nquestion 2, 'Even?': Aiken holds only "
                       "questions with one correct answer")));
    // Cancelling the file dialog writes nothing.
    prompts.answerFile(std::nullopt);
    child<QAction>(*menu, "export-csv")->trigger();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("quiz.csv"))));
    EXPECT_TRUE(prompts.allAnswered());
}

TEST(ImportSummaryDialog, AddOnlyWhenThereIsSomethingToAdd)
{
    const QStringList lines{QStringLiteral("question 1, 'A': imported"),
                            QStringLiteral("question 2, 'B': essay questions have no counterpart")};
    {
        ImportSummaryDialog dialog(QStringLiteral("x.gift"), lines, 1, false);
        auto *add = child<QPushButton>(dialog, "addButton");
        EXPECT_EQ(add->text(), QStringLiteral("&Add 1 question"));
        EXPECT_TRUE(add->isEnabled());
        EXPECT_TRUE(add->isDefault());
        EXPECT_EQ(child<QListWidget>(dialog, "summaryList")->count(), 2);
        EXPECT_EQ(child<QLabel>(dialog, "headlineLabel")->text(),
                  QStringLiteral("1 question of x.gift can be added:"));
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/%1.html").arg(dialog.helpTopic())));
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_EQ(dialog.result(), ModalDialog::Ok);
    }
    {
        ImportSummaryDialog dialog(QStringLiteral("x.gift"), lines.mid(1), 0, false);
        EXPECT_FALSE(child<QPushButton>(dialog, "addButton")->isEnabled());
        EXPECT_TRUE(child<QPushButton>(dialog, "cancelButton")->isDefault());
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_EQ(dialog.result(), ModalDialog::Cancel);
    }
    ImportSummaryDialog cards(QStringLiteral("a.tsv"), lines, 7, true);
    EXPECT_EQ(child<QLabel>(cards, "headlineLabel")->text(),
              QStringLiteral("7 flash cards of a.tsv can be added:"));
    EXPECT_EQ(child<QPushButton>(cards, "addButton")->text(), QStringLiteral("&Add 7 questions"));
}
