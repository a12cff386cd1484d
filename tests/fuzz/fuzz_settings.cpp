// fuzz-libs: game_lib
// The settings file reader on arbitrary bytes: never crashes, always leaves a usable track.
#include "game/settings_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    tolvar::GameState state;
    for (int t = 1; t <= tolvar::TrackCount; ++t)
        state.TrackAvail[static_cast<std::size_t>(t)] =
            (size + static_cast<std::size_t>(t)) % 3 ? "on" : "off";
    tolvar::applySettingsText(state, std::string(reinterpret_cast<const char*>(data), size));
    if (state.CurrentTrack < 0 || state.CurrentTrack > tolvar::TrackCount)
        std::abort();
    tolvar::applySettingsText(state, tolvar::settingsText(state));
    return 0;
}
