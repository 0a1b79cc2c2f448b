// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/PrintLayout.h"

#include "model/Quiz.h"
#include "taking/QuizRandom.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <span>

namespace {

bool shufflesAnswers(const Quiz &quiz)
{
    return quiz.quizType == 0 && quiz.randomizeAnswers;
}

// Fills `order` with 0 … n-1, shuffled with `seed` when asked. The
// generator cannot fail for the sizes a quiz has; should it, the order
// stays as stored rather than losing anything.
void fillOrder(std::vector<int> &order, bool shuffle, std::uint32_t seed)
{
    std::iota(order.begin(), order.end(), 0);
    if (shuffle) {
        std::vector<int> shuffled(order.size());
        if (ShuffleIndices(std::span<int>(shuffled), seed))
            order = std::move(shuffled);
    }
}

} // namespace

QChar VersionLetter(int version)
{
    return QChar(u'A' + std::clamp(version, 0, MAX_VERSIONS - 1));
}

std::uint32_t VersionSeed(int version)
{
    // The letter's code spread over the state, so that neighbouring letters
    // start the generator far apart.
    const std::uint32_t letter = VersionLetter(version).unicode();
    return letter * 2654435761u ^ 0x5EED1E77u;
}

std::vector<PrintedQuestion> VersionOrder(const Quiz &quiz, int version, int versionCount)
{
    const bool several = versionCount > 1;
    const std::uint32_t seed = VersionSeed(version);
    std::vector<int> order(std::size_t(quiz.questionCount()));
    fillOrder(order, several && quiz.randomizeQuestions, seed);

    std::vector<PrintedQuestion> printed;
    printed.reserve(order.size());
    for (const int stored : order) {
        const CQuestion &question = *quiz.QuestionAt(stored);
        PrintedQuestion entry;
        entry.stored = stored;
        const int answerSlots = quiz.quizType == 0 ? 5 : 0;
        std::vector<int> present;
        for (int i = 0; i < answerSlots; ++i) {
            if (!question.answers[i].empty())
                present.push_back(i);
        }
        // Each question's answers get a seed of their own, so that one
        // question's order does not follow from its neighbour's.
        std::vector<int> picks(present.size());
        fillOrder(picks, several && shufflesAnswers(quiz),
                  seed + 0x9E3779B9u * std::uint32_t(stored + 1));
        for (const int pick : picks)
            entry.answers.push_back(present[std::size_t(pick)]);
        printed.push_back(std::move(entry));
    }
    return printed;
}

bool VersionsDiffer(const Quiz &quiz)
{
    return quiz.randomizeQuestions || shufflesAnswers(quiz);
}

QString CorrectLetters(const CQuestion &question, const std::vector<int> &answers)
{
    QStringList letters;
    for (std::size_t slot = 0; slot < answers.size(); ++slot) {
        if (question.correct[std::size_t(answers[slot])])
            letters << QChar(u'A' + int(slot));
    }
    return letters.join(QStringLiteral(", "));
}

std::vector<BlockPlace> Paginate(const std::vector<double> &heights, double firstPageSpace,
                                 double pageSpace, double gap, int &pageCount)
{
    std::vector<BlockPlace> places;
    places.reserve(heights.size());
    int page = 0;
    double space = firstPageSpace;
    double y = 0;      // where the last block on `page` ends
    bool empty = true; // nothing on `page` yet
    pageCount = 1;
    for (const double height : heights) {
        const double top = empty ? 0 : y + gap;
        if (top + height <= space) {
            places.push_back({page, top, 1});
        } else {
            // A fresh page; also when only the first page's header is on
            // this one and a whole page would hold the block.
            if (!empty || space < pageSpace) {
                ++page;
                space = pageSpace;
            }
            // Taller than a page: it runs over as many pages as it needs,
            // and whatever comes next starts on a fresh page.
            const int span = height <= pageSpace ? 1 : int(std::ceil(height / pageSpace - 1e-9));
            places.push_back({page, 0, span});
            if (span > 1) {
                pageCount = std::max(pageCount, page + span);
                page += span - 1;
                y = space; // full
                empty = false;
                continue;
            }
        }
        y = places.back().top + height;
        empty = false;
        pageCount = std::max(pageCount, page + 1);
    }
    return places;
}

CardCell CardPosition(int index, bool back)
{
    const int onSheet = ((index % CARDS_PER_SHEET) + CARDS_PER_SHEET) % CARDS_PER_SHEET;
    const int column = onSheet % CARD_COLUMNS;
    return {onSheet / CARD_COLUMNS, back ? CARD_COLUMNS - 1 - column : column};
}
