#pragma once
// Connects the battle window's keys, mouse and cursor to the battle's input logic.

#include "game/battle/battle.h"
#include "platform/ui/form.h"
#include "platform/ui/picture_box.h"

namespace tolvar::battle {

// Keys typed on `form` and mouse events on `screen` reach the battle's input handlers; the frame
// reads the cursor relative to `screen`, and a text on screen lets the window's events run while
// it is typed and waits for them while it is held.
void connectBattleInput(platform::ui::Form& form, platform::ui::PictureBox& screen, Battle& battle);

} // namespace tolvar::battle
