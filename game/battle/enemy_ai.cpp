#include "game/battle/enemy_ai.h"

namespace tolvar::battle {

// Filled by the scripts code.
void EnemyAiPhase(Battle&) {}
void EnemyBehaviour(Battle&, int) {}

} // namespace tolvar::battle
