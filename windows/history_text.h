// The words the window of the player's statistics shows for the figures of a
// history (UTF-8).
#pragma once

#include <string>

#include "player_files/history_figures.h"

namespace torvel {

// "Сыграно партий: 12", or "Сыгранных партий пока нет." for no history.
std::string GamesLine(const HistoryFigures& figures);

// "Побед: 7 (58 %), ничьих: 1, поражений: 4".
std::string ResultsLine(const HistoryFigures& figures);

// "Лучший результат: 412 очков, в среднем: 187".
std::string PointsLine(const HistoryFigures& figures);

// "Самое длинное слово: ПАРОМ, 5 букв", or "… пока нет" before any word.
std::string LongestWordLine(const HistoryFigures& figures);

// "Средняя длина слова: 4,6 буквы", to a tenth with a decimal comma.
std::string WordLengthLine(const HistoryFigures& figures);

// Every line above, as sentences: "Сыграно партий: 12. Побед: 7 (58 %), …
// Средняя длина слова: 4,6 буквы."
std::string HistorySummary(const HistoryFigures& figures);

// What the chart shows, for a screen reader: "Очки за последние 3 партии, от
// давней к последней: 303, победа; -50, поражение; 92, ничья."
std::string ChartSummary(const HistoryFigures& figures);

// "победа", "поражение", "ничья".
std::string VerdictWord(Verdict verdict);

}  // namespace torvel
