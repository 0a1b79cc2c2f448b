// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Prints what Google Benchmark prints and keeps every result, then prints
// each result next to its baseline with their ratio.
class PairReporter : public benchmark::ConsoleReporter
{
public:
    struct Pair
    {
        std::string what;         // the row's title
        std::string measured;     // benchmark name of the result
        std::string baseline;     // benchmark name of its baseline
        std::string baselineText; // what the baseline does
    };
    struct CounterRow
    {
        std::string what;
        std::string benchmark;
        std::string counter;         // the result
        std::string baselineCounter; // its baseline
        std::string baselineText;
    };

    PairReporter(std::vector<Pair> pairs, std::vector<CounterRow> counterRows);
    void ReportRuns(const std::vector<Run> &runs) override;
    // The table, in Markdown; rows whose benchmarks did not run are left out.
    void printTable() const;

private:
    std::vector<Pair> m_pairs;
    std::vector<CounterRow> m_counterRows;
    std::map<std::string, Run> m_runs;
};
