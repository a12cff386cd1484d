#pragma once
// The built-in pixel font of the battle's texts: 5 x 7 glyphs (with room for accents above and
// descenders below) in cells 6 pixels wide and 12 pixels high.

#include <array>
#include <cstdint>

namespace platform::gfx::pixel_font {

constexpr int kCellWidth = 6;
constexpr int kCellHeight = 12;
// Rows of a glyph drawn from the top of its cell: row 0 holds accents of capitals, rows 1..7 the
// body of capitals and digits, row 8 descenders.
constexpr int kGlyphRows = 9;
constexpr int kGlyphColumns = 5;

// One glyph: per row, bit 4 is the leftmost column, bit 0 the rightmost.
using Glyph = std::array<std::uint8_t, kGlyphRows>;

// The glyph of a Windows-1252 byte; characters the font lacks are blank.
const Glyph& glyph(unsigned char code);

} // namespace platform::gfx::pixel_font
