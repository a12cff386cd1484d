#pragma once
// One frame of the battle.

#include "game/battle/battle.h"

namespace tolvar::battle {

// Runs one frame: stamps `FrameStart`, runs the frame's phases, composing the view rectangle on
// the clean map once the camera has moved, and presents it on `GameScreen`. It never ends the
// mission by itself: only the phases that decide victory, defeat or quitting set `MissionOver`.
void MainLoop(Battle& battle);

} // namespace tolvar::battle
