// The player's own files beside the table of best results: the history of the
// evaluated games and the unfinished game saved after every move.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "player_files/game_history.h"
#include "player_files/history_figures.h"
#include "player_files/saved_game_file.h"

namespace torvel {

struct Evaluation;
class Game;

// What went wrong with one of the player's files, for a window to put into
// words. The game goes on after each.
struct PlayerFileProblem {
    enum class Kind {
        GameNotRecorded,      // the history did not take the evaluated game
        HistoryNotRead,       // the history could not be read at all
        LinesSkipped,         // lines of the history could not be read and were left out
        GameNotSaved,         // the unfinished game could not be saved, or its file removed
        SavedGameUnreadable,  // the saved game could not be read, and was set aside
        SavedGameNotAllowed,  // the word base does not allow the saved game, which was set aside
    };

    Kind kind = Kind::GameNotRecorded;
    std::string file;
    std::string reason;       // what reading or writing the file found, where there is more to say
    std::vector<int> lines;   // the lines skipped, counted from 1, in order
    std::string setAsideAs;   // the name a saved game was given, empty when it could not be renamed…
    std::string setAsideReason;  // …and why not

    friend bool operator==(const PlayerFileProblem&, const PlayerFileProblem&) = default;
};

// What was read from one of the player's files, and what the player is to be
// told about it.
template <typename Value>
struct PlayerFileReading {
    std::optional<Value> value;
    std::optional<PlayerFileProblem> problem;
};

// Every call gives back what the player is to be told, if anything. A file
// that cannot be written is told once a run, and so is each line of the
// history that cannot be read: the player hears of a trouble once, and plays
// on.
class PlayerFiles {
public:
    explicit PlayerFiles(GameHistory history = GameHistory(), SavedGameFile savedGame = SavedGameFile());

    const GameHistory& history() const { return m_history; }
    const SavedGameFile& savedGame() const { return m_savedGame; }

    // The game's line in the history at its evaluation. A computer's word
    // found on the last line after the evaluation comes after it and is not
    // counted.
    std::optional<PlayerFileProblem> Record(const Game& game, const Evaluation& evaluation, bool computerPlayedAfter);

    // The figures of the history; none when it cannot be read.
    PlayerFileReading<HistoryFigures> Figures();

    // The game after a move, in place of the one saved before.
    std::optional<PlayerFileProblem> Save(const Game& game);
    std::optional<PlayerFileProblem> RemoveSavedGame();

    // The game saved at the last run, if there is one. A file that cannot be
    // read is set aside under another name, so that nothing of it is lost.
    PlayerFileReading<GamePosition> SavedGame();

    // Sets the saved game aside because the word base does not allow it.
    PlayerFileProblem SetAsideNotAllowed();

private:
    // Runs a write; what goes wrong is told as `kind` once a run.
    std::optional<PlayerFileProblem> Once(bool& told, PlayerFileProblem::Kind kind, const std::function<void()>& write);
    PlayerFileProblem SetAside(PlayerFileProblem problem);

    GameHistory m_history;
    SavedGameFile m_savedGame;
    bool m_historyTold = false;
    bool m_savedGameTold = false;
    std::vector<int> m_skippedTold;  // lines of the history told unreadable, in order
};

}  // namespace torvel
