// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The tables of the results window as models over the entries and the
// figures, so that a class of 100,000 entries costs no widget per cell.
// Qt::UserRole gives each cell's value for sorting (numbers as numbers).

#include "LogReader.h"
#include "ResultsStats.h"

#include <QAbstractTableModel>

class Quiz;

class TakersModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Entry, Comment, Status, Presented, Earned, Possible, Percent, AllPercent, Count };
    using QAbstractTableModel::QAbstractTableModel;

    // The model shows these until the next reset; they must outlive it.
    void reset(const std::vector<LogRecord> *records, const ResultsAnalysis *analysis);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

private:
    const std::vector<LogRecord> *m_records = nullptr;
    const ResultsAnalysis *m_analysis = nullptr;
};

class QuestionsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Number, Text, Presented, Facility, Discrimination, A, B, C, D, E, None, Key,
                  Flags, Count };
    QuestionsModel(const Quiz &quiz, QObject *parent = nullptr);

    void reset(const ResultsAnalysis *analysis);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

private:
    const Quiz &m_quiz;
    const ResultsAnalysis *m_analysis = nullptr;
};
