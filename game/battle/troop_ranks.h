#pragma once
// Kill tallies and ranks of the troop, carried from one mission to the next through the roster.

#include "game/battle/battle_state.h"
#include "game/game_state.h"

#include <string>

namespace tolvar::battle {

// Rank 1..18 from a kill tally: one rank per 8 kills, from 1 for no kill to 18 at 136.
float medalLevelFor(const std::string& tally);

// Adds each troop slot's kills of the mission just played to the tally of its soldier's roster
// row (one row per slot, the first of its name not yet credited), then empties the kills. Slots
// without a name credit nobody; after a campaign start nothing is credited.
void addKillTallies(GameState& game, BattleState& state);

// Names and ranks the troop of the coming mission from the first `TroopCount` rows of the roster.
void nameTroop(const GameState& game, BattleState& state);

} // namespace tolvar::battle
