#include "platform/clock/clock.h"

#include <gtest/gtest.h>

#include <vector>

#include <sys/resource.h>

using namespace platform::clock;

namespace {

TEST(ManualClock, WaitUntilPumpsOnceThenJumpsToTheTick)
{
    ManualClock clock(100);
    int pumps = 0;
    const auto pump = [&] { ++pumps; };

    clock.waitUntil(130, pump);
    EXPECT_EQ(clock.tickCount(), 130);
    EXPECT_EQ(pumps, 1);

    // A tick already reached returns at once, without moving time back.
    clock.waitUntil(120, pump);
    EXPECT_EQ(clock.tickCount(), 130);
    EXPECT_EQ(pumps, 2);

    // Time the pump spends (input handled there) counts.
    clock.waitUntil(140, [&] { clock.advance(25); });
    EXPECT_EQ(clock.tickCount(), 155);

    clock.waitUntil(160);
    EXPECT_EQ(clock.tickCount(), 160);
    clock.set(5);
    EXPECT_EQ(clock.tickCount(), 5);
}

// The battle's paced loop: each frame starts at the earliest 30 ms after the start of the
// previous one; time spent in the frame counts, and a late frame is followed at once.
TEST(ManualClock, PacedLoopKeepsThirtyMillisecondTurns)
{
    ManualClock clock(1000);
    const std::vector<Tick> frameLengths = {5, 50, 30, 0, 29, 31, 10};
    const std::vector<Tick> expectedWaits = {30, 25, 0, 0, 30, 1, 0};
    std::vector<Tick> waits;
    std::vector<Tick> starts;

    Tick frameStart = clock.tickCount();
    for (const Tick length : frameLengths) {
        const Tick before = clock.tickCount();
        clock.waitUntil(frameStart + 30);
        waits.push_back(clock.tickCount() - before);
        frameStart = clock.tickCount();
        starts.push_back(frameStart);
        clock.advance(length);
    }
    EXPECT_EQ(waits, expectedWaits);
    EXPECT_EQ(starts, (std::vector<Tick>{1030, 1060, 1110, 1140, 1170, 1200, 1231}));
}

// Voluntary context switches of the calling thread: one per sleep.
long wakeUps()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_nvcsw;
}

// A paced wait sleeps to its tick in one sleep, however far the tick, and then pumps once, so
// that what the player did during the sleep is seen at once.
TEST(SystemClock, WaitUntilPumpsOnceAndSleepsToTheTick)
{
    SystemClock clock;
    const Tick start = clock.tickCount();
    int pumps = 0;
    Tick pumpedAt = 0;
    const long before = wakeUps();
    clock.waitUntil(start + 25, [&] {
        ++pumps;
        pumpedAt = clock.tickCount();
    });
    const long woken = wakeUps() - before;
    EXPECT_GE(clock.tickCount(), start + 25);
    EXPECT_EQ(pumps, 1);
    EXPECT_GE(pumpedAt, start + 25) << "the events were pumped before the sleep";
    EXPECT_LE(woken, 2) << "a wait that polls wakes up many times";

    pumps = 0;
    const Tick now = clock.tickCount();
    clock.waitUntil(now - 1000, [&] { ++pumps; });
    EXPECT_EQ(pumps, 1);
    EXPECT_LT(clock.tickCount(), now + 1000);

    const Tick later = clock.tickCount();
    clock.waitUntil(later + 2);
    EXPECT_GE(clock.tickCount(), later + 2);
}

// Waiting for the player: the real clock hands the whole time left to the event wait; a manual
// clock pumps once and lets no time pass.
TEST(SystemClock, WaitForInputHandsTheTimeLeftToTheEventWait)
{
    SystemClock clock;
    int pumps = 0;
    std::vector<Tick> waits;
    const auto pump = [&] { ++pumps; };
    const auto wait = [&](Tick ms) { waits.push_back(ms); };

    const Tick now = clock.tickCount();
    clock.waitForInput(now + 500, pump, wait);
    clock.waitForInput(now - 5, pump, wait);
    ASSERT_EQ(waits.size(), 2u);
    EXPECT_GE(waits[0], 490);
    EXPECT_LE(waits[0], 500);
    EXPECT_EQ(waits[1], 0);
    EXPECT_EQ(pumps, 0);

    // Without an event wait it pumps and sleeps to the tick.
    const Tick start = clock.tickCount();
    clock.waitForInput(start + 10, pump, {});
    EXPECT_EQ(pumps, 1);
    EXPECT_GE(clock.tickCount(), start + 10);

    ManualClock manual(100);
    manual.waitForInput(400, pump, wait);
    EXPECT_EQ(pumps, 2);
    EXPECT_EQ(waits.size(), 2u);
    EXPECT_EQ(manual.tickCount(), 100);
}

TEST(SystemClock, ProgramClockCanBeReplaced)
{
    ManualClock manual(42);
    installClock(&manual);
    EXPECT_EQ(&systemClock(), &manual);
    EXPECT_EQ(TickCount(), 42);
    manual.advance(8);
    EXPECT_EQ(TickCount(), 50);
    installClock(nullptr);

    EXPECT_NE(&systemClock(), &manual);
    const Tick a = TickCount();
    const Tick b = TickCount();
    EXPECT_LE(a, b);
}

} // namespace
