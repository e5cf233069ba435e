// The player's own files beside the table of best results: the history of the
// evaluated games and the unfinished game saved after every move.
#include "player_files/player_files.h"

#include <algorithm>
#include <ctime>
#include <iterator>
#include <utility>

#include "common/data_file_error.h"
#include "game/evaluation.h"
#include "game/game.h"

namespace torvel {

using Kind = PlayerFileProblem::Kind;

namespace {

PlayerFileProblem Problem(Kind kind, const std::string& file, const std::string& reason = {}) {
    PlayerFileProblem problem;
    problem.kind = kind;
    problem.file = file;
    problem.reason = reason;
    return problem;
}

}  // namespace

PlayerFiles::PlayerFiles(GameHistory history, SavedGameFile savedGame)
    : m_history(std::move(history)), m_savedGame(std::move(savedGame)) {}

std::optional<PlayerFileProblem> PlayerFiles::Record(const Game& game, const Evaluation& evaluation,
                                                     bool computerPlayedAfter) {
    const std::vector<std::string>& words = game.playerWords();
    const auto longest = std::max_element(words.begin(), words.end(),
                                          [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
    const HistoryEntry entry{
        .when = LocalTimeText(std::time(nullptr)),
        .sourceWord = game.sourceWord(),
        .verdict = evaluation.verdict,
        .points = evaluation.points,
        .playerTotal = evaluation.playerTotal,
        .computerTotal = evaluation.computerTotal,
        .playerWords = evaluation.words,
        .computerWords = static_cast<int>(game.computerWords().size()) - (computerPlayedAfter ? 1 : 0),
        .averageLength = evaluation.averageLength,
        .longestWord = longest == words.end() ? std::string() : *longest};
    return Once(m_historyTold, Kind::GameNotRecorded, [&] { m_history.Append(entry); });
}

PlayerFileReading<HistoryFigures> PlayerFiles::Figures() {
    PlayerFileReading<HistoryFigures> figures;
    HistoryReading reading;
    try {
        reading = m_history.Read();
    } catch (const DataFileError& error) {
        figures.problem = Problem(Kind::HistoryNotRead, error.file(), error.problem());
        return figures;
    }
    figures.value = FiguresOf(reading.games);
    std::vector<int> untold;
    std::set_difference(reading.skippedLines.begin(), reading.skippedLines.end(), m_skippedTold.begin(),
                        m_skippedTold.end(), std::back_inserter(untold));
    if (!untold.empty()) {
        std::vector<int> told;
        std::set_union(m_skippedTold.begin(), m_skippedTold.end(), untold.begin(), untold.end(),
                       std::back_inserter(told));
        m_skippedTold = std::move(told);
        figures.problem = Problem(Kind::LinesSkipped, m_history.path());
        figures.problem->lines = std::move(untold);
    }
    return figures;
}

std::optional<PlayerFileProblem> PlayerFiles::Save(const Game& game) {
    return Once(m_savedGameTold, Kind::GameNotSaved, [&] { m_savedGame.Save(game.Position()); });
}

std::optional<PlayerFileProblem> PlayerFiles::RemoveSavedGame() {
    return Once(m_savedGameTold, Kind::GameNotSaved, [&] { m_savedGame.Remove(); });
}

PlayerFileReading<GamePosition> PlayerFiles::SavedGame() {
    PlayerFileReading<GamePosition> saved;
    try {
        saved.value = m_savedGame.Load();
    } catch (const DataFileError& error) {
        saved.problem = SetAside(Problem(Kind::SavedGameUnreadable, m_savedGame.path(), error.problem()));
    }
    return saved;
}

PlayerFileProblem PlayerFiles::SetAsideNotAllowed() {
    return SetAside(Problem(Kind::SavedGameNotAllowed, m_savedGame.path()));
}

PlayerFileProblem PlayerFiles::SetAside(PlayerFileProblem problem) {
    try {
        problem.setAsideAs = m_savedGame.MoveAside();
    } catch (const DataFileError& error) {
        problem.setAsideReason = error.problem();
    }
    return problem;
}

std::optional<PlayerFileProblem> PlayerFiles::Once(bool& told, Kind kind, const std::function<void()>& write) {
    try {
        write();
    } catch (const DataFileError& error) {
        if (!std::exchange(told, true)) return Problem(kind, error.file(), error.problem());
    }
    return std::nullopt;
}

}  // namespace torvel
