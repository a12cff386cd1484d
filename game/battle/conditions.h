#pragma once
// The mission's conditions, evaluated once per frame (filled by the scripts code).

#include "game/battle/battle.h"

namespace tolvar::battle {

void ConditionsPhase(Battle& battle);

} // namespace tolvar::battle
