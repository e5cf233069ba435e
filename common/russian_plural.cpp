// The form a Russian noun takes after a count.
#include "common/russian_plural.h"

namespace torvel {

std::string_view RussianPlural(std::size_t count, std::string_view one, std::string_view few, std::string_view many) {
    const std::size_t lastTwo = count % 100;
    const std::size_t last = count % 10;
    if (lastTwo >= 11 && lastTwo <= 14) return many;
    if (last == 1) return one;
    if (last >= 2 && last <= 4) return few;
    return many;
}

}  // namespace torvel
