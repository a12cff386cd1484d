#pragma once
// Key codes, shift states and mouse buttons as the programs' event procedures receive them.

class QKeyEvent;

namespace platform::ui {

// Key codes of key down and key up events (the codes of the programs' key tables: letters and
// digits are their upper-case character codes).
constexpr int kKeyBack = 8;
constexpr int kKeyTab = 9;
constexpr int kKeyReturn = 13;
constexpr int kKeyShift = 16;
constexpr int kKeyControl = 17;
constexpr int kKeyMenu = 18; // Alt
constexpr int kKeyEscape = 27;
constexpr int kKeySpace = 32;
constexpr int kKeyPageUp = 33;
constexpr int kKeyPageDown = 34;
constexpr int kKeyEnd = 35;
constexpr int kKeyHome = 36;
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;
constexpr int kKeyInsert = 45;
constexpr int kKeyDelete = 46;
constexpr int kKeyF1 = 112; // F1 .. F12 are 112 .. 123

// Shift argument of key and mouse events: a sum of these.
constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

// Button argument of mouse events: the button pressed or released, or for a move the sum of the
// buttons held.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;

// The key code of a key event (0 when the key has none).
int keyCodeOf(const QKeyEvent& event);
// The shift argument of a key event.
int shiftOf(const QKeyEvent& event);
// The character code (a Windows-1252 byte, 1 .. 255) that a key press types, or 0 when it types
// none. Esc gives 27, Return 13, Backspace 8, Tab 9.
int keyAsciiOf(const QKeyEvent& event);

} // namespace platform::ui
