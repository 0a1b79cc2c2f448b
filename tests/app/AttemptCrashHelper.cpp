// SPDX-License-Identifier: GPL-3.0-or-later
// Takes a scripted quiz through the real main window and question screens,
// for the crash test that kills it at random moments:
//
//   attempt_crash_helper make QUIZ SCENARIO    writes the scenario's quiz
//   attempt_crash_helper run QUIZ SCENARIO N   takes it (the N-th start)
//
// The taker's script depends only on what the screen shows (answer a
// question once its seconds left are down to a set number, tick the set
// stored answers), and every second is a tick given to the main window's one
// tick entry point with a wall clock that moves a second per tick. So a run
// that is killed and resumed, however often, must log exactly the entry an
// uninterrupted run logs. A resumed start is charged some seconds of
// downtime, no more than the taker would have waited anyway, so the entry
// stays the same. Writes one byte to standard output once it shows a
// question, so the test can tell start-up from the run. Exit 0 when the run
// ended, 3 when a resumed question did not come back as the journal had it.

#include "app/MainWindow.h"
#include "log/LogCommentDialog.h"
#include "model/Quiz.h"
#include "model/QuizFile.h"
#include "taking/AttemptJournal.h"
#include "taking/FlashCardDialog.h"
#include "taking/QuestionDialog.h"
#include "ui/Prompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <string>
#include <vector>

namespace {

// One question of a scenario and what the taker does with it.
struct Step
{
    int score, timeLimit, reduceEvery, reduceBy;
    int answerAt;       // seconds left when the taker answers; below 0: never
    const char *ticked; // stored answers ticked ("AC"), or "R"/"W" for a card
};

struct Scenario
{
    int quizType;
    int overallMinutes; // 0: no overall limit
    bool review, randomQuestions;
    std::vector<Step> steps;
};

const std::vector<Scenario> SCENARIOS = {
    // Review on, shuffled questions and answers, no overall limit; a wrong
    // answer and a time-out each show the correct answer.
    {0,
     0,
     true,
     true,
     {{3, 12, 3, 1, 6, "AC"},
      {2, 9, 0, 0, 2, "BC"},
      {4, 10, 2, 1, -1, ""},
      {5, 15, 4, 2, 3, "AC"},
      {1, 8, 0, 0, 7, "AB"},
      {3, 11, 1, 1, 4, "C"}}},
    // Review off, answers shuffled, one minute overall: the time runs out
    // on the fifth question.
    {0,
     1,
     false,
     false,
     {{3, 20, 5, 1, 4, "AC"},
      {2, 14, 0, 0, 1, "B"},
      {4, 18, 3, 1, -1, ""},
      {5, 16, 2, 1, 12, "AC"},
      {2, 30, 0, 0, 1, "AC"},
      {3, 20, 0, 0, 2, "A"}}},
    // Flash cards with a minute overall; reductions run without a limit.
    {1,
     1,
     false,
     false,
     {{4, 15, 3, 1, 5, "R"},
      {3, 12, 0, 0, 6, "W"},
      {5, 10, 2, 2, -1, ""},
      {2, 14, 4, 1, 9, "R"},
      {6, 20, 5, 1, 2, "R"}}}};

void makeQuiz(const Scenario &scenario, Quiz &quiz)
{
    quiz.quizType = scenario.quizType;
    quiz.overallTimeLimitOn = scenario.overallMinutes > 0;
    quiz.overallTimeLimit = scenario.overallMinutes;
    quiz.reviewAnswers = scenario.review;
    quiz.randomizeQuestions = scenario.randomQuestions;
    quiz.randomizeAnswers = 1;
    quiz.logResults = 1;
    quiz.password = "teacher";
    int n = 0;
    for (const Step &step : scenario.steps) {
        auto q = std::make_unique<CQuestion>();
        q->text = "Question " + std::to_string(++n);
        q->score = step.score;
        q->timeLimit = step.timeLimit;
        q->reduceEvery = step.reduceEvery;
        q->reduceBy = step.reduceBy;
        if (scenario.quizType == 0) {
            for (int a = 0; a < 4; ++a)
                q->answers[a] = std::string("Answer ") + char('A' + a);
            q->correct = {1, 0, 1, 0, 0};
            q->multipleCorrect = 1;
        } else {
            q->answers[0] = "Card answer";
        }
        quiz.AppendQuestion(std::move(q));
    }
}

// Answers every box at once: the notices with OK, the resume question with Yes.
class AutoPrompts : public Prompts
{
public:
    int messageBox(QWidget *, const QString &, const QString &, unsigned flags) override
    {
        return (flags & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
    }
    std::optional<QString> fileDialog(QWidget *, const FileDialogRequest &) override { return {}; }
    std::optional<QFont> chooseFont(QWidget *, const QFont &) override { return {}; }
};

class Taker
{
public:
    Taker(const Scenario &scenario, Quiz &quiz, MainWindow &window)
        : m_scenario(scenario)
        , m_quiz(quiz)
        , m_window(window)
    {}

    std::int64_t now() const { return m_lastTick + m_sinceTick; }

    // A start that resumes: the clock goes on from the journal's last write,
    // plus `down` whole seconds and `part` ms of downtime.
    void resumeAfter(const AttemptRecord &journal, std::int64_t down, int part)
    {
        m_lastTick = journal.writtenAt - journal.sinceTick + down * 1000;
        m_sinceTick = part;
        m_expected = journal.open;
        m_expectedNumber = journal.current + 1u;
    }

    bool badResume() const { return m_badResume; }

