// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResultsText.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace {} // namespace

QString DescribeLogRead(const QString &path, const LogReadResult &result)
{
    switch (result.status) {
    case LogReadStatus::Ok:
        return {};
    case LogReadStatus::Damaged:
        return QCoreApplication::translate("ResultsText",
                                           "%1: read %2 entries; the log is damaged after entry %3")
            .arg(path)
            .arg(result.entries)
            .arg(result.damagedAfter);
    case LogReadStatus::Missing:
        return QCoreApplication::translate("ResultsText", "%1: there is no such log.").arg(path);
    case LogReadStatus::NotReadable:
        return QCoreApplication::translate("ResultsText",
                                           "%1 cannot be read; check that you may open it.")
            .arg(path);
    case LogReadStatus::Folder:
        return QCoreApplication::translate("ResultsText", "%1 is a folder, not a results log.")
            .arg(path);
    case LogReadStatus::NotFile:
        return QCoreApplication::translate("ResultsText",
                                           "%1 is not a file; a results log is an ordinary file.")
            .arg(path);
    case LogReadStatus::InUse:
        return QCoreApplication::translate(
                   "ResultsText",
                   "%1 is being written by another program; please try again in a moment.")
            .arg(path);
    }
    return {};
}

QString ReliabilityWord(Reliability reliability)
{
    switch (reliability) {
    case Reliability::Consistent:
        return QCoreApplication::translate("ResultsText", "consistent");
    case Reliability::Acceptable:
        return QCoreApplication::translate("ResultsText", "acceptable");
    case Reliability::Unreliable:
        return QCoreApplication::translate("ResultsText", "unreliable");
    }
    return {};
}

QString FlagsText(const QuestionFlags &flags)
{
    QStringList words;
    if (flags.hard)
        words << QCoreApplication::translate("ResultsText", "hard");
    if (flags.easy)
        words << QCoreApplication::translate("ResultsText", "easy");
    if (flags.checkKey)
        words << QCoreApplication::translate("ResultsText", "check the key");
    if (flags.weak)
        words << QCoreApplication::translate("ResultsText", "weak");
    return words.join(QStringLiteral(", "));
}

QString FigureText(std::optional<double> value, int decimals)
{
    if (!value)
        return QStringLiteral("-");
    return QLocale().toString(*value, 'f', decimals);
}

QString StatusText(EntryStatus status)
{
    switch (status) {
    case EntryStatus::Complete:
        return QCoreApplication::translate("ResultsText", "complete");
    case EntryStatus::Incomplete:
        return QCoreApplication::translate("ResultsText", "incomplete");
    case EntryStatus::OtherQuiz:
        return QCoreApplication::translate("ResultsText", "other quiz");
    }
    return {};
}

namespace {

// A percentage with its sign; without a value only the dash.
QString percentText(std::optional<double> value)
{
    return value ? FigureText(value) + QLatin1Char('%') : FigureText(value);
}

} // namespace

std::vector<SummaryLine> SummaryLines(const SummaryFigures &s)
{
    std::vector<SummaryLine> lines;
    QString entries = QCoreApplication::translate("ResultsText", "%1 complete, %2 incomplete")
                          .arg(s.complete)
                          .arg(s.incomplete);
    if (s.otherQuiz > 0)
        entries += QCoreApplication::translate("ResultsText",
                                               ", %1 of another version of the quiz (left out)")
                       .arg(s.otherQuiz);
    lines.push_back({QCoreApplication::translate("ResultsText", "Entries read"),
                     QString::number(s.entries), entries});
    lines.push_back({QCoreApplication::translate("ResultsText", "Mean"),
                     percentText(s.mean),
                     QCoreApplication::translate("ResultsText", "the class's average percentage")});
    lines.push_back(
        {QCoreApplication::translate("ResultsText", "Median"),
         percentText(s.median),
         QCoreApplication::translate("ResultsText", "half the class scored at least this")});
    lines.push_back(
        {QCoreApplication::translate("ResultsText", "Standard deviation"), FigureText(s.sd),
         QCoreApplication::translate("ResultsText",
                                     "how far percentages typically lie from the mean")});
    lines.push_back({QCoreApplication::translate("ResultsText", "Lowest"),
                     percentText(s.min),
                     QCoreApplication::translate("ResultsText", "the lowest percentage")});
    lines.push_back({QCoreApplication::translate("ResultsText", "Highest"),
                     percentText(s.max),
                     QCoreApplication::translate("ResultsText", "the highest percentage")});
    QString reading =
        QCoreApplication::translate("ResultsText", "needs three complete entries that differ");
    if (s.alpha)
        reading = QCoreApplication::translate("ResultsText", "%1 (0.75 and more is consistent)")
                      .arg(ReliabilityWord(ReadReliability(*s.alpha)));
    lines.push_back({QCoreApplication::translate("ResultsText", "Cronbach's alpha"),
                     FigureText(s.alpha, 3), reading});
    lines.push_back(
        {QCoreApplication::translate("ResultsText", "Standard error"), FigureText(s.sem),
         s.sem ? QCoreApplication::translate("ResultsText",
                                             "a percentage is uncertain by about this much")
               : QCoreApplication::translate("ResultsText", "needs alpha")});
    return lines;
}
