// A reproducible random source, for tests, benchmarks and tools.
#include "game/seeded_random.h"

#include "game/unit_interval.h"

namespace torvel {

SeededRandom::SeededRandom(std::uint64_t seed) : m_seed(seed), m_engine(seed) {}

void SeededRandom::Reseed() {
    ++m_reseeds;
    // The golden-ratio step spreads consecutive stream numbers over the seed space.
    m_engine.seed(m_seed + m_reseeds * 0x9E3779B97F4A7C15ULL);
}

double SeededRandom::Next() { return UnitInterval(m_engine()); }

}  // namespace torvel
