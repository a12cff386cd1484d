#pragma once
// The battle's head-up pictures: rank medals, the roster panel's glyphs and the soldier panel's
// buttons.

#include "tools/make_assets/canvas.h"

namespace assets {

Canvas medalSheet();  // qualifica.bmp, 229 x 13: silhouette cell 1, ranks 1..18 in cells 2..19
Canvas statusSheet(); // showbar.bmp, 64 x 12: seven 8 x 10 glyphs
Canvas panelSheet();  // menubar.bmp, 91 x 20: five 17 x 18 glyphs

// A helmeted head in a team's colours (kClear = see-through), also the editor's enemy marker.
Canvas teamBadge(int team, int w, int h);

} // namespace assets
