// The game's flow: the word base, the game in progress, the table of best
// results and the order of the steps between the windows.
#include "session/game_session.h"

#include <algorithm>
#include <ctime>
#include <iostream>
#include <iterator>
#include <utility>

#include "common/cp1251.h"
#include "common/data_file_error.h"
#include "game/article_address.h"
#include "player_files/history_figures.h"
#include "results/file_lock.h"
#include "session/message_box.h"
#include "session/name_dialog.h"
#include "session/question.h"
#include "session/screens.h"

namespace torvel {

GameSession::GameSession(SessionScreens screens, RandomSource& random, WordBase base, RecordTable records,
                         PlayerFiles files)
    : m_screens(screens),
      m_base(std::move(base)),
      m_game(m_base, random),
      m_records(std::move(records)),
      m_files(std::move(files)) {}

void GameSession::Start() {
    if (!Play([this] { m_game.Start(); })) return;
    m_evaluated = false;
    RemoveSavedGame();
    m_screens.review.CloseReview();
    m_screens.main.ShowGame(m_game);
}

void GameSession::entr(std::string_view entry) {
    EntryOutcome outcome;
    if (!Play([&] { outcome = m_game.entr(entry); })) return;
    if (outcome.clearEntry) m_screens.main.ClearEntry();
    m_screens.main.ShowGame(m_game);
    if (outcome.result != EntryResult::Accepted) m_screens.main.ShowRefusal(outcome.result);
    if (outcome.computerMove) AfterMove(*outcome.computerMove);
    RefreshOpenReview();
}

void GameSession::pchod() {
    MoveOutcome outcome;
    if (!Play([&] { outcome = m_game.pchod(); })) return;
    m_screens.main.ShowGame(m_game);
    AfterMove(outcome);
    RefreshOpenReview();
}

void GameSession::endgame() {
    ShowEvaluation(m_game.endgame());
    RefreshOpenReview();
}

void GameSession::func() {
    if (!LoadRecords()) return;
    m_records.enterResult(m_game.points(), [this] { return m_screens.names.Ask(); });
    m_screens.records.ShowTable(m_records);
    m_screens.statistics.CloseStatistics();
}

void GameSession::ShowRecords() {
    if (LoadRecords()) m_screens.records.ShowTable(m_records);
}

void GameSession::SaveRecords() { SaveChangedRecords(true); }

bool GameSession::ShowReview() {
    if (!m_evaluated) return false;
    m_screens.review.ShowReview(Review());
    return true;
}

std::string GameSession::ArticleAddress(std::string_view word) {
    if (word.empty()) return {};
    ReadSideFiles();
    return torvel::ArticleAddress(word, m_spellings);
}

GameReview GameSession::Review() {
    ReadSideFiles();
    GameReview review = m_game.Review();
    for (ReviewWord& word : review.words) word.gloss = m_glosses.Gloss(word.word);
    return review;
}

void GameSession::ReadSideFiles() {
    if (m_sideFilesRead) return;
    m_sideFilesRead = true;
    m_spellings = YoSpellings::Read(SideFilePath(m_base.path(), YoSpellings::kFileName));
    m_glosses = WordGlosses::Read(SideFilePath(m_base.path(), WordGlosses::kFileName));
    for (const SideFileReport* report : {&m_spellings.report(), &m_glosses.report()}) {
        const std::string notice = report->Notice();
        if (!notice.empty()) std::cerr << "torvel: " << notice << '\n';
    }
}

void GameSession::ShowHistory() {
    if (const std::optional<HistoryReading> reading = ReadHistory()) {
        m_screens.history.ShowHistory(FiguresOf(reading->games));
    }
}

bool GameSession::OfferSavedGame(Question& question) {
    std::optional<GamePosition> saved;
    try {
        saved = m_files.savedGame.Load();
    } catch (const DataFileError& error) {
        SetSavedGameAside(error.problem());
        return true;
    }
    if (!saved) return false;
    bool allowed = false;
    if (!Play([&] { allowed = m_game.Allows(*saved); })) return true;
    if (!allowed) {
        SetSavedGameAside("в сохранённой партии есть слово, которого нет в словаре игры или не было в ней");
        return true;
    }
    if (!question.Ask("Продолжить прошлую партию?")) {
        RemoveSavedGame();
        return true;
    }
    if (!Play([&] { m_game.Restore(*saved); })) return true;
    m_evaluated = false;
    m_screens.main.ShowGame(m_game);
    // Saved between the player's word and the computer's answer: the answer
    // comes now.
    if (saved->turn == Turn::Computer) pchod();
    return true;
}

bool GameSession::Play(const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const DataFileError& error) {
        Fatal(error);
        return false;
    }
}

void GameSession::Fatal(const DataFileError& error) {
    m_screens.messages.Show(error.what());
    // A result entered into an open table of best results is kept.
    m_screens.records.UnloadTable();
    m_screens.main.EndProgram();
}

