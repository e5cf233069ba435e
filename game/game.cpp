// The game in progress in the main window: its state, the start of a game, the
// player's entry, the computer's move and the evaluation.
#include "game/game.h"

#include <algorithm>

#include "common/cp1251.h"
#include "common/leading_number.h"
#include "common/number_text.h"
#include "game/random_source.h"
#include "game/word_base.h"

namespace torvel {

namespace {

// A total lives as label text: read its leading number, add, write it back.
std::string AddToTotal(const std::string& total, std::size_t letters) {
    return NumberText(LeadingNumber(total) + static_cast<double>(letters));
}

// The newest word goes on top, each word followed by CR LF.
void PutOnTop(std::string& list, std::string_view word) {
    std::string text;
    text.reserve(word.size() + 2 + list.size());
    text.append(word).append("\r\n").append(list);
    list = std::move(text);
}

}  // namespace

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
    m_captionsVisible = true;
    m_playerList.clear();
    m_computerList.clear();
    m_playerTotal = NumberText(0);
    m_computerTotal = NumberText(0);
    m_wordcount = 0;
}

EntryOutcome Game::entr(std::string_view typed) {
    const std::string entry = m_typing.yoAsYe ? WrittenWithYe(typed) : std::string(typed);
    EntryOutcome outcome;
    if (!entry.empty() && !m_letters.CanMake(entry)) {
        outcome.result = EntryResult::LetterMissing;
        outcome.message = "Одной из букв нет в исходном слове! Возможно, она уже использована";
        return outcome;
    }
    const std::optional<int> line = m_base.FirstLine(entry);
    if (!line) {
        outcome.result = EntryResult::UnknownWord;
        outcome.message = "Неверное слово";
        return outcome;
    }
    outcome.clearEntry = true;
    if (AlreadyPlayed(*line)) {
        outcome.result = EntryResult::AlreadyPlayed;
        outcome.message = "Уже было.";
        return outcome;
    }
    Record(*line, Side::Player);
    m_playerTotal = AddToTotal(m_playerTotal, entry.size());
    PutOnTop(m_playerList, entry);
    ++m_wordcount;
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
    Evaluation evaluation = Evaluate(m_playerTotal, m_computerTotal, m_wordcount);
    m_points = evaluation.points;
    return evaluation;
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

std::string Game::sourceWordUtf8() const { return Cp1251ToUtf8(m_source); }
std::string Game::playerListUtf8() const { return Cp1251ToUtf8(m_playerList); }
std::string Game::computerListUtf8() const { return Cp1251ToUtf8(m_computerList); }
std::string Game::computerLastWordUtf8() const { return Cp1251ToUtf8(m_computerLastWord); }

bool Game::AlreadyPlayed(int line) {
    // The empty word always counts as played: the table has a free slot, and a
    // free slot holds the empty text.
    return m_base.Line(line).empty() || m_words[m_base.FirstLineOf(line)] != Side::None;
}

void Game::Record(int line, Side side) { m_words[m_base.FirstLineOf(line)] = side; }

void Game::PlayComputerWord(int line, MoveOutcome& outcome) {
    const std::string& word = m_base.Line(line);
    Record(line, Side::Computer);
    PutOnTop(m_computerList, word);
    m_computerTotal = AddToTotal(m_computerTotal, word.size());
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
