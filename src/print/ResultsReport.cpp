// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/ResultsReport.h"

#include "model/Quiz.h"
#include "results/ResultsCsv.h"
#include "results/ResultsText.h"
#include "ui/CodePage.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace {

const QColor INK(0, 0, 0);
const QColor GREY(85, 85, 85);
const QColor FAINT(215, 215, 215);
const QColor BAR(70, 110, 170);

class ReportPrinter
{
public:
    ReportPrinter(const ResultsReportInput &input, QPagedPaintDevice &device, QPainter &painter)
        : m_input(input)
        , m_device(device)
        , m_painter(painter)
        , m_dpi(device.logicalDpiY())
    {
        const QPageLayout layout = device.pageLayout();
        m_content = QRectF(QPointF(0, 0), layout.paintRectPixels(int(m_dpi)).size());
        m_rowHeight = lineHeight(font(9)) * 1.35;
        m_footer = lineHeight(font(8.5)) + mm(4);
        const double tableSpace =
            m_content.height() - m_footer - lineHeight(font(13, true)) - mm(3) - m_rowHeight;
        m_rowsPerPage = std::max(1, int(tableSpace / m_rowHeight));
        const int questions = int(input.analysis.questions.size());
        m_pages = 1 + (questions + m_rowsPerPage - 1) / m_rowsPerPage;
    }

    bool run()
    {
        firstPage();
        const int questions = int(m_input.analysis.questions.size());
        for (int from = 0; from < questions && m_ok; from += m_rowsPerPage)
            tablePage(from, std::min(questions, from + m_rowsPerPage));
        return m_ok;
    }
    [[nodiscard]] int pages() const { return m_pages; }

private:
    [[nodiscard]] double mm(double millimetres) const { return millimetres * m_dpi / 25.4; }
    [[nodiscard]] QFont font(double points, bool bold = false) const
    {
        QFont f(QStringLiteral("Sans Serif"));
        f.setStyleHint(QFont::SansSerif);
        f.setPointSizeF(points);
        f.setBold(bold);
        return f;
    }
    [[nodiscard]] double lineHeight(const QFont &f) const
    {
        return QFontMetricsF(f, &m_device).height();
    }

    // Draws one line of text in `box`, shortened with an ellipsis to fit.
    void line(const QRectF &box, const QString &text, const QFont &f, int flags = Qt::AlignLeft,
              QColor colour = INK)
    {
        m_painter.setFont(f);
        m_painter.setPen(colour);
        const QString fitted =
            QFontMetricsF(f, &m_device).elidedText(text, Qt::ElideRight, box.width());
        m_painter.drawText(box, int(flags) | Qt::AlignVCenter | Qt::TextSingleLine, fitted);
    }

    void startPage()
    {
        if (m_page > 0 && !m_device.newPage()) {
            m_ok = false;
            return;
        }
        ++m_page;
        const QFont small = font(8.5);
        line(
            QRectF(0, m_content.height() - lineHeight(small), m_content.width(), lineHeight(small)),
            QCoreApplication::translate("ResultsReport", "Page %1 of %2").arg(m_page).arg(m_pages),
            small, Qt::AlignHCenter, GREY);
    }

    void firstPage()
    {
        startPage();
        double y = 0;
        const QFont title = font(16, true);
        line(QRectF(0, y, m_content.width(), lineHeight(title)), ResultsTitle(m_input.quiz), title);
        y += lineHeight(title) + mm(2);
        const QFont body = font(10);
        const double bodyLine = lineHeight(body) * 1.2;
        if (!m_input.logs.isEmpty()) {
            line(QRectF(0, y, m_content.width(), bodyLine),
                 QCoreApplication::translate("ResultsReport", "Logs: %1")
                     .arg(m_input.logs.join(QStringLiteral(", "))),
                 body, Qt::AlignLeft, GREY);
            y += bodyLine;
        }
        for (const QString &note : m_input.notes) {
            line(QRectF(0, y, m_content.width(), bodyLine), note, body);
            y += bodyLine;
        }
        y += mm(3);
        const QFont bold = font(10, true);
        const double labelWidth = m_content.width() * 0.36;
        const double valueWidth = m_content.width() * 0.12;
        for (const SummaryLine &s : SummaryLines(m_input.analysis.summary)) {
            line(QRectF(0, y, labelWidth, bodyLine), s.label, bold);
            line(QRectF(labelWidth, y, valueWidth - mm(3), bodyLine), s.value, body,
                 Qt::AlignRight);
            line(QRectF(labelWidth + valueWidth, y, m_content.width() - labelWidth - valueWidth,
                        bodyLine),
                 s.reading, body, Qt::AlignLeft, GREY);
            y += bodyLine;
        }
        y += mm(6);

        const double space = m_content.height() - m_footer - y;
        const double chartHeight = std::min(mm(70), (space - mm(8)) / 2);
        const std::array<int, 10> bins = PercentHistogram(m_input.analysis);
        std::vector<double> counts(bins.begin(), bins.end());
        QStringList binLabels;
        for (int b = 0; b < 10; ++b)
            binLabels << QString::number(b * 10);
        barChart(QRectF(0, y, m_content.width(), chartHeight),
                 QCoreApplication::translate("ResultsReport",
                                             "Takers by percentage (bins of ten points)"),
                 binLabels, counts, 0);
        y += chartHeight + mm(8);
        std::vector<double> facility;
        QStringList numbers;
        const auto &questions = m_input.analysis.questions;
        for (std::size_t i = 0; i < questions.size(); ++i) {
            facility.push_back(questions[i].facility.value_or(0));
            numbers << QString::number(i + 1);
        }
        barChart(QRectF(0, y, m_content.width(), chartHeight),
                 QCoreApplication::translate("ResultsReport", "Facility by question (%)"), numbers,
                 facility, 100);
    }

