// The game's flow: the word base, the game in progress, the table of best
// results and the order of the steps between the windows.
#include "session/game_session.h"

#include <iostream>
#include <utility>

#include "common/data_file_error.h"
#include "results/file_lock.h"
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
    Tell(m_files.RemoveSavedGame());
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
    m_records.enterResult(m_game.points(), [this] { return m_screens.records.AskName(); });
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

std::string GameSession::ArticleTitle(std::string_view word) {
    if (word.empty()) return {};
    ReadSideFiles();
    return m_spellings.SmallLetters(word);
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
    if (const std::optional<HistoryFigures> figures = ReadFigures()) m_screens.history.ShowHistory(*figures);
}

bool GameSession::OfferSavedGame() {
    const PlayerFileReading<GamePosition> saved = m_files.SavedGame();
    Tell(saved.problem);
    if (!saved.value) return saved.problem.has_value();
    bool allowed = false;
    if (!Play([&] { allowed = m_game.Allows(*saved.value); })) return true;
    if (!allowed) {
        Tell(m_files.SetAsideNotAllowed());
        return true;
    }
    if (!m_screens.main.OfferSavedGame(saved.value->sourceWord, saved.value->playerTotal,
                                       saved.value->computerTotal)) {
        Tell(m_files.RemoveSavedGame());
        return true;
    }
    if (!Play([&] { m_game.Restore(*saved.value); })) return true;
    m_evaluated = false;
    m_screens.main.ShowGame(m_game);
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
    m_screens.main.ShowFileError(error);
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
        m_screens.main.ShowFileError(error);
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
        m_screens.main.ShowFileError(error);
    } catch (const DataFileError& error) {
        // The file keeps its old content.
        m_screens.main.ShowFileError(error);
    }
    return false;
}

void GameSession::AfterMove(const MoveOutcome& move) {
    if (move.evaluation) {
        ShowEvaluation(*move.evaluation, move.word.has_value());
    } else if (!m_evaluated && !m_game.sourceWord().empty()) {
        Tell(m_files.Save(m_game));
    }
}

void GameSession::ShowEvaluation(const Evaluation& evaluation, bool computerPlayedAfter) {
    // A game is started before it is recorded: an evaluation before the
    // first start has no game behind it.
    if (!m_evaluated && !m_game.sourceWord().empty()) {
        Tell(m_files.Record(m_game, evaluation, computerPlayedAfter));
        Tell(m_files.RemoveSavedGame());
        if (m_screens.history.HistoryOpen()) {
            if (const std::optional<HistoryFigures> figures = ReadFigures()) m_screens.history.RefreshHistory(*figures);
        }
    }
    m_evaluated = true;
    m_screens.statistics.ShowEvaluation(evaluation);
}

std::optional<HistoryFigures> GameSession::ReadFigures() {
    const PlayerFileReading<HistoryFigures> figures = m_files.Figures();
    Tell(figures.problem);
    return figures.value;
}

void GameSession::Tell(const std::optional<PlayerFileProblem>& problem) {
    if (problem) m_screens.main.ShowFileProblem(*problem);
}

void GameSession::RefreshOpenReview() {
    if (m_evaluated && m_screens.review.ReviewOpen()) m_screens.review.RefreshReview(Review());
}

}  // namespace torvel
