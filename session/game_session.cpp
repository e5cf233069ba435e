// The game's flow: the word base, the game in progress, the table of best
// results and the order of the steps between the windows.
#include "session/game_session.h"

#include <iostream>

#include "common/cp1251.h"
#include "common/data_file_error.h"
#include "game/article_address.h"
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

void GameSession::entr(std::string_view entryUtf8) {
    EntryOutcome outcome;
    const std::string entry = Utf8ToCp1251(entryUtf8);
    if (!Play([&] { outcome = m_game.entr(entry); })) return;
    if (outcome.clearEntry) m_screens.main.ClearEntry();
    m_screens.main.ShowGame(m_game);
    if (!outcome.message.empty()) m_screens.messages.Show(outcome.message);
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

void GameSession::SaveRecords() {
    // A table that failed to load stands for nothing on disk: never saved.
    if (!m_records.isLoaded()) return;
    try {
        m_records.save();
    } catch (const DataFileError& error) {
        // The file keeps its old content.
        m_screens.messages.Show(error.what());
    }
}

bool GameSession::ShowReview() {
    if (!m_evaluated) return false;
    m_screens.review.ShowReview(Review());
    return true;
}

std::string GameSession::ArticleAddress(std::string_view wordUtf8) {
    const std::optional<std::string> word = Utf8ToCp1251Exactly(wordUtf8);
    if (!word || word->empty()) return {};
    ReadSideFiles();
    return torvel::ArticleAddress(*word, m_spellings);
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

void GameSession::ShowEvaluation(const Evaluation& evaluation) {
    m_evaluated = true;
    m_screens.statistics.ShowEvaluation(evaluation);
}

void GameSession::RefreshOpenReview() {
    if (m_evaluated && m_screens.review.ReviewOpen()) m_screens.review.RefreshReview(Review());
}

}  // namespace torvel
