#pragma once
// How a shaped sprite is stored in a sheet, and small helpers shared by the drawing code.

#include "tools/make_assets/canvas.h"

namespace assets {

// The two ways the game draws a shaped sprite:
// - MaskThenSprite: a mask cell (black shape on white) is ANDed, then the sprite (shape on black) ORed;
// - SilhouetteThenSprite: a silhouette (white shape on black) is ORed, then the sprite (shape on white)
// ANDed.
enum class Style { MaskThenSprite, SilhouetteThenSprite };

// Writes `sprite` (kClear = see-through) into the sheet: its picture at (sx, sy) and its mask or
// silhouette at (mx, my), each cell as large as the sprite.
void placeShaped(Canvas& sheet, const Canvas& sprite, int sx, int sy, int mx, int my, Style style);
// Background of a sprite cell and of a mask cell for the style.
Colour spriteBackground(Style style);
Colour maskBackground(Style style);

// Deterministic noise: a value in [0, 1) for a point and a seed.
double hash01(int x, int y, int seed);
// Smooth value noise in [0, 1) with the given cell size, wrapping every `period` pixels
// so that tiles join at their edges.
double smoothNoise(double x, double y, int cell, int period, int seed);

} // namespace assets
