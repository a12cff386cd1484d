#include "game/battle/in_game_menu.h"

#include "game/battle/battle_numbers.h"
#include "game/battle/frame_drawing.h"
#include "game/battle/geometry.h"
#include "game/settings_file.h"

namespace tolvar::battle {

namespace {

// A button at (x, y) of size w x h from the menu origin, hit by the last click.
bool clicked(const BattleState& s, double mx, double my, int x, int y, int w, int h)
{
    return InArea(static_cast<float>(s.MenuClickX), static_cast<float>(s.MenuClickY),
                  static_cast<float>(mx + x), static_cast<float>(my + y), static_cast<float>(mx + x + w),
                  static_cast<float>(my + y + h));
}

void drawBox(Battle& battle, double mx, double my)
{
    BattleState& s = *battle.state;
    const double ox = s.CameraX + mx;
    const double oy = s.CameraY + my;
    s.MainFrame.box(toInteger(ox + s.MenuLeft - 1), toInteger(oy + s.MenuTop - 1),
                    toInteger(ox + s.MenuRight + 1), toInteger(oy + s.MenuBottom + 1), platform::gfx::kWhite);
    s.MainFrame.fillBox(toInteger(ox + s.MenuLeft), toInteger(oy + s.MenuTop), toInteger(ox + s.MenuRight),
                        toInteger(oy + s.MenuBottom), platform::gfx::kBlack);
}

// A button was hit: its click sound, and the held button is used up.
void pressed(Battle& battle)
{
    PlaySound(battle, 15);
    battle.state->FireHeld = false;
}

void buttons(Battle& battle, double mx, double my)
{
    BattleState& s = *battle.state;
    GameState& game = battle.game;
    for (int k = 1; k <= TrackCount; ++k) {
        const int column = k <= 5 ? k - 1 : k - 6;
        const int y = k <= 5 ? 50 : 98;
        if (s.FireHeld && clicked(s, mx, my, 9 + 37 * column, y, 36, 48)) {
            if (game.TrackAvail[k] == "on")
                game.CurrentTrack = k;
            pressed(battle);
        }
    }
    if (s.FireHeld && clicked(s, mx, my, 9, 1, 36, 48)) {
        game.MusicOn = !game.MusicOn;
        if (!game.NoMusic)
            Music(battle, game.MusicOn ? "start" : "pause");
        pressed(battle);
    }
    if (s.FireHeld && clicked(s, mx, my, 157, 1, 36, 48)) {
        game.SoundOn = !game.SoundOn;
        pressed(battle);
        PlaySound(battle, intPart(game.random.rnd() * 5) + 6);
    }
    if (s.FireHeld && clicked(s, mx, my, 157, 147, 36, 48)) {
        game.RandomTrack = !game.RandomTrack;
        pressed(battle);
    }
    if (s.FireHeld && clicked(s, mx, my, 64, 10, 75, 16)) {
        pressed(battle);
        s.MoveOrder = false;
        game.MissionOver = true;
        game.InGame = false;
        s.MenuStage = "17";
    }
    if (s.FireHeld && clicked(s, mx, my, 64, 183, 75, 16)) {
        pressed(battle);
        writeSettings(game);
        // The new choice of track plays at once, if the player wants music.
        if (game.CurrentTrack != s.MenuTrackAtOpen && game.CurrentTrack >= 1 &&
            game.CurrentTrack <= TrackCount) {
            if (battle.sound)
                battle.sound->loadTrack(game.CurrentTrack);
            if (game.MusicOn)
                Music(battle, "start");
        }
        s.MenuStage = "17";
    }
    if (s.FireHeld && clicked(s, mx, my, 10, 150, 75, 16)) {
        pressed(battle);
        if (!game.NoMusic) {
            Music(battle, "pause");
            loadAndStartTrack(battle, game.CurrentTrack);
        }
    }
}

} // namespace

double menuOriginX(const GameState& game)
{
    return (game.ViewWidth - 200) / 2.0;
}

double menuOriginY(const GameState& game)
{
    return (game.ViewHeight - 200) / 2.0;
}

void loadAndStartTrack(Battle& battle, int track)
{
    if (track < 1 || track > TrackCount)
        return;
    if (battle.sound)
        battle.sound->loadTrack(track);
    Music(battle, "start");
}

void MenuPhase(Battle& battle)
{
    BattleState& s = *battle.state;
    const double mx = menuOriginX(battle.game);
    const double my = menuOriginY(battle.game);
    if (s.MenuStage == "15") {
        s.MenuLeft = s.MenuRight = s.MenuTop = s.MenuBottom = 100;
        s.MenuStage = "16";
        s.PointerKind = 2;
        s.MenuTrackAtOpen = battle.game.CurrentTrack;
    }
    drawBox(battle, mx, my);
    if (s.MenuStage == "16") {
        if (s.MenuLeft > 0)
            s.MenuLeft -= 10;
        if (s.MenuRight < 200)
            s.MenuRight += 10;
        if (s.MenuTop > 0)
            s.MenuTop -= 10;
        if (s.MenuBottom < 200)
            s.MenuBottom += 10;
        if (s.MenuTop <= 0 || s.MenuBottom >= 200)
            s.MenuStage = "3";
    }
    if (s.MenuStage == "3")
        drawMenuContents(battle, mx, my);
    buttons(battle, mx, my);
    if (s.MenuStage == "17") {
        if (s.MenuTop < 100)
            s.MenuTop += 10;
        if (s.MenuBottom > 100)
            s.MenuBottom -= 10;
        if (s.MenuBottom <= 100) {
            s.MenuOpen = false;
            s.IdleFrames = 0;
        }
    }
    drawPointer(battle);
}

} // namespace tolvar::battle
