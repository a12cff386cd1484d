#pragma once
// Loading a mission file into the battle's records: map, objects, enemies, troop, scripts and
// conditions, then the map and collision pictures drawn from the tile sheet.

#include "game/battle/battle_state.h"
#include "platform/clock/random.h"
#include "platform/gfx/picture.h"

#include <functional>
#include <optional>
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

// Why the battle cannot play a mission file with these bytes, in words that follow "can't be
// played: ", or nothing when it can. A mission can be played when its sections stand where the
// battle reads them: the header's seven lines with their tags and a map of 25 to 50 cells a side,
// as many map rows as it says and the map's closing tag, the objects closed, then either "<Fim>"
// (a mission of map and objects only) or the enemies closed, a troop whose codes are in their
// tables with its leader on the map, and a "<Fim>" line after it.
std::optional<std::string> unplayableReason(const std::string& bytes);

// What the game says of a mission that cannot be played.
std::string unplayableMissionText(const std::string& name, const std::string& reason);

// Reads the mission file at `path` into `state`; `MPP` is the tile sheet. A file that cannot be
// read, or that cannot be played (`unplayableReason`), leaves `state` as it was and gives a
// failure with a message naming the file.
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
