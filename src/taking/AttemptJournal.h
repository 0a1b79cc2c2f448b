// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The attempt journal: the state of a quiz run kept on disk as it goes, so
// that a run cut short by a crash or a power cut can be taken up again where
// it stopped. QuizRunner writes it at the start of a run, whenever a question
// opens, ends or shows its answer, and after every tick of the clock, and
// deletes it when the run ends; at the next start of the same quiz it offers
// to resume. One journal per quiz file, named from a hash of its path, in
// $XDG_STATE_HOME/brainloft/attempts/, readable by its owner only: the
// synced state in NAME.attempt, and the latest tick's in NAME-tick.attempt.
//
// The format is our own, little-endian, and read by a reader that trusts
// nothing: every count, index and flag is checked, the bytes carry a CRC-32,
// and anything else (another version, a file cut short) is no journal.
//
//   "Brainloft Attempt"  17 bytes
//   u32 version          1
//   i64 writtenAt        wall clock of the write, ms since 1970
//   i32 sinceTick        ms from the clock's last tick to the write, 0 … 999
//   u32 length, bytes    the quiz file's absolute path
//   32 bytes             SHA-256 of the quiz as its file holds it
//   u16 n                questions, 1 … 512
//   u16 order[n]         presentation order: stored positions, a permutation
//   u8 phase             0 asking, 1 reports, 2 log step under way
//   u16 current          questions finished
//   u8 completed         every question was finished (reports, log step)
//   i32 possible, earned, quizSecondsLeft   the run totals
//   u8 open              a question is on screen (asking only); then
//     i8 answerOrder[5], i32 worth, i32 reduceCounter, i32 secondsLeft,
//     u8 answerShown, u8 timedOut
//   log step only: u16 length, bytes of the confirmed comment; u64 log size
//                  before the entry was appended
//   n × (u8 flags: bit 0 presented, bits 1-5 chosen A-E; i32 earned), in
//       stored order
//   u32 CRC-32 of everything before it

#include "model/AtomicFile.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

class Quiz;

// The question on screen, as the screen can show it again.
struct QuestionState
{
    std::array<std::int8_t, 5> answerOrder{-1, -1, -1, -1, -1}; // display slot → stored answer
    std::int32_t worth = 0;
    std::int32_t reduceCounter = -1;
    std::int32_t secondsLeft = 0;
    bool answerShown = false;
    bool timedOut = false; // the answer is on show because the time ran out
    bool operator==(const QuestionState &) const = default;
};

// What a run recorded for one question.
struct AttemptQuestion
{
    bool presented = false;
    std::array<std::uint8_t, 5> chosen{}; // 0 or 1, by stored answer
    std::int32_t earned = 0;
    bool operator==(const AttemptQuestion &) const = default;
};

struct AttemptRecord
{
    enum class Phase : std::uint8_t { Asking, Reporting, Logging };

    std::string quizPath;
    std::array<std::uint8_t, 32> fingerprint{};
    std::int64_t writtenAt = 0;
    std::int32_t sinceTick = 0;
    std::vector<std::uint16_t> order;
    Phase phase = Phase::Asking;
    std::uint16_t current = 0; // finished questions: order[current] is under way
    bool completed = false;
    std::int32_t possiblePoints = 0;
    std::int32_t earnedPoints = 0;
    std::int32_t quizSecondsLeft = 0;
    std::optional<QuestionState> open;
    std::string comment;       // the log step's confirmed comment
    std::uint64_t logSize = 0; // the log's size before its entry was appended
    std::vector<AttemptQuestion> questions;
    bool operator==(const AttemptRecord &) const = default;
};

inline constexpr std::uint32_t ATTEMPT_VERSION = 1;

[[nodiscard]] std::vector<std::uint8_t> EncodeAttempt(const AttemptRecord &record);
// The record, or nothing when the bytes are not a whole journal of this version.
[[nodiscard]] std::optional<AttemptRecord> DecodeAttempt(std::span<const std::uint8_t> bytes);

// SHA-256 of the quiz as its file holds it, so a journal is resumed only
// for exactly the quiz it was written for (an edit not saved counts).
[[nodiscard]] std::array<std::uint8_t, 32> QuizFingerprint(const Quiz &quiz);

// $XDG_STATE_HOME/brainloft/attempts, or ~/.local/state/brainloft/attempts.
[[nodiscard]] std::string AttemptsFolder();

// The journal of one quiz file.
class AttemptJournal
{
public:
    explicit AttemptJournal(const std::string &quizPath, std::string folder = AttemptsFolder());

    [[nodiscard]] const std::string &path() const { return m_path; }
    [[nodiscard]] const std::string &folder() const { return m_folder; }
    // What the file holds, or nothing when it is missing, unreadable or no
    // journal of this version.
    [[nodiscard]] std::optional<AttemptRecord> read() const;
    // Replaces the journal in one step (the folder is made as needed, 0700;
    // the files are 0600). A synced write replaces the journal's file; an
    // unsynced one (a tick) goes to a second file beside it, which a read
    // prefers. False on failure, which the taker is never shown.
    bool write(const AttemptRecord &record, AtomicFile::Sync sync) const;
    void remove() const;

private:
    std::string m_folder;
    std::string m_path;
    std::string m_tickPath;
};

// Deletes the journals in `folder` that no run can take up again: those
// that cannot be read as journals and those whose quiz file is gone.
void SweepAttempts(const std::string &folder);
