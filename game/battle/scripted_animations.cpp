#include "game/battle/scripted_animations.h"

namespace tolvar::battle {

// Filled by the scripts code.
void ScriptedAnimationsPhase(Battle&) {}

} // namespace tolvar::battle
