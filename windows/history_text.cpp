// The words the window of the player's statistics shows for the figures of a
// history (UTF-8).
#include "windows/history_text.h"

#include <cmath>

#include "common/cp1251.h"
#include "common/russian_plural.h"

namespace torvel {

namespace {

std::string Count(long long count, std::string_view one, std::string_view few, std::string_view many) {
    return std::to_string(count) + " " +
           std::string(RussianPlural(static_cast<std::size_t>(std::llabs(count)), one, few, many));
}

}  // namespace

std::string GamesLine(const HistoryFigures& figures) {
    if (figures.games == 0) return "Сыгранных партий пока нет.";
    return "Сыграно партий: " + std::to_string(figures.games);
}

std::string ResultsLine(const HistoryFigures& figures) {
    return "Побед: " + std::to_string(figures.wins) + " (" + std::to_string(figures.winPercent) + "\u00A0%), ничьих: " +
           std::to_string(figures.draws) + ", поражений: " + std::to_string(figures.losses);
}

std::string PointsLine(const HistoryFigures& figures) {
    // Halves away from zero, as a player rounds.
    const long long average = std::llround(figures.averagePoints);
    return "Лучший результат: " + Count(figures.bestPoints, "очко", "очка", "очков") +
           ", в среднем: " + std::to_string(average);
}

std::string LongestWordLine(const HistoryFigures& figures) {
    if (figures.longestWord.empty()) return "Самое длинное слово: пока нет";
    return "Самое длинное слово: " + Cp1251ToUtf8(figures.longestWord) + ", " +
           Count(figures.longestWordLetters, "буква", "буквы", "букв");
}

std::string WordLengthLine(const HistoryFigures& figures) {
    if (figures.averageWordLength == 0) return "Средняя длина слова: 0";
    const long long tenths = std::llround(figures.averageWordLength * 10);
    // A fraction takes the genitive singular: "4,6 буквы", "5,0 буквы".
    return "Средняя длина слова: " + std::to_string(tenths / 10) + "," + std::to_string(tenths % 10) + " буквы";
}

std::string HistorySummary(const HistoryFigures& figures) {
    std::string text;
    for (const std::string& line : {GamesLine(figures), ResultsLine(figures), PointsLine(figures),
                                    LongestWordLine(figures), WordLengthLine(figures)}) {
        text += (text.empty() ? "" : " ") + line + ".";
    }
    return text;
}

std::string ChartSummary(const HistoryFigures& figures) {
    const std::size_t shown = figures.lastGames.size();
    std::string text = "Очки за " + std::string(RussianPlural(shown, "последнюю", "последние", "последние")) + " " +
                       Count(static_cast<long long>(shown), "партию", "партии", "партий") + ", от давней к последней: ";
    for (std::size_t i = 0; i < shown; ++i) {
        if (i > 0) text += "; ";
        text += std::to_string(figures.lastGames[i].points) + ", " + VerdictWord(figures.lastGames[i].verdict);
    }
    return text + ".";
}

std::string VerdictWord(Verdict verdict) {
    switch (verdict) {
        case Verdict::Win:
            return "победа";
        case Verdict::Loss:
            return "поражение";
        case Verdict::Draw:
            return "ничья";
    }
    return {};
}

}  // namespace torvel
