// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResultsWindow.h"

#include "MergedLog.h"
#include "ResultsCsv.h"
#include "ResultsModels.h"
#include "ResultsText.h"

#include "model/Quiz.h"
#include "print/ResultsReport.h"
#include "ui/CodePage.h"
#include "ui/Prompts.h"
#include "ui/QuizFiles.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

namespace {

const QString CAPTION = QStringLiteral("Brainloft");

QTableView *makeTable(QAbstractItemModel *model, const QString &name)
{
    auto *view = new QTableView;
    view->setObjectName(name);
    view->setModel(model);
    view->setSortingEnabled(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    // Fixed row heights: no row is measured, however many there are.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 8);
    view->verticalHeader()->hide();
    view->setWordWrap(false);
    // Column widths from the first rows, not from every one of a large class.
    view->horizontalHeader()->setResizeContentsPrecision(200);
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

QChartView *makeChart(const QString &name)
{
    auto *view = new QChartView;
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(220);
    return view;
}

void fillChart(QChartView *view, const QString &title, const QStringList &categories,
               const QList<qreal> &values, const QString &setName, qreal top)
{
    auto *chart = new QChart;
    chart->setTitle(title);
    chart->legend()->hide();
    auto *set = new QBarSet(setName);
    set->append(values);
    auto *series = new QBarSeries;
    series->append(set);
    chart->addSeries(series);
    auto *x = new QBarCategoryAxis;
    x->append(categories);
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    auto *y = new QValueAxis;
    y->setRange(0, top);
    y->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(y);
    QChart *old = view->chart();
    view->setChart(chart);
    delete old;
}

} // namespace

ResultsWindow::ResultsWindow(const Quiz &quiz, Prompts &prompts, std::vector<std::string> moreLogs,
                             QWidget *parent)
    : ModalDialog(parent)
    , m_quiz(quiz)
    , m_prompts(prompts)
    , m_tabs(new QTabWidget(this))
    , m_problemsLabel(new QLabel(this))
    , m_takersModel(new TakersModel(this))
    , m_takersProxy(new QSortFilterProxyModel(this))
    , m_questionsModel(new QuestionsModel(quiz, this))
    , m_questionsProxy(new QSortFilterProxyModel(this))
    , m_addLogButton(new QPushButton(tr("&Add log..."), this))
    , m_saveMergedButton(new QPushButton(tr("Save &merged log as..."), this))
    , m_exportCsvButton(new QPushButton(tr("&Export CSV..."), this))
    , m_savePdfButton(new QPushButton(tr("Save report as &PDF..."), this))
    , m_printButton(new QPushButton(tr("P&rint..."), this))
    , m_helpButton(new QPushButton(tr("&Help"), this))
    , m_closeButton(new QPushButton(tr("&Close"), this))
{
    setObjectName(QStringLiteral("ResultsWindow"));
    setWindowTitle(ResultsTitle(quiz));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);
    setHelpTopic(QStringLiteral("results.html"));
    m_pending.push_back(quiz.logPathName);
    m_pending.insert(m_pending.end(), moreLogs.begin(), moreLogs.end());

    m_tabs->setObjectName(QStringLiteral("resultsTabs"));
    m_problemsLabel->setObjectName(QStringLiteral("problemsLabel"));
    m_problemsLabel->setWordWrap(true);
    m_problemsLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_takersProxy->setSourceModel(m_takersModel);
    m_takersProxy->setSortRole(Qt::UserRole);
    m_takersProxy->setFilterKeyColumn(TakersModel::Comment);
    m_takersProxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_questionsProxy->setSourceModel(m_questionsModel);
    m_questionsProxy->setSortRole(Qt::UserRole);
    buildSummaryTab();
    buildTakersTab();
    buildQuestionsTab();

    const struct
    {
        QPushButton *button;
        const char *name;
    } buttons[] = {{m_addLogButton, "addLogButton"},       {m_saveMergedButton, "saveMergedButton"},
                   {m_exportCsvButton, "exportCsvButton"}, {m_savePdfButton, "savePdfButton"},
                   {m_printButton, "printButton"},         {m_helpButton, "helpButton"},
                   {m_closeButton, "closeButton"}};
    auto *row = new QHBoxLayout;
    for (const auto &b : buttons) {
        b.button->setObjectName(QLatin1String(b.name));
        b.button->setAutoDefault(false);
        if (b.button == m_helpButton)
            row->addStretch();
        row->addWidget(b.button);
    }
    m_closeButton->setDefault(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(row);

    connect(m_addLogButton, &QPushButton::clicked, this, &ResultsWindow::onAddLog);
    connect(m_saveMergedButton, &QPushButton::clicked, this, &ResultsWindow::onSaveMerged);
    connect(m_exportCsvButton, &QPushButton::clicked, this, &ResultsWindow::onExportCsv);
    connect(m_savePdfButton, &QPushButton::clicked, this, &ResultsWindow::onSavePdf);
    connect(m_printButton, &QPushButton::clicked, this, &ResultsWindow::onPrint);
    connect(m_helpButton, &QPushButton::clicked, this, &ModalDialog::showHelp);
    connect(m_closeButton, &QPushButton::clicked, this, [this] { done(Ok); });
    // Through the tab's page first, then the commands.
    QWidget::setTabOrder(m_searchEdit, m_takersView);
    QWidget::setTabOrder(m_takersView, m_answersTable);
    QWidget::setTabOrder(m_answersTable, m_questionsView);
    QWidget::setTabOrder(m_questionsView, m_barsTable);
    QWidget *previous = m_barsTable;
    for (const auto &b : buttons) {
        QWidget::setTabOrder(previous, b.button);
        previous = b.button;
    }
    resize(1000, 700);
    refresh();
}

ResultsWindow::~ResultsWindow() = default;

void ResultsWindow::buildSummaryTab()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("summaryTab"));
    auto *layout = new QVBoxLayout(page);
    auto *title = new QLabel(QStringLiteral("<b>%1</b>").arg(ResultsTitle(m_quiz).toHtmlEscaped()));
    layout->addWidget(title);
    layout->addWidget(m_problemsLabel);
    m_summaryGrid = new QGridLayout;
    m_summaryGrid->setColumnStretch(2, 1);
    m_summaryGrid->setHorizontalSpacing(18);
    layout->addLayout(m_summaryGrid);
    auto *charts = new QHBoxLayout;
    m_histogramView = makeChart(QStringLiteral("histogramChart"));
    m_facilityView = makeChart(QStringLiteral("facilityChart"));
    charts->addWidget(m_histogramView);
    charts->addWidget(m_facilityView);
    layout->addLayout(charts, 1);
    m_tabs->addTab(page, tr("&Summary"));
}

