#pragma once
// Pictures of the screens and windows: the in-game menu's buttons, the title screen, the
// mission editor's marker strip and the campaign editor's list buttons.

#include "tools/make_assets/canvas.h"

namespace assets {

// Pictures for the campaign editor's 45 x 37 mission-list buttons, inside their frames.
constexpr int kListButtonW = 36;
constexpr int kListButtonH = 28;

Canvas menuButtons();         // pmp.bmp, 419 x 50
Canvas titleBackground();     // titlefundo.bmp, 501 x 465
Canvas titlePicture();        // titulo.bmp, 494 x 206: mask in the left half, picture in the right
Canvas markerStrip();         // objtpic.bmp, 122 x 12
Canvas listButton(int which); // 0 add, 1 remove, 2 up, 3 down; kListButtonW x kListButtonH

} // namespace assets
