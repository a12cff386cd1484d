#pragma once
// Loading a mission file into the battle's records: map, objects, enemies, troop, scripts and
// conditions, then the map and collision pictures drawn from the tile sheet.

#include "game/battle/battle_state.h"
#include "platform/clock/random.h"
#include "platform/gfx/picture.h"

#include <functional>
#include <string>

namespace tolvar::battle {

// The outcome of a load: ok, or the message the game shows instead of the battle.
struct LoadResult
{
    bool ok = true;
    std::string message;
    explicit operator bool() const { return ok; }
};

struct LoadOptions
{
    // Seed the random numbers from the time of day first, so each battle gets a fresh sequence.
    bool seedRandom = true;
    // Lets pending window events run once while the load clears the pictures.
    std::function<void()> pumpEvents;
};

// Reads the mission file at `path` into `state`; `MPP` is the tile sheet. A file that cannot be
// read leaves `state` as it was and gives a failure with a message naming the file.
LoadResult LoadMap(BattleState& state, const std::string& path, const platform::gfx::Picture& MPP,
                   platform::clock::Random& random, const LoadOptions& options = {});

// The same from the file's bytes. Whatever the bytes hold, only what fits the records is kept:
// excess objects, enemies, soldiers, animations, lines and conditions are skipped.
void loadMapBytes(BattleState& state, std::string bytes, const platform::gfx::Picture& MPP,
                  platform::clock::Random& random, const LoadOptions& options = {});

// Draws `MainMap` (black, then the cells' tiles) and `ColMap` from `TileGrid`, `MapCols` and
// `MapRows`.
void buildMapPictures(BattleState& state, const platform::gfx::Picture& MPP);

} // namespace tolvar::battle
