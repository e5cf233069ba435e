// The player's history: every evaluated game, one line each, in history.txt.
#pragma once

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "player_files/history_entry.h"

namespace torvel {

// What a reading of the history found: the games, oldest first, and the
// numbers of the lines (counted from 1, the version line included) that could
// not be read and were left out.
struct HistoryReading {
    std::vector<HistoryEntry> games;
    std::vector<int> skippedLines;
};

// The file is UTF-8, one game a line after a line naming the format and its
// version; docs/file-formats.md describes it. Words are converted between
// UTF-8 and Windows-1251 here.
//
// The file is only ever appended to, never rewritten, so nothing once
// written is lost: a line that cannot be read is skipped, not removed.
class GameHistory {
public:
    static constexpr std::string_view kVersionLine = "torvel-history 1";

    explicit GameHistory(std::string path = "history.txt");

    const std::string& path() const { return m_path; }

    // Adds the game as one line at the end of the file, starting the file
    // with its version line if it is new or empty, and flushes it to the
    // disk. A last line cut short by an earlier failure is ended first, so
    // that it stays a line of its own. Throws DataFileError naming the file
    // and the problem, the file unchanged, when it is read-only, is not a
    // history of this version, or cannot be written (a write that fails
    // halfway is taken back).
    void Append(const HistoryEntry& game) const;

    // Every game in the file. No file is an empty history. Throws
    // DataFileError when the file cannot be read or its first line is not
    // this version's.
    HistoryReading Read() const;

private:
    std::string m_path;
};

// The local time as the history writes it, "2026-05-04 18:22:10".
std::string LocalTimeText(std::time_t time);

}  // namespace torvel
