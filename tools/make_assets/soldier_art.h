#pragma once
// The soldier sheet: every pose of the troop and the enemies, one row per team uniform.

#include "tools/make_assets/canvas.h"

namespace assets {

constexpr int kSoldierCellW = 14;
constexpr int kSoldierCellH = 20;
constexpr int kSoldierPitchX = 15;
constexpr int kSoldierPitchY = 21;
constexpr int kSoldierColumns = 60; // the reload cells in water reach column 41 + 19
constexpr int kTeams = 5;

// One pose of one team as a sprite (kClear = see-through); column as the game numbers it (1..60).
Canvas soldierCell(int team, int column);
// The whole sheet: silhouette row at y 1, team t's row at y 1 + 21 t.
Canvas soldierSheet();

} // namespace assets