    // Bars with a frame, the value axis from 0 to `top` (the largest value
    // rounded up when 0), and as many labels under the bars as fit.
    void barChart(const QRectF &box, const QString &title, const QStringList &labels,
                  const std::vector<double> &values, double top)
    {
        const QFont titleFont = font(10, true);
        const QFont small = font(7.5);
        const double titleHeight = lineHeight(titleFont) * 1.3 + lineHeight(small);
        line(QRectF(box.left(), box.top(), box.width(), titleHeight), title, titleFont);
        const double labelHeight = lineHeight(small) * 1.2;
        const double axisWidth =
            QFontMetricsF(small, &m_device).horizontalAdvance(QStringLiteral("0000")) + mm(2);
        const QRectF plot(box.left() + axisWidth, box.top() + titleHeight, box.width() - axisWidth,
                          box.height() - titleHeight - labelHeight);
        if (top <= 0) {
            const double largest =
                values.empty() ? 0 : *std::max_element(values.begin(), values.end());
            // Counts: whole numbers at every one of the four ticks.
            top = std::max(4.0, std::ceil(largest / 4) * 4);
        }
        m_painter.setPen(QPen(FAINT, 0));
        for (int tick = 0; tick <= 4; ++tick) {
            const double y = plot.bottom() - plot.height() * tick / 4;
            m_painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
            const double value = top * tick / 4;
            line(QRectF(box.left(), y - labelHeight / 2, axisWidth - mm(1), labelHeight),
                 QLocale().toString(value, 'f', std::fmod(value, 1.0) == 0 ? 0 : 1), small,
                 Qt::AlignRight, GREY);
        }
        const std::size_t n = values.size();
        if (n == 0)
            return;
        const double slot = plot.width() / double(n);
        const double step = std::ceil(
            (QFontMetricsF(small, &m_device).horizontalAdvance(QStringLiteral("000")) + mm(1)) /
            slot);
        for (std::size_t i = 0; i < n; ++i) {
            const double height = plot.height() * std::clamp(values[i] / top, 0.0, 1.0);
            const QRectF bar(plot.left() + slot * double(i) + slot * 0.15, plot.bottom() - height,
                             slot * 0.7, height);
            m_painter.fillRect(bar, BAR);
            if (int(i) % std::max(1, int(step)) == 0)
                line(QRectF(plot.left() + slot * double(i) - slot, plot.bottom(), slot * 3,
                            labelHeight),
                     labels.value(int(i)), small, Qt::AlignHCenter, GREY);
        }
        m_painter.setPen(QPen(INK, 0));
        m_painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    }

