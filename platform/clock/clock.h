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
    // Returns once tickCount() >= tick. Calls `whileWaiting` (the event pump) between polls, at
    // least once, and yields the processor between polls so that a waiting loop costs next to
    // nothing. A tick already reached returns at once after one call of `whileWaiting`.
    virtual void waitUntil(Tick tick, const std::function<void()>& whileWaiting = {}) = 0;
};

// The real clock: std::chrono::steady_clock; sleeps well under a millisecond between polls.
class SystemClock final : public Clock {
public:
    Tick tickCount() override;
    void waitUntil(Tick tick, const std::function<void()>& whileWaiting = {}) override;
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
