#pragma once
// The battle's shaped sprite sheets: fire flash, pointers, move marker, map objects and blasts.

#include "tools/make_assets/canvas.h"

namespace assets {

Canvas fireSheet();     // fire.bmp, 17 x 9: flash (1, 1), its mask (9, 1)
Canvas cursorSheet();   // cursor.bmp, 121 x 31: fire mask, fire pointer, move mask, move pointer
Canvas moveMarkSheet(); // anim.bmp, 66 x 27: five 12 x 12 frames at y 1, masks at y 14
Canvas objectSheet();   // mapobjts.bmp, 136 x 31: nine 14 x 14 cells at y 1, masks at y 16
Canvas blastSheet();    // efeitos.bmp, 133 x 67: four 32 x 32 stages at y 1, masks at y 34

// A map object's sprite (kClear = see-through), shared with the editor's marker strip.
Canvas objectSprite(int cell); // 14 x 14, cells 1..9

} // namespace assets
