#include "platform/clock/clock.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

namespace platform::clock {

namespace {

// Longest sleep between two polls: short enough that a wait ends well within a millisecond of
// its tick, long enough that a waiting loop leaves the processor idle.
constexpr std::chrono::microseconds kPollSleep{500};

std::atomic<Clock*> g_installed{nullptr};

} // namespace

Tick SystemClock::tickCount()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SystemClock::waitUntil(Tick tick, const std::function<void()>& whileWaiting)
{
    using namespace std::chrono;
    for (;;) {
        if (whileWaiting) {
            whileWaiting();
        }
        const auto now = steady_clock::now();
        const auto due = steady_clock::time_point(milliseconds(tick));
        if (now >= due) {
            return;
        }
        std::this_thread::sleep_for(std::min<steady_clock::duration>(kPollSleep, due - now));
    }
}

void ManualClock::waitUntil(Tick tick, const std::function<void()>& whileWaiting)
{
    if (whileWaiting) {
        whileWaiting();
    }
    m_now = std::max(m_now, tick);
}

Clock& systemClock()
{
    static SystemClock real;
    Clock* installed = g_installed.load(std::memory_order_acquire);
    return installed != nullptr ? *installed : real;
}

void installClock(Clock* clock)
{
    g_installed.store(clock, std::memory_order_release);
}

Tick TickCount()
{
    return systemClock().tickCount();
}

} // namespace platform::clock
