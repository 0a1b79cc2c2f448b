// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the quiz clock against a steady clock: runs a one-question quiz
// through the main window for a while (130 s unless told otherwise), notes
// when each tick reaches the question screen, then aborts the quiz and
// prints the drift. Run by hand; it takes real minutes, so it is not a test:
//   cmake --build build --target clock_drift_probe
//   ./build/tests/taking/clock_drift_probe [SECONDS]

#include "app/MainWindow.h"
#include "model/Quiz.h"
#include "taking/QuestionDialog.h"
#include "ui/Prompts.h"
#include "ui/QuizEvents.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Confirms the abort at the end; nothing else is asked.
class ProbePrompts : public Prompts
{
public:
    int messageBox(QWidget *, const QString &, const QString &, unsigned flags) override
    {
        return (flags & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
    }
    std::optional<QString> fileDialog(QWidget *, const FileDialogRequest &) override { return {}; }
    std::optional<QFont> chooseFont(QWidget *, const QFont &) override { return {}; }
};

// Notes the arrival time of every tick delivered to a question screen.
class TickRecorder : public QObject
{
public:
    explicit TickRecorder(const QElapsedTimer &clock)
        : m_clock(clock)
    {}
    std::vector<qint64> arrivals; // nanoseconds since the run began

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QuizTickEvent && qobject_cast<QuestionDialog *>(watched))
            arrivals.push_back(m_clock.nsecsElapsed());
        return false;
    }

private:
    const QElapsedTimer &m_clock;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int seconds = argc > 1 ? std::max(5, atoi(argv[1])) : 130;

    Quiz quiz;
    auto question = std::make_unique<CQuestion>();
    question->text = "Waiting for the clock";
    question->answers[0] = "a";
    question->answers[1] = "b";
    question->timeLimit = 300;
    quiz.AppendQuestion(std::move(question));
    quiz.overallTimeLimitOn = 1;
    quiz.overallTimeLimit = 300;

    ProbePrompts prompts;
    MainWindow window(quiz, prompts);
    QElapsedTimer clock;
    TickRecorder recorder(clock);
    application.installEventFilter(&recorder);

    QTimer::singleShot(seconds * 1000 + 500, [&] {
        if (auto *screen = qobject_cast<QuestionDialog *>(QApplication::activeModalWidget()))
            screen->reject();
    });
    clock.start();
    window.RunQuiz();

    const std::vector<qint64> &t = recorder.arrivals;
    if (t.size() < 3) {
        std::printf("too few ticks: %zu\n", t.size());
        return 1;
    }
    const double span = double(t.back() - t.front()) / 1e9;
    const double expected = double(t.size() - 1);
    double shortest = 1e9, longest = 0;
    for (std::size_t i = 1; i < t.size(); ++i) {
        const double gap = double(t[i] - t[i - 1]) / 1e9;
        shortest = std::min(shortest, gap);
        longest = std::max(longest, gap);
    }
    std::printf("ticks: %zu over %.3f s (first tick %.3f s after the start)\n", t.size(), span,
                double(t.front()) / 1e9);
    std::printf("drift: %+.3f s over %.0f ticks = %+.4f%% (%+.3f ms per tick)\n", span - expected,
                expected, 100.0 * (span - expected) / expected,
                1000.0 * (span - expected) / expected);
    std::printf("intervals: shortest %.4f s, longest %.4f s\n", shortest, longest);
    std::printf("quiz time counted: %d s of %.3f s elapsed\n", 300 * 60 - quiz.quizSecondsLeft,
                double(clock.nsecsElapsed()) / 1e9);
    return 0;
}
