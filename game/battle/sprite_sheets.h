#pragma once
// The sprite sheets the battle's drawing procedures copy their cells from, with the offsets from a
// figure's point to its cell.
//
// Every sheet has a 1-pixel border and 1-pixel gaps: cell n (from 1) of a row starts at
// x = 1 + pitch * (n - 1), and the first row at y = 1.

#include "game/battle/battle_sheets.h"
#include "platform/gfx/picture.h"

#include <string>

namespace tolvar::battle {

struct SpriteSheets
{
    platform::gfx::Picture SPP;      // soldiers and enemies: 14 x 20 cells on a 15 x 21 pitch
    platform::gfx::Picture Fires;    // fire flash: 7 x 7 cells on an 8-pixel pitch
    platform::gfx::Picture Ponteiro; // mouse pointers: 29 x 29 cells on a 30-pixel pitch
    platform::gfx::Picture MoveAnim; // move-order marker: 12 x 12 cells on a 13-pixel pitch
    platform::gfx::Picture Medals;   // rank medals: 11 x 11 cells on a 12-pixel pitch
    platform::gfx::Picture MapObjts; // map objects and wrecks: 14 x 14 cells on a 15-pixel pitch
    platform::gfx::Picture Efect;    // explosions: 32 x 32 cells on a 33-pixel pitch
    platform::gfx::Picture PmP;      // the in-game menu's buttons, 419 x 50
    platform::gfx::Picture ShowBar;  // status-bar glyphs: 8 x 10 cells on a 9-pixel pitch
    platform::gfx::Picture MenuBar;  // menu-bar glyphs: 17 x 18 cells on an 18-pixel pitch

    int SpriteOffsetX = -6; // from a figure's point to the top-left corner of its 14 x 20 cell
    int SpriteOffsetY = -17;
    int FireOffsetY = -10;
};

// Takes the battle's loaded sheets (the pictures share their pixels, nothing is copied) and loads
// the menu's buttons from "pmp.bmp" in `graficoFolder`. Gives the message naming that file when it
// cannot be read, or an empty text.
std::string loadSpriteSheets(SpriteSheets& sprites, const BattleSheets& sheets,
                             const std::string& graficoFolder);

} // namespace tolvar::battle
