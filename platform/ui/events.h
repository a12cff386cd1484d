#pragma once
// The event pump and the beep.

namespace platform::ui {

// Lets every pending window event run once (clicks, keys, repaints), then returns.
void doEvents();
// Waits until an event arrives or `maxMilliseconds` pass, then lets the pending events run.
// For loops that have nothing to do until the user acts.
void waitForEvents(int maxMilliseconds);
// The system's alert sound.
void beep();
// Number of beeps since the program started (lets tests see a beep).
int beepCount();

} // namespace platform::ui
