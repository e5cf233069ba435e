// A count of lines in words, for messages about data files.
#include "common/line_count_text.h"

#include "common/russian_plural.h"

namespace torvel {

std::string LineCountText(std::size_t count) {
    return std::to_string(count) + " " + std::string(RussianPlural(count, "строка", "строки", "строк"));
}

}  // namespace torvel
