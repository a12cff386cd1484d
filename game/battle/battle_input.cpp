#include "game/battle/battle_input.h"

#include "game/battle/battle_numbers.h"
#include "game/battle/troop_orders.h"

namespace tolvar::battle {

namespace {

constexpr int KeyEnd = 69; // "E"
constexpr int KeyEscape = 27;
constexpr int KeyMusic = 77; // "M"
constexpr int KeySound = 83; // "S"

// Window pixels per view pixel on one axis; a window of no size counts as one.
double pixelsPerViewPixel(int windowPx, int logical)
{
    if (windowPx <= 0 || logical <= 0)
        return 1;
    return static_cast<double>(windowPx) / logical;
}

// The open soldier panel: its three buttons act where they are drawn (17 x 18 at view x 10 and
// y 20, 40 and 60): one round per order, every ready soldier fires, and the clips shared out.
// The reload of the empty soldiers alone has no button of its own: the fire order starts it.
void panelClick(Battle& battle, double cx, double cy)
{
    BattleState& s = *battle.state;
    if (10 < cx && cx < 28 && 0 < cy && cy < 18) {
        s.PointerMode = "13";
        PlaySound(battle, 15);
        return;
    }
    if (!(9 < cx && cx < 27))
        return;
    for (int k = 1; k <= 3; ++k) {
        if (!(20 * k - 1 < cy && cy < 20 * k + 18))
            continue;
        if (k == 1)
            s.FireMode = 1;
        else if (k == 2)
            s.FireMode = 2;
        else
            reloadFromPooledClips(s);
    }
}

// The left button gives the fire order, the right one the move order, until released.
void pressOrder(BattleState& s, int button)
{
    if (button == 1) {
        s.FireHeld = true;
        s.FirePressUnseen = true;
        s.FireReleaseDue = false;
    }
    if (button == 2) {
        s.MoveOrder = true;
        s.MovePressUnseen = true;
        s.MoveReleaseDue = false;
    }
}

} // namespace

CursorPoint GetMousePos(Battle& battle)
{
    return battle.cursorPos ? battle.cursorPos() : CursorPoint{};
}

MapPoint cursorMapPoint(Battle& battle, double dx, double dy)
{
    const BattleState& s = *battle.state;
    const CursorPoint c = GetMousePos(battle);
    const double scaleX = s.ViewScaleX > 0 ? s.ViewScaleX : 1;
    const double scaleY = s.ViewScaleY > 0 ? s.ViewScaleY : 1;
    return {toInteger(c.x / scaleX + s.CameraX + dx), toInteger(c.y / scaleY + s.CameraY + dy)};
}

void Form_KeyDown(Battle& battle, int keyCode)
{
    BattleState& s = *battle.state;
    GameState& game = battle.game;
    if (keyCode == KeyEnd)
        s.EndProgram = true;
    // Esc reaches the menu also while a text waits: the text's wait ends (the key acknowledges
    // it below) and the menu opens, so a text shown again every frame cannot keep the player from
    // the menu and its QUIT.
    if (keyCode == KeyEscape) {
        if (!s.MenuOpen) {
            s.MenuOpen = true;
            s.MenuStage = "15";
        } else {
            s.MenuStage = "17";
        }
    }
    if (keyCode == KeyMusic) {
        if (game.MusicOn) {
            Music(battle, "pause");
            game.MusicOn = false;
        } else {
            Music(battle, "play");
            game.MusicOn = true;
        }
    }
    if (keyCode == KeySound)
        game.SoundOn = !game.SoundOn;
    if (s.WaitKey)
        s.KeyAck = true;
}

void GameScreen_MouseDown(Battle& battle, int button, int x, int y)
{
    BattleState& s = *battle.state;
    if (s.WaitKey)
        s.KeyAck = true;
    if (s.MenuOpen) {
        pressOrder(s, button);
        const CursorPoint c = GetMousePos(battle);
        s.MenuClickX = toInteger(c.x / 2.0);
        s.MenuClickY = toInteger(c.y / 2.0);
        return;
    }
    s.IdleFrames = 0;
    if (s.InputLocked)
        return;
    const double cx = x / pixelsPerViewPixel(s.WindowWidthPx, battle.game.LogicalWidth);
    const double cy = y / pixelsPerViewPixel(s.WindowHeightPx, battle.game.LogicalHeight);
    if (s.PointerMode == "14") {
        panelClick(battle, cx, cy);
        return;
    }
    if (10 < cx && cx < 28 && 0 < cy && cy < 18) {
        s.PointerMode = "14";
        s.PointerKind = 2;
        PlaySound(battle, 15);
        return;
    }
    pressOrder(s, button);
}

void GameScreen_MouseMove(Battle& battle)
{
    battle.state->IdleFrames = 0;
}

void GameScreen_MouseUp(Battle& battle, int button)
{
    BattleState& s = *battle.state;
    s.IdleFrames = 0;
    if (s.InputLocked)
        return;
    if (button == 1) {
        if (s.FirePressUnseen) {
            s.FireReleaseDue = true;
        } else {
            s.FireHeld = false;
            s.Spread = 0;
        }
    }
    if (button == 2) {
        if (s.MovePressUnseen)
            s.MoveReleaseDue = true;
        else
            s.MoveOrder = false;
    }
}

void applyDueReleases(BattleState& s)
{
    s.FirePressUnseen = false;
    s.MovePressUnseen = false;
    if (s.FireReleaseDue) {
        s.FireHeld = false;
        s.Spread = 0;
        s.FireReleaseDue = false;
    }
    if (s.MoveReleaseDue) {
        s.MoveOrder = false;
        s.MoveReleaseDue = false;
    }
}

} // namespace tolvar::battle
