// The game's rules rendered word for word, as the reference the engine is
// checked against: every draw, lookup and scan opens wmbase.txt and reads it
// line by line from the start, the played words sit in 301 slots, and the
// letter test marks positions of the source word one by one.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "game/evaluation.h"
#include "game/outcome.h"

namespace torvel {

class RandomSource;

class LiteralGame {
public:
    LiteralGame(std::string path, RandomSource& random);

    void Start();
    EntryOutcome entr(std::string_view text1);
    MoveOutcome pchod();
    Evaluation endgame();

    const std::string& sourceWord() const { return m_label1; }
    const std::string& playerTotal() const { return m_label2; }
    const std::string& computerTotal() const { return m_label3; }
    const std::string& playerList() const { return m_text2; }
    const std::string& computerList() const { return m_text3; }
    const std::string& computerLastWord() const { return m_label7; }
    int wordcount() const { return m_wordcount; }
    double points() const { return m_points; }

private:
    void proverca();
    bool PlaceLetters(std::string_view word);

    std::string m_path;
    RandomSource& m_random;
    std::string m_label1;
    std::string m_label2 = "0";
    std::string m_label3 = "0";
    std::string m_text2;
    std::string m_text3;
    std::string m_label7;
    std::array<std::string, 301> m_words;
    std::array<int, 21> m_used{};
    int m_found = 0;
    std::string m_curword;
    int m_wordcount = 0;
    double m_points = 0;
};

}  // namespace torvel
