#include "platform/clock/random.h"

#include <chrono>

namespace platform::clock {

double Random::rnd()
{
    // One 32-bit draw scaled by 2^-32: exact in a double, so the largest result is
    // 1 - 2^-32 and 1.0 itself can never come out.
    return static_cast<double>(m_engine()) * (1.0 / 4294967296.0);
}

void Random::randomize()
{
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    const auto ns = static_cast<std::uint64_t>(duration_cast<nanoseconds>(now).count());
    m_engine.seed(static_cast<std::uint32_t>(ns ^ (ns >> 32)));
}

} // namespace platform::clock
