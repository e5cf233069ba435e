// The computer's plays in seeded games where the player passes every move:
// the engine's side of the check that the word-base report simulates the game
// faithfully. Prints one line per game, the source word, a colon and the
// computer's words in the order played, in UTF-8.
//
//   computer_plays wmbase.txt games moves seed
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "common/cp1251.h"
#include "game/game.h"
#include "game/seeded_random.h"
#include "game/word_base.h"

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: computer_plays BASE GAMES MOVES SEED\n");
        return 2;
    }
    const int games = std::atoi(argv[2]);
    const int moves = std::atoi(argv[3]);
    if (games <= 0 || moves <= 0) {
        std::fprintf(stderr, "games and moves must be positive numbers\n");
        return 2;
    }
    try {
        torvel::WordBase base(argv[1]);
        torvel::SeededRandom random(std::strtoull(argv[4], nullptr, 10));
        torvel::Game game(base, random);
        for (int number = 0; number < games; ++number) {
            game.Start();
            std::string line = torvel::Cp1251ToUtf8(game.sourceWord()) + ":";
            for (int move = 0; move < moves; ++move) {
                const torvel::MoveOutcome outcome = game.pchod();
                if (outcome.word) line += " " + torvel::Cp1251ToUtf8(*outcome.word);
                if (outcome.evaluation) break;
            }
            std::printf("%s\n", line.c_str());
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
