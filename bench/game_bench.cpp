// Speed of the word game engine: a player's move with the computer's answer,
// the start of a game, the computer's longest scan and loading the base, each
// beside the same work done by the literal reference game; the review of a
// game for the source words that allow the most words; and reading the side
// files of the base.
//
// The base is wmbase.txt in the current folder, or the file named by the
// environment variable TORVEL_WORDBASE; its side files lie beside it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "common/data_file_error.h"
#include "common/side_file.h"
#include "game/game.h"
#include "game/random_source.h"
#include "game/seeded_random.h"
#include "game/word_base.h"
#include "game/word_glosses.h"
#include "game/yo_spellings.h"
#include "tests/support/literal_game.h"

namespace torvel {
namespace {

std::string BasePath() {
    const char* path = std::getenv("TORVEL_WORDBASE");
    return path != nullptr ? path : "wmbase.txt";
}

// The distinct words a player could still enter in `game`.
template <typename AnyGame>
std::vector<std::string> PlayableWords(AnyGame& game, WordBase& base,
                                       const std::set<std::string>& played) {
    std::vector<std::string> words;
    for (const int line : base.FittingLines(game.sourceWord())) {
        const std::string& word = base.Line(line);
        if (!word.empty() && !played.count(word) &&
            std::find(words.begin(), words.end(), word) == words.end()) {
            words.push_back(word);
        }
    }
    return words;
}

// Times one accepted player's word and the computer's answer per iteration;
// starting new games when the words run out is left out of the time.
template <typename AnyGame>
void PlayerMoves(benchmark::State& state, AnyGame& game, WordBase& base) {
    std::set<std::string> played;
    std::vector<std::string> words;
    std::size_t next = 0;
    std::vector<double> times;
    for (auto _ : state) {
        const std::string* word = nullptr;
        while (word == nullptr) {
            if (next == words.size()) {
                game.Start();
                played = {game.sourceWord()};
                words = PlayableWords(game, base, played);
                next = 0;
            } else if (played.count(words[next])) {
                ++next;  // the computer has taken it
            } else {
                word = &words[next++];
            }
        }
        const auto begin = std::chrono::steady_clock::now();
        const EntryOutcome outcome = game.entr(*word);
        const auto end = std::chrono::steady_clock::now();
        const double seconds = std::chrono::duration<double>(end - begin).count();
        state.SetIterationTime(seconds);
        times.push_back(seconds);
        if (outcome.result != EntryResult::Accepted) {
            state.SkipWithError("a playable word was refused");
            break;
        }
        played.insert(*word);
        if (outcome.computerMove->word) played.insert(*outcome.computerMove->word);
        // A game the computer ended goes on, but most words are used by now.
        if (outcome.computerMove->evaluation) next = words.size();
    }
    if (!times.empty()) {
        std::nth_element(times.begin(),
                         times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2),
                         times.end());
        state.counters["median_us"] = times[times.size() / 2] * 1e6;
    }
}

void BM_PlayerMove(benchmark::State& state) {
    try {
        WordBase base(BasePath());
        base.Load();
        SeededRandom random(1);
        Game game(base, random);
        PlayerMoves(state, game, base);
    } catch (const DataFileError& error) {
        state.SkipWithError(error.what());
    }
}
BENCHMARK(BM_PlayerMove)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_PlayerMove_Reference(benchmark::State& state) {
    try {
        WordBase base(BasePath());
        SeededRandom random(1);
        LiteralGame game(BasePath(), random);
        PlayerMoves(state, game, base);
    } catch (const DataFileError& error) {
        state.SkipWithError(error.what());
    }
}
BENCHMARK(BM_PlayerMove_Reference)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_StartGame(benchmark::State& state) {
    try {
        WordBase base(BasePath());
        base.Load();
        SeededRandom random(2);
        Game game(base, random);
        for (auto _ : state) {
            game.Start();
            benchmark::DoNotOptimize(game.sourceWord().data());
        }
    } catch (const DataFileError& error) {
        state.SkipWithError(error.what());
    }
}
BENCHMARK(BM_StartGame)->Unit(benchmark::kMicrosecond);

void BM_StartGame_Reference(benchmark::State& state) {
    try {
        SeededRandom random(2);
        LiteralGame game(BasePath(), random);
        for (auto _ : state) {
            game.Start();
            benchmark::DoNotOptimize(game.sourceWord().data());
        }
    } catch (const DataFileError& error) {
        state.SkipWithError(error.what());
    }
}
BENCHMARK(BM_StartGame_Reference)->Unit(benchmark::kMicrosecond);

// A game in which every word the source word allows has been played: each
// computer's move scans to line 11031, finds nothing and evaluates the game.
template <typename AnyGame>
void ComputerScansInVain(benchmark::State& state, AnyGame& game, WordBase& base) {
    game.Start();
    for (const std::string& word : PlayableWords(game, base, {game.sourceWord()})) game.entr(word);
    for (auto _ : state) {
        const MoveOutcome outcome = game.pchod();
        if (outcome.word || !outcome.evaluation) {
            state.SkipWithError("the computer still found a word");
            break;
        }
        benchmark::DoNotOptimize(outcome.evaluation->points);
    }
}

void BM_ComputerScanWorstCase(benchmark::State& state) {
    try {
        WordBase base(BasePath());
        SeededRandom random(3);
        Game game(base, random);
        ComputerScansInVain(state, game, base);
    } catch (const DataFileError& error) {
        state.SkipWithError(error.what());
    }
}
BENCHMARK(BM_ComputerScanWorstCase)->Unit(benchmark::kMicrosecond);

void BM_ComputerScanWorstCase_Reference(benchmark::State& state) {
    try {
        WordBase base(BasePath());
        SeededRandom random(3);
        LiteralGame game(BasePath(), random);
        ComputerScansInVain(state, game, base);
    } catch (const DataFileError& error) {
        state.SkipWithError(error.what());
    }
}
BENCHMARK(BM_ComputerScanWorstCase_Reference)->Unit(benchmark::kMicrosecond);

// The first use of the base after the game starts: reading, splitting and indexing.
void BM_LoadWordBase(benchmark::State& state) {
    try {
        for (auto _ : state) {
            WordBase base(BasePath());
            base.Load();
            benchmark::DoNotOptimize(base.Line(1).data());
        }
    } catch (const DataFileError& error) {
        state.SkipWithError(error.what());
    }
}
BENCHMARK(BM_LoadWordBase)->Unit(benchmark::kMicrosecond);

// What the first review or look-up of a run waits for: reading the spellings
// with ё and the glosses beside the base.
void BM_ReadSideFiles(benchmark::State& state) {
    const std::string yo = SideFilePath(BasePath(), YoSpellings::kFileName);
    const std::string glosses = SideFilePath(BasePath(), WordGlosses::kFileName);
    std::size_t glossed = 0;
    for (auto _ : state) {
        const YoSpellings spellings = YoSpellings::Read(yo);
        const WordGlosses read = WordGlosses::Read(glosses);
        glossed = read.size();
        benchmark::DoNotOptimize(&spellings);
    }
    if (glossed == 0) state.SkipWithError(("no glosses in " + glosses).c_str());
    state.counters["glosses"] = static_cast<double>(glossed);
}
BENCHMARK(BM_ReadSideFiles)->Unit(benchmark::kMicrosecond);

// Draws the source word of a chosen line, then goes on with seeded numbers.
class DrawAtLine final : public RandomSource {
public:
    DrawAtLine(int line, std::uint64_t seed) : m_draw((line + 0.5) / WordBase::kLines), m_rest(seed) {}

