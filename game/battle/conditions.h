#pragma once
// The mission's conditions: each holds up to ten If lines, all of which must hold, and up to ten
// Do lines carried out when they do, once or in every frame while they hold. They start and stop
// the scripted and AI animations, show texts, kill the leader, destroy objects and decide the
// mission.

#include "game/battle/battle.h"

namespace tolvar::battle {

// Run-once values of a condition (`MissionCondOnce`).
inline constexpr int CondRepeats = 0;
inline constexpr int CondOnce = 1;
inline constexpr int CondDone = 2; // a run-once condition that has acted

// Every evaluated condition 1..100 in order: its If lines are tested and, when all hold, its Do
// lines are carried out in order in this frame.
void ConditionsPhase(Battle& battle);

} // namespace tolvar::battle
