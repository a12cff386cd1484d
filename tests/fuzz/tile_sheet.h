#pragma once
// The battle's tile sheet for the fuzz targets: 22 x 5 tiles of 20 x 20 on a 21-pixel pitch behind
// grey borders, as map.bmp lays them out, each tile one colour of its own.

#include "platform/gfx/picture.h"

namespace fuzz {

inline platform::gfx::Picture tileSheet()
{
    platform::gfx::Picture sheet(463, 106, 0x808080);
    for (int k = 1; k <= 110; ++k) {
        const int x = 1 + 21 * ((k - 1) % 22);
        const int y = 1 + 21 * ((k - 1) / 22);
        sheet.fillBox(x, y, x + 19, y + 19, 0x200000u + static_cast<platform::gfx::Rgb>(k));
    }
    return sheet;
}

} // namespace fuzz
