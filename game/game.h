// The game in progress in the main window: its state, the start of a game, the
// player's entry, the computer's move and the evaluation.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game/evaluation.h"
#include "game/game_review.h"
#include "game/letter_pool.h"
#include "game/outcome.h"
#include "game/typing.h"

namespace torvel {

class RandomSource;
class WordBase;

// Words are Windows-1251 strings, one byte a letter; the *Utf8 accessors give
// the texts the window shows. Nothing here shows anything: each call returns
// what the window has to display. Every call that reads the word base may throw
// DataFileError (file missing, too short, malformed, no source word to draw);
// the state is then unchanged.
//
// Typical use by the main window:
//   WordBase base;                   // wmbase.txt in the current directory
//   ClockRandom random;
//   Game game(base, random);
//   game.Start();                    // "Старт"
//   auto outcome = game.entr(Utf8ToCp1251(text));   // Enter or "OK"
//   if (!outcome.message.empty()) ...show it...
//   if (outcome.clearEntry) ...empty the entry field...
//   if (outcome.computerMove && outcome.computerMove->evaluation) ...statistics...
//   game.pchod();                    // "Пропустить ход"
//   game.endgame();                  // "Закончить игру"
// and after each call the labels and lists are refreshed from the accessors.
class Game {
public:
    // The computer starts looking after a random line below this one.
    static constexpr int kStartLines = 5000;

    // Neither is owned; both must outlive the game. Before the first Start()
    // the source word is empty, so no word is playable.
    Game(WordBase& base, RandomSource& random);

    // Draws a new source word (reseeding the random source once), forgets the
    // played words, empties both lists, sets both totals to "0" and the word
    // count to 0, and makes the captions visible. The computer's last word is
    // kept. A game in progress is abandoned without scoring. The typing rules
    // follow the word base from here on.
    void Start();

    // The player's word as typed (Windows-1251; never trimmed). Where the base
    // never writes Ё, a Ё of the entry is taken as Е, so the word is tested,
    // recorded and listed as the base writes it. Tests, in order: the letters
    // against the source word (skipped for an empty entry), the lookup in the
    // word base, the repeat test. An accepted word is recorded, listed on top
    // and counted, and the computer answers at once.
    EntryOutcome entr(std::string_view typed);

    // The computer's move: from a random line s (0 to 4999) on, the first line
    // after s whose letters fit the source word and that was not played yet is
    // played. If lines s + 1 to 11030 hold none, the game is evaluated, and
    // line 11031 is still tested afterwards.
    MoveOutcome pchod();

    // Evaluates the current totals; may run any number of times.
    Evaluation endgame();

    // Every distinct word of lines 1 to 11031 that the source word's letters
    // allow, apart from the source word, marked with who played it so far.
    GameReview Review();

    const std::string& sourceWord() const { return m_source; }
    const std::string& playerTotal() const { return m_playerTotal; }      // number text
    const std::string& computerTotal() const { return m_computerTotal; }  // number text
    // The word lists: newest word first, each followed by CR LF.
    const std::string& playerList() const { return m_playerList; }
    const std::string& computerList() const { return m_computerList; }
    const std::string& computerLastWord() const { return m_computerLastWord; }
    int wordcount() const { return m_wordcount; }
    double points() const { return m_points; }  // of the last evaluation, 0 before any
    bool captionsVisible() const { return m_captionsVisible; }
    // What the player's typing corrects; nothing before the first start.
    const TypingRules& typingRules() const { return m_typing; }

    std::string sourceWordUtf8() const;
    std::string playerListUtf8() const;
    std::string computerListUtf8() const;
    std::string computerLastWordUtf8() const;

private:
    // Who played the word of a line.
    enum class Side : char { None, Source, Player, Computer };

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
    int m_wordcount = 0;
    std::string m_playerTotal = "0";
    std::string m_computerTotal = "0";
    std::string m_playerList;
    std::string m_computerList;
    std::string m_computerLastWord;
    double m_points = 0;
    bool m_captionsVisible = false;
    TypingRules m_typing;
};

}  // namespace torvel
