#pragma once
// One frame of the battle.

#include "game/battle/battle.h"

namespace tolvar::battle {

// Runs one frame: stamps `FrameStart`, starts from the clean map, runs the frame's phases and
// presents the view rectangle on `GameScreen`. It never ends the mission by itself: only the
// phases that decide victory, defeat or quitting set `MissionOver`.
void MainLoop(Battle& battle);

} // namespace tolvar::battle
