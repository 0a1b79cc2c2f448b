// SPDX-License-Identifier: GPL-3.0-or-later
// Printing: the exam paper of a full quiz, a different picture in every
// question, written as a PDF with all its layout rules (fonts, pictures
// scaled to the column, no question split, numbered pages), against
// QTextDocument::print of the same texts, without pictures or layout rules,
// to the same kind of PDF.

#include "BenchFiles.h"

#include "model/Quiz.h"
#include "model/QuizFile.h"
#include "print/QuizPrint.h"
#include "ui/CodePage.h"

#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>

#include <benchmark/benchmark.h>

namespace {

// The large quiz, saved, with its 512 pictures beside it (each a 160 × 120
// bitmap of its own, as a teacher's scans or screenshots would be).
Quiz &picturedQuiz()
{
    static Quiz quiz;
    static const bool ready = [] {
        fillLargeQuiz(quiz);
        for (int i = 0; i < quiz.questionCount(); ++i) {
            QImage picture(160, 120, QImage::Format_RGB32);
            picture.fill(QColor::fromHsv((i * 37) % 360, 160, 220));
            QPainter painter(&picture);
            painter.setBrush(QColor::fromHsv((i * 91) % 360, 200, 120));
            painter.drawEllipse(20 + i % 60, 15 + i % 40, 70, 60);
            painter.end();
            const std::string name = "question-" + std::to_string(i + 1) + ".bmp";
            check(picture.save(QString::fromStdString(benchPath(name.c_str())), "BMP"),
                  "write a picture");
        }
        const std::string path = benchPath("pictured.blz");
        check(SaveQuizToFile(quiz, path) == SaveResult::Ok, "save the pictured quiz");
        quiz.SetQuizPathName(path);
        return true;
    }();
    (void)ready;
    return quiz;
}

void PrintQuizPdf(benchmark::State &state)
{
    const Quiz &quiz = picturedQuiz();
    const QString path = QString::fromStdString(benchPath("paper.pdf"));
    PrintRequest request;
    int pages = 0;
    for (auto _ : state) {
        const PrintOutcome outcome = WriteQuizPdf(quiz, request, path, QPageSize(QPageSize::A4));
        check(outcome.ok && outcome.notes.isEmpty(), "print the quiz with its pictures");
        pages = outcome.pages;
    }
    state.counters["pages"] = pages;
}

void PrintTextDocument(benchmark::State &state)
{
    // The same question and answer texts, one paragraph each.
    const Quiz &quiz = picturedQuiz();
    QTextDocument document;
    QTextCursor cursor(&document);
    for (int i = 0; i < quiz.questionCount(); ++i) {
        const CQuestion &question = *quiz.QuestionAt(i);
        cursor.insertText(
            QStringLiteral("%1. %2").arg(i + 1).arg(CodePage::toUnicode(question.text)));
        for (int a = 0; a < 5; ++a) {
            cursor.insertBlock();
            cursor.insertText(QStringLiteral("%1. %2")
                                  .arg(QChar(u'A' + a))
                                  .arg(CodePage::toUnicode(question.answers[std::size_t(a)])));
        }
        cursor.insertBlock();
    }
    const QString path = QString::fromStdString(benchPath("document.pdf"));
    for (auto _ : state) {
        QPdfWriter writer(path);
        writer.setPageLayout(PaperPageLayout(QPageSize(QPageSize::A4)));
        document.print(&writer);
    }
}

} // namespace

BENCHMARK(PrintQuizPdf)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PrintTextDocument)->Unit(benchmark::kMillisecond)->UseRealTime();
