// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/QuizEditorDialog.h"
#include "ui_QuizEditorDialog.h"

#include "editor/FlashCardEditorDialog.h"
#include "editor/ImportSummaryDialog.h"
#include "editor/PrintQuizDialog.h"
#include "editor/QuestionEditorDialog.h"
#include "editor/QuizParametersDialog.h"
#include "exchange/QuizExchange.h"
#include "model/Quiz.h"
#include "taking/ImageFiles.h"
#include "ui/CodePage.h"
#include "ui/DialogUnits.h"
#include "ui/Prompts.h"
#include "ui/QuizFiles.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSaveFile>

#include <algorithm>

namespace {

const QString BRAINLOFT = QStringLiteral("Brainloft");

using Mode = QuestionEditorBase::Mode;

template<class Editor>
int runEditor(Quiz &quiz, Prompts &prompts, Mode mode, unsigned number, CQuestion *question,
              std::unique_ptr<CQuestion> &added, QWidget *parent)
{
    Editor editor(quiz, prompts, mode, number, question, parent);
    const int result = editor.exec();
    if (mode == Mode::Add && result == ModalDialog::Ok)
        added = editor.takeQuestion();
    return result;
}

} // namespace

QuizEditorDialog::QuizEditorDialog(Quiz &quiz, Prompts &prompts, QWidget *parent)
    : ModalDialog(parent)
    , ui(std::make_unique<Ui::QuizEditorDialog>())
    , m_quiz(quiz)
    , m_prompts(prompts)
{
    ui->setupUi(this);
    setHelpTopic(QStringLiteral("quiz-editor"));
    m_runEditor = [this](Mode mode, unsigned number, CQuestion *question,
                         std::unique_ptr<CQuestion> &added) {
        if (m_quiz.quizType != 0)
            return runEditor<FlashCardEditorDialog>(m_quiz, m_prompts, mode, number, question,
                                                    added, this);
        return runEditor<QuestionEditorDialog>(m_quiz, m_prompts, mode, number, question, added,
                                               this);
    };
    m_runParameters = [this] {
        QuizParametersDialog dialog(m_quiz, m_prompts, false, this);
        return dialog.exec();
    };
    m_runImportSummary = [this](const QString &fileName, const QStringList &lines, int count) {
        ImportSummaryDialog dialog(fileName, lines, count, m_quiz.quizType != 0, this);
        return dialog.exec();
    };

    // One menu entry per format this build writes; each asks for its file.
    auto *exportMenu = new QMenu(ui->exportButton);
    exportMenu->setObjectName(QStringLiteral("exportMenu"));
    for (const ExchangeFormat format : QuizExchange::writableFormats()) {
        QAction *action = exportMenu->addAction(
            // The titles start with different letters: each is its mnemonic.
            tr("&%1 (.%2)...")
                .arg(QuizExchange::formatTitle(format), QuizExchange::formatSuffix(format)));
        action->setObjectName(QStringLiteral("export-") + QuizExchange::formatName(format));
        connect(action, &QAction::triggered, this, [this, format] { ExportQuiz(format); });
    }
    ui->exportButton->setMenu(exportMenu);

    connect(ui->appendButton, &QPushButton::clicked, this, &QuizEditorDialog::Append);
    connect(ui->insertButton, &QPushButton::clicked, this, &QuizEditorDialog::Insert);
    connect(ui->editButton, &QPushButton::clicked, this, &QuizEditorDialog::Edit);
    connect(ui->deleteButton, &QPushButton::clicked, this, &QuizEditorDialog::Delete);
    connect(ui->moveUpButton, &QPushButton::clicked, this, &QuizEditorDialog::MoveUp);
    connect(ui->moveDownButton, &QPushButton::clicked, this, &QuizEditorDialog::MoveDown);
    connect(ui->parametersButton, &QPushButton::clicked, this, &QuizEditorDialog::ChangeParameters);
    connect(ui->printButton, &QPushButton::clicked, this, &QuizEditorDialog::Print);
    connect(ui->importButton, &QPushButton::clicked, this, &QuizEditorDialog::ImportQuestions);
    connect(ui->helpButton, &QPushButton::clicked, this, &QuizEditorDialog::showHelp);
    connect(ui->saveButton, &QPushButton::clicked, this, &QuizEditorDialog::Save);
    connect(ui->saveAsButton, &QPushButton::clicked, this, &QuizEditorDialog::SaveAs);
    connect(ui->doneButton, &QPushButton::clicked, this, &QuizEditorDialog::accept);
    connect(ui->questionList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        select(ui->questionList->row(item));
        Edit();
    });
    connect(ui->questionList, &QListWidget::itemSelectionChanged, this,
            &QuizEditorDialog::keepSelection);
    ui->questionList->installEventFilter(this);

    if (m_quiz.quizType != 0) {
        ui->appendButton->setText(tr("&Append flash cards"));
        ui->insertButton->setText(tr("&Insert flash cards"));
        ui->editButton->setText(tr("&Edit flash card"));
        ui->deleteButton->setText(tr("&Delete flash card"));
        ui->moveUpButton->setText(tr("Move flash card &up"));
        ui->moveDownButton->setText(tr("&Move flash card down"));
    }
    for (int i = 0; i < m_quiz.questionCount(); ++i)
        ui->questionList->addItem(EntryText(unsigned(i) + 1, *m_quiz.QuestionAt(i)));
    if (ui->questionList->count() > 0)
        select(0);
    UpdateControls();
    ui->questionList->setFocus(Qt::OtherFocusReason);
    resize(sizeHint().expandedTo(DialogUnits(font()).size(299, 221)));
}

