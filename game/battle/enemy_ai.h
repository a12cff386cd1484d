#pragma once
// The enemies' AI animations and each active enemy's behaviour step (filled by the scripts code).

#include "game/battle/battle.h"

namespace tolvar::battle {

void EnemyAiPhase(Battle& battle);
void EnemyBehaviour(Battle& battle, int e);

} // namespace tolvar::battle