    // One step of the taker, run from the event loop.
    void act()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *comment = qobject_cast<LogCommentDialog *>(modal)) {
            comment->findChild<QLineEdit *>(QStringLiteral("commentEdit"))
                ->setText(QStringLiteral("crash test"));
            comment->findChild<QPushButton *>(QStringLiteral("okButton"))->click();
            return;
        }
        auto *screen = qobject_cast<QuizScreenDialog *>(modal);
        if (!screen || !screen->isQuestionOpen())
            return;
        if (!m_told) {
            m_told = true;
            const char ready = 'r';
            (void)!::write(STDOUT_FILENO, &ready, 1);
        }
        const QuestionState state = screen->questionState();
        if (m_expected && screen->questionNumber == m_expectedNumber) {
            // The interrupted question is back with its answers where they were.
            if (state.answerOrder != m_expected->answerOrder)
                m_badResume = true;
        }
        m_expected.reset();
        const Step &step = stepOf(*screen->question);
        if (auto *question = qobject_cast<QuestionDialog *>(screen))
            actOnQuestion(*question, state, step);
        else if (auto *card = qobject_cast<FlashCardDialog *>(screen))
            actOnCard(*card, state, step);
    }

private:
    const Step &stepOf(const CQuestion &question) const
    {
        for (int i = 0; i < m_quiz.questionCount(); ++i) {
            if (m_quiz.QuestionAt(i) == &question)
                return m_scenario.steps[std::size_t(i)];
        }
        std::abort();
    }

    void tick()
    {
        m_lastTick += 1000;
        m_sinceTick = 0;
        m_window.clockTick();
        QCoreApplication::sendPostedEvents();
    }

    void actOnQuestion(QuestionDialog &dialog, const QuestionState &state, const Step &step)
    {
        auto *submit = dialog.findChild<QPushButton *>(QStringLiteral("submitButton"));
        if (state.answerShown) {
            submit->click(); // Next question
            return;
        }
        if (dialog.paused() || state.secondsLeft > step.answerAt) {
            tick();
            return;
        }
        for (int slot = 0; slot < 5; ++slot) {
            const int stored = dialog.answerOrder()[slot];
            if (stored < 0)
                continue;
            const bool tickIt =
                std::string(step.ticked).find(char('A' + stored)) != std::string::npos;
            const QString letter = QChar(u'A' + slot);
            dialog.findChild<QAbstractButton *>(QStringLiteral("answerCheckBox") + letter)
                ->setChecked(tickIt);
        }
        submit->click();
    }

    void actOnCard(FlashCardDialog &card, const QuestionState &state, const Step &step)
    {
        if (state.answerShown) {
            const char *button = *step.ticked == 'R' ? "rightButton" : "wrongButton";
            card.findChild<QPushButton *>(QLatin1String(button))->click();
            return;
        }
        if (card.paused() || state.secondsLeft > step.answerAt) {
            tick();
            return;
        }
        card.findChild<QPushButton *>(QStringLiteral("showAnswerButton"))->click();
    }

    const Scenario &m_scenario;
    Quiz &m_quiz;
    MainWindow &m_window;
    std::int64_t m_lastTick = 1'700'000'000'000; // wall clock of the latest tick
    std::int64_t m_sinceTick = 0;
    std::optional<QuestionState> m_expected;
    unsigned m_expectedNumber = 0;
    bool m_badResume = false;
    bool m_told = false;
};

// The seconds a resumed start may be charged without changing what the
// taker does: up to the moment the script would act anyway.
std::int64_t slack(const Scenario &scenario, const Quiz &quiz, const AttemptRecord &journal)
{
    if (journal.phase != AttemptRecord::Phase::Asking)
        return 0;
    const Step &step = scenario.steps[journal.order[journal.current]];
    if (journal.open && journal.open->answerShown)
        return 5; // an answer on show holds the clocks
    const int left = journal.open ? journal.open->secondsLeft
                                  : quiz.QuestionAt(journal.order[journal.current])->timeLimit;
    return std::max(0, left - std::max(step.answerAt, 0));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4)
        return 2;
    const std::string mode = argv[1];
    const std::string path = argv[2];
    const Scenario &scenario = SCENARIOS.at(std::size_t(std::atoi(argv[3])));
    if (mode == "make") {
        Quiz quiz;
        makeQuiz(scenario, quiz);
        return SaveQuizToFile(quiz, path) == SaveResult::Ok ? 0 : 1;
    }
    if (mode != "run" || argc != 5)
        return 2;
    const unsigned start = unsigned(std::atoi(argv[4]));

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("brainloft"));
    Quiz quiz;
    AutoPrompts prompts;
    MainWindow window(quiz, prompts, StartOptions{QString::fromStdString(path), false});
    Taker taker(scenario, quiz, window);

    if (const std::optional<AttemptRecord> journal = AttemptJournal(path).read()) {
        Quiz loaded;
        if (LoadQuizFromFile(path, loaded) != LoadResult::Ok)
            return 1;
        const std::int64_t most = slack(scenario, loaded, *journal);
        taker.resumeAfter(*journal, most ? std::int64_t(start * 7919u % unsigned(most + 1)) : 0,
                          int(start * 104729u % 1000u));
    }
    window.setRunTime({[&] { return taker.now(); }, true});

    QTimer driver;
    driver.setInterval(0);
    QObject::connect(&driver, &QTimer::timeout, [&] { taker.act(); });
    driver.start();
    window.exec();
    return taker.badResume() ? 3 : 0;
}