bool GameSession::LoadRecords() {
    // Reading the file again would discard a result not yet saved, so it is
    // saved first. If it cannot be, the table stays as it is, unsaved.
    if (!SaveChangedRecords(false)) {
        m_screens.records.FillTable(m_records);
        return true;
    }
    try {
        m_records.load();
    } catch (const DataFileError& error) {
        // What the window showed no longer stands for the file: put it away
        // unsaved.
        m_screens.records.PutAwayTable();
        m_screens.messages.Show(error.what());
        return false;
    }
    m_screens.records.FillTable(m_records);
    return true;
}

// False, with the player told why, when a change could not be saved; it is
// kept for the next try. An unchanged table is neither written nor reported:
// the file holds what it was read from, or what another copy saved since.
bool GameSession::SaveChangedRecords(bool unloading) {
    // A table that failed to load stands for nothing on disk: never saved.
    if (!m_records.hasUnsavedChanges()) return true;
    try {
        m_records.save();
        return true;
    } catch (const FileBusyError& error) {
        if (unloading) m_screens.records.KeepTableOpen();
        m_screens.messages.Show(error.what());
    } catch (const DataFileError& error) {
        // The file keeps its old content.
        m_screens.messages.Show(error.what());
    }
    return false;
}

void GameSession::AfterMove(const MoveOutcome& move) {
    if (move.evaluation) {
        ShowEvaluation(*move.evaluation, move.word.has_value());
    } else {
        SaveGame();
    }
}

void GameSession::ShowEvaluation(const Evaluation& evaluation, bool computerPlayedAfter) {
    // A game is started before it is recorded: an evaluation before the
    // first start has no game behind it.
    if (!m_evaluated && !m_game.sourceWord().empty()) {
        Record(evaluation, computerPlayedAfter);
        RemoveSavedGame();
    }
    m_evaluated = true;
    m_screens.statistics.ShowEvaluation(evaluation);
}

// The history's line of the game at its evaluation. The computer's word
// found on the last line after the evaluation comes after it.
void GameSession::Record(const Evaluation& evaluation, bool computerPlayedAfter) {
    const std::vector<std::string>& words = m_game.playerWords();
    const auto longest = std::max_element(words.begin(), words.end(),
                                          [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
    const HistoryEntry game{
        .when = LocalTimeText(std::time(nullptr)),
        .sourceWord = Cp1251ToUtf8(m_game.sourceWord()),
        .verdict = evaluation.verdict,
        .points = evaluation.points,
        .playerTotal = evaluation.playerTotal,
        .computerTotal = evaluation.computerTotal,
        .playerWords = evaluation.words,
        .computerWords = static_cast<int>(m_game.computerWords().size()) - (computerPlayedAfter ? 1 : 0),
        .averageLength = evaluation.averageLength,
        .longestWord = longest == words.end() ? std::string() : Cp1251ToUtf8(*longest)};
    try {
        m_files.history.Append(game);
    } catch (const DataFileError& error) {
        ReportOnce(m_historyFailed, error);
        return;
    }
    if (!m_screens.history.HistoryOpen()) return;
    if (const std::optional<HistoryReading> reading = ReadHistory()) {
        m_screens.history.RefreshHistory(FiguresOf(reading->games));
    }
}

void GameSession::SaveGame() {
    if (m_evaluated || m_game.sourceWord().empty()) return;
    try {
        m_files.savedGame.Save(m_game.Position());
    } catch (const DataFileError& error) {
        ReportOnce(m_savedGameFailed, error);
    }
}

void GameSession::RemoveSavedGame() {
    try {
        m_files.savedGame.Remove();
    } catch (const DataFileError& error) {
        ReportOnce(m_savedGameFailed, error);
    }
}

void GameSession::SetSavedGameAside(const std::string& problem) {
    std::string text = DataFileError(m_files.savedGame.path(), problem).what();
    try {
        text += "; партия отложена в файл " + m_files.savedGame.MoveAside();
    } catch (const DataFileError& error) {
        text += "; отложить его не удалось: " + error.problem();
    }
    m_screens.messages.Show(text);
}

void GameSession::ReportOnce(bool& reported, const DataFileError& error) {
    if (std::exchange(reported, true)) return;
    m_screens.messages.Show(error.what());
}

std::optional<HistoryReading> GameSession::ReadHistory() {
    HistoryReading reading;
    try {
        reading = m_files.history.Read();
    } catch (const DataFileError& error) {
        m_screens.messages.Show(error.what());
        return std::nullopt;
    }
    std::vector<int> unreported;
    std::set_difference(reading.skippedLines.begin(), reading.skippedLines.end(), m_skippedReported.begin(),
                        m_skippedReported.end(), std::back_inserter(unreported));
    if (!unreported.empty()) {
        m_screens.messages.Show(DataFileError(m_files.history.path(), SkippedLinesProblem(unreported)).what());
        std::vector<int> all;
        std::set_union(m_skippedReported.begin(), m_skippedReported.end(), unreported.begin(), unreported.end(),
                       std::back_inserter(all));
        m_skippedReported = std::move(all);
    }
    return reading;
}

void GameSession::RefreshOpenReview() {
    if (m_evaluated && m_screens.review.ReviewOpen()) m_screens.review.RefreshReview(Review());
}

}  // namespace torvel
