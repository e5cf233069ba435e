// The letter test: can a word be made from the letters of the source word?
#include "game/letter_pool.h"

namespace torvel {

std::uint64_t LetterMask(std::string_view word) {
    std::uint64_t mask = 0;
    for (const char letter : word) {
        mask |= std::uint64_t{1} << (static_cast<unsigned char>(letter) & 63U);
    }
    return mask;
}

LetterPool::LetterPool(std::string_view source)
    : m_mask(LetterMask(source)), m_size(source.size()) {
    for (const char letter : source) ++m_counts[static_cast<unsigned char>(letter)];
}

bool LetterPool::CanMake(std::string_view word) const {
    if (word.size() > m_size) return false;
    auto left = m_counts;
    for (const char letter : word) {
        auto& count = left[static_cast<unsigned char>(letter)];
        if (count == 0) return false;
        --count;
    }
    return true;
}

}  // namespace torvel
