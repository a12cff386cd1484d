#pragma once
// The battle window's keys and mouse buttons. They only set the flags and fields that the next
// frame acts on; every effect on the battle happens inside the frame.

#include "game/battle/battle.h"

namespace tolvar::battle {

// The cursor position in the window's pixels, not clamped (outside the window it lies outside).
CursorPoint GetMousePos(Battle& battle);

// The map point under the cursor, moved by (dx, dy) and rounded; a window of no size counts as
// one pixel per map pixel.
struct MapPoint
{
    int x = 0;
    int y = 0;
};
MapPoint cursorMapPoint(Battle& battle, double dx = 0, double dy = 0);

// A key pressed: "E" ends the program, Esc opens or closes the menu (a waiting text then ends its
// wait), "M" switches the music, "S" the sound effects; any key acknowledges a waiting text.
void Form_KeyDown(Battle& battle, int keyCode);

// Mouse events on `GameScreen`, in the window's pixels; button 1 is the left one, 2 the right one.
void GameScreen_MouseDown(Battle& battle, int button, int x, int y);
void GameScreen_MouseMove(Battle& battle);
void GameScreen_MouseUp(Battle& battle, int button);

// At the end of every frame: the presses it has seen are no longer new, and a release that came
// before any frame saw its press takes effect now.
void applyDueReleases(BattleState& s);

} // namespace tolvar::battle
