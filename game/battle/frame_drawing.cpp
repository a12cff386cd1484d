#include "game/battle/frame_drawing.h"

#include "game/battle/battle_sprites.h"
#include "game/battle/status_display.h"

namespace tolvar::battle {

void drawMuzzleFlash(Battle& battle, int i)
{
    drawTroopFlash(battle, battle.sheets, i);
}

void drawDyingEnemy(Battle& battle, int e, int stage)
{
    drawDyingEnemySprite(battle, battle.sheets, e, stage);
}

void drawTroopBody(Battle& battle, int r, int stage)
{
    drawTroopBodySprite(battle, battle.sheets, r, stage);
}

void drawTroop(Battle& battle)
{
    drawTroopSprites(battle, battle.sheets);
}

void drawLeaderMedal(Battle& battle)
{
    drawLeaderMedalSprite(battle, battle.sheets);
}

void drawRosterPanel(Battle& battle)
{
    drawRosterDisplay(battle, battle.sheets);
}

void drawStatusBar(Battle& battle)
{
    drawStatusBarDisplay(battle, battle.sheets);
}

void drawMenuContents(Battle& battle, double mx, double my)
{
    drawMenuDisplay(battle, battle.sheets, mx, my);
}

void drawPointer(Battle& battle)
{
    drawPointerSprite(battle, battle.sheets);
}

} // namespace tolvar::battle
