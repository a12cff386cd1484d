#pragma once
// Pieces of scenery shared by the demo maps.

#include "tools/make_demo/map_painter.h"

#include <cstdint>

namespace make_demo {

// Meadow grass with flowers, pebbles, tufts and dry patches.
void meadow(MapPainter& map, int x1, int y1, int x2, int y2, std::uint32_t seed);
// A wood: forest floor with broad-leaved trees, pines and bushes, `percent` of it trees.
void forest(MapPainter& map, int x1, int y1, int x2, int y2, int percent, std::uint32_t seed);
// A river of water along a column band, `width` cells wide, from row y1 to y2; its left bank
// runs at the columns `left` gives per row (so it can bend).
void riverDown(MapPainter& map, int y1, int y2, int width, int (*left)(int y));
// A box of wall tiles with its inside left as it was.
void wallBox(MapPainter& map, int x1, int y1, int x2, int y2, int wallTile);

} // namespace make_demo
