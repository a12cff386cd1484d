#pragma once
// The in-game menu: a 200 x 200 box in the middle of the view that opens from its centre, holds
// the music track buttons, the music, sound and random-track switches, quit, resume and play, and
// closes back to a line. The battle stands still while it is open.

#include "game/battle/battle.h"

namespace tolvar::battle {

// The menu's frame step: opening, the box, its contents and buttons, closing, and the pointer.
void MenuPhase(Battle& battle);

// Loads music track n (1..10) and starts it.
void loadAndStartTrack(Battle& battle, int track);

// The menu box's origin in view pixels.
double menuOriginX(const GameState& game);
double menuOriginY(const GameState& game);

} // namespace tolvar::battle
