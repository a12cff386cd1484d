#pragma once
// The mission's scripted animations, run once per frame (filled by the scripts code).

#include "game/battle/battle.h"

namespace tolvar::battle {

void ScriptedAnimationsPhase(Battle& battle);

} // namespace tolvar::battle
