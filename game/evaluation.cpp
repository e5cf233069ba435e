// Scoring a game: the verdict, the statistics and the points, as numbers.
#include "game/evaluation.h"

#include <cstdlib>

namespace torvel {

Evaluation Evaluate(int playerTotal, int computerTotal, int words) {
    Evaluation result;
    result.playerTotal = playerTotal;
    result.computerTotal = computerTotal;
    result.words = words;
    int bonus = 0;
    if (playerTotal > computerTotal) {
        result.verdict = Verdict::Win;
        bonus = 100;
    } else if (playerTotal < computerTotal) {
        result.verdict = Verdict::Loss;
        bonus = -100;
    }
    result.difference = std::abs(playerTotal - computerTotal);
    // In whole numbers: P / n + 1/2, rounded down.
    if (words > 0) result.averageLength = (2 * playerTotal + words) / (2 * words);
    result.points = bonus + playerTotal + 10 * result.difference + 20 * result.averageLength;
    return result;
}

}  // namespace torvel
