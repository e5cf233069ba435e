// How many words a player can make from the source words a word base yields:
// draws source words as the game does and, for each, counts the distinct words
// of lines 1 to 11031 whose letters it can supply (itself and the empty line
// not counted). Prints the median, minimum, mean and maximum.
//
//   wordbase_stats [wmbase.txt] [draws] [seed]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <set>
#include <string>
#include <vector>

#include "common/cp1251.h"
#include "game/seeded_random.h"
#include "game/word_base.h"

int main(int argc, char** argv) {
    using torvel::WordBase;
    const std::string path = argc > 1 ? argv[1] : "wmbase.txt";
    const int draws = argc > 2 ? std::atoi(argv[2]) : 1000;
    const unsigned long seed = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 1;
    if (draws <= 0) {
        std::fprintf(stderr, "draws must be a positive number\n");
        return 2;
    }
    try {
        WordBase base(path);
        torvel::SeededRandom random(seed);
        std::vector<std::size_t> counts;
        std::string fewest;
        for (int draw = 0; draw < draws; ++draw) {
            const std::string source = base.DrawSourceWord(random);
            std::set<std::string> words;
            for (const int line : base.FittingLines(source)) words.insert(base.Line(line));
            words.erase(source);
            words.erase("");
            if (counts.empty() || words.size() < *std::min_element(counts.begin(), counts.end())) {
                fewest = source;
            }
            counts.push_back(words.size());
        }
        std::vector<std::size_t> sorted = counts;
        std::sort(sorted.begin(), sorted.end());
        double sum = 0;
        for (const std::size_t count : sorted) sum += static_cast<double>(count);
        const std::size_t middle = sorted.size() / 2;
        const double median = sorted.size() % 2 == 1
                                  ? static_cast<double>(sorted[middle])
                                  : (static_cast<double>(sorted[middle - 1] + sorted[middle])) / 2;
        std::printf("%s: %d source words drawn (seed %lu)\n", path.c_str(), draws, seed);
        std::printf(
            "playable words per source word: median %g, minimum %zu (%s), mean %.1f, maximum %zu\n",
            median, sorted.front(), torvel::Cp1251ToUtf8(fewest).c_str(),
            sum / static_cast<double>(sorted.size()), sorted.back());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
