// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResultsStats.h"

#include <algorithm>
#include <cmath>

namespace {

double percentOf(std::int64_t points, std::int64_t total)
{
    return total == 0 ? 0.0 : 100.0 * double(points) / double(total);
}

// Sums for a correlation, taken in two passes (means first), which keeps a
// constant column's variance exactly 0 and large classes accurate.
struct Spread
{
    double sxx = 0, syy = 0, sxy = 0;
};

} // namespace

ResultsAnalysis AnalyseResults(const std::vector<LogRecord> &records, int questionCount,
                               bool flashCards)
{
    ResultsAnalysis analysis;
    analysis.flashCards = flashCards;
    analysis.questions.resize(std::size_t(std::max(questionCount, 0)));
    analysis.entries.reserve(records.size());
    SummaryFigures &summary = analysis.summary;
    summary.entries = int(records.size());

    const std::size_t p = analysis.questions.size();
    // Per question, over the counted entries that presented it: first the
    // sums of x, m and T - x, then the spread around their means. The sums
    // are taken while an entry's lines are at hand, so that the entries are
    // gone over twice in all, not three times.
    std::vector<std::int64_t> sumX(p), sumM(p), sumPresentedT(p), sumAllX(p);
    std::int64_t sumT = 0;
    std::vector<std::size_t> counted;
    for (std::size_t e = 0; e < records.size(); ++e) {
        const LogRecord &record = records[e];
        EntryFigures figures;
        bool sameKind = true;
        for (const LoggedQuestion &q : record.questions) {
            figures.allPossible += q.score;
            figures.allEarned += q.earned;
            sameKind &= q.flashCard == flashCards;
            if (q.presented) {
                ++figures.presented;
                figures.possible += q.score;
                figures.earned += q.earned;
            }
        }
        figures.percent = percentOf(figures.earned, figures.possible);
        figures.allPercent = percentOf(figures.allEarned, figures.allPossible);
        const bool sameQuiz = record.questionCount == questionCount && sameKind;
        if (!record.complete) {
            figures.status = EntryStatus::Incomplete;
            ++summary.incomplete;
        } else if (!sameQuiz) {
            figures.status = EntryStatus::OtherQuiz;
            ++summary.otherQuiz;
        } else {
            counted.push_back(e);
            // A complete entry has every line its count line names.
            const std::int64_t total = figures.allEarned;
            sumT += total;
            const LoggedQuestion *lines = record.questions.data();
            for (std::size_t i = 0; i < p; ++i) {
                const LoggedQuestion &q = lines[i];
                sumAllX[i] += q.earned;
                if (!q.presented)
                    continue;
                QuestionFigures &question = analysis.questions[i];
                ++question.presented;
                sumX[i] += q.earned;
                sumM[i] += q.score;
                sumPresentedT[i] += total;
                if (!flashCards) {
                    question.none += q.none;
                    for (unsigned chosen = q.chosen; chosen != 0; chosen &= chosen - 1)
                        ++question.letters[std::size_t(__builtin_ctz(chosen))];
                }
            }
        }
        analysis.entries.push_back(figures);
    }
    summary.complete = int(counted.size());
    const std::size_t s = counted.size();

    // Percents: mean, median, spread.
    if (s > 0) {
        std::vector<double> percents;
        percents.reserve(s);
        for (const std::size_t e : counted)
            percents.push_back(analysis.entries[e].allPercent);
        double sum = 0;
        for (const double v : percents)
            sum += v;
        const double mean = sum / double(s);
        summary.mean = mean;
        if (s > 1) {
            double squares = 0;
            for (const double v : percents)
                squares += (v - mean) * (v - mean);
            summary.sd = std::sqrt(squares / double(s - 1));
        }
        std::sort(percents.begin(), percents.end());
        summary.min = percents.front();
        summary.max = percents.back();
        summary.median = s % 2 ? percents[s / 2] : (percents[s / 2 - 1] + percents[s / 2]) / 2;
    }

    std::vector<Spread> spread(p);
    std::vector<double> varianceSums(p); // of x over all counted entries
    std::vector<double> meanAllX(p), meanX(p), meanRest(p);
    for (std::size_t i = 0; i < p; ++i) {
        const double n = analysis.questions[i].presented;
        meanAllX[i] = s ? double(sumAllX[i]) / double(s) : 0;
        meanX[i] = n > 0 ? double(sumX[i]) / n : 0;
        meanRest[i] = n > 0 ? double(sumPresentedT[i] - sumX[i]) / n : 0;
    }
    double totalSquares = 0;
    const double meanT = s ? double(sumT) / double(s) : 0;
    for (const std::size_t e : counted) {
        const LogRecord &record = records[e];
        const double total = double(analysis.entries[e].allEarned);
        totalSquares += (total - meanT) * (total - meanT);
        for (std::size_t i = 0; i < p; ++i) {
            const LoggedQuestion &q = record.questions[i];
            const double x = q.earned;
            varianceSums[i] += (x - meanAllX[i]) * (x - meanAllX[i]);
            if (!q.presented)
                continue;
            const double dx = x - meanX[i];
            const double dy = (total - x) - meanRest[i];
            spread[i].sxx += dx * dx;
            spread[i].syy += dy * dy;
            spread[i].sxy += dx * dy;
        }
    }
    for (std::size_t i = 0; i < p; ++i) {
        QuestionFigures &figures = analysis.questions[i];
        if (sumM[i] != 0)
            figures.facility = percentOf(sumX[i], sumM[i]);
        if (figures.presented >= 2 && spread[i].sxx > 0 && spread[i].syy > 0)
            figures.discrimination =
                100.0 * spread[i].sxy / std::sqrt(spread[i].sxx * spread[i].syy);
    }

    // Cronbach's alpha over every counted entry.
    if (s >= 3 && p >= 2 && totalSquares > 0) {
        double itemVariances = 0;
        for (const double v : varianceSums)
            itemVariances += v / double(s - 1);
        const double totalVariance = totalSquares / double(s - 1);
        const double alpha =
            double(p) / double(p - 1) * (1.0 - itemVariances / totalVariance);
        summary.alpha = alpha;
        if (summary.sd)
            summary.sem = *summary.sd * std::sqrt(std::max(0.0, 1.0 - alpha));
    }
    return analysis;
}

std::array<int, 10> PercentHistogram(const ResultsAnalysis &analysis)
{
    std::array<int, 10> bins{};
    for (const EntryFigures &entry : analysis.entries) {
        if (entry.status != EntryStatus::Complete)
            continue;
        const int bin = std::clamp(int(std::floor(entry.allPercent / 10.0)), 0, 9);
        ++bins[std::size_t(bin)];
    }
    return bins;
}

Reliability ReadReliability(double alpha)
{
    if (alpha >= 0.75)
        return Reliability::Consistent;
    if (alpha < 0.64)
        return Reliability::Unreliable;
    return Reliability::Acceptable;
}

QuestionFlags FlagQuestion(const QuestionFigures &figures)
{
    QuestionFlags flags;
    if (figures.facility) {
        flags.hard = *figures.facility < 20;
        flags.easy = *figures.facility > 90;
    }
    if (figures.discrimination) {
        flags.checkKey = *figures.discrimination < 0;
        flags.weak = !flags.checkKey && *figures.discrimination < 20;
    }
    return flags;
}
