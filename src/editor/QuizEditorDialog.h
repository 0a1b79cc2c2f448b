// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editor/QuestionEditorBase.h"
#include "ui/ModalDialog.h"

#include <QStringList>

#include <functional>
#include <memory>

class CQuestion;
class Prompts;
enum class ExchangeFormat;
class Quiz;
namespace Ui {
class QuizEditorDialog;
}

// The list of the current quiz's questions (or flash cards), in which the
// author appends, inserts, edits, deletes and reorders them, opens the quiz
// parameters and saves. The window keeps no copy of the quiz: every command
// changes the quiz in place and the list mirrors its questions, entry i
// reading "i+1. text". UpdateControls sets every button from the quiz and
// the selection.
//
// Done and the close box ask to save a changed quiz first; Escape closes at
// once and leaves the changes in the quiz, still marked modified.
class QuizEditorDialog : public ModalDialog
{
    Q_OBJECT

public:
    QuizEditorDialog(Quiz &quiz, Prompts &prompts, QWidget *parent = nullptr);
    ~QuizEditorDialog() override;

    // Opens the question or flash-card editor on one question (edit mode)
    // or a new one (add mode, `question` null) and returns its result; in
    // add mode `added` receives the new question after OK.
    using QuestionEditorRun =
        std::function<int(QuestionEditorBase::Mode mode, unsigned number, CQuestion *question,
                          std::unique_ptr<CQuestion> &added)>;
    // Replace the editors and the parameters dialog (tests answer them).
    void setQuestionEditor(QuestionEditorRun run) { m_runEditor = std::move(run); }
    void setParametersDialog(std::function<int()> run) { m_runParameters = std::move(run); }
    // The import summary: the file's name, its lines and how many questions
    // can be added; Ok adds them.
    using ImportSummaryRun =
        std::function<int(const QString &fileName, const QStringList &lines, int count)>;
    void setImportSummary(ImportSummaryRun run) { m_runImportSummary = std::move(run); }

    // A list entry: "%u. %s" with the position and the question's text, or
    // "<NO TEXT ENTERED>" for a question without text.
    [[nodiscard]] static QString EntryText(unsigned number, const CQuestion &question);

    // The window's commands, as its buttons run them.
    void Append();
    void Insert();
    void Edit();
    void Delete();
    void MoveUp();
    void MoveDown();
    void ChangeParameters();
    void Print();
    // Reads another format's questions and appends them after the summary.
    void ImportQuestions();
    // Writes the quiz in a format (the Export button's menu picks it).
    void ExportQuiz(ExchangeFormat format);
    void Save();
    void SaveAs();
    void UpdateControls();

protected:
    void onOk() override; // Done
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The selected entry, or -1.
    [[nodiscard]] int selectedRow() const;
    void select(int row);
    // Selects an entry again when the selection went and entries are left.
    void keepSelection();
    // Rewrites the entries from `row` to the end with their numbers.
    void RenumberFrom(int row);
    // Runs one editor in add mode; the new question, or null when the
    // series ends.
    std::unique_ptr<CQuestion> addOne(unsigned number);
    void tellFull();

    std::unique_ptr<Ui::QuizEditorDialog> ui;
    Quiz &m_quiz;
    Prompts &m_prompts;
    QuestionEditorRun m_runEditor;
    std::function<int()> m_runParameters;
    ImportSummaryRun m_runImportSummary;
};