void ResultsWindow::buildTakersTab()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("takersTab"));
    auto *layout = new QVBoxLayout(page);
    auto *search = new QHBoxLayout;
    auto *label = new QLabel(tr("Sea&rch comments:"));
    m_searchEdit = new QLineEdit;
    m_searchEdit->setObjectName(QStringLiteral("searchEdit"));
    m_searchEdit->setClearButtonEnabled(true);
    label->setBuddy(m_searchEdit);
    search->addWidget(label);
    search->addWidget(m_searchEdit, 1);
    layout->addLayout(search);
    auto *splitter = new QSplitter(Qt::Horizontal);
    m_takersView = makeTable(m_takersProxy, QStringLiteral("takersView"));
    m_takersView->sortByColumn(TakersModel::Entry, Qt::AscendingOrder);
    m_answersTable = new QTableWidget(0, 5);
    m_answersTable->setObjectName(QStringLiteral("answersTable"));
    m_answersTable->setHorizontalHeaderLabels(
        {tr("Question"), tr("Chosen"), tr("Key"), tr("Earned"), tr("Score")});
    m_answersTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_answersTable->verticalHeader()->hide();
    m_answersTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    splitter->addWidget(m_takersView);
    splitter->addWidget(m_answersTable);
    splitter->setSizes({680, 300});
    layout->addWidget(splitter, 1);
    m_tabs->addTab(page, tr("&Takers"));

    connect(m_searchEdit, &QLineEdit::textChanged, m_takersProxy,
            &QSortFilterProxyModel::setFilterFixedString);
    connect(m_takersView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ResultsWindow::showTaker);
}

