#include "platform/clock/clock.h"

#include <gtest/gtest.h>

#include <vector>

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

TEST(SystemClock, WaitUntilReachesTheTickAndPumpsWhileWaiting)
{
    SystemClock clock;
    const Tick start = clock.tickCount();
    int pumps = 0;
    clock.waitUntil(start + 20, [&] { ++pumps; });
    EXPECT_GE(clock.tickCount(), start + 20);
    EXPECT_GT(pumps, 1);

    pumps = 0;
    clock.waitUntil(start - 1000, [&] { ++pumps; });
    EXPECT_EQ(pumps, 1);

    const Tick later = clock.tickCount();
    EXPECT_GE(later, start + 20);
    clock.waitUntil(later + 2);
    EXPECT_GE(clock.tickCount(), later + 2);
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
