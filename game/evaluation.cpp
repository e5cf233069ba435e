// Scoring a game: the verdict, the statistics texts and the points.
#include "game/evaluation.h"

#include <cmath>

#include "common/leading_number.h"
#include "common/number_text.h"

namespace torvel {

Evaluation Evaluate(std::string_view playerTotal, std::string_view computerTotal, int wordcount) {
    const double player = LeadingNumber(playerTotal);
    const double computer = LeadingNumber(computerTotal);

    Evaluation result;
    double bonus = 0;
    if (player > computer) {
        result.verdict = "Вы выиграли!";
        bonus = 100;
    } else if (player < computer) {
        result.verdict = "Вы проиграли.";
        bonus = -100;
    } else {
        result.verdict = "Ничья!";
    }
    result.sumLine = "Сумма букв в набранных вами словах равна " + std::string(playerTotal);

    const double difference = std::fabs(player - computer);
    result.differenceLine = "Разница с компьютером " + NumberText(difference) + " букв.";

    double average = 0;
    if (wordcount == 0) {
        result.averageLine = "Средняя длина слова 0";
    } else {
        average = std::floor(player / wordcount + 0.5);
        result.averageLine = "Средняя длина слова " + NumberText(average) + " букв.";
    }

    result.points = bonus + player + 10 * difference + 20 * average;
    result.pointsText = NumberText(result.points);
    result.pointsLine = "Очки за игру " + result.pointsText;
    return result;
}

}  // namespace torvel
