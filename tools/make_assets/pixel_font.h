#pragma once
// The art's own 5 x 7 capital letters and digits, so that no installed font decides a picture.

#include "tools/make_assets/canvas.h"

#include <string_view>

namespace assets {

// Prints text with its top-left corner at (x, y); each glyph is 5 x 7 pixels scaled by `scale`,
// on a pitch of 6 * scale. Lower-case letters print as capitals; unknown characters as blanks.
void printText(Canvas& canvas, int x, int y, std::string_view text, Colour colour, int scale = 1);
int textWidth(std::string_view text, int scale = 1);

} // namespace assets
