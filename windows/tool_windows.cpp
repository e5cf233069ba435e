// The game's other windows: the statistics, the best results, the review and
// the player's statistics over all games.
#include "windows/tool_windows.h"

#include "windows/frmbre.h"
#include "windows/frmhistory.h"
#include "windows/frmreview.h"
#include "windows/frmtvlstat.h"

namespace torvel {

ToolWindows::ToolWindows(ButtonServices& buttons, NameDialog& names, QWidget* mainWindow)
    : m_buttons(buttons), m_names(names), m_mainWindow(mainWindow) {}

ToolWindows::~ToolWindows() = default;

frmtvlstat& ToolWindows::Statistics() {
    if (!m_frmtvlstat) {
        m_frmtvlstat = std::make_unique<frmtvlstat>(m_buttons);
        m_frmtvlstat->installEventFilter(m_mainWindow);
        connect(m_frmtvlstat.get(), &frmtvlstat::nextClicked, this, &ToolWindows::nextClicked);
        connect(m_frmtvlstat.get(), &frmtvlstat::reviewClicked, this, &ToolWindows::reviewClicked);
    }
    return *m_frmtvlstat;
}

frmbre& ToolWindows::Records() {
    if (!m_frmbre) {
        m_frmbre = std::make_unique<frmbre>(m_buttons, m_names);
        m_frmbre->installEventFilter(m_mainWindow);
        connect(m_frmbre.get(), &frmbre::unloaded, this, &ToolWindows::recordsUnloaded);
        connect(m_frmbre.get(), &frmbre::historyClicked, this, &ToolWindows::historyClicked);
    }
    return *m_frmbre;
}

frmreview& ToolWindows::Review() {
    if (!m_frmreview) {
        m_frmreview = std::make_unique<frmreview>(m_buttons, m_mainWindow);
        m_frmreview->installEventFilter(m_mainWindow);
        connect(m_frmreview.get(), &frmreview::lookUpRequested, this, &ToolWindows::lookUpRequested);
    }
    return *m_frmreview;
}

frmhistory& ToolWindows::History() {
    if (!m_frmhistory) {
        m_frmhistory = std::make_unique<frmhistory>(m_buttons, m_mainWindow);
        m_frmhistory->installEventFilter(m_mainWindow);
    }
    return *m_frmhistory;
}

void ToolWindows::ShowEvaluation(const Evaluation& evaluation) { Statistics().ShowEvaluation(evaluation); }

void ToolWindows::CloseStatistics() {
    if (m_frmtvlstat) m_frmtvlstat->CloseStatistics();
}

void ToolWindows::FillTable(const RecordTable& table) { Records().FillTable(table); }

void ToolWindows::ShowTable(const RecordTable& table) { Records().ShowTable(table); }

std::string ToolWindows::AskName() { return Records().AskName(); }

void ToolWindows::PutAwayTable() {
    if (m_frmbre) m_frmbre->PutAwayTable();
}

void ToolWindows::UnloadTable() {
    if (m_frmbre) m_frmbre->UnloadTable();
}

void ToolWindows::KeepTableOpen() {
    if (m_frmbre) m_frmbre->KeepTableOpen();
}

void ToolWindows::ShowReview(const GameReview& review) { Review().ShowReview(review); }

void ToolWindows::RefreshReview(const GameReview& review) {
    if (m_frmreview) m_frmreview->RefreshReview(review);
}

bool ToolWindows::ReviewOpen() const { return m_frmreview && m_frmreview->ReviewOpen(); }

void ToolWindows::CloseReview() {
    if (m_frmreview) m_frmreview->CloseReview();
}

void ToolWindows::ShowHistory(const HistoryFigures& figures) { History().ShowHistory(figures); }

void ToolWindows::RefreshHistory(const HistoryFigures& figures) {
    if (m_frmhistory) m_frmhistory->RefreshHistory(figures);
}

bool ToolWindows::HistoryOpen() const { return m_frmhistory && m_frmhistory->HistoryOpen(); }

std::vector<QWidget*> ToolWindows::Built() const {
    std::vector<QWidget*> built;
    for (QWidget* window : std::initializer_list<QWidget*>{m_frmtvlstat.get(), m_frmbre.get(), m_frmreview.get(),
                                                                    m_frmhistory.get()}) {
        if (window != nullptr) built.push_back(window);
    }
    return built;
}

bool ToolWindows::IsStatistics(const QObject* window) const {
    return m_frmtvlstat != nullptr && window == m_frmtvlstat.get();
}

bool ToolWindows::RecordsVisible() const { return m_frmbre && m_frmbre->isVisible(); }

}  // namespace torvel
