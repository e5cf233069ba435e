// Numbers written into the scores of the table of best results.
#include "results/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace torvel {

std::string NumberText(double value) {
    if (!std::isfinite(value) || value == 0) return "0";
    // Fixed notation never uses an exponent; the shortest form that reads back
    // as the same double carries no trailing zeros and no ".0" for whole numbers.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace torvel
