// The game's other windows: the statistics, the best results, the review and
// the player's statistics over all games.
#pragma once

#include <QObject>
#include <memory>
#include <vector>

#include "session/screens.h"

class QWidget;

namespace torvel {

class ButtonServices;
class frmbre;
class frmhistory;
class frmreview;
class frmtvlstat;
class NameDialog;

// Each window is built when the game first needs it, not with the main
// window, so that the main window's first frame does not wait for them; once
// built it is kept and reused at every opening. Until then a request that only
// closes or hides it has nothing to do.
class ToolWindows final : public QObject, public StatisticsScreen, public RecordsScreen, public ReviewScreen,
                          public HistoryScreen {
    Q_OBJECT
public:
    // `mainWindow` watches every window's events from its building on, and
    // the review opens beside it. The best results ask a new row's name with
    // `names`.
    ToolWindows(ButtonServices& buttons, NameDialog& names, QWidget* mainWindow);
    ~ToolWindows() override;

    void ShowEvaluation(const Evaluation& evaluation) override;
    void CloseStatistics() override;

    void FillTable(const RecordTable& table) override;
    void ShowTable(const RecordTable& table) override;
    std::string AskName() override;
    void PutAwayTable() override;
    void UnloadTable() override;
    void KeepTableOpen() override;

    void ShowReview(const GameReview& review) override;
    void RefreshReview(const GameReview& review) override;
    bool ReviewOpen() const override;
    void CloseReview() override;

    void ShowHistory(const HistoryFigures& figures) override;
    void RefreshHistory(const HistoryFigures& figures) override;
    bool HistoryOpen() const override;

    // The windows built so far.
    std::vector<QWidget*> Built() const;
    bool IsStatistics(const QObject* window) const;
    bool RecordsVisible() const;

signals:
    // "Далее" and "Разбор" of the statistics.
    void nextClicked();
    void reviewClicked();
    // The best results were unloaded.
    void recordsUnloaded();
    // The review asked what a word means.
    void lookUpRequested(const QString& word);
    // "История" of the best results.
    void historyClicked();

private:
    frmtvlstat& Statistics();
    frmbre& Records();
    frmreview& Review();
    frmhistory& History();

    ButtonServices& m_buttons;
    NameDialog& m_names;
    QWidget* m_mainWindow;
    std::unique_ptr<frmbre> m_frmbre;
    std::unique_ptr<frmtvlstat> m_frmtvlstat;
    std::unique_ptr<frmreview> m_frmreview;
    std::unique_ptr<frmhistory> m_frmhistory;
};

}  // namespace torvel
