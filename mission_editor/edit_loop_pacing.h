#pragma once
// The pace of the editor's edit loop. Every turn applies the mouse to the map, lets the window's
// events run and redraws; this decides how long the event step of a turn lasts. With no button
// held nothing can change until the author acts, so the turn waits for the next event. With a
// button held the mouse edit repeats on every turn, so turns come no oftener than a change can be
// seen: the event step runs the events as they arrive until HeldTurnLength milliseconds after
// the turn began.

#include "platform/clock/clock.h"

#include <functional>

namespace plotwright {

// Shortest turn while a mouse button is held, in milliseconds.
inline constexpr int HeldTurnLength = 5;
// Longest wait of a turn with no button held; any event ends it at once.
inline constexpr int IdleWaitLimit = 100;

class EditLoopPacing
{
public:
    // Lets the pending window events run, after waiting at most `maxMilliseconds` for one to come
    // (0: no wait).
    using EventWait = std::function<void(int maxMilliseconds)>;

    // The program's clock and the window system's events.
    EditLoopPacing();
    EditLoopPacing(platform::clock::Clock& clock, EventWait wait);

    // A turn begins (before its mouse edit).
    void turnBegins();
    // The event step of the turn. `buttonHeld`: a mouse button is held, so the next turn edits
    // the map again.
    void letEventsRun(bool buttonHeld);

private:
    platform::clock::Clock* m_clock;
    EventWait m_wait;
    platform::clock::Tick m_turnStart = 0;
};

} // namespace plotwright
