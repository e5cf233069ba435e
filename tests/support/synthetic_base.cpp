// A made-up word base with the shape of a real one.
#include "tests/support/synthetic_base.h"

#include <array>
#include <random>
#include <unordered_set>
#include <utility>

namespace torvel {

namespace {

// Windows-1251 capitals with their rough frequency in Russian text, per mille.
constexpr std::array<std::pair<unsigned char, int>, 32> kLetters = {{
    {0xCE, 110}, {0xC5, 85}, {0xC0, 80}, {0xC8, 74}, {0xCD, 67}, {0xD2, 63}, {0xD1, 55}, {0xD0, 47},
    {0xC2, 45},  {0xCB, 44}, {0xCA, 35}, {0xCC, 32}, {0xC4, 30}, {0xCF, 28}, {0xD3, 26}, {0xDF, 20},
    {0xDB, 19},  {0xDC, 17}, {0xC3, 17}, {0xC7, 16}, {0xC1, 16}, {0xD7, 14}, {0xC9, 12}, {0xD5, 10},
    {0xC6, 9},   {0xD8, 7},  {0xDE, 6},  {0xD6, 5},  {0xD9, 4},  {0xDD, 3},  {0xD4, 3},  {0xDA, 1},
}};

class Maker {
public:
    explicit Maker(std::uint32_t seed) : m_engine(seed) {
        for (const auto& [letter, weight] : kLetters) m_total += weight;
    }

    // A whole number from `low` to `high`, the same on every standard library.
    int Between(int low, int high) {
        return low + static_cast<int>(m_engine() % static_cast<std::uint32_t>(high - low + 1));
    }

    char Letter() {
        int pick = Between(0, m_total - 1);
        for (const auto& [letter, weight] : kLetters) {
            if (pick < weight) return static_cast<char>(letter);
            pick -= weight;
        }
        return static_cast<char>(kLetters.back().first);
    }

    std::string Word(int length) {
        std::string word;
        for (int i = 0; i < length; ++i) word += Letter();
        return word;
    }

    // Some of the letters of `word`, in a new order.
    std::string Part(std::string word, int length) {
        for (int i = static_cast<int>(word.size()) - 1; i > 0; --i) {
            std::swap(word[i], word[Between(0, i)]);
        }
        return word.substr(0, static_cast<std::size_t>(length));
    }

private:
    std::mt19937 m_engine;
    int m_total = 0;
};

}  // namespace

std::vector<std::string> SyntheticBaseLines(std::uint32_t seed) {
    constexpr std::size_t kLines = 11031;
    Maker maker(seed);
    std::vector<std::string> lines;
    std::unordered_set<std::string> seen;
    const auto add = [&](std::string word) {
        if (lines.size() < kLines && seen.insert(word).second) lines.push_back(std::move(word));
    };
    while (lines.size() < kLines) {
        const std::string longWord = maker.Word(maker.Between(9, 14));
        add(longWord);
        add(maker.Part(longWord, maker.Between(2, 8)));
        add(maker.Word(maker.Between(2, 8)));
    }
    // Spread the long words and their parts over the file, as in a sorted
    // dictionary where related words rarely stand together.
    for (std::size_t i = lines.size() - 1; i > 0; --i) {
        std::swap(lines[i], lines[static_cast<std::size_t>(maker.Between(0, static_cast<int>(i)))]);
    }
    return lines;
}

}  // namespace torvel
