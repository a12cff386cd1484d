#pragma once
// Bullets in flight, the troop's hits on enemies and the fall of the dead.

#include "game/battle/battle.h"

namespace tolvar::battle {

// Counts a frame of a death animation (enemies and fallen soldiers alike) and moves it to its
// next stage when due; gives the stage the frame began in, whose step the figure shows. Stage 5
// lasts one frame and gives way to the final stage 6.
int countDeathStage(int& stage, int& timer);

// Every enemy: the troop's bullets that hit it, its behaviour while active and its fall while
// dying.
void EnemiesPhase(Battle& battle);

// The fallen soldiers' bodies.
void DeadSoldiersPhase(Battle& battle);

// Every bullet in flight: its step, the end of its range, walls, and its tracer.
void BulletsPhase(Battle& battle);

} // namespace tolvar::battle
