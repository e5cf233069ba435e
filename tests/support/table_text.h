// The bytes of a table of best results, for the tests that write one.
#pragma once

#include <string>
#include <vector>

namespace torvel::testing {

// Twenty lines, each followed by `lineEnd`: names first, then scores.
inline std::string TableText(const std::vector<std::string>& names, const std::vector<std::string>& scores,
                             const std::string& lineEnd = "\r\n") {
    std::string text;
    for (const auto* column : {&names, &scores}) {
        for (const std::string& cell : *column) text += cell + lineEnd;
    }
    return text;
}

}  // namespace torvel::testing