void ResultsWindow::buildQuestionsTab()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("questionsTab"));
    auto *layout = new QVBoxLayout(page);
    auto *splitter = new QSplitter(Qt::Vertical);
    m_questionsView = makeTable(m_questionsProxy, QStringLiteral("questionsView"));
    m_questionsView->sortByColumn(QuestionsModel::Number, Qt::AscendingOrder);
    auto *detail = new QWidget;
    auto *detailLayout = new QVBoxLayout(detail);
    detailLayout->setContentsMargins(0, 0, 0, 0);
    m_questionLabel = new QLabel;
    m_questionLabel->setObjectName(QStringLiteral("questionLabel"));
    m_questionLabel->setWordWrap(true);
    m_barsTable = new QTableWidget(0, 3);
    m_barsTable->setObjectName(QStringLiteral("answerBarsTable"));
    m_barsTable->setHorizontalHeaderLabels({tr("Answer"), tr("Text"), tr("Chosen by")});
    m_barsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_barsTable->verticalHeader()->hide();
    m_barsTable->horizontalHeader()->setStretchLastSection(true);
    m_barsTable->setColumnWidth(1, 320);
    detailLayout->addWidget(m_questionLabel);
    detailLayout->addWidget(m_barsTable, 1);
    splitter->addWidget(m_questionsView);
    splitter->addWidget(detail);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    layout->addWidget(splitter, 1);
    m_tabs->addTab(page, tr("&Questions"));

    connect(m_questionsView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ResultsWindow::showQuestion);
}

void ResultsWindow::showEvent(QShowEvent *event)
{
    ModalDialog::showEvent(event);
    if (!m_pending.empty()) {
        std::vector<std::string> paths;
        paths.swap(m_pending);
        // After the window has appeared, so that a progress bar has a window.
        QMetaObject::invokeMethod(this, [this, paths] { addLogs(paths); }, Qt::QueuedConnection);
    }
}

void ResultsWindow::onCancel()
{
    if (!m_reading)
        done(Cancel);
}

