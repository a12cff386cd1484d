#include "game/battle/battle_sheets.h"

#include "platform/text/file_names.h"

#include <utility>

namespace tolvar::battle {

std::string loadBattleSheets(BattleSheets& sheets, const std::string& graficoFolder)
{
    const std::pair<const char*, platform::gfx::Picture*> files[] = {
        {"map.bmp", &sheets.MPP},         {"soldiers.bmp", &sheets.SPP},
        {"fire.bmp", &sheets.Fires},      {"cursor.bmp", &sheets.Ponteiro},
        {"anim.bmp", &sheets.MoveAnim},   {"mapobjts.bmp", &sheets.MapObjts},
        {"efeitos.bmp", &sheets.Efect},   {"showbar.bmp", &sheets.ShowBar},
        {"menubar.bmp", &sheets.MenuBar}, {"qualifica.bmp", &sheets.Medals},
        {"pmp.bmp", &sheets.PmP},
    };
    std::string folder = graficoFolder;
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    for (const auto& [name, picture] : files) {
        if (!picture->load(folder + name))
            return "Cannot load the picture " + platform::text::shownText(folder + name);
    }
    return {};
}

} // namespace tolvar::battle
