// The words the review window shows for the values of a review (UTF-8).
#include "windows/review_text.h"

#include "common/russian_plural.h"

namespace torvel {

std::string FoundLine(const GameReview& review) {
    const int total = review.total();
    // "из 1 слова", "из 21 слова", otherwise "из N слов".
    const std::string_view words = RussianPlural(static_cast<std::size_t>(total), "слова", "слов", "слов");
    return "Вы нашли " + std::to_string(review.player) + " из " + std::to_string(total) + " " + std::string(words) +
           ", компьютер — " + std::to_string(review.computer) + ", не найдено — " + std::to_string(review.missed);
}

std::string LengthsLine(const GameReview& review) {
    std::string line;
    for (const LengthTally& tally : review.lengths) {
        if (!line.empty()) line += " · ";
        line += LengthCaption(tally.length) + ": " + std::to_string(tally.found) + " из " + std::to_string(tally.total);
    }
    return line;
}

std::string LengthCaption(std::size_t length) {
    return std::to_string(length) + " " + std::string(RussianPlural(length, "буква", "буквы", "букв"));
}

std::string MarkCaption(WordMark mark) {
    switch (mark) {
        case WordMark::Player:
            return "нашли вы";
        case WordMark::Computer:
            return "сыграл компьютер";
        case WordMark::Missed:
            return "не найдено";
    }
    return {};
}

}  // namespace torvel
