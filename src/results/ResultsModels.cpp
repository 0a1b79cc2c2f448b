// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResultsModels.h"

#include "ResultsCsv.h"
#include "ResultsText.h"

#include "model/Quiz.h"
#include "ui/CodePage.h"

#include <QApplication>
#include <QLocale>
#include <QStyle>

namespace {

QVariant figure(const std::optional<double> &value, int role)
{
    if (role == Qt::UserRole)
        return value ? QVariant(*value) : QVariant(-1e300); // undefined sorts first
    return FigureText(value);
}

} // namespace

void TakersModel::reset(const std::vector<LogRecord> *records, const ResultsAnalysis *analysis)
{
    beginResetModel();
    m_records = records;
    m_analysis = analysis;
    endResetModel();
}

int TakersModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_records ? 0 : int(m_records->size());
}

int TakersModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Count;
}

QVariant TakersModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !m_records || (role != Qt::DisplayRole && role != Qt::UserRole &&
                                           role != Qt::TextAlignmentRole))
        return {};
    const std::size_t row = std::size_t(index.row());
    const EntryFigures &e = m_analysis->entries[row];
    if (role == Qt::TextAlignmentRole)
        return index.column() == Comment || index.column() == Status
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    const bool sorting = role == Qt::UserRole;
    switch (index.column()) {
    case Entry:
        return sorting ? QVariant(index.row()) : QVariant(index.row() + 1);
    case Comment:
        return CodePage::toUnicode((*m_records)[row].comment);
    case Status:
        return sorting ? QVariant(int(e.status)) : QVariant(StatusText(e.status));
    case Presented:
        return e.presented;
    case Earned:
        return qlonglong(e.earned);
    case Possible:
        return qlonglong(e.possible);
    case Percent:
        return sorting ? QVariant(e.percent) : QVariant(FigureText(e.percent));
    case AllPercent:
        return sorting ? QVariant(e.allPercent) : QVariant(FigureText(e.allPercent));
    }
    return {};
}

QVariant TakersModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Entry:
        return tr("Entry");
    case Comment:
        return tr("Comment");
    case Status:
        return tr("Status");
    case Presented:
        return tr("Presented");
    case Earned:
        return tr("Earned");
    case Possible:
        return tr("Possible");
    case Percent:
        return tr("Percent");
    case AllPercent:
        return tr("All questions %");
    }
    return {};
}

QuestionsModel::QuestionsModel(const Quiz &quiz, QObject *parent)
    : QAbstractTableModel(parent)
    , m_quiz(quiz)
{}

void QuestionsModel::reset(const ResultsAnalysis *analysis)
{
    beginResetModel();
    m_analysis = analysis;
    endResetModel();
}

int QuestionsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_analysis ? 0 : int(m_analysis->questions.size());
}

int QuestionsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Count;
}

QVariant QuestionsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !m_analysis)
        return {};
    const int row = index.row();
    const QuestionFigures &q = m_analysis->questions[std::size_t(row)];
    const QuestionFlags flags = FlagQuestion(q);
    // A flag is words and an icon, never colour alone.
    if (role == Qt::DecorationRole && index.column() == Flags && flags.any())
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    if (role == Qt::TextAlignmentRole)
        return index.column() == Text || index.column() == Flags || index.column() == Key
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::UserRole)
        return {};
    const bool cards = m_analysis->flashCards;
    const int column = index.column();
    if (column >= A && column <= None) {
        if (cards)
            return role == Qt::UserRole ? QVariant(0) : QVariant();
        return column == None ? q.none : q.letters[std::size_t(column - A)];
    }
    switch (column) {
    case Number:
        return row + 1;
    case Text: {
        const CQuestion *question = m_quiz.QuestionAt(row);
        return question ? CodePage::toUnicode(question->text).simplified() : QString();
    }
    case Presented:
        return q.presented;
    case Facility:
        return figure(q.facility, role);
    case Discrimination:
        return figure(q.discrimination, role);
    case Key:
        return QString::fromStdString(KeyLetters(m_quiz, row));
    case Flags:
        return FlagsText(flags);
    }
    return {};
}

QVariant QuestionsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Number:
        return tr("No.");
    case Text:
        return tr("Question");
    case Presented:
        return tr("Presented");
    case Facility:
        return tr("Facility");
    case Discrimination:
        return tr("Discrimination");
    case None:
        return tr("None");
    case Key:
        return tr("Key");
    case Flags:
        return tr("Flag");
    default:
        return QString(QChar(u'A' + (section - A)));
    }
}
