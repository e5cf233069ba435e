// The lines of crafted word bases for the tests.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace torvel {

// A line that no test source word can supply, to fill a base up to its size.
inline constexpr std::string_view kFiller = "#";

// 11031 filler lines; tests overwrite the lines they need (index = line − 1).
std::vector<std::string> FillerLines();

// The lines joined into file bytes, each followed by `ending`.
std::string JoinLines(const std::vector<std::string>& lines, std::string_view ending = "\r\n");

// Lines given in UTF-8 (as written in the tests), converted to Windows-1251.
std::vector<std::string> ToCp1251(const std::vector<std::string>& utf8Lines);

}  // namespace torvel
