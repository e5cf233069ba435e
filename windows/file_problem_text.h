// The words of a message about one of the player's files (UTF-8).
#pragma once

#include <string>

namespace torvel {

struct PlayerFileProblem;

// Names the file, what went wrong and what became of a saved game set aside:
// "Файл history.txt: строки 3 и 9 не прочитаны и пропущены" (at most five
// lines are listed).
std::string FileProblemText(const PlayerFileProblem& problem);

}  // namespace torvel
