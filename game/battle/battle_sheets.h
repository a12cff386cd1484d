#pragma once
// The bitmaps of the battle screen, loaded once from the data folder's "grafico" folder, with the
// offsets from a figure's point to its cell.
//
// Every sheet has a 1-pixel border and 1-pixel gaps: cell n (from 1) of a row starts at
// x = 1 + pitch * (n - 1), and the first row at y = 1.

#include "platform/gfx/picture.h"

#include <string>

namespace tolvar::battle {

struct BattleSheets {
    platform::gfx::Picture MPP;       // map.bmp: map tiles, 20 x 20 on a 21-pixel pitch
    platform::gfx::Picture SPP;       // soldiers.bmp: soldiers and enemies, 14 x 20 on a 15 x 21 pitch
    platform::gfx::Picture Fires;     // fire.bmp: fire flash, 7 x 7 on an 8-pixel pitch
    platform::gfx::Picture Ponteiro;  // cursor.bmp: mouse pointers, 29 x 29 on a 30-pixel pitch
    platform::gfx::Picture MoveAnim;  // anim.bmp: move-order marker, 12 x 12 on a 13-pixel pitch
    platform::gfx::Picture MapObjts;  // mapobjts.bmp: map objects and wrecks, 14 x 14 on 15
    platform::gfx::Picture Efect;     // efeitos.bmp: explosions, 32 x 32 on a 33-pixel pitch
    platform::gfx::Picture ShowBar;   // showbar.bmp: status-bar glyphs, 8 x 10 on a 9-pixel pitch
    platform::gfx::Picture MenuBar;   // menubar.bmp: menu-bar glyphs, 17 x 18 on an 18-pixel pitch
    platform::gfx::Picture Medals;    // qualifica.bmp: rank medals, 11 x 11 on a 12-pixel pitch
    platform::gfx::Picture PmP;       // pmp.bmp: the in-game menu's buttons, 419 x 50

    int SpriteOffsetX = -6;  // from a figure's point to the top-left corner of its 14 x 20 cell
    int SpriteOffsetY = -17;
    int FireOffsetY = -10;
};

// Loads every sheet from `graficoFolder`. On failure gives the message naming the first file
// that could not be read (the sheets loaded so far are kept); on success an empty text.
std::string loadBattleSheets(BattleSheets& sheets, const std::string& graficoFolder);

} // namespace tolvar::battle
