// The game's flow: the word base, the game in progress, the table of best
// results and the order of the steps between the windows.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "game/game.h"
#include "game/word_base.h"
#include "game/word_glosses.h"
#include "game/yo_spellings.h"
#include "player_files/player_files.h"
#include "results/record_table.h"

namespace torvel {

class DataFileError;
class HistoryScreen;
class MainScreen;
class RandomSource;
class RecordsScreen;
class ReviewScreen;
class StatisticsScreen;

// The windows the flow works through; all must outlive it. Each asks and
// tells the player through its own dialogs.
struct SessionScreens {
    MainScreen& main;
    StatisticsScreen& statistics;
    RecordsScreen& records;
    ReviewScreen& review;
    HistoryScreen& history;
};

// Each public member is one action of the player. A word base that cannot be
// used is reported, an open table of best results is unloaded (and so saved),
// and the program is ended; a table of best results that cannot be read or
// written is reported and the game goes on.
//
// The review of the game can be seen from its evaluation (the end button, or
// a computer that finds no word) until the next start.
//
// The side files beside the word base, the spellings with ё and the glosses,
// are read when a review or a look-up first needs them. They only add to the
// game: a missing one gives nothing, and what was wrong with a damaged or
// unreadable one is written to the standard error, once.
//
// A started game goes into the history at its first evaluation. Play may go
// on after it and the game may be evaluated again, but it stays one game:
// its later evaluations are shown and may enter the table of best results,
// and the history keeps the first, so that no game counts twice. Until that
// first evaluation the game is saved after every move, to be offered back at
// the next start; from it on, or from the next start, there is none saved.
// What goes wrong with the player's files is told as PlayerFiles says, and
// the game goes on.
class GameSession {
public:
    GameSession(SessionScreens screens, RandomSource& random, WordBase base = WordBase(),
                RecordTable records = RecordTable(), PlayerFiles files = PlayerFiles());

    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // "Старт".
    void Start();
    // Enter or "OK" with the entry field's text, in Windows-1251.
    void entr(std::string_view entry);
    // "Пропустить ход".
    void pchod();
    // "Закончить игру".
    void endgame();
    // "Далее": enters the evaluated points into the table of best results if
    // they earn a row (asking for the name), shows the table and closes the
    // statistics. If the table cannot be read the statistics stay open, so the
    // player can try again once the file is mended.
    void func();
    // "Таблица рекордов": reads the table afresh and shows it.
    void ShowRecords();
    // The best-results window was unloaded: its table is saved if it changed.
    // While another copy of the game holds the file, the window stays open.
    void SaveRecords();
    // "Разбор" or Ctrl+R: shows the review if there is one; false otherwise.
    bool ShowReview();
    // The title of the article that explains a word: the word in small
    // letters with its ё restored (Windows-1251 in and out); empty for no word.
    std::string ArticleTitle(std::string_view word);
    // "История" or Ctrl+I: the figures of the history. Lines of it that
    // cannot be read are reported, each once a run.
    void ShowHistory();
    // At start-up: a game saved and not evaluated is offered back through the
    // main screen. Taken up, it is shown as it was; declined, it is removed. A
    // saved game that cannot be read, or that the word base no longer
    // allows, is set aside and told of. False when there was none: nothing
    // was asked or told.
    bool OfferSavedGame();

    bool reviewAvailable() const { return m_evaluated; }
    // What the entry field corrects in the player's typing: it follows the
    // word base from the first start on.
    const TypingRules& typingRules() const { return m_game.typingRules(); }

private:
    // Runs a step of the game; a word base that cannot be used ends the program.
    bool Play(const std::function<void()>& step);
    void Fatal(const DataFileError& error);
    bool LoadRecords();
    bool SaveChangedRecords(bool unloading);
    // After the player's move and the computer's answer: the evaluation
    // shown, or else the game saved.
    void AfterMove(const MoveOutcome& move);
    void ShowEvaluation(const Evaluation& evaluation, bool computerPlayedAfter = false);
    void RefreshOpenReview();
    // The game's review, each word with its gloss.
    GameReview Review();
    void ReadSideFiles();
    // The history's figures, with what the player is to hear of its reading.
    std::optional<HistoryFigures> ReadFigures();
    void Tell(const std::optional<PlayerFileProblem>& problem);

    SessionScreens m_screens;
    WordBase m_base;
    Game m_game;
    RecordTable m_records;
    PlayerFiles m_files;
    bool m_evaluated = false;
    bool m_sideFilesRead = false;
    YoSpellings m_spellings;
    WordGlosses m_glosses;
};

}  // namespace torvel
