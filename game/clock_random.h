// The random source of the real game: seeded from the clock.
#pragma once

#include <random>

#include "game/random_source.h"

namespace torvel {

class ClockRandom final : public RandomSource {
public:
    ClockRandom();

    // Seeds from the current time, so each game draws differently.
    void Reseed() override;
    double Next() override;

private:
    std::mt19937_64 m_engine;
};

}  // namespace torvel
