#pragma once
// Millisecond tick count and paced waits.

#include <cstdint>
#include <functional>

namespace platform::clock {

using Tick = std::int64_t;  // milliseconds

// The source of time for paced loops; tests substitute a manual one.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds from a monotonic clock.
    virtual Tick tickCount() = 0;
    // Returns once tickCount() >= tick, calling `whileWaiting` (the event pump) once on the way: a
    // paced loop wakes once per turn. A tick already reached returns at once after that one call.
    virtual void waitUntil(Tick tick, const std::function<void()>& whileWaiting = {}) = 0;
    // Waits for the player: lets window events run, waiting for them until `tick` at the latest,
    // and returns once some have run. `waitForEvents(ms)` waits up to ms for events and runs them.
    // A clock that does not run by itself (the tests' clocks) cannot wait for events: it calls
    // `pumpEvents` once and lets no time pass, since in a test nothing arrives but what the test
    // delivers there; loops that wait for the player therefore pace their turns with waitUntil too.
    virtual void waitForInput(Tick tick, const std::function<void()>& pumpEvents,
                              const std::function<void(Tick ms)>& waitForEvents);
};

// The real clock: std::chrono::steady_clock. A wait is one sleep to an absolute deadline on the
// monotonic clock; `whileWaiting` runs at its end, so the input that came while it slept is seen.
class SystemClock final : public Clock {
public:
    Tick tickCount() override;
    void waitUntil(Tick tick, const std::function<void()>& whileWaiting = {}) override;
    // Calls `waitForEvents` once with the milliseconds left (0 when the tick has passed); without
    // one, pumps once and sleeps to the tick.
    void waitForInput(Tick tick, const std::function<void()>& pumpEvents,
                      const std::function<void(Tick ms)>& waitForEvents) override;
};

// A clock for tests: time moves only when told; waitUntil jumps to the tick it waits for
// (after calling `whileWaiting` once, so input delivered there is seen).
class ManualClock final : public Clock {
public:
    explicit ManualClock(Tick start = 0) : m_now(start) {}
    Tick tickCount() override { return m_now; }
    void waitUntil(Tick tick, const std::function<void()>& whileWaiting = {}) override;
    void advance(Tick ms) { m_now += ms; }
    void set(Tick now) { m_now = now; }

private:
    Tick m_now;
};

// The program's clock (a SystemClock unless a test installed another).
Clock& systemClock();

// Makes `clock` the program's clock (it must outlive its use); nullptr restores the SystemClock.
void installClock(Clock* clock);

// Milliseconds of the program's clock.
Tick TickCount();

} // namespace platform::clock
