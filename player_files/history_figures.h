// What the player's history adds up to: the figures of the statistics window.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "player_files/history_entry.h"

namespace torvel {

// One bar of the chart of the last games.
struct ChartGame {
    int points = 0;
    Verdict verdict = Verdict::Draw;

    friend bool operator==(const ChartGame&, const ChartGame&) = default;
};

struct HistoryFigures {
    static constexpr std::size_t kChartGames = 50;

    int games = 0;
    int wins = 0;
    int draws = 0;
    int losses = 0;
    int winPercent = 0;            // of the games, to the nearest whole, halves up
    int bestPoints = 0;
    double averagePoints = 0;
    std::string longestWord;       // the longest the player ever made (the first of equal ones), Windows-1251
    int longestWordLetters = 0;
    double averageWordLength = 0;  // letters per word over all the player's words
    std::vector<ChartGame> lastGames;  // up to kChartGames, oldest first

    friend bool operator==(const HistoryFigures&, const HistoryFigures&) = default;
};

// The figures of `games`, oldest first. All zero, and no longest word, for
// an empty history.
HistoryFigures FiguresOf(std::span<const HistoryEntry> games);

}  // namespace torvel
