#pragma once
// The map objects (barrels, mines, suitcases, crates): their hits by bullets, their blasts and
// wrecks, what they do to the soldiers who walk onto them, and the move-order marker.

#include "game/battle/battle.h"

namespace tolvar::battle {

// Object kinds (`ObjKind`).
inline constexpr int BarrelKind = 1;
inline constexpr int MineKind = 2;
inline constexpr int SuitcaseKind = 3;
inline constexpr int CrateKind = 4;

// The value of an object's `ObjTouch` once a soldier has walked onto it while it was intact.
inline constexpr int TouchedMark = 7;

// One frame of every object 1..50, in order: bullets that hit it, its blast and wreck, the
// soldiers on it; each is drawn onto `MainFrame` as it stands.
void ObjectsPhase(Battle& battle);

// The move-order marker: its next frame while it runs, then hidden until the next move order.
void MoveMarkerPhase(Battle& battle);

// Sets off object `o` (1..50, the row of `ObjectRaw`) if it is still intact: a barrel or a crate
// bursts, a mine goes off, a suitcase vanishes. The frame's object phase shows the rest.
void DestroyObject(Battle& battle, int o);

} // namespace tolvar::battle
