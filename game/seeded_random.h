// A reproducible random source, for tests, benchmarks and tools.
#pragma once

#include <cstdint>
#include <random>

#include "game/random_source.h"

namespace torvel {

// The whole sequence follows from the seed. Each Reseed() starts a new stream
// derived from the seed and the number of reseeds so far, so two sources with
// the same seed stay in step only while they are used in the same order.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed);

    void Reseed() override;
    double Next() override;

private:
    std::uint64_t m_seed;
    std::uint64_t m_reseeds = 0;
    std::mt19937_64 m_engine;
};

}  // namespace torvel
