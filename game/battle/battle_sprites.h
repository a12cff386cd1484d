#pragma once
// The figures of the battle drawn onto `MainFrame` during the frame: enemies and their flashes,
// falling enemies and troop bodies, the troop's flashes, the troop's figures sorted by height on
// the map, the leader's rank medal and the mouse pointer. Each call draws over what is already
// there, so the frame's phase order decides what covers what.

#include "game/battle/battle.h"
#include "game/battle/battle_sheets.h"

namespace tolvar::battle {

// Direction cell 1..9 of an angle (9 is east again, from 337.5 degrees).
int directionCell(double angle);

// The flash of enemy e's shot, 10 pixels ahead along `angle`: its `AimFacing` for a scripted
// shot, its `Heading` for a shot at a soldier.
void drawEnemyShotFlash(Battle& battle, const BattleSheets& sheets, int e, float angle);

// Enemy e standing or walking, turned towards its aim while firing, else along its heading.
void drawEnemySprite(Battle& battle, const BattleSheets& sheets, int e);

// One frame of enemy e's fall in death stage `stage` (the stage the frame began in): flung up and
// back down in stages 1 and 2, lying in 3, blinking in 4, nothing from 5 on.
void drawDyingEnemySprite(Battle& battle, const BattleSheets& sheets, int e, int stage);

// One frame of the body of fallen soldier r (a `DeadSoldier` row) in death stage `stage`: it
// drifts left while it rises and falls back, then lies and blinks like an enemy's. In water the
// water cell shows under it.
void drawTroopBodySprite(Battle& battle, const BattleSheets& sheets, int r, int stage);

// Soldier i's muzzle flash, 10 pixels ahead along his facing.
void drawTroopFlash(Battle& battle, const BattleSheets& sheets, int i);

// The troop's figures, higher soldiers first so that lower ones cover them: the walking or
// standing figure (with a shot's one-pixel recoil, shown once), the reloading figure, or the
// victory figure once the mission is won. Clears every `JustFired`.
void drawTroopSprites(Battle& battle, const BattleSheets& sheets);

// The leader's rank medal above his head.
void drawLeaderMedalSprite(Battle& battle, const BattleSheets& sheets);

// The mouse pointer of `PointerKind` at `MouseMapPoint`.
void drawPointerSprite(Battle& battle, const BattleSheets& sheets);

} // namespace tolvar::battle
