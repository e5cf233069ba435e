// A game in progress as it stands between two moves: what is saved after each
// move and what a game is resumed from.
#pragma once

#include <string>
#include <vector>

namespace torvel {

// Words are Windows-1251, as everywhere in the game. The computer answers
// within the player's move, so a game between two moves waits for the player.
struct GamePosition {
    std::string sourceWord;
    std::vector<std::string> playerWords;    // in the order they were played
    std::vector<std::string> computerWords;  // the same
    int playerTotal = 0;                     // letters in the player's words
    int computerTotal = 0;
    std::string computerLastWord;  // kept from an earlier game until the computer plays again

    friend bool operator==(const GamePosition&, const GamePosition&) = default;
};

}  // namespace torvel
