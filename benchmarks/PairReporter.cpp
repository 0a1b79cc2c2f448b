// SPDX-License-Identifier: GPL-3.0-or-later

#include "PairReporter.h"

#include <cstdio>

namespace {

// Seconds per iteration as the run measured it.
double secondsOf(const benchmark::BenchmarkReporter::Run &run)
{
    return run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
}

std::string formatSeconds(double seconds)
{
    char text[32];
    if (seconds >= 1)
        std::snprintf(text, sizeof text, "%.3f s", seconds);
    else if (seconds >= 1e-3)
        std::snprintf(text, sizeof text, "%.3f ms", seconds * 1e3);
    else if (seconds >= 1e-6)
        std::snprintf(text, sizeof text, "%.3f µs", seconds * 1e6);
    else
        std::snprintf(text, sizeof text, "%.1f ns", seconds * 1e9);
    return text;
}

} // namespace

PairReporter::PairReporter(std::vector<Pair> pairs, std::vector<CounterRow> counterRows)
    : m_pairs(std::move(pairs))
    , m_counterRows(std::move(counterRows))
{}

void PairReporter::ReportRuns(const std::vector<Run> &runs)
{
    for (const Run &run : runs) {
        if (run.run_type == Run::RT_Iteration && !run.error_occurred)
            m_runs.insert_or_assign(run.run_name.str(), run);
    }
    ConsoleReporter::ReportRuns(runs);
}

void PairReporter::printTable() const
{
    std::printf("\n| What | Result | Baseline | Ratio |\n|---|---|---|---|\n");
    for (const Pair &pair : m_pairs) {
        const auto measured = m_runs.find(pair.measured);
        const auto baseline = m_runs.find(pair.baseline);
        if (measured == m_runs.end() || baseline == m_runs.end())
            continue;
        const double a = secondsOf(measured->second);
        const double b = secondsOf(baseline->second);
        std::printf("| %s | %s | %s: %s | %.2f |\n", pair.what.c_str(), formatSeconds(a).c_str(),
                    pair.baselineText.c_str(), formatSeconds(b).c_str(), a / b);
    }
    for (const CounterRow &row : m_counterRows) {
        const auto run = m_runs.find(row.benchmark);
        if (run == m_runs.end())
            continue;
        const auto value = run->second.counters.find(row.counter);
        const auto base = run->second.counters.find(row.baselineCounter);
        if (value == run->second.counters.end() || base == run->second.counters.end())
            continue;
        std::printf("| %s | %.0f | %s: %.0f | %.3f |\n", row.what.c_str(), double(value->second),
                    row.baselineText.c_str(), double(base->second),
                    double(value->second) / double(base->second));
    }
}
