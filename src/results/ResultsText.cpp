// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResultsText.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ResultsText", text);
}

} // namespace

QString DescribeLogRead(const QString &path, const LogReadResult &result)
{
    switch (result.status) {
    case LogReadStatus::Ok:
        return {};
    case LogReadStatus::Damaged:
        return tr("%1: read %2 entries; the log is damaged after entry %3")
            .arg(path)
            .arg(result.entries)
            .arg(result.damagedAfter);
    case LogReadStatus::Missing:
        return tr("%1: there is no such log.").arg(path);
    case LogReadStatus::NotReadable:
        return tr("%1 cannot be read; check that you may open it.").arg(path);
    case LogReadStatus::Folder:
        return tr("%1 is a folder, not a results log.").arg(path);
    case LogReadStatus::NotFile:
        return tr("%1 is not a file; a results log is an ordinary file.").arg(path);
    case LogReadStatus::InUse:
        return tr("%1 is being written by another program; please try again in a moment.")
            .arg(path);
    }
    return {};
}

QString ReliabilityWord(Reliability reliability)
{
    switch (reliability) {
    case Reliability::Consistent:
        return tr("consistent");
    case Reliability::Acceptable:
        return tr("acceptable");
    case Reliability::Unreliable:
        return tr("unreliable");
    }
    return {};
}

QString FlagsText(const QuestionFlags &flags)
{
    QStringList words;
    if (flags.hard)
        words << tr("hard");
    if (flags.easy)
        words << tr("easy");
    if (flags.checkKey)
        words << tr("check the key");
    if (flags.weak)
        words << tr("weak");
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
        return tr("complete");
    case EntryStatus::Incomplete:
        return tr("incomplete");
    case EntryStatus::OtherQuiz:
        return tr("other quiz");
    }
    return {};
}

std::vector<SummaryLine> SummaryLines(const SummaryFigures &s)
{
    std::vector<SummaryLine> lines;
    QString entries = tr("%1 complete, %2 incomplete").arg(s.complete).arg(s.incomplete);
    if (s.otherQuiz > 0)
        entries += tr(", %1 of another version of the quiz (left out)").arg(s.otherQuiz);
    lines.push_back({tr("Entries read"), QString::number(s.entries), entries});
    lines.push_back({tr("Mean"), FigureText(s.mean) + QLatin1Char('%'),
                     tr("the class's average percentage")});
    lines.push_back({tr("Median"), FigureText(s.median) + QLatin1Char('%'),
                     tr("half the class scored at least this")});
    lines.push_back({tr("Standard deviation"), FigureText(s.sd),
                     tr("how far percentages typically lie from the mean")});
    lines.push_back({tr("Lowest"), FigureText(s.min) + QLatin1Char('%'), tr("the lowest percentage")});
    lines.push_back(
        {tr("Highest"), FigureText(s.max) + QLatin1Char('%'), tr("the highest percentage")});
    QString reading = tr("needs three complete entries that differ");
    if (s.alpha)
        reading = tr("%1 (0.75 and more is consistent)")
                      .arg(ReliabilityWord(ReadReliability(*s.alpha)));
    lines.push_back({tr("Cronbach's alpha"), FigureText(s.alpha, 3), reading});
    lines.push_back({tr("Standard error"), FigureText(s.sem),
                     s.sem ? tr("a percentage is uncertain by about this much")
                           : tr("needs alpha")});
    return lines;
}
