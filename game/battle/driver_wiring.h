#pragma once
// Connects the mission driver to the game's settings file and sound bank.

#include "game/battle/mission_driver.h"
#include "game/game_state.h"
#include "game/sound_bank.h"

namespace tolvar::battle {

// Hooks with the settings read at every mission start, the track loaded into the sound bank's
// music and the music paused at the hand-over; the window's hooks are left to the caller.
DriverHooks settingsAndMusicHooks(GameState& game, SoundBank& sound);

} // namespace tolvar::battle
