// What the player's history adds up to: the figures of the statistics window.
#include "player_files/history_figures.h"

#include <algorithm>

namespace torvel {

HistoryFigures FiguresOf(std::span<const HistoryEntry> games) {
    HistoryFigures figures;
    if (games.empty()) return figures;
    figures.games = static_cast<int>(games.size());
    figures.bestPoints = games.front().points;
    // Sums of many games: 64 bits, so that no history can overflow them.
    long long points = 0;
    long long letters = 0;
    long long words = 0;
    for (const HistoryEntry& game : games) {
        figures.wins += game.verdict == Verdict::Win;
        figures.draws += game.verdict == Verdict::Draw;
        figures.losses += game.verdict == Verdict::Loss;
        figures.bestPoints = std::max(figures.bestPoints, game.points);
        points += game.points;
        letters += game.playerTotal;
        words += game.playerWords;
        if (const int letters = static_cast<int>(game.longestWord.size()); letters > figures.longestWordLetters) {
            figures.longestWordLetters = letters;
            figures.longestWord = game.longestWord;
        }
    }
    const long long count = figures.games;
    figures.winPercent = static_cast<int>((200LL * figures.wins + count) / (2 * count));
    figures.averagePoints = static_cast<double>(points) / static_cast<double>(count);
    if (words > 0) figures.averageWordLength = static_cast<double>(letters) / static_cast<double>(words);
    const std::size_t shown = std::min(games.size(), HistoryFigures::kChartGames);
    for (const HistoryEntry& game : games.last(shown)) figures.lastGames.push_back({game.points, game.verdict});
    return figures;
}

}  // namespace torvel
