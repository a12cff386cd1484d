#include "game/battle/main_loop.h"

namespace tolvar::battle {

namespace {

// The frame starts from the clean map background.
void beginFrame(Battle& battle)
{
    BattleState& s = *battle.state;
    s.FrameStart = battle.clock.tickCount();
    s.MainFrame = s.MainMap;
}

// The view rectangle of the composed frame, stretched over the whole window.
void presentFrame(Battle& battle)
{
    BattleState& s = *battle.state;
    platform::gfx::stretchBlt(battle.GameScreen, 0, 0, s.WindowWidthPx, s.WindowHeightPx, s.MainFrame,
                              s.CameraX, s.CameraY, battle.game.ViewWidth, battle.game.ViewHeight);
}

} // namespace

void MainLoop(Battle& battle)
{
    beginFrame(battle);
    // The phases run here, in this order: mouse; (menu closed) cooldowns, fire order, move order,
    // music start, scripted animations, enemy AI animations, conditions, formation, soldiers,
    // enemy terrain, camera, objects, enemies, fallen soldiers, living soldiers, bullets, marker,
    // troop sprites and end of the mission; then the in-game menu when it is open.
    presentFrame(battle);
}

} // namespace tolvar::battle
