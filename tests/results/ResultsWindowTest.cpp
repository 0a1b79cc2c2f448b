// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultsWindow.h"

#include "LogFixtures.h"
#include "ModalScript.h"
#include "PdfText.h"
#include "QuizFixtures.h"
#include "ResultsTesting.h"
#include "ScriptedPrompts.h"
#include "app/Console.h"
#include "app/FileCommands.h"
#include "editor/PasswordDialog.h"
#include "editor/QuizParametersDialog.h"
#include "model/Quiz.h"
#include "model/QuizFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

namespace {

template<class T>
T *control(const QWidget &window, const char *name)
{
    T *widget = window.findChild<T *>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void click(const QWidget &window, const char *name)
{
    if (auto *button = control<QPushButton>(window, name)) {
        EXPECT_TRUE(button->isEnabled()) << name;
        button->click();
    }
}

// The class of the statistics test, over two computers' logs.
struct Room
{
    QTemporaryDir dir;
    Quiz quiz;
    std::string other = pathIn(dir, "room2.blg");
    std::string damaged = pathIn(dir, "damaged.blg");

    Room()
    {
        quiz.password = "teacher";
        quiz.AppendQuestion(makeQuestion("One?", {"a", "b"}, {0}));
        quiz.AppendQuestion(makeQuestion("Two?", {"a", "b", "c"}, {1}));
        quiz.AppendQuestion(makeQuestion("Three?", {"a", "b", "c", "d"}, {2}));
        quiz.AppendQuestion(makeQuestion("Four?", {"a", "b", "c", "d"}, {0, 1}, 2));
        EXPECT_EQ(SaveQuizToFile(quiz, pathIn(dir, "quiz.blz")), SaveResult::Ok);
        quiz.SetQuizPathName(pathIn(dir, "quiz.blz"));
        writeText(quiz.logPathName,
                  LogBytes({
                      McEntry("Ann", {"A,A,1,1", "B,B,1,1", "C,D,1,0", "AB,AB,2,2"}),
                      McEntry("Ben", {"A,A,1,1", "B,B,1,1", "C,D,1,0", "AB,AB,2,2"}),
                      McEntry("Cy", {"A,A,1,1", "B,C,1,0", "C,C,1,1", "AB,A,2,1"}),
                  }));
        writeText(other, LogBytes({
                             McEntry("Dee", {"A,B,1,0", "B,B,1,1", "C,C,1,1", "AB,CD,2,0"}),
                             McEntry("Eve", {"A,X,1,0", "X,X,1,0", "C,C,1,1", "AB,X,2,0"}),
                         }));
        writeText(damaged, LogBytes({McEntry("Fay", {"A,A,1,1", "B,B,1,1"}, 4, false)}) +
                               "\x20\x00\x00\x00cut");
    }
};

} // namespace

TEST(ResultsWindow, TablesAndPanes)
{
    Room room;
    ScriptedPrompts prompts;
    ResultsWindow window(room.quiz, prompts, {room.other});
    window.addLogs({room.quiz.logPathName, room.other});
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Results - quiz"));
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(control<QTabWidget>(window, "resultsTabs")->count(), 3);
    EXPECT_TRUE(prompts.calls().empty());

    auto *takers = control<QTableView>(window, "takersView");
    EXPECT_EQ(takers->model()->rowCount(), 5);
    control<QLineEdit>(window, "searchEdit")->setText(QStringLiteral("E")); // Ben, Dee, Eve
    EXPECT_EQ(takers->model()->rowCount(), 3);
    takers->setCurrentIndex(takers->model()->index(2, 0));
    auto *answers = control<QTableWidget>(window, "answersTable");
    ASSERT_EQ(answers->rowCount(), 4);
    EXPECT_EQ(answers->item(0, 1)->text(), QStringLiteral("none")); // Eve chose nothing
    EXPECT_EQ(answers->item(1, 1)->text(), QStringLiteral("not shown"));
    EXPECT_EQ(answers->item(3, 2)->text(), QStringLiteral("AB"));

    // Sorted by discrimination, the most negative question comes first.
    auto *questions = control<QTableView>(window, "questionsView");
    questions->sortByColumn(4, Qt::AscendingOrder);
    EXPECT_EQ(questions->model()->index(0, 0).data().toInt(), 3);
    EXPECT_EQ(questions->model()->index(0, 12).data().toString(), QStringLiteral("check the key"));
    EXPECT_FALSE(questions->model()->index(0, 12).data(Qt::DecorationRole).isNull());
    questions->setCurrentIndex(questions->model()->index(0, 0));
    auto *bars = control<QTableWidget>(window, "answerBarsTable");
    ASSERT_EQ(bars->rowCount(), 5); // four answers and "none"
    EXPECT_EQ(bars->item(2, 0)->text(), QStringLiteral("C (key)"));
}

TEST(ResultsWindow, Commands)
{
    Room room;
    ScriptedPrompts prompts;
    ResultsWindow window(room.quiz, prompts);
    window.addLogs({room.quiz.logPathName});

    // A damaged log adds what it holds, and says where the damage is.
    prompts.answerFile(QString::fromStdString(room.damaged));
    prompts.answer(IDOK);
    click(window, "addLogButton");
    EXPECT_EQ(prompts.messages().back(),
              QString::fromStdString(room.damaged) +
                  QStringLiteral(": read 1 entries; the log is damaged after entry 0"));
    EXPECT_EQ(window.records().size(), 4u);
    prompts.answerFile(QString::fromStdString(room.other));
    click(window, "addLogButton");
    ASSERT_EQ(window.records().size(), 6u);

    // Never over a log shown; a new file holds the whole entries, in order.
    const std::string before = readText(room.other);
    prompts.answerFile(QString::fromStdString(room.other));
    prompts.answer(IDOK);
    click(window, "saveMergedButton");
    EXPECT_TRUE(prompts.messages().back().contains(QStringLiteral("one of the logs shown")));
    EXPECT_EQ(readText(room.other), before);
    const QString merged = room.dir.filePath(QStringLiteral("merged.blg"));
    prompts.answerFile(merged);
    prompts.answer(IDOK);
    click(window, "saveMergedButton");
    EXPECT_EQ(prompts.messages().back(),
              QStringLiteral("Wrote 5 entries to %1.\n1 incomplete entries were left out: a log "
                             "holds whole entries only.")
                  .arg(merged));
    std::vector<LogRecord> back;
    ASSERT_EQ(ReadLogFile(merged.toStdString(), back).status, LogReadStatus::Ok);
    std::vector<const LogRecord *> whole;
    for (const LogRecord &record : window.records())
        if (record.complete)
            whole.push_back(&record);
    ASSERT_EQ(back.size(), whole.size());
    for (std::size_t e = 0; e < back.size(); ++e) {
        EXPECT_EQ(back[e].comment, whole[e]->comment) << e;
        ASSERT_EQ(back[e].questions.size(), whole[e]->questions.size()) << e;
        for (std::size_t i = 0; i < back[e].questions.size(); ++i) {
            const LoggedQuestion &a = back[e].questions[i], &b = whole[e]->questions[i];
            EXPECT_TRUE(a.score == b.score && a.earned == b.earned && a.correct == b.correct &&
                        a.chosen == b.chosen && a.presented == b.presented && a.none == b.none)
                << e << " " << i;
        }
    }

    prompts.answerFile(room.dir.filePath(QStringLiteral("class-takers.csv")));
    prompts.answer(IDOK);
    click(window, "exportCsvButton");
    for (const char *name : {"class-takers.csv", "class-items.csv", "class-summary.csv"})
        EXPECT_TRUE(QFile::exists(room.dir.filePath(QLatin1String(name)))) << name;

    const QString pdf = room.dir.filePath(QStringLiteral("report.pdf"));
    prompts.answerFile(pdf);
    click(window, "savePdfButton");
    EXPECT_EQ(ReadPdfInfo(pdf).pages, 2);
    EXPECT_TRUE(prompts.allAnswered());
}

// --results without files: the password as the Edit command asks it, then
// the window on both logs.
TEST(ResultsWindow, OpensAfterThePassword)
{
    Room room;
    ScriptedPrompts prompts;
    prompts.setAutoAcknowledge(true);
    CommandLine::Results command;
    command.quizFile = room.quiz.pathName;
    command.moreLogs = {room.other};
    Quiz quiz;
    std::size_t shown = 0;
    ModalScript script;
    script
        .then<PasswordDialog>([](PasswordDialog &d) {
            d.findChild<QLineEdit *>(QStringLiteral("oldPasswordEdit"))->setText("teacher");
            d.accept();
        })
        .then<ResultsWindow>([&](ResultsWindow &w) {
            // The logs are read once it is shown (this step may run while
            // they are), and Close waits for them: so it is pressed from
            // the window's own loop, once enabled.
            auto *close = w.findChild<QPushButton *>(QStringLiteral("closeButton"));
            auto attempt = std::make_shared<std::function<void()>>();
            auto waits = std::make_shared<int>(0);
            *attempt = [&shown, &w, close, self = std::weak_ptr(attempt), waits] {
                if ((close->isEnabled() && !w.records().empty()) || ++*waits > 500) {
                    shown = w.records().size();
                    close->click();
                    return;
                }
                // The timer holds the next attempt; nothing holds it after the last.
                QTimer::singleShot(10, &w, [next = self.lock()] { (*next)(); });
            };
            QTimer::singleShot(0, &w, [attempt] { (*attempt)(); });
        });
    EXPECT_EQ(RunResultsWindow(quiz, prompts, command), ExitCode::Done);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(shown, 5u);

    // "View results..." opens it too, enabled as Export and Delete are.
    QuizParametersDialog parameters(room.quiz, prompts, false);
    auto *view = parameters.findChild<QPushButton *>(QStringLiteral("viewResultsButton"));
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isEnabled());
    ModalScript again;
    // Ended at once, whether or not its log has been read yet.
    again.then<ResultsWindow>([&](ResultsWindow &w) { w.done(ModalDialog::Cancel); });
    view->click();
    EXPECT_TRUE(again.finished());
    Quiz unsaved;
    QuizParametersDialog none(unsaved, prompts, true);
    EXPECT_FALSE(none.findChild<QPushButton *>(QStringLiteral("viewResultsButton"))->isEnabled());
}
