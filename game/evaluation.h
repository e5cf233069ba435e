// Scoring a game: the verdict, the statistics texts and the points.
#pragma once

#include <string>
#include <string_view>

namespace torvel {

enum class Verdict { Win, Loss, Draw };

// The six texts of the statistics window, in UTF-8, and the points they show.
struct Evaluation {
    std::string verdict;         // "Вы выиграли!", "Вы проиграли." or "Ничья!"
    std::string sumLine;         // "Сумма букв в набранных вами словах равна 23"
    std::string differenceLine;  // "Разница с компьютером 6 букв."
    std::string averageLine;     // "Средняя длина слова 6 букв." or "Средняя длина слова 0"
    std::string pointsLine;      // "Очки за игру 303"
    std::string pointsText;      // "303", the result the records table takes
    double points = 0;

    friend bool operator==(const Evaluation&, const Evaluation&) = default;
};

// Evaluates the letter totals as they stand in the main window's labels (read
// by their leading numbers; the player's text is quoted as it stands) and the
// number of the player's words. The average length rounds halves up.
Evaluation Evaluate(std::string_view playerTotal, std::string_view computerTotal, int wordcount);

}  // namespace torvel
