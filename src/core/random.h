#pragma once

#include <cstdint>
#include <random>

namespace vud {

// Uniform fractions in [0, 1), the source of every random choice the programs
// make. Each program's main() owns one and hands it to what draws from it;
// tests hand over a scripted source instead.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double nextFraction() = 0;
    // Starts a new sequence from the clock.
    virtual void seedFromClock() = 0;

    // The whole part of a fraction times count: 0 .. count - 1.
    int below(int count);
};

// A Mersenne Twister that starts from a fixed seed, so that a program that
// never seeds it sees the same sequence at every start.
class StandardRandom : public RandomSource
{
public:
    explicit StandardRandom(std::uint32_t seed = 5489u);
    double nextFraction() override;
    void seedFromClock() override;

private:
    std::mt19937 m_engine;
};

} // namespace vud
