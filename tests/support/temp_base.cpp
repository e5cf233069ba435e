// The lines of crafted word bases for the tests.
#include "tests/support/temp_base.h"

#include "common/cp1251.h"

namespace torvel {

std::vector<std::string> FillerLines() {
    return std::vector<std::string>(11031, std::string(kFiller));
}

std::string JoinLines(const std::vector<std::string>& lines, std::string_view ending) {
    std::string bytes;
    for (const auto& line : lines) bytes.append(line).append(ending);
    return bytes;
}

std::vector<std::string> ToCp1251(const std::vector<std::string>& utf8Lines) {
    std::vector<std::string> lines;
    lines.reserve(utf8Lines.size());
    for (const auto& line : utf8Lines) lines.push_back(Utf8ToCp1251(line));
    return lines;
}

}  // namespace torvel
