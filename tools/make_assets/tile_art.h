#pragma once
// The map tiles: 110 tiles of 20 x 20, 22 to a row in 5 rows, on a 21-pixel pitch.

#include "tools/make_assets/canvas.h"

namespace assets {

constexpr int kTileSize = 20;
constexpr int kTilePitch = 21;
constexpr int kTilesPerRow = 22;
constexpr int kTileRows = 5;
constexpr int kTileCount = kTilesPerRow * kTileRows;

// What walking on a tile does in the battle; the art makes each kind recognisable.
enum class TileKind { Normal, Water, Slow, Fast, Blocking };
TileKind tileKind(int tile);

Canvas tileImage(int tile); // 20 x 20, tile 1..110
Canvas tileSheet();         // 463 x 106

} // namespace assets
