// Turning 64 random bits into a number in [0, 1).
#pragma once

#include <cstdint>

namespace torvel {

// The top 53 bits scaled by 2^-53: every result is exactly representable and
// strictly below 1, which std::generate_canonical does not promise.
constexpr double UnitInterval(std::uint64_t bits) {
    return static_cast<double>(bits >> 11) * 0x1.0p-53;
}

}  // namespace torvel
