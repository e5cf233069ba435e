// Plays thousands of seeded games on the engine and on the literal reference
// game side by side, with the same random numbers and the same inputs, and
// requires the same outcome of every action and the same visible state after
// it: source words, entry results, computer's words, totals, lists, evaluations.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <random>
#include <sstream>

#include "common/cp1251.h"
#include "common/file_bytes.h"
#include "common/line_reader.h"
#include "game/game.h"
#include "game/seeded_random.h"
#include "game/word_base.h"
#include "tests/support/counted_letters.h"
#include "tests/support/literal_game.h"
#include "tests/support/synthetic_base.h"
#include "tests/support/temp_base.h"
#include "tests/support/temp_folder.h"

namespace torvel {
namespace {

constexpr std::size_t kLines = WordBase::kLines;

// A side's words as its list shows them: newest first, each followed by CR LF.
std::string ListText(const std::vector<std::string>& words) {
    std::string text;
    for (auto word = words.rbegin(); word != words.rend(); ++word) text += *word + "\r\n";
    return text;
}

::testing::AssertionResult SameState(const Game& game, const LiteralGame& literal) {
    std::ostringstream differences;
    const auto compare = [&](const char* what, const auto& engine, const auto& reference) {
        if (!(engine == reference)) differences << what << " differs; ";
    };
    compare("source word", game.sourceWord(), literal.sourceWord());
    compare("player's total", std::to_string(game.playerTotal()), literal.playerTotal());
    compare("computer's total", std::to_string(game.computerTotal()), literal.computerTotal());
    compare("player's list", ListText(game.playerWords()), literal.playerList());
    compare("computer's list", ListText(game.computerWords()), literal.computerList());
    compare("computer's last word", game.computerLastWord(), literal.computerLastWord());
    compare("word count", game.wordcount(), literal.wordcount());
    compare("points", game.points(), literal.points());
    if (differences.str().empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differences.str();
}

// What the compared games went through, to show that they reach every path.
struct Tally {
    std::map<EntryResult, int> entries;
    int passes = 0;
    int endedByComputer = 0;
    int lastLinePlayedAfterEnd = 0;
};

void Count(const MoveOutcome& move, Tally& tally) {
    if (!move.evaluation) return;
    ++tally.endedByComputer;
    if (move.word) ++tally.lastLinePlayedAfterEnd;
}

// Runs `games` started games (and a few actions before the first start of
// each window) on the base in `path`, whose lines are `lines`.
void PlayAlongside(const std::string& path, const std::vector<std::string>& lines,
                   std::uint32_t seed, int games, Tally& tally) {
    std::mt19937 chooser(seed);
    const auto chance = [&](double p) {
        return std::uniform_real_distribution<double>(0, 1)(chooser) < p;
    };
    const auto pick = [&](std::size_t size) { return static_cast<std::size_t>(chooser() % size); };
    const std::string junkLetters = Utf8ToCp1251("АБВГДЕЖЗИКЛМНОПРСТабв #");
    std::map<std::string, std::vector<std::string>> fittingBySource;
    const auto fitting = [&](const std::string& source) -> const std::vector<std::string>& {
        auto [entry, added] = fittingBySource.try_emplace(source);
        if (added) {
            for (std::size_t i = 0; i < kLines; ++i) {
                if (FitsByCount(lines[i], source)) entry->second.push_back(lines[i]);
            }
        }
        return entry->second;
    };

    int started = 0;
    for (int window = 0; started < games; ++window) {
        WordBase base(path);
        SeededRandom engineRandom(seed * 7919U + static_cast<std::uint32_t>(window));
        SeededRandom literalRandom(seed * 7919U + static_cast<std::uint32_t>(window));
        Game game(base, engineRandom);
        LiteralGame literal(path, literalRandom);
        const int actions = 10 + static_cast<int>(pick(60));
        bool startNow = chance(0.85);
        for (int action = 0; action < actions; ++action) {
            const auto where = [&](const std::string& what) {
                return "seed " + std::to_string(seed) + ", window " + std::to_string(window) +
                       ", action " + std::to_string(action) + ": " + what;
            };
            std::string done;
            if (startNow) {
                game.Start();
                literal.Start();
                ++started;
                done = "start";
            } else if (chance(0.5)) {
                const std::string& source = game.sourceWord();
                std::string entry;
                const double kind = std::uniform_real_distribution<double>(0, 1)(chooser);
                if (kind < 0.35 && !fitting(source).empty()) {
                    entry = fitting(source)[pick(fitting(source).size())];
                } else if (kind < 0.5) {
                    entry = lines[pick(lines.size())];
                } else if (kind < 0.6) {
                    entry = source;
                } else if (kind < 0.7) {
                    entry = game.computerLastWord();
                } else if (kind < 0.75) {
                    entry.clear();
                } else if (kind < 0.9 && !source.empty()) {
                    entry = source;
                    std::shuffle(entry.begin(), entry.end(), chooser);
                    entry.resize(1 + pick(entry.size()));
                } else {
                    entry.resize(pick(12));
                    for (auto& letter : entry) letter = junkLetters[pick(junkLetters.size())];
                }
                done = "entry \"" + Cp1251ToUtf8(entry) + "\"";
                const EntryOutcome engineOutcome = game.entr(entry);
                const EntryOutcome literalOutcome = literal.entr(entry);
                ASSERT_TRUE(engineOutcome == literalOutcome) << where(done);
                ++tally.entries[engineOutcome.result];
                if (engineOutcome.computerMove) Count(*engineOutcome.computerMove, tally);
            } else if (chance(0.8)) {
                done = "pass";
                const MoveOutcome engineOutcome = game.pchod();
                ASSERT_TRUE(engineOutcome == literal.pchod()) << where(done);
                ++tally.passes;
                Count(engineOutcome, tally);
            } else {
                done = "end";
                ASSERT_TRUE(game.endgame() == literal.endgame()) << where(done);
            }
            ASSERT_TRUE(SameState(game, literal)) << where(done);
            startNow = chance(0.06);
        }
    }
}

// A crafted base: each line is, by the given shares, empty, a short word or
// a source-length word of `alphabet`, an overlong word, a word with a trailing
// space, in small letters or repeated from above; the rest is filler.
struct Mix {
    std::string alphabet;  // UTF-8
    double empty;
    double shortWord;
    double longWord;
    double overlong;
    double odd;
};

std::vector<std::string> CraftedLines(const Mix& mix, std::uint32_t seed, std::size_t extraLines) {
    std::mt19937 engine(seed);
    const std::string alphabet = Utf8ToCp1251(mix.alphabet);
    const auto word = [&](std::size_t low, std::size_t high) {
        std::string text(low + engine() % (high - low + 1), ' ');
        for (auto& letter : text) letter = alphabet[engine() % alphabet.size()];
        return text;
    };
    std::vector<std::string> lines;
    while (lines.size() < kLines + extraLines) {
        // A one-letter word on line 11031, playable once a game when the
        // scan arrives there.
        if (lines.size() == kLines - 1) {
            lines.push_back(alphabet.substr(engine() % alphabet.size(), 1));
            continue;
        }
        double roll = std::uniform_real_distribution<double>(0, 1)(engine);
        if ((roll -= mix.empty) < 0) {
            lines.emplace_back();
        } else if ((roll -= mix.shortWord) < 0) {
            lines.push_back(word(1, 8));
        } else if ((roll -= mix.longWord) < 0) {
            lines.push_back(word(9, 20));
        } else if ((roll -= mix.overlong) < 0) {
            lines.push_back(word(21, 30));
        } else if ((roll -= mix.odd) < 0) {
            switch (engine() % 3) {
                case 0: lines.push_back(word(1, 8) + " "); break;
                case 1: lines.push_back(Utf8ToCp1251("ба")); break;
                default:
                    lines.push_back(lines.empty() ? word(1, 8) : lines[engine() % lines.size()]);
                    break;
            }
        } else {
            lines.emplace_back(kFiller);
        }
    }
    return lines;
}

void ExpectEveryPath(const Tally& tally) {
    for (const EntryResult result : {EntryResult::Accepted, EntryResult::LetterMissing,
                                     EntryResult::UnknownWord, EntryResult::AlreadyPlayed}) {
        EXPECT_GT(tally.entries.count(result) ? tally.entries.at(result) : 0, 20)
            << static_cast<int>(result);
    }
    EXPECT_GT(tally.passes, 100);
    EXPECT_GT(tally.endedByComputer, 20);
    EXPECT_GT(tally.lastLinePlayedAfterEnd, 5);
    std::cout << "entries accepted " << tally.entries.at(EntryResult::Accepted) << ", passes "
              << tally.passes << ", games ended by the computer " << tally.endedByComputer
              << ", line 11031 played after the end " << tally.lastLinePlayedAfterEnd << "\n";
}

struct CraftedCase {
    const char* name;
    Mix mix;
    const char* ending;
    std::size_t extraLines;
    int games;
};

TEST(ReferenceGame, CraftedBasesPlayTheSameGames) {
    const CraftedCase cases[] = {
        // Few letters: most short words fit, the computer always answers.
        {"dense", {"АБВГДЕ", 0.005, 0.55, 0.3, 0.03, 0.05}, "\r\n", 0, 300},
        // Many letters, mostly filler: games often end on the computer's move.
        {"sparse", {"АБВГДЕЖЗИКЛМНОП", 0.002, 0.06, 0.12, 0.01, 0.02}, "\r", 40, 300},
        // Hardly any short word: the scan often reaches line 11031.
        {"tail", {"АБВГДЕЖЗ", 0.01, 0.004, 0.15, 0.02, 0.01}, "\n", 40, 300},
    };
    testing::TempFolder dir;
    std::uint32_t seed = 1;
    Tally tally;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string> lines = CraftedLines(c.mix, seed, c.extraLines);
        const std::string path =
            dir.Write(std::string(c.name) + ".txt", JoinLines(lines, c.ending));
        PlayAlongside(path, lines, seed, c.games, tally);
        ++seed;
    }
    ExpectEveryPath(tally);
}

TEST(ReferenceGame, ARealisticBasePlaysTheSameGames) {
    testing::TempFolder dir;
    const std::vector<std::string> lines = SyntheticBaseLines(2024);
    const std::string path = dir.Write("wmbase.txt", JoinLines(lines));
    Tally tally;
    PlayAlongside(path, lines, 77, 500, tally);
    EXPECT_GT(tally.entries[EntryResult::Accepted], 500);
    EXPECT_GT(tally.endedByComputer, 20);
}

TEST(ReferenceGame, TheShippedBasePlaysTheSameGames) {
    const char* sourceDir = std::getenv("TORVEL_SOURCE_DIR");
    ASSERT_NE(sourceDir, nullptr) << "TORVEL_SOURCE_DIR is not set";
    const std::filesystem::path path = std::filesystem::path(sourceDir) / "assets" / "wmbase.txt";
    if (!std::filesystem::exists(path)) GTEST_SKIP() << "assets/wmbase.txt is not there yet";
    const std::vector<std::string> lines = SplitLines(ReadFileBytes(path.string()), kLines + 1000);
    ASSERT_GE(lines.size(), kLines);
    Tally tally;
    PlayAlongside(path.string(), lines, 4242, 1000, tally);
    EXPECT_GT(tally.entries[EntryResult::Accepted], 1000);
}

}  // namespace
}  // namespace torvel
