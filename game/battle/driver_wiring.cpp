#include "game/battle/driver_wiring.h"

#include "game/settings_file.h"

namespace tolvar::battle {

DriverHooks settingsAndMusicHooks(GameState& game, SoundBank& sound)
{
    DriverHooks hooks;
    hooks.prepareSettings = [&game] { loadMissionSettings(game); };
    hooks.loadTrack = [&sound](int track) { sound.loadTrack(track); };
    hooks.pauseMusic = [&sound] { sound.Music("pause"); };
    return hooks;
}

} // namespace tolvar::battle
