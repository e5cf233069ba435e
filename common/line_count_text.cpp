// A count of lines in words, for messages about data files.
#include "common/line_count_text.h"

namespace torvel {

std::string LineCountText(std::size_t count) {
    const std::size_t lastTwo = count % 100;
    const std::size_t last = count % 10;
    const char* noun = "строк";
    if (last == 1 && lastTwo != 11) {
        noun = "строка";
    } else if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14)) {
        noun = "строки";
    }
    return std::to_string(count) + " " + noun;
}

}  // namespace torvel
