// fuzz-libs: game_lib
// fuzz-run: -dict=dictionaries/settings.dict -max_len=1024
// The settings file reader on arbitrary bytes: never crashes, always leaves a usable track, and
// the settings it took are written and read back the same.
#include "game/settings_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The game-wide state is large; one serves every run, its settings set afresh.
    static tolvar::GameState state;
    state.random.seed(1);
    for (int t = 1; t <= tolvar::TrackCount; ++t)
        state.TrackAvail[static_cast<std::size_t>(t)] =
            (size + static_cast<std::size_t>(t)) % 3 ? "on" : "off";
    state.RandomTrack = state.SoundOn = state.MusicOn = false;
    state.CurrentTrack = 0;

    tolvar::applySettingsText(state, std::string(reinterpret_cast<const char*>(data), size));
    if (state.CurrentTrack < 0 || state.CurrentTrack > tolvar::TrackCount)
        std::abort();

    const bool random = state.RandomTrack;
    const int track = state.CurrentTrack;
    const bool sound = state.SoundOn;
    const bool music = state.MusicOn;
    tolvar::applySettingsText(state, tolvar::settingsText(state));
    if (state.RandomTrack != random || state.CurrentTrack != track || state.SoundOn != sound ||
        state.MusicOn != music)
        std::abort();
    return 0;
}
