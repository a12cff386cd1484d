#pragma once
// The mission's scripted animations: timed task lines that take the troop out of the player's
// hands, walk it, point it, make it fire, show the leader's speech or a message, end the mission
// or hand control back. Only the conditions start and stop them.

#include "game/battle/battle.h"

#include <string_view>

namespace tolvar::battle {

// Animation states (`AnimState`).
inline constexpr int AnimEmpty = 0;
inline constexpr int AnimRunning = 1;
inline constexpr int AnimEnded = 2;
inline constexpr int AnimIdle = 4; // loaded and not running

// One frame of every running animation 1..40: its clock advances by a frame (ten frames make a
// tick) and its task lines due in this tick run in line order.
void ScriptedAnimationsPhase(Battle& battle);

// The first loaded animation slot of that name (letter case ignored), 0 when there is none.
int FindAnimation(const BattleState& s, std::string_view name);

// Starts the loaded animation of that name (letter case ignored) unless it is running: it takes
// the troop from the player and plays from tick 0, every line armed again.
void StartAnimation(Battle& battle, std::string_view name);

// Stops the animation of that name if it is running and arms its lines again; control returns to
// the player once no animation runs, also when no animation of that name exists.
void StopAnimation(Battle& battle, std::string_view name);

} // namespace tolvar::battle
