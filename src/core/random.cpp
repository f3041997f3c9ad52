#include "core/random.h"

#include <chrono>

namespace vud {

int RandomSource::below(int count)
{
    if (count <= 0)
        return 0;
    const int value = static_cast<int>(nextFraction() * count);
    return value < count ? value : count - 1;
}

StandardRandom::StandardRandom(std::uint32_t seed)
    : m_engine(seed)
{
}

double StandardRandom::nextFraction()
{
    // 53 random bits give every double in [0, 1) with a step of 2^-53.
    const std::uint64_t high = m_engine() >> 5;
    const std::uint64_t low = m_engine() >> 6;
    return (double(high) * 67108864.0 + double(low)) / 9007199254740992.0;
}

void StandardRandom::seedFromClock()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_engine.seed(static_cast<std::uint32_t>(now ^ (now >> 32)));
}

} // namespace vud
