// The letter test: can a word be made from the letters of the source word?
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace torvel {

// One bit per byte value modulo 64: a cheap over-approximation of a word's
// letters. A word whose mask has a bit the source word lacks cannot be made.
std::uint64_t LetterMask(std::string_view word);

// The letters of a source word, each as often as it occurs. A word can be made
// from them when no byte occurs in it more often than in the source word; this
// is exactly when placing each letter on the first free equal letter of the
// source word, from left to right, never fails.
class LetterPool {
public:
    explicit LetterPool(std::string_view source);

    bool CanMake(std::string_view word) const;

    std::uint64_t mask() const { return m_mask; }
    std::size_t size() const { return m_size; }

private:
    std::array<std::uint32_t, 256> m_counts{};
    std::uint64_t m_mask = 0;
    std::size_t m_size = 0;
};

}  // namespace torvel
