// The words the statistics window shows for an evaluation (UTF-8).
#include "windows/statistics_text.h"

namespace torvel {

namespace {

std::string VerdictText(Verdict verdict) {
    switch (verdict) {
        case Verdict::Win:
            return "Вы выиграли!";
        case Verdict::Loss:
            return "Вы проиграли.";
        case Verdict::Draw:
            return "Ничья!";
    }
    return {};
}

}  // namespace

std::array<std::string, 6> StatisticsLines(const Evaluation& e) {
    const std::string points = std::to_string(e.points);
    // Without a word there is no average to speak of, and no " букв." after it.
    const std::string average =
        e.words == 0 ? "Средняя длина слова 0" : "Средняя длина слова " + std::to_string(e.averageLength) + " букв.";
    return {VerdictText(e.verdict),
            "Сумма букв в набранных вами словах равна " + std::to_string(e.playerTotal),
            "Разница с компьютером " + std::to_string(e.difference) + " букв.",
            average,
            "Очки за игру " + points,
            points};
}

}  // namespace torvel
