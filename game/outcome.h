// What the player's entry and the computer's move report back to the flow.
#pragma once

#include <optional>
#include <string>

#include "game/evaluation.h"

namespace torvel {

// The computer's move. Both parts may be set: when no word turns up before the
// last line, the game is evaluated on arriving there, and the last line is
// still tested and may be played after the evaluation.
struct MoveOutcome {
    std::optional<Evaluation> evaluation;  // the game ended: show the statistics
    std::optional<std::string> word;       // the word played, Windows-1251

    friend bool operator==(const MoveOutcome&, const MoveOutcome&) = default;
};

// The player's entry, accepted or refused for the first rule it breaks.
enum class EntryResult {
    Accepted,
    LetterMissing,  // a letter more often than in the source word
    UnknownWord,    // not in the word base
    AlreadyPlayed,  // played before in this game, by either side, or the source word
};

struct EntryOutcome {
    EntryResult result = EntryResult::Accepted;
    bool clearEntry = false;                  // empty the entry field
    std::optional<MoveOutcome> computerMove;  // the answer to an accepted word

    friend bool operator==(const EntryOutcome&, const EntryOutcome&) = default;
};

}  // namespace torvel
