#include "game/battle/frame_drawing.h"

#include "game/battle/battle_sprites.h"
#include "game/battle/status_display.h"

namespace tolvar::battle {

namespace {

// The drawing's sheets, taken from the battle's loaded sheets the first time they are needed
// (the pictures share their pixels). Without the menu's button picture the menu shows no buttons.
const SpriteSheets& sheets(Battle& battle)
{
    if (battle.sprites.SPP.isNull() && !battle.sheets.SPP.isNull())
        loadSpriteSheets(battle.sprites, battle.sheets, battle.game.dataPath("arquivos/grafico/"));
    return battle.sprites;
}

} // namespace

void drawMuzzleFlash(Battle& battle, int i)
{
    drawTroopFlash(battle, sheets(battle), i);
}

void drawDyingEnemy(Battle& battle, int e, int stage)
{
    drawDyingEnemySprite(battle, sheets(battle), e, stage);
}

void drawTroopBody(Battle& battle, int r, int stage)
{
    drawTroopBodySprite(battle, sheets(battle), r, stage);
}

void drawTroop(Battle& battle)
{
    drawTroopSprites(battle, sheets(battle));
}

void drawLeaderMedal(Battle& battle)
{
    drawLeaderMedalSprite(battle, sheets(battle));
}

void drawRosterPanel(Battle& battle)
{
    drawRosterDisplay(battle, sheets(battle));
}

void drawStatusBar(Battle& battle)
{
    drawStatusBarDisplay(battle, sheets(battle));
}

void drawMenuContents(Battle& battle, double mx, double my)
{
    drawMenuDisplay(battle, sheets(battle), mx, my);
}

void drawPointer(Battle& battle)
{
    drawPointerSprite(battle, sheets(battle));
}

} // namespace tolvar::battle
