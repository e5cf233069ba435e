// The form a Russian noun takes after a count.
#pragma once

#include <cstddef>
#include <string_view>

namespace torvel {

// `one` after 1, 21, 31…; `few` after 2–4, 22–24…; `many` after 0, 5–20, 25…
// ("1 строка", "3 строки", "11 строк").
std::string_view RussianPlural(std::size_t count, std::string_view one, std::string_view few, std::string_view many);

}  // namespace torvel
