// The review of a game: every word the source word allowed, and who found it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace torvel {

enum class WordMark {
    Player,    // found by the player
    Computer,  // played by the computer
    Missed,    // found by neither
};

struct ReviewWord {
    std::string word;  // Windows-1251
    WordMark mark = WordMark::Missed;
    // As the gloss file writes it, UTF-8: its English may hold letters the
    // code page lacks. Empty when the word has none.
    std::string gloss{};

    friend bool operator==(const ReviewWord&, const ReviewWord&) = default;
};

// The words of one length and how many of them the player found.
struct LengthTally {
    std::size_t length = 0;
    int found = 0;
    int total = 0;

    friend bool operator==(const LengthTally&, const LengthTally&) = default;
};

struct GameReview {
    std::string sourceWord;         // Windows-1251
    std::vector<ReviewWord> words;  // longest first, alphabetical within a length
    std::vector<LengthTally> lengths;  // longest first, one per length present
    int player = 0;
    int computer = 0;
    int missed = 0;

    int total() const { return player + computer + missed; }

    friend bool operator==(const GameReview&, const GameReview&) = default;
};

// Orders the words (each given once) and counts them.
GameReview SummariseReview(std::string sourceWord, std::vector<ReviewWord> words);

// Russian alphabetical order of Windows-1251 words: byte order, except that
// the capital and small Yo follow Ye.
bool AlphabeticallyBefore(const std::string& a, const std::string& b);

}  // namespace torvel
