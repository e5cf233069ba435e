// The words the review window shows for the values of a review (UTF-8).
#include "windows/review_text.h"

#include <initializer_list>
#include <string_view>

#include "common/russian_plural.h"

namespace torvel {

namespace {

// The words joined by no-break spaces, so a wrapped line keeps them together.
std::string Glued(std::initializer_list<std::string_view> words) {
    std::string text;
    for (const std::string_view word : words) {
        if (!text.empty()) text += "\u00A0";
        text += word;
    }
    return text;
}

std::string_view Letters(std::size_t length) { return RussianPlural(length, "буква", "буквы", "букв"); }

}  // namespace

std::string FoundLine(const GameReview& review) {
    const int total = review.total();
    // "из 1 слова", "из 21 слова", otherwise "из N слов".
    const std::string_view words = RussianPlural(static_cast<std::size_t>(total), "слова", "слов", "слов");
    return "Вы нашли " + std::to_string(review.player) + " из " + std::to_string(total) + " " + std::string(words) +
           ", " + Glued({"компьютер", "—", std::to_string(review.computer)}) + ", " +
           Glued({"не", "найдено", "—", std::to_string(review.missed)});
}

std::string LengthsLine(const GameReview& review, std::string_view separator) {
    std::string line;
    for (const LengthTally& tally : review.lengths) {
        if (!line.empty()) line += separator;
        line += Glued({std::to_string(tally.length), std::string(Letters(tally.length)) + ":",
                       std::to_string(tally.found), "из", std::to_string(tally.total)});
    }
    return line;
}

std::string LengthCaption(std::size_t length) { return std::to_string(length) + " " + std::string(Letters(length)); }

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
