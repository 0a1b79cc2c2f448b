// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Log text for the results tests, written out line by line as the log's
// writer lays it out, so that each case shows its class at a glance.

#include "results/LogReader.h"

#include "log/LogEntry.h"
#include "log/ResultsLog.h"
#include "model/ByteStream.h"
#include "model/Scramble.h"

#include <cstdint>
#include <string>
#include <vector>

// One entry; `lines` are a question line's fields after its number
// ("AB,A,2,1" for multiple choice, "2,2,0,1" for a card). `count` is the
// count line (the number of lines when -1); without `summary` the entry
// stops after its question lines, as a write that failed partway leaves it.
inline std::string Entry(const std::string &comment, const std::vector<std::string> &lines,
                         bool cards, int count = -1, bool summary = true)
{
    std::string text = "\"" + comment + "\"\r\n" +
                       std::to_string(count < 0 ? int(lines.size()) : count) + "\r\n";
    long presented = 0, earned = 0, possible = 0, allEarned = 0, allPossible = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += std::to_string(i + 1) + "," + lines[i] + "\r\n";
        std::vector<std::string> f;
        std::size_t from = 0;
        for (std::size_t comma; (comma = lines[i].find(',', from)) != std::string::npos;
             from = comma + 1)
            f.push_back(lines[i].substr(from, comma - from));
        f.push_back(lines[i].substr(from));
        const long score = std::stol(cards ? f[0] : f[2]);
        const long points = std::stol(cards ? f[1] : f[3]);
        const bool shown = cards ? f[3] == "1" : f[0] != "X";
        allPossible += score;
        allEarned += points;
        if (shown) {
            ++presented;
            possible += score;
            earned += points;
        }
    }
    if (summary)
        text += "Presented," + std::to_string(presented) + "," + std::to_string(earned) + "," +
                std::to_string(possible) + "," + FormatLogPercentage(earned, possible) +
                "%\r\nAll," + std::to_string(lines.size()) + "," + std::to_string(allEarned) +
                "," + std::to_string(allPossible) + "," +
                FormatLogPercentage(allEarned, allPossible) + "%\r\n";
    return text;
}

inline std::string McEntry(const std::string &comment, const std::vector<std::string> &lines,
                           int count = -1, bool summary = true)
{
    return Entry(comment, lines, false, count, summary);
}

inline std::string CardEntry(const std::string &comment, const std::vector<std::string> &lines)
{
    return Entry(comment, lines, true);
}

inline std::string Join(const std::vector<std::string> &pieces)
{
    std::string all;
    for (const std::string &piece : pieces)
        all += piece;
    return all;
}

// One stored block: its length, then its text scrambled.
inline std::string Block(const std::string &text)
{
    std::string bytes;
    const auto n = std::uint32_t(text.size());
    for (int shift = 0; shift < 32; shift += 8)
        bytes += char((n >> shift) & 0xff);
    const std::vector<std::uint8_t> scrambled = ScrambleString(text);
    bytes.append(scrambled.begin(), scrambled.end());
    return bytes;
}

// The signature and one block per entry.
inline std::string LogBytes(const std::vector<std::string> &entries)
{
    std::string bytes = LOG_SIGNATURE;
    for (const std::string &entry : entries)
        bytes += Block(entry);
    return bytes;
}

inline LogReadResult ReadLogBytes(const std::string &bytes, std::vector<LogRecord> &records)
{
    MemorySource source({reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size()});
    return ReadLogEntries(source, records);
}

// The text as one log, cut into blocks of at most 1000 characters at line
// ends, as the writer cuts long entries.
inline LogReadResult ReadLogText(const std::string &text, std::vector<LogRecord> &records)
{
    std::string bytes = LOG_SIGNATURE;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t end = std::min(text.size(), from + 1000);
        if (end < text.size())
            end = text.rfind('\n', end - 1) + 1;
        bytes += Block(text.substr(from, end - from));
        from = end;
    }
    return ReadLogBytes(bytes, records);
}
