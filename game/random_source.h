// Where the game takes its random numbers from.
#pragma once

namespace torvel {

// A uniform generator over [0, 1). The game reseeds it once per started game,
// before the source word is drawn; the computer's moves only draw from it.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // A fresh sequence for a new game.
    virtual void Reseed() = 0;

    // The next number, at least 0 and below 1.
    virtual double Next() = 0;
};

}  // namespace torvel