QuizEditorDialog::~QuizEditorDialog() = default;

QString QuizEditorDialog::EntryText(unsigned number, const CQuestion &question)
{
    const QString text = question.text.empty() ? tr("<NO TEXT ENTERED>")
                                               : CodePage::toUnicode(question.text);
    return QStringLiteral("%1. %2").arg(number).arg(text);
}

int QuizEditorDialog::selectedRow() const
{
    const QList<QListWidgetItem *> selected = ui->questionList->selectedItems();
    return selected.isEmpty() ? -1 : ui->questionList->row(selected.constFirst());
}

void QuizEditorDialog::select(int row)
{
    ui->questionList->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void QuizEditorDialog::keepSelection()
{
    // The list always has a selected entry unless it is empty: what would
    // take the selection away (Ctrl+click, Ctrl+Space) selects the current
    // entry again, which brings us back here with a selection.
    const int n = ui->questionList->count();
    if (selectedRow() < 0 && n > 0) {
        const int current = ui->questionList->currentRow();
        select(current >= 0 && current < n ? current : 0);
        return;
    }
    UpdateControls();
}

void QuizEditorDialog::UpdateControls()
{
    const QString name = captionFileName(m_quiz.pathName);
    setWindowTitle(name.isEmpty() ? tr("Editing New Quiz")
                                  : tr("Editing %1").arg(name));
    const int n = ui->questionList->count();
    const int s = selectedRow();
    const bool selected = s >= 0;
    ui->editButton->setEnabled(n > 0 && selected);
    ui->deleteButton->setEnabled(n > 0 && selected);
    ui->moveUpButton->setEnabled(selected && n != 1 && s > 0);
    ui->moveDownButton->setEnabled(selected && n != 1 && s < n - 1);
    ui->saveButton->setEnabled(m_quiz.modified && n > 0);
    ui->saveAsButton->setEnabled(n > 0);
    ui->printButton->setEnabled(n > 0);
    ui->exportButton->setEnabled(n > 0);
    const bool room = m_quiz.questionCount() < MAX_QUESTIONS;
    ui->appendButton->setEnabled(room);
    ui->insertButton->setEnabled(room);
    ui->importButton->setEnabled(room);
}

void QuizEditorDialog::RenumberFrom(int row)
{
    for (int j = row; j < ui->questionList->count(); ++j)
        ui->questionList->item(j)->setText(EntryText(unsigned(j) + 1, *m_quiz.QuestionAt(j)));
}

std::unique_ptr<CQuestion> QuizEditorDialog::addOne(unsigned number)
{
    std::unique_ptr<CQuestion> added;
    if (m_runEditor(Mode::Add, number, nullptr, added) != Ok)
        return nullptr;
    return added;
}

void QuizEditorDialog::tellFull()
{
    m_prompts.messageBox(this, tr("This quiz is now full."), BRAINLOFT,
                         MB_OK | MB_ICONINFORMATION);
}

void QuizEditorDialog::Append()
{
    unsigned number = unsigned(ui->questionList->count()) + 1;
    while (std::unique_ptr<CQuestion> question = addOne(number)) {
        const int position = m_quiz.AppendQuestion(std::move(question));
        if (position < 0)
            break; // cannot happen: the series stops at the last place
        ui->questionList->addItem(EntryText(unsigned(position) + 1, *m_quiz.QuestionAt(position)));
        select(position);
        if (m_quiz.questionCount() >= MAX_QUESTIONS) {
            tellFull();
            break;
        }
        ++number;
    }
    UpdateControls();
}

void QuizEditorDialog::Insert()
{
    int p = std::max(selectedRow(), 0);
    unsigned t = unsigned(p) + 1;
    while (std::unique_ptr<CQuestion> question = addOne(t)) {
        if (!m_quiz.InsertQuestion(p, std::move(question)))
            break; // cannot happen: the series stops at the last place
        ui->questionList->insertItem(p, EntryText(t, *m_quiz.QuestionAt(p)));
        select(p);
        ++p;
        ++t;
        if (p < ui->questionList->count())
            RenumberFrom(p);
        if (m_quiz.questionCount() >= MAX_QUESTIONS) {
            tellFull();
            break;
        }
    }
    UpdateControls();
}

void QuizEditorDialog::Edit()
{
    const int s = selectedRow();
    if (s < 0)
        return;
    std::unique_ptr<CQuestion> unused;
    if (m_runEditor(Mode::Edit, unsigned(s) + 1, m_quiz.QuestionAt(s), unused) != Ok)
        return;
    ui->questionList->item(s)->setText(EntryText(unsigned(s) + 1, *m_quiz.QuestionAt(s)));
    select(s);
    UpdateControls();
}

void QuizEditorDialog::Delete()
{
    const int n = ui->questionList->count();
    const int s = selectedRow();
    if (n == 0 || s < 0)
        return;
    const QString question =
        m_quiz.quizType != 0 ? tr("Are you sure you wish to delete flash card %1?")
                             : tr("Are you sure you wish to delete question %1?");
    if (m_prompts.messageBox(
            this, question.arg(s + 1),
            tr("Confirm Deletion"), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    m_quiz.RemoveQuestion(s);
    delete ui->questionList->takeItem(s);
    RenumberFrom(s);
    const int remaining = ui->questionList->count();
    if (remaining > 0)
        select(std::min(s, remaining - 1));
    UpdateControls();
}

void QuizEditorDialog::MoveUp()
{
    const int s = selectedRow();
    if (s < 0 || !m_quiz.MoveQuestion(Quiz::Direction::Up, s))
        return;
    RenumberFrom(s - 1);
    select(s - 1);
    UpdateControls();
}

void QuizEditorDialog::MoveDown()
{
    const int s = selectedRow();
    if (s < 0 || !m_quiz.MoveQuestion(Quiz::Direction::Down, s))
        return;
    RenumberFrom(s);
    select(s + 1);
    UpdateControls();
}

void QuizEditorDialog::ChangeParameters()
{
    // The dialog changes no question text; it may have marked the quiz
    // modified, which Save follows.
    m_runParameters();
    UpdateControls();
}

void QuizEditorDialog::Print()
{
    PrintQuizDialog dialog(m_quiz, m_prompts, this);
    dialog.exec();
}

void QuizEditorDialog::ImportQuestions()
{
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Open;
    request.title = tr("Import Questions");
    request.filter = tr("Question files (*.gift *.txt *.xml *.csv *.tsv)|"
                        "*.gift;*.txt;*.xml;*.csv;*.tsv|"
                        "GIFT (*.gift *.txt)|*.gift;*.txt|Aiken (*.txt)|*.txt|"
                        "Moodle XML (*.xml)|*.xml|CSV (*.csv)|*.csv|"
                        "TSV, Anki notes (*.tsv *.txt)|*.tsv;*.txt|All files (*.*)|*.*||");
    request.fileMustExist = true;
    const std::optional<QString> path = m_prompts.fileDialog(this, request);
    if (!path)
        return;
    const QString shown = QFileInfo(*path).fileName();
    auto refuse = [&](const QString &text) {
        m_prompts.messageBox(this, text, BRAINLOFT, MB_OK | MB_ICONEXCLAMATION);
    };
    QString error;
    const std::optional<QByteArray> bytes = QuizExchange::readFile(*path, error);
    if (!bytes)
        return refuse(error);
    const ExchangeFormat format = QuizExchange::guessFormat(*path, *bytes);
    const ExchangeRead read = QuizExchange::read(format, *bytes, m_quiz.quizType != 0);
    if (!read.error.isEmpty())
        return refuse(tr("Could not read %1 as %2:\n%3")
                          .arg(shown, QuizExchange::formatTitle(format), read.error));
    QuizExchange::ImportPlan plan = QuizExchange::prepareImport(read, m_quiz);
    QStringList lines;
    for (const ExchangeNote &note : plan.notes)
        lines << QuizExchange::noteLine(note);
    if (m_runImportSummary(shown, lines, plan.count()) != Ok || plan.count() == 0)
        return;

    // Pictures go beside the quiz; a quiz not yet saved keeps them beside
    // the file they came from, named by their full paths.
    const QString folder = m_quiz.pathName.empty()
                               ? QFileInfo(*path).absolutePath()
                               : quizFolderOf(pathToQString(m_quiz.pathName));
    QList<ExchangeNote> notes;
    const int first = m_quiz.questionCount();
    const int added = QuizExchange::commitImport(plan, m_quiz, folder, notes);
    for (int i = first; i < first + added; ++i)
        ui->questionList->addItem(EntryText(unsigned(i) + 1, *m_quiz.QuestionAt(i)));
    if (added > 0)
        select(first + added - 1);
    UpdateControls();
    QStringList problems;
    for (const ExchangeNote &note : notes)
        problems << QuizExchange::noteLine(note);
    if (!problems.isEmpty())
        refuse(problems.join(u'\n'));
    if (m_quiz.questionCount() >= MAX_QUESTIONS)
        tellFull();
}

void QuizEditorDialog::ExportQuiz(ExchangeFormat format)
{
    if (m_quiz.questionCount() == 0)
        return;
    const QString title = QuizExchange::formatTitle(format);
    const QString suffix = QuizExchange::formatSuffix(format);
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.title = tr("Export Quiz as %1").arg(title);
    request.defaultSuffix = suffix;
    const QString base = m_quiz.pathName.empty()
                             ? tr("quiz")
                             : QFileInfo(pathToQString(m_quiz.pathName)).completeBaseName();
    request.initialName = base + u'.' + suffix;
    request.filter = tr("%1 files (*.%2)|*.%2|All files (*.*)|*.*||").arg(title, suffix);
    request.overwritePrompt = true;
    request.pathMustExist = true;
    const std::optional<QString> path = m_prompts.fileDialog(this, request);
    if (!path)
        return;
    const ExchangeWritten written = QuizExchange::write(format, m_quiz, base);
    int skipped = 0;
    QStringList lines;
    for (const ExchangeNote &note : written.notes) {
        lines << QuizExchange::noteLine(note);
        skipped += note.kind == ExchangeNote::Kind::Skipped ? 1 : 0;
    }
    const int count = m_quiz.questionCount() - skipped;
    if (count <= 0) {
        lines.prepend(tr("%1 holds none of this quiz's questions; nothing was written.").arg(title));
        m_prompts.messageBox(this, lines.join(u'\n'), BRAINLOFT, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // The author agreed to replace a file of that name; the old one stays
    // whole until the new one is complete.
    QSaveFile file(*path);
    if (!file.open(QIODevice::WriteOnly) || file.write(written.bytes) != written.bytes.size() ||
        !file.commit()) {
        m_prompts.messageBox(this,
                             tr("Could not write\n%1\n%2")
                                 .arg(QDir::toNativeSeparators(*path), file.errorString()),
                             BRAINLOFT, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    lines.prepend(count == 1 ? tr("Wrote 1 question to %1.").arg(QFileInfo(*path).fileName())
                             : tr("Wrote %1 questions to %2.")
                                   .arg(count)
                                   .arg(QFileInfo(*path).fileName()));
    m_prompts.messageBox(this, lines.join(u'\n'), BRAINLOFT, MB_OK | MB_ICONINFORMATION);
}

void QuizEditorDialog::Save()
{
    SaveQuiz(m_quiz, m_prompts, this);
    UpdateControls();
}

void QuizEditorDialog::SaveAs()
{
    if (ChooseQuizFileName(m_quiz, m_prompts, this) != Ok)
        return;
    SaveQuiz(m_quiz, m_prompts, this);
    UpdateControls();
}

void QuizEditorDialog::onOk()
{
    if (ConfirmSaveChanges(m_quiz, m_prompts, this))
        done(Ok);
}

void QuizEditorDialog::closeEvent(QCloseEvent *event)
{
    // The close box is Done, with its question; Escape is not.
    if (ConfirmSaveChanges(m_quiz, m_prompts, this)) {
        event->accept();
        done(Ok);
    } else {
        event->ignore();
    }
}

bool QuizEditorDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Enter on the list is left to the dialog, which gives it to Done (the
    // default button); double-click and Alt+E edit.
    if (watched == ui->questionList && event->type() == QEvent::FocusIn)
        UpdateControls();
    return ModalDialog::eventFilter(watched, event);
}
