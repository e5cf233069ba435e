// The letter test done the plainest way, as a reference for the engine's.
#pragma once

#include <array>
#include <string>

namespace torvel {

// Can `word` be made from the letters of `source`? The letters are counted
// afresh for every word.
inline bool FitsByCount(const std::string& word, const std::string& source) {
    std::array<int, 256> left{};
    for (const char letter : source) ++left[static_cast<unsigned char>(letter)];
    for (const char letter : word) {
        if (--left[static_cast<unsigned char>(letter)] < 0) return false;
    }
    return true;
}

}  // namespace torvel