    void tablePage(int from, int to)
    {
        startPage();
        if (!m_ok)
            return;
        const QFont heading = font(13, true);
        line(QRectF(0, 0, m_content.width(), lineHeight(heading)),
             QCoreApplication::translate("ResultsReport", "Questions"), heading);
        double y = lineHeight(heading) + mm(3);
        const bool cards = m_input.analysis.flashCards;
        // Column widths as parts of the page's width.
        const QStringList headers = {QCoreApplication::translate("ResultsReport", "No."),
                                     QCoreApplication::translate("ResultsReport", "Question"),
                                     QCoreApplication::translate("ResultsReport", "Shown"),
                                     QCoreApplication::translate("ResultsReport", "Facility"),
                                     QCoreApplication::translate("ResultsReport", "Discr."),
                                     QStringLiteral("A"),
                                     QStringLiteral("B"),
                                     QStringLiteral("C"),
                                     QStringLiteral("D"),
                                     QStringLiteral("E"),
                                     QCoreApplication::translate("ResultsReport", "None"),
                                     QCoreApplication::translate("ResultsReport", "Key"),
                                     QCoreApplication::translate("ResultsReport", "Flags")};
        const double parts[] = {4.5, 25, 8, 8.5, 8, 3.5, 3.5, 3.5, 3.5, 3.5, 6, 5, 14};
        double total = 0;
        for (const double p : parts)
            total += p;
        std::vector<double> x{0};
        for (const double p : parts)
            x.push_back(x.back() + m_content.width() * p / total);
        auto row = [&](const QStringList &cells, const QFont &f) {
            for (int c = 0; c < cells.size(); ++c) {
                const QRectF cell(x[std::size_t(c)] + mm(0.8), y,
                                  x[std::size_t(c) + 1] - x[std::size_t(c)] - mm(1.6), m_rowHeight);
                line(cell, cells[c], f, c == 1 || c == 12 ? Qt::AlignLeft : Qt::AlignRight);
            }
            y += m_rowHeight;
            m_painter.setPen(QPen(FAINT, 0));
            m_painter.drawLine(QPointF(0, y), QPointF(m_content.width(), y));
        };
        row(headers, font(8.5, true));
        const QFont body = font(9);
        for (int i = from; i < to; ++i) {
            const QuestionFigures &q = m_input.analysis.questions[std::size_t(i)];
            const CQuestion *question = m_input.quiz.QuestionAt(i);
            QString text = question ? CodePage::toUnicode(question->text) : QString();
            text = text.simplified();
            QStringList cells = {QString::number(i + 1), text, QString::number(q.presented),
                                 FigureText(q.facility), FigureText(q.discrimination)};
            for (const int count : q.letters)
                cells << (cards ? QString() : QString::number(count));
            cells << (cards ? QString() : QString::number(q.none))
                  << QString::fromStdString(KeyLetters(m_input.quiz, i))
                  << FlagsText(FlagQuestion(q));
            row(cells, body);
        }
    }

    const ResultsReportInput &m_input;
    QPagedPaintDevice &m_device;
    QPainter &m_painter;
    double m_dpi;
    QRectF m_content;
    double m_rowHeight = 0;
    double m_footer = 0;
    int m_rowsPerPage = 1;
    int m_pages = 1;
    int m_page = 0;
    bool m_ok = true;
};

} // namespace

PrintOutcome PrintResultsReport(const ResultsReportInput &input, QPagedPaintDevice &device)
{
    PrintOutcome outcome;
    QPainter painter;
    if (!painter.begin(&device)) {
        outcome.error = QCoreApplication::translate(
            "ResultsReport", "The printer or file could not be opened for printing.");
        return outcome;
    }
    ReportPrinter printer(input, device, painter);
    const bool drawn = printer.run();
    outcome.pages = printer.pages();
    if (!painter.end() || !drawn) {
        outcome.error = QCoreApplication::translate("ResultsReport",
                                                    "The printer stopped before the last page.");
        return outcome;
    }
    outcome.ok = true;
    return outcome;
}

PrintOutcome WriteResultsReportPdf(const ResultsReportInput &input, const QString &path,
                                   const QPageSize &pageSize, const std::vector<std::string> &keep)
{
    PrintOutcome outcome;
    if (IsKeptFile(path, keep)) {
        outcome.error =
            QCoreApplication::translate(
                "ResultsReport", "%1 is the quiz or one of its logs; please choose another file.")
                .arg(path);
        return outcome;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        outcome.error = file.errorString();
        return outcome;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(ResultsTitle(input.quiz));
        writer.setCreator(QStringLiteral("Brainloft"));
        writer.setPageLayout(PaperPageLayout(pageSize));
        outcome = PrintResultsReport(input, writer);
    }
    if (!outcome.ok) {
        file.cancelWriting();
        return outcome;
    }
    if (!file.commit()) {
        outcome.ok = false;
        outcome.error = file.errorString();
    }
    return outcome;
}

QString ResultsTitle(const Quiz &quiz)
{
    return QCoreApplication::translate("ResultsReport", "Results - %1").arg(QuizTitle(quiz));
}
