// The words the review window shows for the values of a review (UTF-8).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "game/game_review.h"

namespace torvel {

// "Вы нашли 2 из 5 слов, компьютер — 1, не найдено — 2". Here and in the
// lengths line the words of one count are joined by no-break spaces, so that
// a wrapped line never parts "не найдено — 2" or "9 букв: 1 из 1".
std::string FoundLine(const GameReview& review);

// "9 букв: 1 из 1 · 6 букв: 2 из 5", longest first; the player's finds of
// each length, parted by `separator`.
std::string LengthsLine(const GameReview& review, std::string_view separator = " · ");

// "1 буква", "3 буквы", "9 букв".
std::string LengthCaption(std::size_t length);

// Who found a word, for the tool tip and for screen readers, which cannot
// see the word's colour.
std::string MarkCaption(WordMark mark);

}  // namespace torvel
