// The game's flow: the word base, the game in progress, the table of best
// results and the order of the steps between the windows.
#include "session/game_session.h"

#include <iostream>

#include "common/data_file_error.h"
#include "game/article_address.h"
#include "results/file_lock.h"
#include "session/message_box.h"
#include "session/name_dialog.h"
#include "session/screens.h"

namespace torvel {

GameSession::GameSession(SessionScreens screens, RandomSource& random, WordBase base, RecordTable records)
    : m_screens(screens), m_base(std::move(base)), m_game(m_base, random), m_records(std::move(records)) {}

void GameSession::Start() {
    if (!Play([this] { m_game.Start(); })) return;
    m_evaluated = false;
    m_screens.review.CloseReview();
    m_screens.main.ShowGame(m_game);
}

void GameSession::entr(std::string_view entry) {
    EntryOutcome outcome;
    if (!Play([&] { outcome = m_game.entr(entry); })) return;
    if (outcome.clearEntry) m_screens.main.ClearEntry();
    m_screens.main.ShowGame(m_game);
    if (outcome.result != EntryResult::Accepted) m_screens.main.ShowRefusal(outcome.result);
    if (outcome.computerMove && outcome.computerMove->evaluation) ShowEvaluation(*outcome.computerMove->evaluation);
    RefreshOpenReview();
}

void GameSession::pchod() {
    MoveOutcome outcome;
    if (!Play([&] { outcome = m_game.pchod(); })) return;
    m_screens.main.ShowGame(m_game);
    if (outcome.evaluation) ShowEvaluation(*outcome.evaluation);
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

void GameSession::ShowEvaluation(const Evaluation& evaluation) {
    m_evaluated = true;
    m_screens.statistics.ShowEvaluation(evaluation);
}

void GameSession::RefreshOpenReview() {
    if (m_evaluated && m_screens.review.ReviewOpen()) m_screens.review.RefreshReview(Review());
}

}  // namespace torvel
