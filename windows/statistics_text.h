// The words the statistics window shows for an evaluation (UTF-8).
#pragma once

#include <array>
#include <string>

#include "game/evaluation.h"

namespace torvel {

// The texts of the statistics window's Label1 to Label6: the verdict, the
// player's letter sum, the difference, the average word length, the points,
// and the bare points that the table of best results takes.
std::array<std::string, 6> StatisticsLines(const Evaluation& evaluation);

}  // namespace torvel
