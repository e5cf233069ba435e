// What the game's flow asks of the windows that show it. Each window shows
// the values it is handed, puts them into words, asks the player what the
// flow asks through its own dialogs, and passes the player's input back.
#pragma once

#include <string>
#include <string_view>

#include "game/outcome.h"

namespace torvel {

class DataFileError;
struct Evaluation;
class Game;
struct GameReview;
struct HistoryFigures;
struct PlayerFileProblem;
class RecordTable;

// The main window.
class MainScreen {
public:
    virtual ~MainScreen() = default;

    // The source word, both totals and lists and the computer's last word.
    virtual void ShowGame(const Game& game) = 0;
    virtual void ClearEntry() = 0;
    // Tells the player why the entry was refused; returns when the player
    // has read it.
    virtual void ShowRefusal(EntryResult result) = 0;
    // Asks whether to take up the game left unfinished at the last run, named
    // by its source word (Windows-1251) and both letter totals; true for yes.
    virtual bool OfferSavedGame(std::string_view sourceWord, int playerTotal, int computerTotal) = 0;
    // Tells the player what went wrong with a data file, or with one of the
    // player's own files; returns when the player has read it.
    virtual void ShowFileError(const DataFileError& error) = 0;
    virtual void ShowFileProblem(const PlayerFileProblem& problem) = 0;
    // A data file the game cannot do without failed: the program ends with a
    // failure status once the current event is handled.
    virtual void EndProgram() = 0;
};

// The statistics window.
class StatisticsScreen {
public:
    virtual ~StatisticsScreen() = default;

    // Shows the evaluation, opening the window or bringing it to the front.
    virtual void ShowEvaluation(const Evaluation& evaluation) = 0;
    virtual void CloseStatistics() = 0;
};

// The best-results window. Unloading it, whatever the cause, hands its table
// back to the flow to be saved.
class RecordsScreen {
public:
    virtual ~RecordsScreen() = default;

    // Puts the table into the cells without showing the window.
    virtual void FillTable(const RecordTable& table) = 0;
    // Shows the table, opening the window or bringing it to the front.
    virtual void ShowTable(const RecordTable& table) = 0;
    // Asks for the name to stand beside a new best result: as typed, in
    // Windows-1251 (possibly empty), or empty when the player cancels.
    virtual std::string AskName() = 0;
    // Hides the window without unloading it: nothing is saved.
    virtual void PutAwayTable() = 0;
    // Unloads the window if it is open.
    virtual void UnloadTable() = 0;
    // Called while the window unloads: the table could not be saved for now,
    // so the window stays open with it, and closing it again tries again.
    virtual void KeepTableOpen() = 0;
};

// The review window.
class ReviewScreen {
public:
    virtual ~ReviewScreen() = default;

    // Opens the review, or brings it to the front with the newer content.
    virtual void ShowReview(const GameReview& review) = 0;
    // Replaces the content of an open review without bringing it forward.
    virtual void RefreshReview(const GameReview& review) = 0;
    virtual bool ReviewOpen() const = 0;
    virtual void CloseReview() = 0;
};

// The window of the player's statistics over all games.
class HistoryScreen {
public:
    virtual ~HistoryScreen() = default;

    // Shows the figures, opening the window or bringing it to the front with
    // the newer figures.
    virtual void ShowHistory(const HistoryFigures& figures) = 0;
    // Replaces the figures of an open window without bringing it forward.
    virtual void RefreshHistory(const HistoryFigures& figures) = 0;
    virtual bool HistoryOpen() const = 0;
};

}  // namespace torvel
