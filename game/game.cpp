// The game in progress: its state, the start of a game, the player's entry,
// the computer's move and the evaluation.
#include "game/game.h"

#include <algorithm>

#include "game/random_source.h"
#include "game/word_base.h"

namespace torvel {

Game::Game(WordBase& base, RandomSource& random)
    : m_base(base), m_random(random), m_words(WordBase::kLines + 1, Side::None) {}

void Game::Start() {
    std::string source = m_base.DrawSourceWord(m_random);
    std::vector<int> fitting = m_base.FittingLines(source);

    m_typing = TypingRulesFor(m_base.BytesUsed());
    m_source = std::move(source);
    m_letters = LetterPool(m_source);
    m_fitting = std::move(fitting);
    m_fittingReady = true;
    std::fill(m_words.begin(), m_words.end(), Side::None);
    Record(m_base.FirstLine(m_source).value(), Side::Source);
    m_playerWords.clear();
    m_computerWords.clear();
    m_playerTotal = 0;
    m_computerTotal = 0;
}

EntryOutcome Game::entr(std::string_view typed) {
    const std::string entry = m_typing.yoAsYe ? WrittenWithYe(typed) : std::string(typed);
    EntryOutcome outcome;
    if (!entry.empty() && !m_letters.CanMake(entry)) {
        outcome.result = EntryResult::LetterMissing;
        return outcome;
    }
    const std::optional<int> line = m_base.FirstLine(entry);
    if (!line) {
        outcome.result = EntryResult::UnknownWord;
        return outcome;
    }
    outcome.clearEntry = true;
    if (AlreadyPlayed(*line)) {
        outcome.result = EntryResult::AlreadyPlayed;
        return outcome;
    }
    Record(*line, Side::Player);
    m_playerTotal += static_cast<int>(entry.size());
    m_playerWords.push_back(entry);
    outcome.computerMove = pchod();
    return outcome;
}

MoveOutcome Game::pchod() {
    const std::vector<int>& fitting = Fitting();
    const int start = static_cast<int>(m_random.Next() * kStartLines);

    MoveOutcome outcome;
    auto line = std::upper_bound(fitting.begin(), fitting.end(), start);
    for (; line != fitting.end() && *line < WordBase::kLines; ++line) {
        if (!AlreadyPlayed(*line)) {
            PlayComputerWord(*line, outcome);
            return outcome;
        }
    }
    // Arriving at the last line without a word ends the game; the last line is
    // still tested after the evaluation.
    outcome.evaluation = endgame();
    if (line != fitting.end() && !AlreadyPlayed(*line)) PlayComputerWord(*line, outcome);
    return outcome;
}

Evaluation Game::endgame() {
    Evaluation evaluation = Evaluate(m_playerTotal, m_computerTotal, wordcount());
    m_points = evaluation.points;
    return evaluation;
}

GamePosition Game::Position() const {
    return {.sourceWord = m_source,
            .playerWords = m_playerWords,
            .computerWords = m_computerWords,
            .playerTotal = m_playerTotal,
            .computerTotal = m_computerTotal,
            .computerLastWord = m_computerLastWord};
}

std::optional<std::vector<Game::Side>> Game::PlayedWordsOf(const GamePosition& position) {
    const std::optional<int> sourceLine = m_base.FirstLine(position.sourceWord);
    if (position.sourceWord.empty() || !sourceLine) return std::nullopt;
    const LetterPool letters(position.sourceWord);
    std::vector<Side> words(m_words.size(), Side::None);
    words[m_base.FirstLineOf(*sourceLine)] = Side::Source;
    // Each word as the player's entry would take it: made of the letters, in
    // the base, not played before.
    const auto record = [&](const std::vector<std::string>& list, Side side) {
        return std::all_of(list.begin(), list.end(), [&](const std::string& word) {
            const std::optional<int> line = word.empty() ? std::nullopt : m_base.FirstLine(word);
            if (!line || !letters.CanMake(word)) return false;
            Side& slot = words[m_base.FirstLineOf(*line)];
            if (slot != Side::None) return false;
            slot = side;
            return true;
        });
    };
    if (!record(position.playerWords, Side::Player) || !record(position.computerWords, Side::Computer)) {
        return std::nullopt;
    }
    return words;
}

bool Game::Allows(const GamePosition& position) { return PlayedWordsOf(position).has_value(); }

bool Game::Restore(const GamePosition& position) {
    std::optional<std::vector<Side>> words = PlayedWordsOf(position);
    if (!words) return false;
    m_typing = TypingRulesFor(m_base.BytesUsed());
    m_source = position.sourceWord;
    m_letters = LetterPool(m_source);
    m_fittingReady = false;
    m_words = std::move(*words);
    m_playerWords = position.playerWords;
    m_computerWords = position.computerWords;
    m_playerTotal = position.playerTotal;
    m_computerTotal = position.computerTotal;
    m_computerLastWord = position.computerLastWord;
    m_points = 0;
    return true;
}

GameReview Game::Review() {
    std::vector<ReviewWord> words;
    for (const int line : Fitting()) {
        const std::string& word = m_base.Line(line);
        // Each word once, at its first line; the empty line is no word.
        if (word.empty() || m_base.FirstLineOf(line) != line) continue;
        switch (m_words[line]) {
            case Side::Source:
                break;
            case Side::Player:
                words.push_back({word, WordMark::Player});
                break;
            case Side::Computer:
                words.push_back({word, WordMark::Computer});
                break;
            case Side::None:
                words.push_back({word, WordMark::Missed});
                break;
        }
    }
    return SummariseReview(m_source, std::move(words));
}

bool Game::AlreadyPlayed(int line) {
    // The empty word always counts as played: the table has a free slot, and a
    // free slot holds the empty text.
    return m_base.Line(line).empty() || m_words[m_base.FirstLineOf(line)] != Side::None;
}

void Game::Record(int line, Side side) { m_words[m_base.FirstLineOf(line)] = side; }

void Game::PlayComputerWord(int line, MoveOutcome& outcome) {
    const std::string& word = m_base.Line(line);
    Record(line, Side::Computer);
    m_computerWords.push_back(word);
    m_computerTotal += static_cast<int>(word.size());
    m_computerLastWord = word;
    outcome.word = word;
}

const std::vector<int>& Game::Fitting() {
    if (!m_fittingReady) {
        m_fitting = m_base.FittingLines(m_source);
        m_fittingReady = true;
    }
    return m_fitting;
}

}  // namespace torvel
