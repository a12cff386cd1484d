#include "game/battle/mission_driver.h"

#include "game/battle/battle_numbers.h"
#include "game/battle/load_map.h"
#include "game/battle/main_loop.h"
#include "game/battle/troop_ranks.h"
#include "game/campaign_start.h"
#include "platform/text/vb.h"

namespace tolvar::battle {

namespace {

constexpr platform::clock::Tick FramePeriod = 30;

Screen nextScreen(const GameState& game)
{
    return game.InGame ? Screen::Briefing : Screen::Title;
}

// Everything a mission starts from, besides what the loader sets.
void resetMission(GameState& game, BattleState& s)
{
    s.BulletIndex = 0;
    s.MoveMarkFrame = 6;
    s.PointerKind = 2;
    s.BodyCount = 0;
    s.FireMode = 1;
    game.MissionWon = false;
    s.DefeatFlag = false;
    s.DefeatNow = false;
    game.MissionOver = false;
    s.InputLocked = false;
    s.FacingHeld = false;
    s.ShotsFired = 0;
    s.ShotsHit = 0;
    s.PointerMode = "13";
    s.BulletRange = 120;
    s.BulletSpeed = 10;
    // A button still held when the last mission ended gives no order in this one.
    s.FireHeld = false;
    s.MoveOrder = false;
    s.Spread = 0;
    s.FirePressUnseen = s.MovePressUnseen = false;
    s.FireReleaseDue = s.MoveReleaseDue = false;
    // The menu of the last mission (left open by its QUIT) and the frame's counters start anew.
    s.MenuOpen = false;
    s.MenuStage.clear();
    s.MenuLeft = s.MenuRight = s.MenuTop = s.MenuBottom = 0;
    s.IdleFrames = 0;
    s.FramesSinceMove = 0;
    s.TrailTimer = 0;
    s.ScreenText.clear();
}

void readyTroop(GameState& game, BattleState& s)
{
    nameTroop(game, s);
    for (int k = 1; k <= s.TroopCount; ++k) {
        s.LeaderTrail[k][1] = s.SoldierX[k];
        s.LeaderTrail[k][2] = s.SoldierY[k];
        s.Reload[k] = 0;
        s.FireDelay[k] = static_cast<int>(vb::intFloor(game.random.rnd() * 3)) + 4;
    }
    s.Bullet = {};
    s.BulletPrev = {};
}

void endMission(GameState& game, BattleState& s, const DriverHooks& hooks)
{
    game.MissionWon = false;
    s.DefeatFlag = false;
    s.DefeatNow = false;
    game.MissionOver = false;
    if (hooks.pauseMusic)
        hooks.pauseMusic();
}

} // namespace

bool runFrames(Battle& battle, const DriverHooks& hooks)
{
    BattleState& s = *battle.state;
    GameState& game = battle.game;
    const std::function<void()> noEvents = [] {};
    s.FrameStart = battle.clock.tickCount();
    do {
        // The window's events run once per turn, after the wait.
        battle.clock.waitUntil(s.FrameStart + FramePeriod, noEvents);
        if (hooks.pumpEvents)
            hooks.pumpEvents();
        if (s.EndProgram || (hooks.programEnding && hooks.programEnding()))
            return false;
        if (game.InGame) {
            if (hooks.frame)
                hooks.frame();
            else
                MainLoop(battle);
        }
    } while (!game.MissionOver);
    return true;
}

Handover MainDo(Battle& battle, const DriverHooks& hooks, bool seedRandom)
{
    GameState& game = battle.game;
    BattleState& s = *battle.state;

    if (hooks.showWindow)
        hooks.showWindow();
    if (game.MissionOver)
        return {nextScreen(game), {}};

    s.ClipRounds = 22;
    const std::string& name =
        game.CurrentMission >= 0 && game.CurrentMission < static_cast<int>(game.MissionName.size())
            ? game.MissionName[game.CurrentMission]
            : std::string();
    LoadOptions options;
    options.seedRandom = seedRandom;
    options.pumpEvents = hooks.pumpEvents;
    const std::optional<std::string> path = missionFilePath(game, name);
    const LoadResult loaded = path ? LoadMap(s, *path, battle.sheets.MPP, game.random, options)
                                   : LoadResult{false, "Mission file not found: " + name};
    if (!loaded) {
        // Nothing to play: back to the briefing screen, which shows the message.
        endMission(game, s, hooks);
        return {Screen::Briefing, loaded.message};
    }

    resetMission(game, s);
    addKillTallies(game, s);
    readyTroop(game, s);
    s.PointerKind = 2;
    game.InGame = true;
    s.EndDelayCounter = 0;
    s.MusicStartCounter = 0;

    if (hooks.prepareSettings)
        hooks.prepareSettings();
    s.ViewScaleX = static_cast<float>(s.WindowWidthPx) / static_cast<float>(game.ViewWidth);
    s.ViewScaleY = static_cast<float>(s.WindowHeightPx) / static_cast<float>(game.ViewHeight);

    // The track is loaded now and started by the frame a little after the mission begins.
    if (game.CurrentTrack >= 1 && game.CurrentTrack <= TrackCount &&
        game.TrackAvail[game.CurrentTrack] == "on" && hooks.loadTrack)
        hooks.loadTrack(game.CurrentTrack);

    if (!runFrames(battle, hooks)) {
        endMission(game, s, hooks);
        return {Screen::Quit, {}};
    }
    endMission(game, s, hooks);
    return {nextScreen(game), {}};
}

} // namespace tolvar::battle
