// One finished game as the player's history keeps it.
#pragma once

#include <string>

#include "game/evaluation.h"

namespace torvel {

// Words are Windows-1251, as everywhere in the game; the history file keeps
// them in UTF-8.
struct HistoryEntry {
    std::string when;        // local time of the evaluation, "2026-05-04 18:22:10"
    std::string sourceWord;
    Verdict verdict = Verdict::Draw;
    int points = 0;
    int playerTotal = 0;     // letters in the player's words
    int computerTotal = 0;
    int playerWords = 0;     // how many words each side made
    int computerWords = 0;
    int averageLength = 0;   // of the player's words, as the evaluation rounds it
    std::string longestWord;  // the player's; empty when the player made none

    friend bool operator==(const HistoryEntry&, const HistoryEntry&) = default;
};

}  // namespace torvel
