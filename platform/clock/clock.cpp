#include "platform/clock/clock.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <thread>

namespace platform::clock {

namespace {

std::atomic<Clock*> g_installed{nullptr};

// Sleeps until the monotonic clock reads `tick` milliseconds, in one sleep to that absolute
// deadline (a signal that cuts it short sleeps again to the same deadline).
void sleepUntil(Tick tick)
{
#if defined(__unix__) && defined(CLOCK_MONOTONIC)
    // steady_clock reads CLOCK_MONOTONIC here, so the tick is a deadline on that clock.
    const timespec due{static_cast<time_t>(tick / 1000), static_cast<long>(tick % 1000) * 1'000'000L};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &due, nullptr) == EINTR) {
    }
#else
    std::this_thread::sleep_until(std::chrono::steady_clock::time_point(std::chrono::milliseconds(tick)));
#endif
}

} // namespace

void Clock::waitForInput(Tick, const std::function<void()>& pumpEvents, const std::function<void(Tick)>&)
{
    if (pumpEvents) {
        pumpEvents();
    }
}

Tick SystemClock::tickCount()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SystemClock::waitUntil(Tick tick, const std::function<void()>& whileWaiting)
{
    if (tickCount() < tick) {
        sleepUntil(tick);
    }
    if (whileWaiting) {
        whileWaiting();
    }
}

void SystemClock::waitForInput(Tick tick, const std::function<void()>& pumpEvents,
                               const std::function<void(Tick)>& waitForEvents)
{
    if (waitForEvents) {
        waitForEvents(std::max<Tick>(0, tick - tickCount()));
    } else {
        waitUntil(tick, pumpEvents);
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
