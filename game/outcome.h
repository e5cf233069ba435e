// What the player's entry and the computer's move report back to the window.
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

enum class EntryResult {
    Accepted,
    LetterMissing,  // "Одной из букв нет в исходном слове! Возможно, она уже использована"
    UnknownWord,    // "Неверное слово"
    AlreadyPlayed,  // "Уже было."
};

// The player's entry.
struct EntryOutcome {
    EntryResult result = EntryResult::Accepted;
    std::string message;                       // UTF-8 text of the message box; empty when accepted
    bool clearEntry = false;                   // empty the entry field
    std::optional<MoveOutcome> computerMove;   // the answer to an accepted word

    friend bool operator==(const EntryOutcome&, const EntryOutcome&) = default;
};

}  // namespace torvel
