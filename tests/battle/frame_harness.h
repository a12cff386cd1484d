#pragma once
// Battle frames without a window: a started mission on a manual clock with a seeded random
// generator, a cursor the test places, scripted mouse and key events and the effects recorded.

#include "battle_test_support.h"

#include "game/battle/battle_form.h"
#include "game/battle/battle_input.h"
#include "game/battle/main_loop.h"
#include "game/battle/mission_driver.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace battle_test {

class FrameHarness
{
public:
    explicit FrameHarness(std::uint32_t seed = 7) : battle(game, clock)
    {
        game.programFolder = folder.path();
        game.random.seed(seed);
        game.MissionName[1] = "mission";
        game.CurrentMission = 1;
        game.SoundOn = true;
        game.MusicOn = true;
        for (int i = 1; i <= tolvar::TrackCount; ++i)
            game.TrackAvail[i] = "off";
        tolvar::battle::buildAngleTables(*battle.state);
        battle.sheets.MPP = tileSheet();
        battle.GameScreen.resize(640, 480);
        battle.state->MiniGet.resize(320, 240);
        battle.state->MiniGetCopy.resize(320, 240);
        battle.cursorPos = [this] { return cursor; };
        battle.onSound = [this](int n) { sounds.push_back(n); };
        battle.onMusic = [this](std::string_view cmd) { music.emplace_back(cmd); };
        battle.pumpEvents = [this] {
            if (whileTextShown)
                whileTextShown();
        };
    }

    // Starts the mission as the driver does (reset, tallies, troop), without running frames.
    void start(const MissionText& mission) { start(mission.bytes()); }
    void start(const std::string& bytes)
    {
        folder.write("arquivos/campanha/mission.cfm", bytes);
        tolvar::battle::DriverHooks hooks;
        hooks.frame = [this] { game.MissionOver = true; };
        tolvar::battle::MainDo(battle, hooks, false);
        game.InGame = true;
        sounds.clear();
        music.clear();
    }

    // Plays the mission through the driver as the battle screen does, with real frames, until it is
    // over or `limit` frames have run. `input` runs before frame n (from 1) with the player's
    // actions, `seen` after it. Gives where the battle screen hands over.
    tolvar::battle::Handover play(const MissionText& mission, const std::function<void(int n)>& input,
                                  const std::function<void(int n)>& seen = {}, int limit = 2000)
    {
        folder.write("arquivos/campanha/mission.cfm", mission.bytes());
        int n = 0;
        tolvar::battle::DriverHooks hooks;
        hooks.frame = [&] {
            ++n;
            if (input)
                input(n);
            tolvar::battle::MainLoop(battle);
            if (seen)
                seen(n);
            if (n >= limit)
                game.MissionOver = true;
        };
        return tolvar::battle::MainDo(battle, hooks, false);
    }

    tolvar::battle::BattleState& s() { return *battle.state; }

    // Runs n frames, 30 ms apart.
    void frames(int n = 1)
    {
        for (int i = 0; i < n; ++i) {
            clock.advance(30);
            tolvar::battle::MainLoop(battle);
        }
    }

    // The cursor at map pixel (x, y) with the current camera, in window pixels.
    void pointAtMap(int x, int y)
    {
        cursor = {static_cast<long>((x - s().CameraX) * 2), static_cast<long>((y - s().CameraY) * 2)};
    }
    void press(int button) { tolvar::battle::GameScreen_MouseDown(battle, button, cursor.x, cursor.y); }
    void release(int button) { tolvar::battle::GameScreen_MouseUp(battle, button); }
    void key(int code) { tolvar::battle::Form_KeyDown(battle, code); }

    int soundCount(int n) const { return static_cast<int>(std::count(sounds.begin(), sounds.end(), n)); }

    ProgramFolder folder;
    tolvar::GameState game;
    platform::clock::ManualClock clock{1000};
    tolvar::battle::Battle battle;
    tolvar::battle::CursorPoint cursor;
    std::vector<int> sounds;
    std::vector<std::string> music;
    std::function<void()> whileTextShown; // runs while a screen text waits for a key
};

// A map of `cols` x `rows` land tiles ("01") with the given cells replaced: {x, y, code}, 1-based.
struct Cell
{
    int x, y;
    const char* code;
};
inline std::vector<std::string> mapWith(int cols, int rows, const std::vector<Cell>& cells)
{
    std::vector<std::string> map(static_cast<std::size_t>(rows),
                                 std::string(static_cast<std::size_t>(cols) * 2, '0'));
    for (auto& row : map)
        for (std::size_t i = 1; i < row.size(); i += 2)
            row[i] = '1';
    for (const Cell& c : cells)
        map[static_cast<std::size_t>(c.y - 1)].replace(static_cast<std::size_t>(2 * (c.x - 1)), 2, c.code);
    return map;
}

// A troop of `size` soldiers at cell (x, y), lined up east, facing east, with `clips` clips each.
inline std::vector<std::string> troopAt(int x, int y, int size, int clips = 2)
{
    char pos[8];
    std::snprintf(pos, sizeof pos, "%02d,%02d", x, y);
    return {quoted(pos),  quoted(std::to_string(size)), quoted("01"), quoted("01"),
            quoted("01"), quoted(std::to_string(clips))};
}

} // namespace battle_test
