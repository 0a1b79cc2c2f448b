// SPDX-License-Identifier: GPL-3.0-or-later
// The attempt journal as a run writes it after every tick of the clock: for
// a quiz of 512 questions, the run's whole state taken from the quiz,
// encoded and put in place of the old journal in one step (not synced),
// through the runner itself. The baseline writes the same number of bytes
// with a plain open, write and close. A tick comes once a second; its
// journal must stay far below a millisecond.

#include "BenchFiles.h"

#include "model/Quiz.h"
#include "taking/AttemptJournal.h"
#include "taking/QuizRunner.h"
#include "taking/QuizScreen.h"
#include "ui/Prompts.h"

#include <benchmark/benchmark.h>

#include <functional>

namespace {

class SilentPrompts : public Prompts
{
public:
    int messageBox(QWidget *, const QString &, const QString &, unsigned) override { return IDOK; }
    std::optional<QString> fileDialog(QWidget *, const FileDialogRequest &) override { return {}; }
    std::optional<QFont> chooseFont(QWidget *, const QFont &) override { return {}; }
};

// A screen whose question stays open while the benchmark has the runner
// write the journal as each tick does, then stops the run.
class TickingScreen : public QuizScreen
{
public:
    explicit TickingScreen(benchmark::State &state)
        : m_state(state)
    {}
    int present(unsigned, CQuestion &, const Resume *) override
    {
        for (auto _ : m_state)
            m_changed(false);
        return 2;
    }
    QObject *tickReceiver() override { return nullptr; }
    QuestionState questionState() const override
    {
        QuestionState state;
        state.answerOrder = {3, 1, 0, 4, 2};
        state.worth = 3;
        state.reduceCounter = 2;
        state.secondsLeft = 17;
        return state;
    }
    void setChangeListener(std::function<void(bool)> listener) override
    {
        m_changed = std::move(listener);
    }

private:
    benchmark::State &m_state;
    std::function<void(bool)> m_changed;
};

std::size_t journalBytes()
{
    AttemptRecord record;
    record.quizPath = benchPath("journal.blz");
    record.order.resize(MAX_QUESTIONS);
    for (int i = 0; i < MAX_QUESTIONS; ++i)
        record.order[std::size_t(i)] = std::uint16_t(i);
    record.questions.resize(MAX_QUESTIONS);
    record.open = QuestionState{};
    return EncodeAttempt(record).size();
}

void JournalTick(benchmark::State &state)
{
    Quiz quiz;
    fillLargeQuiz(quiz);
    quiz.SetQuizPathName(benchPath("journal.blz"));
    SilentPrompts prompts;
    QuizRunner::Hooks hooks;
    hooks.makeScreen = [&](bool) { return std::make_unique<TickingScreen>(state); };
    hooks.startClock = [](int) { return true; };
    hooks.stopClock = [] {};
    hooks.journal.emplace(quiz.pathName, benchPath("attempts"));
    QuizRunner runner(quiz, prompts, nullptr, std::move(hooks));
    runner.run();
    state.SetBytesProcessed(state.iterations() * std::int64_t(journalBytes()));
}

void JournalTickPlainWrite(benchmark::State &state)
{
    const std::vector<std::uint8_t> bytes(journalBytes(), 0x5A);
    const std::string path = benchPath("plain.attempt");
    for (auto _ : state)
        writeWhole(path, bytes, false);
    state.SetBytesProcessed(state.iterations() * std::int64_t(bytes.size()));
}

} // namespace

BENCHMARK(JournalTick)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(JournalTickPlainWrite)->Unit(benchmark::kMicrosecond)->UseRealTime();
