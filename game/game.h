// The game in progress: its state, the start of a game, the player's entry,
// the computer's move and the evaluation.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/evaluation.h"
#include "game/game_position.h"
#include "game/game_review.h"
#include "game/letter_pool.h"
#include "game/outcome.h"
#include "game/typing.h"

namespace torvel {

class RandomSource;
class WordBase;

// Words are Windows-1251 strings, one byte a letter. Nothing here shows
// anything: each call returns what happened, and the state is read through the
// accessors. Every call that reads the word base may throw DataFileError (file
// missing, too short, malformed, no source word to draw); the state is then
// unchanged.
//
// Typical use, as GameSession plays it:
//   WordBase base;                   // wmbase.txt in the current directory
//   ClockRandom random;
//   Game game(base, random);
//   game.Start();
//   EntryOutcome entry = game.entr(word);   // the player's word
//   MoveOutcome move = game.pchod();        // the player passes
//   Evaluation evaluation = game.endgame(); // the player ends the game
// An entry or a move may end the game too: its outcome then holds the
// evaluation.
class Game {
public:
    // The computer starts looking after a random line below this one.
    static constexpr int kStartLines = 5000;

    // Neither is owned; both must outlive the game. Before the first Start()
    // the source word is empty, so no word is playable.
    Game(WordBase& base, RandomSource& random);

    // Draws a new source word (reseeding the random source once), forgets the
    // played words, empties both lists and sets both totals to 0. The
    // computer's last word is kept. A game in progress is abandoned without
    // scoring. The typing rules follow the word base from here on.
    void Start();

    // The player's word as typed (Windows-1251; never trimmed). Where the base
    // never writes Yo, a Yo of the entry is taken as Ye, so the word is tested,
    // recorded and listed as the base writes it. Tests, in order: the letters
    // against the source word (skipped for an empty entry), the lookup in the
    // word base, the repeat test. An accepted word is recorded, listed and
    // counted, and the computer answers at once.
    EntryOutcome entr(std::string_view typed);

    // The computer's move: from a random line s (0 to 4999) on, the first line
    // after s whose letters fit the source word and that was not played yet is
    // played. If lines s + 1 to 11030 hold none, the game is evaluated, and
    // line 11031 is still tested afterwards.
    MoveOutcome pchod();

    // Evaluates the current totals; may run any number of times.
    Evaluation endgame();

    // The game as it stands between two moves: the player's move.
    GamePosition Position() const;

    // Whether a game saved from Position() can be taken up with this word
    // base: the source word and every word stand in it, each word is made of
    // the source word's letters and played once.
    bool Allows(const GamePosition& position);

    // Takes up such a game as if it had been played up to there, the player
    // to move; a game the base does not allow leaves everything as it was and
    // gives false. The computer's last word and the totals are taken as they
    // are.
    bool Restore(const GamePosition& position);

    // Every distinct word of lines 1 to 11031 that the source word's letters
    // allow, apart from the source word, marked with who played it so far.
    GameReview Review();

    const std::string& sourceWord() const { return m_source; }
    int playerTotal() const { return m_playerTotal; }
    int computerTotal() const { return m_computerTotal; }
    // Each side's words in the order they were played.
    const std::vector<std::string>& playerWords() const { return m_playerWords; }
    const std::vector<std::string>& computerWords() const { return m_computerWords; }
    const std::string& computerLastWord() const { return m_computerLastWord; }
    int wordcount() const { return static_cast<int>(m_playerWords.size()); }
    int points() const { return m_points; }  // of the last evaluation, 0 before any
    // What the player's typing corrects; nothing before the first start.
    const TypingRules& typingRules() const { return m_typing; }

private:
    // Who played the word of a line.
    enum class Side : char { None, Source, Player, Computer };

    // The table of played words of the position, or none if the base does not allow it.
    std::optional<std::vector<Side>> PlayedWordsOf(const GamePosition& position);
    bool AlreadyPlayed(int line);
    void Record(int line, Side side);
    void PlayComputerWord(int line, MoveOutcome& outcome);
    const std::vector<int>& Fitting();

    WordBase& m_base;
    RandomSource& m_random;
    std::string m_source;
    LetterPool m_letters{""};
    // The table of played words: who played each word of the base, at the line
    // of its first occurrence (every played word comes from the base). It never
    // runs out of room, so a repeat is caught however long the game goes on.
    std::vector<Side> m_words;
    // The lines whose letters fit the source word, in file order.
    std::vector<int> m_fitting;
    bool m_fittingReady = false;
    int m_playerTotal = 0;
    int m_computerTotal = 0;
    std::vector<std::string> m_playerWords;
    std::vector<std::string> m_computerWords;
    std::string m_computerLastWord;
    int m_points = 0;
    TypingRules m_typing;
};

}  // namespace torvel
