// Numbers written into the scores of the table of best results.
#pragma once

#include <string>

namespace torvel {

// The shortest decimal form: no leading zeros, no separators, "-" only for
// negatives, no fractional part for whole numbers ("7", "-50", "2.5").
std::string NumberText(double value);

}  // namespace torvel
