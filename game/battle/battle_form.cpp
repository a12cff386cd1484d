#include "game/battle/battle_form.h"

#include <algorithm>
#include <cmath>

namespace tolvar::battle {

void buildAngleTables(BattleState& s)
{
    constexpr double pi = 3.14159265358979;
    for (int d = 0; d <= 360; ++d) {
        s.SinTable[d] = static_cast<float>(std::sin(d * pi / 180));
        s.CosTable[d] = static_cast<float>(std::cos(d * pi / 180));
    }
}

std::string prepareBattle(Battle& battle)
{
    BattleState& s = *battle.state;
    buildAngleTables(s);
    s.SpriteOffsetX = -6;
    s.SpriteOffsetY = -17;
    s.FireOffsetY = -10;
    const std::string error = loadBattleSheets(battle.sheets, battle.game.dataPath("arquivos/grafico/"));
    if (!error.empty())
        return error;
    s.TileWidth = 20;
    s.TileHeight = 20;
    s.MainFrame.resize(std::max(s.MainMap.width(), 1), std::max(s.MainMap.height(), 1));
    s.MiniGet.resize(battle.game.ViewWidth, battle.game.ViewHeight);
    s.MiniGetCopy.resize(battle.game.ViewWidth, battle.game.ViewHeight);
    battle.GameScreen.resize(s.WindowWidthPx, s.WindowHeightPx);
    return {};
}

} // namespace tolvar::battle
