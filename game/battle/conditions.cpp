#include "game/battle/conditions.h"

namespace tolvar::battle {

// Filled by the scripts code.
void ConditionsPhase(Battle&) {}

} // namespace tolvar::battle
