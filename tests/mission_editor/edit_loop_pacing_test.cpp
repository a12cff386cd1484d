// How long the edit loop's event step lasts: idle turns wait for the next event, turns with a
// button held come a few milliseconds apart.

#include "mission_editor/edit_loop_pacing.h"

#include "platform/clock/clock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace plotwright;

TEST(EditLoopPacing, WaitsForEventsWhenIdleAndPacesTurnsWhileAButtonIsHeld)
{
    struct Case
    {
        const char* name;
        bool held;
        int editMilliseconds;   // how long the turn's mouse edit took
        int eventArrivesAfter;  // a wait ends after this long at most (an event came)
        std::vector<int> waits; // the limits of the waits for events, in order
        int turnLength;
    };
    const Case cases[] = {
        {"idle", false, 0, 1000, {IdleWaitLimit}, IdleWaitLimit},
        {"idle, an event comes", false, 0, 3, {IdleWaitLimit}, 3},
        {"held", true, 0, 1000, {0, 5}, 5},
        {"held, a slow edit", true, 2, 1000, {0, 3}, 5},
        {"held, a late edit", true, 7, 1000, {0}, 7},
        {"held, events keep coming", true, 0, 2, {0, 5, 3, 1}, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform::clock::ManualClock clock(1000);
        std::vector<int> waits;
        EditLoopPacing pacing(clock, [&](int limit) {
            waits.push_back(limit);
            clock.advance(std::min(limit, c.eventArrivesAfter));
        });
        pacing.turnBegins();
        clock.advance(c.editMilliseconds);
        pacing.letEventsRun(c.held);
        EXPECT_EQ(waits, c.waits);
        EXPECT_EQ(clock.tickCount() - 1000, c.turnLength);
    }
}