void ResultsWindow::addLogs(const std::vector<std::string> &paths)
{
    m_pending.clear();
    m_reading = true;
    updateControls();
    QStringList problems;
    for (const std::string &path : paths) {
        const QString name = pathToQString(path);
        // Read beside the window, which stays responsive; a progress bar
        // appears when it takes longer than half a second.
        std::vector<LogRecord> records;
        LogReadResult result;
        std::atomic<bool> done{false};
        std::thread reader([&] {
            result = ReadLogFile(path, records, int(m_logs.size()));
            done = true;
        });
        QElapsedTimer clock;
        clock.start();
        QProgressDialog *progress = nullptr;
        while (!done) {
            if (!progress && clock.elapsed() > 500) {
                progress = new QProgressDialog(tr("Reading %1...").arg(name), QString(), 0, 0, this);
                progress->setObjectName(QStringLiteral("readingProgress"));
                progress->setWindowModality(Qt::WindowModal);
                progress->setMinimumDuration(0);
                progress->show();
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        reader.join();
        delete progress;
        if (const QString problem = DescribeLogRead(name, result); !problem.isEmpty())
            problems << problem;
        if (result.status == LogReadStatus::Ok || result.status == LogReadStatus::Damaged) {
            m_logs.push_back(path);
            m_records.insert(m_records.end(), std::make_move_iterator(records.begin()),
                             std::make_move_iterator(records.end()));
        }
    }
    m_problems += problems;
    m_reading = false;
    refresh();
    if (!problems.isEmpty())
        message(problems.join(QLatin1Char('\n')), MB_OK | MB_ICONEXCLAMATION);
}

void ResultsWindow::refresh()
{
    m_analysis = AnalyseResults(m_records, m_quiz.questionCount(), m_quiz.quizType != 0);
    m_takersModel->reset(&m_records, &m_analysis);
    m_questionsModel->reset(&m_analysis);

    QStringList notes = m_problems;
    if (m_analysis.summary.otherQuiz > 0)
        notes << tr("%1 entries are of another version of the quiz (another number of "
                    "questions) and are left out of the figures.")
                     .arg(m_analysis.summary.otherQuiz);
    notes.prepend(m_logs.empty() ? tr("No log read yet.")
                                 : tr("Logs: %1").arg(logNames().join(QStringLiteral(", "))));
    m_problemsLabel->setText(notes.join(QLatin1Char('\n')));

    while (QLayoutItem *item = m_summaryGrid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    int row = 0;
    for (const SummaryLine &line : SummaryLines(m_analysis.summary)) {
        auto *label = new QLabel(QStringLiteral("<b>%1</b>").arg(line.label.toHtmlEscaped()));
        auto *value = new QLabel(line.value);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setObjectName(QStringLiteral("summaryValue%1").arg(row));
        auto *reading = new QLabel(line.reading);
        m_summaryGrid->addWidget(label, row, 0);
        m_summaryGrid->addWidget(value, row, 1);
        m_summaryGrid->addWidget(reading, row, 2);
        ++row;
    }

    const std::array<int, 10> bins = PercentHistogram(m_analysis);
    QList<qreal> counts;
    QStringList binNames;
    int largest = 0;
    for (int b = 0; b < 10; ++b) {
        counts << bins[std::size_t(b)];
        largest = std::max(largest, bins[std::size_t(b)]);
        binNames << QString::number(b * 10); // each bin by where it starts
    }
    fillChart(m_histogramView, tr("Takers by percentage (bins of ten points)"), binNames, counts, tr("Takers"),
              std::max(4, (largest + 3) / 4 * 4));
    QList<qreal> facility;
    QStringList numbers;
    for (std::size_t i = 0; i < m_analysis.questions.size(); ++i) {
        facility << m_analysis.questions[i].facility.value_or(0);
        numbers << QString::number(i + 1);
    }
    fillChart(m_facilityView, tr("Facility by question (%)"), numbers, facility, tr("Facility"),
              100);
    m_takersView->resizeColumnsToContents();
    m_takersView->setColumnWidth(TakersModel::Comment,
                                 std::max(m_takersView->columnWidth(TakersModel::Comment), 160));
    m_questionsView->resizeColumnsToContents();
    // The question's text takes what the figures and the flag leave, so the
    // flag stays in view at the window's first size.
    int others = 0;
    for (int column = 0; column < m_questionsModel->columnCount(QModelIndex()); ++column) {
        if (column != QuestionsModel::Text)
            others += m_questionsView->columnWidth(column);
    }
    m_questionsView->setColumnWidth(
        QuestionsModel::Text,
        std::clamp(m_questionsView->viewport()->width() - others - 2, 160, 480));
    // A pane is never empty while there is a row to show in it.
    if (!m_takersView->currentIndex().isValid() && m_takersProxy->rowCount() > 0)
        m_takersView->setCurrentIndex(m_takersProxy->index(0, 0));
    if (!m_questionsView->currentIndex().isValid() && m_questionsProxy->rowCount() > 0)
        m_questionsView->setCurrentIndex(m_questionsProxy->index(0, 0));
    showTaker();
    showQuestion();
    updateControls();
}

void ResultsWindow::updateControls()
{
    const bool entries = !m_records.empty();
    m_addLogButton->setEnabled(!m_reading);
    m_saveMergedButton->setEnabled(!m_reading && entries);
    m_exportCsvButton->setEnabled(!m_reading && !m_logs.empty());
    m_savePdfButton->setEnabled(!m_reading && !m_logs.empty());
    m_printButton->setEnabled(!m_reading && !m_logs.empty());
    m_closeButton->setEnabled(!m_reading);
}

void ResultsWindow::showTaker()
{
    const QModelIndex current = m_takersProxy->mapToSource(m_takersView->currentIndex());
    m_answersTable->setRowCount(0);
    if (!current.isValid())
        return;
    const LogRecord &record = m_records[std::size_t(current.row())];
    m_answersTable->setRowCount(int(record.questions.size()));
    for (int i = 0; i < int(record.questions.size()); ++i) {
        const LoggedQuestion &q = record.questions[std::size_t(i)];
        QString chosen, key;
        if (q.flashCard) {
            chosen = q.presented ? (q.earned > 0 ? tr("right") : tr("wrong")) : tr("not shown");
        } else if (!q.presented) {
            chosen = tr("not shown");
        } else {
            chosen = q.none ? tr("none") : QString::fromStdString(AnswerLetters(q.chosen));
            key = QString::fromStdString(AnswerLetters(q.correct));
        }
        const QStringList cells = {QString::number(i + 1), chosen, key,
                                   q.presented ? QString::number(q.earned) : QString(),
                                   QString::number(q.score)};
        for (int c = 0; c < cells.size(); ++c)
            m_answersTable->setItem(i, c, new QTableWidgetItem(cells[c]));
    }
}

void ResultsWindow::showQuestion()
{
    const QModelIndex current = m_questionsProxy->mapToSource(m_questionsView->currentIndex());
    m_barsTable->setRowCount(0);
    const CQuestion *question = current.isValid() ? m_quiz.QuestionAt(current.row()) : nullptr;
    if (!question) {
        m_questionLabel->setText(tr("Choose a question to see how its answers were chosen."));
        return;
    }
    const QuestionFigures &figures = m_analysis.questions[std::size_t(current.row())];
    m_questionLabel->setText(tr("%1. %2").arg(current.row() + 1).arg(CodePage::toUnicode(question->text)));
    if (m_analysis.flashCards) {
        m_barsTable->setRowCount(1);
        m_barsTable->setItem(0, 0, new QTableWidgetItem(tr("Back")));
        m_barsTable->setItem(0, 1, new QTableWidgetItem(CodePage::toUnicode(question->answers[0])));
        return;
    }
    int rows = 0;
    for (int a = 0; a < 6; ++a) {
        const bool none = a == 5;
        const int count = none ? figures.none : figures.letters[std::size_t(a)];
        // An answer left empty in the quiz is shown still when a log chose it.
        if (!none && question->answers[std::size_t(a)].empty() && count == 0)
            continue;
        m_barsTable->setRowCount(rows + 1);
        QString letter = none ? tr("none") : QString(QChar(u'A' + a));
        if (!none && question->correct[std::size_t(a)])
            letter += tr(" (key)");
        m_barsTable->setItem(rows, 0, new QTableWidgetItem(letter));
        m_barsTable->setItem(rows, 1,
                             new QTableWidgetItem(none ? tr("no answer submitted")
                                                       : CodePage::toUnicode(question->answers[std::size_t(a)])));
        auto *bar = new QProgressBar;
        bar->setRange(0, std::max(1, figures.presented));
        bar->setValue(count);
        bar->setFormat(QStringLiteral("%v"));
        m_barsTable->setCellWidget(rows, 2, bar);
        ++rows;
    }
}

std::vector<std::string> ResultsWindow::keptFiles() const
{
    std::vector<std::string> keep = m_logs;
    keep.push_back(m_quiz.pathName);
    keep.push_back(m_quiz.logPathName);
    return keep;
}

QStringList ResultsWindow::logNames() const
{
    QStringList names;
    for (const std::string &log : m_logs)
        names << pathToQString(log);
    return names;
}

void ResultsWindow::message(const QString &text, unsigned flags)
{
    m_prompts.messageBox(this, text, CAPTION, flags);
}

void ResultsWindow::onAddLog()
{
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Open;
    request.title = tr("Add log");
    request.filter = tr("Results logs (*.blg)|*.blg|All files (*)|*||");
    request.fileMustExist = true;
    if (const auto path = m_prompts.fileDialog(this, request))
        addLogs({pathFromQString(*path)});
}

void ResultsWindow::onSaveMerged()
{
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.title = tr("Save merged log as");
    request.defaultSuffix = QStringLiteral("blg");
    request.filter = tr("Results logs (*.blg)|*.blg||");
    request.overwritePrompt = true;
    const auto path = m_prompts.fileDialog(this, request);
    if (!path)
        return;
    const MergeOutcome outcome = WriteMergedLog(m_records, *path, keptFiles());
    if (!outcome.ok) {
        message(outcome.error, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    QString text = tr("Wrote %1 entries to %2.").arg(outcome.written).arg(*path);
    if (outcome.skipped > 0)
        text += QLatin1Char('\n') +
                tr("%1 incomplete entries were left out: a log holds whole entries only.")
                    .arg(outcome.skipped);
    message(text, MB_OK | MB_ICONINFORMATION);
}

void ResultsWindow::onExportCsv()
{
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.title = tr("Export CSV: the takers' file; the items and summary go beside it");
    request.defaultSuffix = QStringLiteral("csv");
    request.initialName = QuizTitle(m_quiz) + QStringLiteral("-takers.csv");
    request.filter = tr("CSV files (*.csv)|*.csv||");
    request.overwritePrompt = true;
    const auto path = m_prompts.fileDialog(this, request);
    if (!path)
        return;
    // NAME-takers.csv gives NAME-items.csv and NAME-summary.csv.
    QString base = *path;
    if (base.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        base.chop(4);
    if (base.endsWith(QStringLiteral("-takers")))
        base.chop(7);
    const struct
    {
        QString path;
        QByteArray bytes;
    } files[] = {
        {*path, TakersCsv(m_quiz, m_records, m_analysis)},
        {base + QStringLiteral("-items.csv"), ItemsCsv(m_quiz, m_analysis)},
        {base + QStringLiteral("-summary.csv"), SummaryCsv(m_analysis)},
    };
    QStringList written;
    for (const auto &file : files) {
        if (const auto error = WriteResultsFile(file.path, file.bytes, keptFiles())) {
            message(tr("Could not write %1: %2").arg(file.path, *error), MB_OK | MB_ICONEXCLAMATION);
            return;
        }
        written << file.path;
    }
    message(tr("Wrote %1.").arg(written.join(QStringLiteral(", "))), MB_OK | MB_ICONINFORMATION);
}

void ResultsWindow::onSavePdf()
{
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.title = tr("Save report as PDF");
    request.defaultSuffix = QStringLiteral("pdf");
    request.initialName = QuizTitle(m_quiz) + QStringLiteral("-results.pdf");
    request.filter = tr("PDF files (*.pdf)|*.pdf||");
    request.overwritePrompt = true;
    const auto path = m_prompts.fileDialog(this, request);
    if (!path)
        return;
    const PrintOutcome outcome = WriteResultsReportPdf({m_quiz, m_analysis, logNames(), m_problems},
                                                       *path, DefaultPageSize(), keptFiles());
    if (!outcome.ok)
        message(tr("Could not write %1: %2").arg(*path, outcome.error), MB_OK | MB_ICONEXCLAMATION);
}

void ResultsWindow::onPrint()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(PaperPageLayout(DefaultPageSize()));
    printer.setDocName(ResultsTitle(m_quiz));
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("printPreview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *target) {
        const PrintOutcome outcome =
            PrintResultsReport({m_quiz, m_analysis, logNames(), m_problems}, *target);
        if (!outcome.ok)
            message(outcome.error, MB_OK | MB_ICONEXCLAMATION);
    });
    preview.exec();
}

void OpenResultsWindow(const Quiz &quiz, Prompts &prompts, QWidget *owner)
{
    ResultsWindow window(quiz, prompts, {}, owner);
    window.exec();
}
