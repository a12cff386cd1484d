#pragma once
// A burst barrel: the blast around it and the wreck it throws, which kills whoever it lands on.

#include "game/battle/battle.h"
#include "game/battle/battle_sheets.h"

namespace tolvar::battle {

// Wreck flight phases (`ObjPhase` of a burst barrel).
inline constexpr int WreckRising = 1;
inline constexpr int WreckFalling = 2;
inline constexpr int WreckLanded = 3;
inline constexpr int WreckOver = 4;

// The barrel at index `ob` (object number - 1) bursts: the wreck's flight starts, and every active
// enemy and living soldier next to it dies.
void burstBarrel(Battle& battle, int ob);

// One frame of the burst barrel at index `ob`: its blast, then the wreck's flight and landing.
void burstBarrelFrame(Battle& battle, int ob, const BattleSheets& sprites);

// Enemy e falls as a shot enemy does, with no shooter to credit.
void blowUpEnemy(Battle& battle, int e);

} // namespace tolvar::battle
