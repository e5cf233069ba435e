// A random source that plays back given numbers and logs how it was used.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "game/random_source.h"

namespace torvel {

class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> numbers = {}) : m_numbers(std::move(numbers)) {}

    void Add(std::vector<double> numbers) {
        m_numbers.insert(m_numbers.end(), numbers.begin(), numbers.end());
    }

    void Reseed() override { m_log += 'R'; }

    double Next() override {
        // Running out means the code drew more numbers than the test expects.
        if (m_next == m_numbers.size()) throw std::logic_error("no scripted random number left");
        m_log += 'N';
        return m_numbers[m_next++];
    }

    // 'R' for each reseed, 'N' for each number drawn, in order.
    const std::string& log() const { return m_log; }
    std::size_t left() const { return m_numbers.size() - m_next; }

private:
    std::vector<double> m_numbers;
    std::size_t m_next = 0;
    std::string m_log;
};

}  // namespace torvel
