// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the printed quiz is made of, without any drawing: the versions with
// their question and answer orders, the key's letters, how blocks of given
// heights fall onto pages, and where flash cards sit on their sheets. The
// page painter (QuizPrint) measures and draws; these decide.

#include <QString>

#include <cstdint>
#include <vector>

class CQuestion;
class Quiz;

inline constexpr int MAX_VERSIONS = 26; // A to Z

// "A" for version 0, "B" for 1, ...
[[nodiscard]] QChar VersionLetter(int version);

// The seed of a version's orders. It depends on the letter alone, so
// printing again gives the same versions.
[[nodiscard]] std::uint32_t VersionSeed(int version);

// One question as a version shows it.
struct PrintedQuestion
{
    int stored = 0;           // position in the quiz
    std::vector<int> answers; // stored answer indices in the order printed (A, B, ...)
};

// The questions of one version, in the order printed. With a single
// version the quiz's own order is kept; with several, each version shuffles
// the questions and/or the answers as the quiz's random-order settings say
// (answers only in a multiple-choice quiz). Answers without text are left
// out, as the question screen leaves them out.
[[nodiscard]] std::vector<PrintedQuestion> VersionOrder(const Quiz &quiz, int version,
                                                        int versionCount);

// Whether several versions of this quiz differ at all.
[[nodiscard]] bool VersionsDiffer(const Quiz &quiz);

// The letters of the correct answers in the printed order ("A, C"); empty
// when none of the printed answers is marked correct.
[[nodiscard]] QString CorrectLetters(const CQuestion &question, const std::vector<int> &answers);

// Where one block (a question, a row of the key) goes.
struct BlockPlace
{
    int page = 0;     // 0-based within the run of pages
    double top = 0;   // from the top of the page's space for blocks
    int pageSpan = 1; // pages it covers: more than one only for a block taller than a page
};

// Lays blocks of the given heights onto pages, in order and `gap` apart. A
// block never straddles two pages unless it is taller than a whole page;
// such a block starts on a page of its own and runs over as many as it
// needs. The first page may offer less room (it carries the paper's
// header). `pageCount` receives the number of pages used (at least one).
[[nodiscard]] std::vector<BlockPlace> Paginate(const std::vector<double> &heights,
                                               double firstPageSpace, double pageSpace, double gap,
                                               int &pageCount);

// Flash cards: two columns by four rows on each sheet, the fronts on one
// page and the backs on the next.
inline constexpr int CARD_COLUMNS = 2;
inline constexpr int CARD_ROWS = 4;
inline constexpr int CARDS_PER_SHEET = CARD_COLUMNS * CARD_ROWS;

struct CardCell
{
    int row = 0;
    int column = 0;
};

// The cell of the `index`-th card of a sheet. The backs are mirrored left
// to right, so that a sheet printed on both sides (turned over its long
// edge) puts each answer behind its prompt.
[[nodiscard]] CardCell CardPosition(int index, bool back);
