// The review of a game: every word the source word allowed, and who found it.
#include "game/game_review.h"

#include <algorithm>

namespace torvel {

namespace {

constexpr unsigned char kCapitalYo = 0xA8;
constexpr unsigned char kSmallYo = 0xB8;
constexpr unsigned char kCapitalYe = 0xC5;
constexpr unsigned char kSmallYe = 0xE5;

// Every byte keeps its order at twice its value; the capital and small Yo
// slot in just after Ye, where the alphabet has them.
unsigned Weight(char letter) {
    const auto byte = static_cast<unsigned char>(letter);
    if (byte == kCapitalYo) return 2U * kCapitalYe + 1U;
    if (byte == kSmallYo) return 2U * kSmallYe + 1U;
    return 2U * byte;
}

}  // namespace

bool AlphabeticallyBefore(const std::string& a, const std::string& b) {
    const auto [inA, inB] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (inB == b.end()) return false;  // equal, or b is the start of a
    if (inA == a.end()) return true;   // a is the start of b
    return Weight(*inA) < Weight(*inB);
}

GameReview SummariseReview(std::string sourceWord, std::vector<ReviewWord> words) {
    std::sort(words.begin(), words.end(), [](const ReviewWord& a, const ReviewWord& b) {
        if (a.word.size() != b.word.size()) return a.word.size() > b.word.size();
        return AlphabeticallyBefore(a.word, b.word);
    });

    GameReview review;
    review.sourceWord = std::move(sourceWord);
    for (const ReviewWord& word : words) {
        if (review.lengths.empty() || review.lengths.back().length != word.word.size()) {
            review.lengths.push_back({word.word.size(), 0, 0});
        }
        LengthTally& tally = review.lengths.back();
        ++tally.total;
        switch (word.mark) {
            case WordMark::Player:
                ++tally.found;
                ++review.player;
                break;
            case WordMark::Computer:
                ++review.computer;
                break;
            case WordMark::Missed:
                ++review.missed;
                break;
        }
    }
    review.words = std::move(words);
    return review;
}

}  // namespace torvel
