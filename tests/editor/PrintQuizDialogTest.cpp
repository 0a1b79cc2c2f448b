// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/PrintQuizDialog.h"

#include "EditorTesting.h"
#include "ModalScript.h"
#include "PdfText.h"
#include "QuizFixtures.h"
#include "ScriptedPrompts.h"
#include "editor/QuizEditorDialog.h"
#include "model/Quiz.h"
#include "model/QuizFile.h"

#include <QCheckBox>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

namespace {

class PrintQuizDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        quiz.AppendQuestion(makeQuestion("Which is blue?", {"sky", "grass"}, {0}));
        quiz.AppendQuestion(makeQuestion("Which is green?", {"sky", "grass"}, {1}));
        const std::string path = pathIn(dir, "colours.blz");
        ASSERT_EQ(SaveQuizToFile(quiz, path), SaveResult::Ok);
        quiz.SetQuizPathName(path);
    }

    QTemporaryDir dir;
    Quiz quiz;
    ScriptedPrompts prompts;
};

} // namespace

TEST_F(PrintQuizDialogTest, ChoicesSetTheButtonsAndTheVersionLetters)
{
    PrintQuizDialog dialog(quiz, prompts);
    auto *paper = child<QCheckBox>(dialog, "examPaperCheckBox");
    auto *key = child<QCheckBox>(dialog, "answerKeyCheckBox");
    auto *versions = child<QSpinBox>(dialog, "versionsSpinBox");
    auto *letters = child<QLabel>(dialog, "versionLettersLabel");
    auto *alike = child<QLabel>(dialog, "sameVersionsLabel");
    const QList<QPushButton *> commands{child<QPushButton>(dialog, "previewButton"),
                                        child<QPushButton>(dialog, "printButton"),
                                        child<QPushButton>(dialog, "savePdfButton")};
    EXPECT_TRUE(paper->isChecked());
    EXPECT_FALSE(key->isChecked());
    EXPECT_EQ(versions->minimum(), 1);
    EXPECT_EQ(versions->maximum(), 26);
    EXPECT_EQ(letters->text(), QStringLiteral("A"));
    EXPECT_TRUE(alike->isHidden());

    versions->setValue(3);
    EXPECT_EQ(letters->text(), QStringLiteral("A to C"));
    EXPECT_FALSE(alike->isHidden()); // nothing in this quiz is shuffled
    paper->setChecked(false);
    for (QPushButton *button : commands)
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    key->setChecked(true);
    for (QPushButton *button : commands)
        EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
    const PrintRequest request = dialog.request();
    EXPECT_FALSE(request.paper);
    EXPECT_TRUE(request.key);
    EXPECT_EQ(request.versions, 3);

    quiz.randomizeAnswers = 1;
    PrintQuizDialog shuffled(quiz, prompts);
    child<QSpinBox>(shuffled, "versionsSpinBox")->setValue(2);
    EXPECT_TRUE(child<QLabel>(shuffled, "sameVersionsLabel")->isHidden());

    quiz.quizType = 1;
    PrintQuizDialog cards(quiz, prompts);
    EXPECT_EQ(child<QCheckBox>(cards, "examPaperCheckBox")->text(),
              QStringLiteral("&Flash-card sheets"));
}

TEST_F(PrintQuizDialogTest, SaveAsPdfAndPrintReportWhatFails)
{
    PrintQuizDialog dialog(quiz, prompts);
    child<QCheckBox>(dialog, "answerKeyCheckBox")->setChecked(true);
    child<QSpinBox>(dialog, "versionsSpinBox")->setValue(2);

    const QString saved = dir.filePath(QStringLiteral("saved.pdf"));
    prompts.answerFile(saved);
    dialog.SaveAsPdf();
    ASSERT_EQ(prompts.calls().size(), 1u);
    const FileDialogRequest &asked = prompts.calls()[0].fileRequest;
    EXPECT_EQ(asked.mode, FileDialogRequest::Mode::Save);
    EXPECT_EQ(asked.initialName, dir.filePath(QStringLiteral("colours.pdf")));
    EXPECT_TRUE(asked.overwritePrompt);
    EXPECT_EQ(ReadPdfInfo(saved).pages, 4); // two papers, two keys
    EXPECT_TRUE(prompts.messages().empty());

    const QString nowhere = dir.filePath(QStringLiteral("missing/out.pdf"));
    prompts.answerFile(nowhere).answer(IDOK);
    dialog.SaveAsPdf();
    EXPECT_TRUE(
        lastMessage(prompts).text.startsWith(QStringLiteral("Could not write\n") + nowhere));

    // The printer dialog's choice of pages is kept; a printer that cannot
    // be written to is reported with the reason.
    const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
    dialog.setPrinterChooser([&](QPrinter &printer, QWidget *) {
        printer.setOutputFileName(printed);
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 3);
        return true;
    });
    dialog.Print();
    EXPECT_EQ(ReadPdfInfo(printed).pages, 2);
    const QStringList pages = PdfPageTexts(printed);
    EXPECT_TRUE(pages.value(0).contains(QStringLiteral("Version B")));
    EXPECT_TRUE(pages.value(1).contains(QStringLiteral("Answer key")));

    dialog.setPrinterChooser([&](QPrinter &printer, QWidget *) {
        printer.setOutputFileName(nowhere);
        return true;
    });
    prompts.answer(IDOK);
    dialog.Print();
    EXPECT_EQ(lastMessage(prompts).text,
              QStringLiteral("The quiz could not be printed on %1:\nThe printer or file could not "
                             "be opened for printing.")
                  .arg(nowhere));
    EXPECT_TRUE(prompts.allAnswered());
}

TEST_F(PrintQuizDialogTest, PreviewShowsEveryPage)
{
    PrintQuizDialog dialog(quiz, prompts);
    child<QCheckBox>(dialog, "answerKeyCheckBox")->setChecked(true);
    child<QSpinBox>(dialog, "versionsSpinBox")->setValue(3);
    int pages = 0;
    ModalScript script;
    script.then<QPrintPreviewDialog>([&](QPrintPreviewDialog &preview) {
        pages = preview.findChild<QPrintPreviewWidget *>()->pageCount();
        preview.reject();
    });
    dialog.Preview();
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(pages, 6);
}

TEST_F(PrintQuizDialogTest, QuizEditorPrintsOnceThereAreQuestions)
{
    {
        QuizEditorDialog editor(quiz, prompts);
        ModalScript script;
        script.then<PrintQuizDialog>([](PrintQuizDialog &dialog) { dialog.reject(); });
        auto *print = child<QPushButton>(editor, "printButton");
        EXPECT_TRUE(print->isEnabled());
        print->click();
        EXPECT_TRUE(script.finished());
    }
    Quiz empty;
    QuizEditorDialog editor(empty, prompts);
    EXPECT_FALSE(child<QPushButton>(editor, "printButton")->isEnabled());
}