    void Reseed() override { m_drawNext = true; }
    double Next() override {
        if (!m_drawNext) return m_rest.Next();
        m_drawNext = false;
        return m_draw;
    }

private:
    double m_draw;
    bool m_drawNext = false;
    SeededRandom m_rest;
};

// The lines of the `count` source words that allow the most distinct words.
std::vector<int> RichestSourceLines(WordBase& base, std::size_t count) {
    std::vector<std::pair<std::size_t, int>> words;  // (distinct words, line)
    std::set<std::string> seen;
    for (int line = 1; line < WordBase::kLines; ++line) {
        const std::string& source = base.Line(line);
        if (source.size() < WordBase::kMinSourceLength || source.size() > WordBase::kMaxSourceLength) continue;
        if (!seen.insert(source).second) continue;
        std::set<std::string> distinct;
        for (const int fitting : base.FittingLines(source)) distinct.insert(base.Line(fitting));
        words.emplace_back(distinct.size(), line);
    }
    std::sort(words.rbegin(), words.rend());
    std::vector<int> lines;
    for (std::size_t i = 0; i < std::min(count, words.size()); ++i) lines.push_back(words[i].second);
    return lines;
}

// One review per iteration, in turn over games on the richest source words,
// each with a third of its words found by the player and answered by the
// computer. Arg: how many of the richest source words.
void BM_GameReview(benchmark::State& state) {
    try {
        WordBase base(BasePath());
        base.Load();
        std::vector<std::unique_ptr<DrawAtLine>> randoms;
        std::vector<std::unique_ptr<Game>> games;
        for (const int line : RichestSourceLines(base, static_cast<std::size_t>(state.range(0)))) {
            randoms.push_back(std::make_unique<DrawAtLine>(line, 4));
            games.push_back(std::make_unique<Game>(base, *randoms.back()));
            Game& game = *games.back();
            game.Start();
            const std::vector<std::string> words = PlayableWords(game, base, {game.sourceWord()});
            for (std::size_t i = 0; i < words.size(); i += 3) game.entr(words[i]);
        }
        std::size_t next = 0;
        std::size_t words = 0;
        for (auto _ : state) {
            const GameReview review = games[next]->Review();
            words += review.words.size();
            benchmark::DoNotOptimize(review.words.data());
            next = (next + 1) % games.size();
        }
        state.counters["words"] =
            static_cast<double>(words) / static_cast<double>(std::max<std::int64_t>(state.iterations(), 1));
    } catch (const DataFileError& error) {
        state.SkipWithError(error.what());
    }
}
BENCHMARK(BM_GameReview)->Arg(50)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace torvel
