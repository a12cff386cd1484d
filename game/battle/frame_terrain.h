#pragma once
// The ground under the figures, walking against the collision picture, and the camera.

#include "game/battle/battle.h"

#include <string_view>

namespace tolvar::battle {

// Kind (1 land, 2 water) and walking speed of a tile code; codes of no terrain class are land at
// speed 1.0.
struct Terrain
{
    int kind = 1;
    float speed = 1.0f;
};
Terrain terrainOf(std::string_view tileCode);

// The terrain under soldier i, set after its walking step; off the map's top or left it keeps
// what it had.
void soldierTerrain(BattleState& s, int i);

// The terrain under every enemy 1..50.
void EnemyTerrainPhase(BattleState& s);

// One step of `speed` map pixels along whole degree `dir`, the x axis first: an axis takes its new
// value only where `ColMap` is white there. A point at x <= 0 or y <= 0 moves without a test.
void walkStep(const BattleState& s, float& x, float& y, int dir, float speed);

// Keeps the view inside the map, then follows the leader by a pixel per axis.
void CameraPhase(Battle& battle);

} // namespace tolvar::battle
