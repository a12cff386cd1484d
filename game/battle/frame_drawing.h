#pragma once
// The frame's figure and display drawing, called from the frame phases at the moments the battle
// draws them: the troop's flashes, the falling bodies, the troop's figures, the leader's medal,
// the status display, the menu's contents and the pointer. Everything lands on `MainFrame`.

#include "game/battle/battle.h"

namespace tolvar::battle {

// The muzzle flash of soldier i, 10 pixels ahead along its facing.
void drawMuzzleFlash(Battle& battle, int i);

// Enemy e falling, in the step of death stage `stage` (the stage the frame began in).
void drawDyingEnemy(Battle& battle, int e, int stage);

// The body of fallen soldier r (a `DeadSoldier` row), in the step of death stage `stage`.
void drawTroopBody(Battle& battle, int r, int stage);

// The troop's figures, higher soldiers first; each shot's recoil shows once.
void drawTroop(Battle& battle);

// The leader's rank medal above his head.
void drawLeaderMedal(Battle& battle);

// The roster panel with every soldier's name and medal.
void drawRosterPanel(Battle& battle);

// The status-bar button, or the soldier panel while it is open.
void drawStatusBar(Battle& battle);

// The in-game menu's buttons and switches, inside the open box at view point (mx, my).
void drawMenuContents(Battle& battle, double mx, double my);

// The mouse pointer at `MouseMapPoint`.
void drawPointer(Battle& battle);

} // namespace tolvar::battle
