#include "game/battle/main_loop.h"

#include "game/battle/battle_input.h"
#include "game/battle/battle_numbers.h"
#include "game/battle/combat.h"
#include "game/battle/conditions.h"
#include "game/battle/enemy_ai.h"
#include "game/battle/frame_drawing.h"
#include "game/battle/frame_terrain.h"
#include "game/battle/in_game_menu.h"
#include "game/battle/objects.h"
#include "game/battle/scripted_animations.h"
#include "game/battle/troop_orders.h"

#include <algorithm>

namespace tolvar::battle {

namespace {

// Colours of the end-of-mission message: blue frame, yellow band.
constexpr long long EndTextFrame = 16711680;
constexpr long long EndTextFill = 65535;

// The frame is composed on a picture as large as the map, whose size the camera keeps within, and
// never smaller than the view at the camera's first place (1, 1): on a map smaller than the view
// the view, the menu and the texts are still drawn whole.
void beginFrame(Battle& battle)
{
    BattleState& s = *battle.state;
    s.FrameStart = battle.clock.tickCount();
    const int width = std::max(s.MainMap.width(), battle.game.ViewWidth + 1);
    const int height = std::max(s.MainMap.height(), battle.game.ViewHeight + 1);
    if (s.MainFrame.width() != width || s.MainFrame.height() != height)
        s.MainFrame.resize(width, height);
}

// Only the view is ever shown, so only the view is composed: once the camera stands where this
// frame shows it, the view rectangle starts from the clean map background (black where the map
// does not reach), and whatever is drawn outside it is dropped.
void beginView(Battle& battle)
{
    BattleState& s = *battle.state;
    const int w = battle.game.ViewWidth;
    const int h = battle.game.ViewHeight;
    s.MainFrame.setClip(s.CameraX, s.CameraY, w, h);
    if (s.CameraX < 0 || s.CameraY < 0 || s.CameraX + w > s.MainMap.width() ||
        s.CameraY + h > s.MainMap.height())
        s.MainFrame.fillBox(s.CameraX, s.CameraY, s.CameraX + w - 1, s.CameraY + h - 1,
                            platform::gfx::kBlack);
    platform::gfx::bitBlt(s.MainFrame, s.CameraX, s.CameraY, w, h, s.MainMap, s.CameraX, s.CameraY);
}

// Where the cursor points on the map.
void readMouse(Battle& battle)
{
    BattleState& s = *battle.state;
    if (s.InputLocked && !s.MenuOpen)
        return;
    const MapPoint p = cursorMapPoint(battle);
    s.MouseMapPoint[0] = p.x;
    s.MouseMapPoint[1] = p.y;
}

void orders(Battle& battle)
{
    BattleState& s = *battle.state;
    if (s.FireHeld)
        TroopOrders(battle);
    if (s.MoveOrder) {
        TroopOrders(battle);
        PlaySound(battle, 15);
        s.MoveOrder = false;
    }
}

// The battle's music starts a little after the mission, once, as soon as music is on.
void musicStart(Battle& battle)
{
    BattleState& s = *battle.state;
    if (s.MusicStartCounter < 100)
        ++s.MusicStartCounter;
    if (s.MusicStartCounter == 100 && battle.game.MusicOn && !battle.game.NoMusic) {
        Music(battle, "start");
        s.MusicStartCounter = 101;
    }
}

void endBattlePictures(BattleState& s)
{
    s.MainFrame.clear();
    s.MainMap.clear();
}

// A won mission is announced a little after it was won, a lost one a little after its defeat.
void endOfMission(Battle& battle)
{
    BattleState& s = *battle.state;
    GameState& game = battle.game;
    if (game.MissionWon) {
        s.InputLocked = true;
        s.FireHeld = false;
        s.MoveOrder = false;
        if (++s.EndDelayCounter > 50) {
            SetScreenText(s.ScreenText, 1, 1, "Mission completed", 2, EndTextFrame, EndTextFill);
            ++game.CurrentMission;
            game.MissionOver = true;
            endBattlePictures(s);
        }
    } else if (s.DefeatFlag) {
        s.InputLocked = true;
        if (++s.EndDelayCounter > 30) {
            PlaySound(battle, 5);
            Music(battle, "pause");
            SetScreenText(s.ScreenText, 1, 1, "Mission Failed", 2, EndTextFrame, EndTextFill);
            game.MissionOver = true;
            endBattlePictures(s);
        }
    }
}

// The marker, the troop, the leader's medal, the status display and the pointer, then the end of
// the mission.
void troopAndDisplay(Battle& battle)
{
    BattleState& s = *battle.state;
    MoveMarkerPhase(battle);
    drawTroop(battle);
    if (s.TroopCount > 0 && s.FramesSinceMove > 20)
        drawLeaderMedal(battle);
    if (!s.InputLocked) {
        ++s.IdleFrames;
        ++s.FramesSinceMove;
        if (s.PointerMode == "13" && s.IdleFrames > 40 && s.TroopCount > 0) {
            if (s.IdleFrames == 41)
                PlaySound(battle, 15);
            drawRosterPanel(battle);
        }
        drawStatusBar(battle);
        drawPointer(battle);
    }
    endOfMission(battle);
}

// A text requested in this frame is typed into the view and held before the frame goes on.
void showRequestedText(Battle& battle)
{
    BattleState& s = *battle.state;
    if (!s.ScreenText.pending)
        return;
    FramePresentation frame{battle.clock,
                            battle.pumpEvents,
                            battle.waitForEvents,
                            [&battle](const platform::gfx::Picture& view) {
                                platform::gfx::stretchBlt(battle.GameScreen, 0, 0, battle.GameScreen.width(),
                                                          battle.GameScreen.height(), view, 0, 0,
                                                          view.width(), view.height());
                                if (battle.showGameScreen)
                                    battle.showGameScreen();
                            },
                            s.MainFrame,
                            s.MiniGet,
                            s.MiniGetCopy,
                            s.CameraX,
                            s.CameraY,
                            battle.game.ViewWidth,
                            battle.game.ViewHeight,
                            battle.game.LogicalWidth,
                            battle.game.LogicalHeight,
                            s.SpriteOffsetY,
                            s.WaitKey,
                            s.KeyAck,
                            &s.MenuOpen};
    ShowFrame(s.ScreenText, frame);
    s.ScreenText.clear();
}

// The view rectangle of the composed frame, stretched over the whole window.
void presentFrame(Battle& battle)
{
    BattleState& s = *battle.state;
    platform::gfx::stretchBlt(battle.GameScreen, 0, 0, s.WindowWidthPx, s.WindowHeightPx, s.MainFrame,
                              s.CameraX, s.CameraY, battle.game.ViewWidth, battle.game.ViewHeight);
    if (battle.showGameScreen)
        battle.showGameScreen();
}

} // namespace

void MainLoop(Battle& battle)
{
    BattleState& s = *battle.state;
    beginFrame(battle);
    readMouse(battle);
    if (!s.MenuOpen) {
        CooldownPhase(s);
        orders(battle);
        musicStart(battle);
        ScriptedAnimationsPhase(battle);
        EnemyAiPhase(battle);
        ConditionsPhase(battle);
        FormationPhase(s);
        SoldiersPhase(battle);
        EnemyTerrainPhase(s);
        CameraPhase(battle);
        beginView(battle);
        ObjectsPhase(battle);
        EnemiesPhase(battle);
        DeadSoldiersPhase(battle);
        LivingSoldiersPhase(battle);
        BulletsPhase(battle);
        troopAndDisplay(battle);
    } else {
        beginView(battle);
        MenuPhase(battle);
    }
    showRequestedText(battle);
    presentFrame(battle);
    applyDueReleases(s);
}

} // namespace tolvar::battle
