#pragma once
// The game's main loop: the title screen, the briefing screen and the battle screen hand over to
// each other until the player ends the program. Each screen's driver runs to its hand-over and
// returns the next screen, so the stack does not grow with every mission.

#include "game/battle/mission_driver.h"
#include "game/game_state.h"

#include <functional>
#include <string>

namespace tolvar {

struct ScreenDrivers
{
    // The title screen until a campaign is started (Briefing) or the program ends (Quit).
    std::function<Screen()> title;
    // The briefing screen; a non-empty message is a mission that could not be played, shown
    // before going back to the title screen.
    std::function<Screen(const std::string& message)> briefing;
    // One mission.
    std::function<battle::Handover()> battle;
};

// Runs the screens from the title screen until one hands over to Screen::Quit. Gives the message
// of the screen that ended the program (a picture the battle could not load), or an empty text.
std::string runScreens(GameState& state, const ScreenDrivers& drivers);

} // namespace tolvar
