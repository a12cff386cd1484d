#pragma once
// The painters the map tiles are made of: ground textures that repeat every 20 pixels, trees,
// rocks, roads, paved areas, roofs and walls.

#include "tools/make_assets/canvas.h"

#include <functional>

namespace assets::tiles {

constexpr int kSize = 20;

using Texture = std::function<Colour(int x, int y)>;
Canvas fromTexture(const Texture& t);

// Noise that repeats every tile: per pixel (n) and smooth with a cell size (sn).
double n(int x, int y, int seed);
double sn(int x, int y, int cell, int seed);

// Ground textures.
Colour grass(int x, int y);
Colour dryGrass(int x, int y);
Colour sand(int x, int y);
Colour earth(int x, int y);
Colour mud(int x, int y);
Colour water(int x, int y);
Colour asphalt(int x, int y);
Colour concrete(int x, int y);

// Things standing on the ground, lit from the top left.
void shadowDisc(Canvas& c, double cx, double cy, double r);
void canopy(Canvas& c, double cx, double cy, double r, Colour dark, Colour mid, Colour light, int seed);
void rock(Canvas& c, double cx, double cy, double rx, double ry, int seed);

// A one-tile road on grass joining the given edges.
Canvas road(bool north, bool east, bool south, bool west);
// A paved area with grass beyond the given edges; two edges make a rounded outer corner.
Canvas pavedEdge(const Texture& pave, bool n, bool e, bool s, bool w);

struct RoofColours
{
    Colour light, base, dark, ridge, wall, wallDark, window;
    bool metal; // corrugated sheets instead of clay tiles
};
// Tile (col, row), each 0..2, of a 3 x 3 building.
Canvas roof(int col, int row, const RoofColours& k);
// Walls stand up as the buildings' front walls do: their top, a lit edge, then their face.
Canvas brickWall();
Canvas stoneWall();

} // namespace assets::tiles
