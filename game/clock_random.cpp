// The random source of the real game: seeded from the clock.
#include "game/clock_random.h"

#include <chrono>
#include <cstdint>

#include "game/unit_interval.h"

namespace torvel {

ClockRandom::ClockRandom() { Reseed(); }

void ClockRandom::Reseed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    m_engine.seed(static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

double ClockRandom::Next() { return UnitInterval(m_engine()); }

}  // namespace torvel
