#pragma once
// The game's fifteen sound effects.

#include "tools/make_assets/audio.h"

#include <string>
#include <vector>

namespace assets {

struct Effect
{
    std::string file; // name in arquivos/som
    Samples samples;
};

// In the game's numbering: 1 shot, 2 footstep, 3 explosion, 4 wreck landing, 5 laugh,
// 6..10 death cries, 11 applause, 12 reload, 13 typing click, 14 ricochet, 15 menu click.
std::vector<Effect> soundEffects();

} // namespace assets
