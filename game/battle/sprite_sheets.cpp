#include "game/battle/sprite_sheets.h"

namespace tolvar::battle {

std::string loadSpriteSheets(SpriteSheets& sprites, const BattleSheets& sheets,
                             const std::string& graficoFolder)
{
    sprites.SPP = sheets.SPP;
    sprites.Fires = sheets.Fires;
    sprites.Ponteiro = sheets.Ponteiro;
    sprites.MoveAnim = sheets.MoveAnim;
    sprites.Medals = sheets.Medals;
    sprites.MapObjts = sheets.MapObjts;
    sprites.Efect = sheets.Efect;
    sprites.ShowBar = sheets.ShowBar;
    sprites.MenuBar = sheets.MenuBar;

    std::string path = graficoFolder;
    if (!path.empty() && path.back() != '/')
        path += '/';
    path += "pmp.bmp";
    if (!sprites.PmP.load(path))
        return "Cannot load the picture " + path;
    return {};
}

} // namespace tolvar::battle
