#pragma once
// What the battle screen prepares once, the first time it is shown: the angle tables, the sprite
// offsets, the sheets and the frame buffers.

#include "game/battle/battle.h"
#include "game/battle/battle_state.h"

#include <string>

namespace tolvar::battle {

// Sine and cosine of every whole degree 0..360.
void buildAngleTables(BattleState& state);

// Prepares the battle once: angle tables, offsets, tile size, the ten sheets from the data
// folder's "arquivos/grafico/", and the frame and view buffers. Gives the message naming a
// bitmap that could not be loaded, or an empty text.
std::string prepareBattle(Battle& battle);

} // namespace tolvar::battle
