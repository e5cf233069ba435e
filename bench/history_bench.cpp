// Opening the window of the player's statistics ("История игр", Ctrl+I)
// over a history of many games, as the player does it: the history file is
// read, its figures computed, and the window filled, shown and painted; the
// first opening also builds the window. And what adding one game costs.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "common/cp1251.h"
#include "player_files/game_history.h"
#include "player_files/history_figures.h"
#include "windows/form_buttons.h"
#include "windows/frmhistory.h"

namespace {

namespace fs = std::filesystem;
using namespace torvel;

// A scratch folder with a history of `games` games, removed afterwards.
class ScratchHistory {
public:
    explicit ScratchHistory(int games) {
        std::string pattern = (fs::temp_directory_path() / "torvel-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        m_folder = pattern;
        const GameHistory history(path());
        const std::string source = Utf8ToCp1251("ПРЕДПРИНИМАТЕЛЬСТВО");
        const std::string longest = Utf8ToCp1251("ПРЕДПРИНИМАТЕЛЬ");
        for (int i = 0; i < games; ++i) {
            const int player = 10 + i % 30;
            const int computer = 10 + (i * 7) % 30;
            const Verdict verdict = player > computer ? Verdict::Win : player < computer ? Verdict::Loss : Verdict::Draw;
            history.Append({.when = "2026-05-04 18:22:10", .sourceWord = source, .verdict = verdict,
                            .points = player * 10 - computer, .playerTotal = player, .computerTotal = computer,
                            .playerWords = 4, .computerWords = 5, .averageLength = 5, .longestWord = longest});
        }
    }
    ~ScratchHistory() {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }
    ScratchHistory(const ScratchHistory&) = delete;
    ScratchHistory& operator=(const ScratchHistory&) = delete;

    std::string path() const { return (m_folder / "history.txt").string(); }

private:
    fs::path m_folder;
};

// Reading the file and computing the figures, without a window.
void BM_ReadHistoryFigures(benchmark::State& state) {
    const ScratchHistory scratch(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(FiguresOf(GameHistory(scratch.path()).Read().games));
}
BENCHMARK(BM_ReadHistoryFigures)->Arg(10000)->Unit(benchmark::kMillisecond);

// The first opening in a run: the window is built too. Then the same for a
// window already built.
void BM_OpenHistoryWindow(benchmark::State& state) {
    const ScratchHistory scratch(static_cast<int>(state.range(0)));
    const bool first = state.range(1) != 0;
    ButtonServices buttons;
    auto window = std::make_unique<frmhistory>(buttons, nullptr);
    for (auto _ : state) {
        if (first) window = std::make_unique<frmhistory>(buttons, nullptr);
        window->ShowHistory(FiguresOf(GameHistory(scratch.path()).Read().games));
        benchmark::DoNotOptimize(window->grab());
        state.PauseTiming();
        window->hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenHistoryWindow)->ArgNames({"games", "first"})->Args({10000, 1})->Args({10000, 0})->Unit(
    benchmark::kMillisecond);

// One game added at the end of a long history, flushed to the disk.
void BM_AppendGame(benchmark::State& state) {
    const ScratchHistory scratch(10000);
    const GameHistory history(scratch.path());
    const HistoryEntry game{.when = "2026-05-04 18:22:10", .sourceWord = Utf8ToCp1251("ПРОГРАММА"),
                            .verdict = Verdict::Win, .points = 303, .playerTotal = 23, .computerTotal = 17,
                            .playerWords = 4, .computerWords = 4, .averageLength = 6,
                            .longestWord = Utf8ToCp1251("ПАРОМ")};
    for (auto _ : state) history.Append(game);
}
BENCHMARK(BM_AppendGame)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
