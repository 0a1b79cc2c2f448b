// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResultsCsv.h"

#include "model/Quiz.h"
#include "ui/CodePage.h"
#include "ui/QuizFiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

#include <charconv>
#include <cmath>

namespace {

// Logged and quiz text is 8-bit in the code page; the files are UTF-8.
std::string utf8(std::string_view bytes)
{
    return CodePage::toUnicode(bytes).toStdString();
}

void endRow(std::string &out)
{
    out += "\r\n";
}

void add(std::string &row, std::string_view field)
{
    if (!row.empty() && row.back() != '\n')
        row += ',';
    row += field;
}

void addInt(std::string &row, std::int64_t value)
{
    add(row, std::to_string(value));
}

QByteArray bytes(const std::string &text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

} // namespace

std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string CsvNumber(std::optional<double> value, int decimals)
{
    if (!value || !std::isfinite(*value))
        return {};
    char buffer[64];
    // to_chars never looks at the locale.
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, *value, std::chars_format::fixed, decimals);
    if (error != std::errc())
        return {};
    std::string text(buffer, end);
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1); // "-0.00" is 0
    return text;
}

std::string KeyLetters(const Quiz &quiz, int question)
{
    const CQuestion *q = quiz.QuestionAt(question);
    if (!q || quiz.quizType != 0)
        return {};
    std::string letters;
    for (int i = 0; i < 5; ++i)
        if (q->correct[std::size_t(i)])
            letters += char('A' + i);
    return letters;
}

QByteArray TakersCsv(const Quiz &quiz, const std::vector<LogRecord> &records,
                     const ResultsAnalysis &analysis)
{
    std::string out = "Entry,Comment,Status,Presented,Earned,Possible,Percent,All earned,"
                      "All possible,All percent";
    const int n = quiz.questionCount();
    for (int i = 1; i <= n; ++i)
        out += ",Q" + std::to_string(i);
    endRow(out);
    for (std::size_t e = 0; e < records.size(); ++e) {
        const LogRecord &record = records[e];
        const EntryFigures &figures = analysis.entries[e];
        std::string row;
        row += std::to_string(e + 1);
        add(row, CsvField(utf8(record.comment)));
        add(row, figures.status == EntryStatus::Complete     ? "complete"
                 : figures.status == EntryStatus::Incomplete ? "incomplete"
                                                             : "other quiz");
        addInt(row, figures.presented);
        addInt(row, figures.earned);
        addInt(row, figures.possible);
        add(row, CsvNumber(figures.percent));
        addInt(row, figures.allEarned);
        addInt(row, figures.allPossible);
        add(row, CsvNumber(figures.allPercent));
        const bool ours = figures.status != EntryStatus::OtherQuiz;
        for (int i = 0; i < n; ++i) {
            const bool shown = ours && std::size_t(i) < record.questions.size() &&
                               record.questions[std::size_t(i)].presented;
            add(row, shown ? std::to_string(record.questions[std::size_t(i)].earned) : "");
        }
        out += row;
        endRow(out);
    }
    return bytes(out);
}

QByteArray ItemsCsv(const Quiz &quiz, const ResultsAnalysis &analysis)
{
    std::string out = "Question,Text,Presented,Facility,Discrimination,A,B,C,D,E,None,Correct";
    endRow(out);
    for (std::size_t i = 0; i < analysis.questions.size(); ++i) {
        const QuestionFigures &figures = analysis.questions[i];
        const CQuestion *question = quiz.QuestionAt(int(i));
        std::string row = std::to_string(i + 1);
        add(row, CsvField(question ? utf8(question->text) : std::string()));
        addInt(row, figures.presented);
        add(row, CsvNumber(figures.facility));
        add(row, CsvNumber(figures.discrimination));
        for (const int count : figures.letters)
            add(row, analysis.flashCards ? std::string() : std::to_string(count));
        add(row, analysis.flashCards ? std::string() : std::to_string(figures.none));
        add(row, KeyLetters(quiz, int(i)));
        out += row;
        endRow(out);
    }
    return bytes(out);
}

QByteArray SummaryCsv(const ResultsAnalysis &analysis)
{
    const SummaryFigures &s = analysis.summary;
    std::string out = "Entries,Complete,Mean,Median,SD,Min,Max,Alpha,SEM";
    endRow(out);
    std::string row = std::to_string(s.entries);
    addInt(row, s.complete);
    for (const auto &value : {s.mean, s.median, s.sd, s.min, s.max})
        add(row, CsvNumber(value));
    add(row, CsvNumber(s.alpha, 3));
    add(row, CsvNumber(s.sem));
    out += row;
    endRow(out);
    return bytes(out);
}

bool IsKeptFile(const QString &path, const std::vector<std::string> &keep)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    if (target.isEmpty())
        return false; // not there yet: cannot be one of them
    for (const std::string &kept : keep) {
        if (!kept.empty() && QFileInfo(pathToQString(kept)).canonicalFilePath() == target)
            return true;
    }
    return false;
}

std::optional<QString> WriteResultsFile(const QString &path, const QByteArray &data,
                                        const std::vector<std::string> &keep)
{
    if (IsKeptFile(path, keep))
        return QCoreApplication::translate(
                   "ResultsCsv", "%1 is the quiz or one of its logs; please choose another file.")
            .arg(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    return std::nullopt;
}
