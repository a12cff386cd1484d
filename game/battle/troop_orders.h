#pragma once
// The troop: the player's fire and move orders, the file the followers walk in, walking, a
// soldier's death and the reload, turn and muzzle flash of every living soldier.

#include "game/battle/battle.h"

namespace tolvar::battle {

// Carries out the fire order when `FireHeld` is set, then the move order when `MoveOrder` is set.
// Scripts call it with the flags, `AimX`, `AimY` and `MouseMapPoint` set by them.
void TroopOrders(Battle& battle);

// Every soldier's fire cooldown runs down by a frame.
void CooldownPhase(BattleState& s);

// The followers walk along the leader's trail.
void FormationPhase(BattleState& s);

// Every living soldier: its walking step, the enemy bullets that hit it and the ground under it.
void SoldiersPhase(Battle& battle);

// The death of troop slot i: its body starts falling, its name leaves the campaign's roster and
// the soldiers behind it move up a slot, so slot 1 leads again.
void KillDoll(Battle& battle, int i);

// Every living soldier, last slot first: reloading, turning, the direction cell and, for a soldier
// who has just fired, the troop's turn to the aim and the muzzle flash.
void LivingSoldiersPhase(Battle& battle);

// The soldier panel's reload buttons. Each reload costs one clip, taken when it completes.
// Pooled: every spare clip of the troop is gathered; a soldier already reloading keeps one for it,
// every soldier with an empty clip starts reloading with one from the pool while it lasts, and
// what is left is dealt out one clip at a time from slot 1 on.
void reloadFromPooledClips(BattleState& s);
// Every soldier whose clip is empty and who has a spare one starts reloading.
void reloadEmptySoldiers(BattleState& s);

// The reload cells in the order they are shown, two digits per frame step.
inline constexpr const char* ReloadSequence = "282930313232323029333433";

} // namespace tolvar::battle
