// Scoring a game: the verdict, the statistics and the points, as numbers.
#pragma once

namespace torvel {

enum class Verdict { Win, Loss, Draw };

// A finished (or paused) game in numbers; the windows put them into words.
struct Evaluation {
    Verdict verdict = Verdict::Draw;
    int playerTotal = 0;    // letters in the player's words
    int computerTotal = 0;  // letters in the computer's words
    int words = 0;          // how many words the player made
    int difference = 0;     // |playerTotal - computerTotal|
    int averageLength = 0;  // playerTotal / words to the nearest, halves up; 0 without words
    int points = 0;         // bonus (100, -100 or 0) + playerTotal + 10 difference + 20 averageLength

    friend bool operator==(const Evaluation&, const Evaluation&) = default;
};

// The verdict and the points of the two letter totals and the number of the
// player's words. Totals are never negative.
Evaluation Evaluate(int playerTotal, int computerTotal, int words);

}  // namespace torvel
