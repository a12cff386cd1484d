#pragma once
// The program's random numbers: one generator object per program, seedable for tests.

#include <cstdint>
#include <random>

namespace platform::clock {

class Random {
public:
    explicit Random(std::uint32_t seed = 1) : m_engine(seed) {}
    // Uniform in [0, 1).
    double rnd();
    // Seeds from the time of day.
    void randomize();
    void seed(std::uint32_t value) { m_engine.seed(value); }

private:
    std::mt19937 m_engine;
};

} // namespace platform::clock
