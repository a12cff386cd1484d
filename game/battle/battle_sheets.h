#pragma once
// The bitmaps of the battle screen, loaded once from the data folder's "grafico" folder.

#include "platform/gfx/picture.h"

#include <string>

namespace tolvar::battle {

struct BattleSheets
{
    platform::gfx::Picture MPP;      // map.bmp: map tiles
    platform::gfx::Picture SPP;      // soldiers.bmp: soldiers and enemies
    platform::gfx::Picture Fires;    // fire.bmp: muzzle fire and bullets
    platform::gfx::Picture Ponteiro; // cursor.bmp: mouse pointers
    platform::gfx::Picture MoveAnim; // anim.bmp: move-order marker
    platform::gfx::Picture MapObjts; // mapobjts.bmp: map objects
    platform::gfx::Picture Efect;    // efeitos.bmp: effects
    platform::gfx::Picture ShowBar;  // showbar.bmp: status bar
    platform::gfx::Picture MenuBar;  // menubar.bmp: in-game menu
    platform::gfx::Picture Medals;   // qualifica.bmp: rank medals
};

// Loads all ten sheets from `graficoFolder`. On failure gives the message naming the first file
// that could not be read (the sheets loaded so far are kept); on success an empty text.
std::string loadBattleSheets(BattleSheets& sheets, const std::string& graficoFolder);

} // namespace tolvar::battle
