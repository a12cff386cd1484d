#pragma once
// The head-up display drawn over the battle in view positions (the camera's offset added, so it
// stands still on the screen): the roster panel, the status-bar button with the soldier panel, and
// the contents of the in-game menu.

#include "game/battle/battle.h"
#include "game/battle/battle_sheets.h"

namespace tolvar::battle {

// The roster panel: a black box with one 12-pixel row per soldier: team glyph, rank medal, name,
// rounds left in the clip and one glyph per spare clip.
void drawRosterDisplay(Battle& battle, const BattleSheets& sheets);

// The status-bar button at the top left; while the soldier panel is open (`PointerMode` "14") the
// panel's box and its three buttons below it.
void drawStatusBarDisplay(Battle& battle, const BattleSheets& sheets);

// The open menu's buttons and switches; (mx, my) is the menu's origin in view pixels.
void drawMenuDisplay(Battle& battle, const BattleSheets& sheets, double mx, double my);

} // namespace tolvar::battle
