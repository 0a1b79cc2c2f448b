// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The teacher's view of a quiz's results: the Summary (figures with their
// readings and two charts), the Takers and the Questions, each a sortable
// table with a pane for the row chosen, over the entries of every log
// shown. Commands add a log, save the logs merged, export the CSV files,
// and save or print the report. Reading runs beside the window, which shows
// a progress bar when it takes longer than half a second.

#include "LogReader.h"
#include "ResultsStats.h"

#include "ui/ModalDialog.h"

#include <QStringList>

#include <string>
#include <vector>

class Prompts;
class Quiz;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;
class QTableWidget;
class QGridLayout;
class QuestionsModel;
class TakersModel;
class QChartView;

class ResultsWindow : public ModalDialog
{
    Q_OBJECT

public:
    // Opens on the quiz's own log and `moreLogs`, read once the window is
    // shown (or by a direct call to addLogs).
    ResultsWindow(const Quiz &quiz, Prompts &prompts, std::vector<std::string> moreLogs = {},
                  QWidget *parent = nullptr);
    ~ResultsWindow() override;

    // Reads the logs and shows their entries after those already shown;
    // each problem is reported in one message box at the end.
    void addLogs(const std::vector<std::string> &paths);

    [[nodiscard]] const std::vector<LogRecord> &records() const { return m_records; }
    [[nodiscard]] const ResultsAnalysis &analysis() const { return m_analysis; }
    [[nodiscard]] const std::vector<std::string> &logs() const { return m_logs; }

protected:
    void showEvent(QShowEvent *event) override;
    // Escape, like Close, waits for a log being read.
    void onCancel() override;

private:
    void buildSummaryTab();
    void buildTakersTab();
    void buildQuestionsTab();
    void refresh();
    void updateControls();
    void showTaker();
    void showQuestion();
    void onAddLog();
    void onSaveMerged();
    void onExportCsv();
    void onSavePdf();
    void onPrint();
    [[nodiscard]] std::vector<std::string> keptFiles() const;
    [[nodiscard]] QStringList logNames() const;
    void message(const QString &text, unsigned flags);

    const Quiz &m_quiz;
    Prompts &m_prompts;
    std::vector<std::string> m_pending; // read when first shown
    std::vector<std::string> m_logs;    // read, in order
    std::vector<LogRecord> m_records;
    ResultsAnalysis m_analysis;
    QStringList m_problems;
    bool m_reading = false;

    QTabWidget *const m_tabs;
    QLabel *const m_problemsLabel;
    QGridLayout *m_summaryGrid = nullptr;
    QChartView *m_histogramView = nullptr;
    QChartView *m_facilityView = nullptr;
    TakersModel *const m_takersModel;
    QSortFilterProxyModel *const m_takersProxy;
    QuestionsModel *const m_questionsModel;
    QSortFilterProxyModel *const m_questionsProxy;
    QLineEdit *m_searchEdit = nullptr;
    QTableView *m_takersView = nullptr;
    QTableWidget *m_answersTable = nullptr;
    QTableView *m_questionsView = nullptr;
    QLabel *m_questionLabel = nullptr;
    QTableWidget *m_barsTable = nullptr;
    QPushButton *const m_addLogButton;
    QPushButton *const m_saveMergedButton;
    QPushButton *const m_exportCsvButton;
    QPushButton *const m_savePdfButton;
    QPushButton *const m_printButton;
    QPushButton *const m_helpButton;
    QPushButton *const m_closeButton;
};

// The results window's entry from the quiz parameters dialog.
void OpenResultsWindow(const Quiz &quiz, Prompts &prompts, QWidget *owner);
