#pragma once
// The enemies' AI animations (each enemy's own timed task lines: walking, pointing, firing at a
// cell, speaking, ending the mission) and the behaviour every living enemy follows each frame:
// noticing the troop, walking at a soldier or firing at him, scripted shots and walking.

#include "game/battle/battle.h"

namespace tolvar::battle {

// AI animation states of an enemy (`AiState`).
inline constexpr int AiNotStarted = 0;
inline constexpr int AiRunningState = 1;
inline constexpr int AiEnded = 2;

// Every living enemy 1..50 in order: the AI animation that is due to start starts with a fresh
// copy of its lines and a fresh clock, then a running one advances by a frame (ten frames make a
// tick) and runs its lines due in this tick.
void EnemyAiPhase(Battle& battle);

// One frame of living enemy e's behaviour: noticing, its fire delay, scripted shots, shots at the
// troop, walking to its target, and its figure drawn onto `MainFrame` over its shot's flash.
void EnemyBehaviour(Battle& battle, int e);

} // namespace tolvar::battle
