// fuzz-libs: game_lib
// fuzz-run: -dict=dictionaries/mission.dict -max_len=8192
// A battle played from arbitrary objects, enemies, troop, scripted animations, AI animations and
// conditions: the input is a mission file from its object list on, after a fixed 25 x 25 map of
// land walled in with some blocking tiles inside. The mission is started as the battle screen
// starts it and played for 20 frames (two script ticks) on a manual clock, with the leader
// ordered to move and the troop firing at the first enemy now and then, as a player would.
// Whatever the scripts say, the battle stays inside its records; a mission the game cannot play
// is not started.

#include "fuzz_support.h"
#include "tile_sheet.h"

#include "game/battle/battle.h"
#include "game/battle/battle_form.h"
#include "game/battle/battle_input.h"
#include "game/battle/main_loop.h"
#include "game/battle/mission_driver.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

using namespace tolvar::battle;

constexpr int Frames = 20;

// The mission up to its object list: a 25 x 25 map of land ("01") with a wall ("11") round it,
// a wall across the middle with a gap, and water ("21") and floor ("0A") patches.
std::string missionStart()
{
    std::string bytes = "<Info>\r\n\"Fuzz\"\r\n\"Fuzz\"\r\n25\r\n25\r\n<-Info>\r\n<Map>\r\n";
    for (int y = 1; y <= 25; ++y) {
        for (int x = 1; x <= 25; ++x) {
            const bool wall = x == 1 || y == 1 || x == 25 || y == 25 || (y == 13 && (x < 11 || x > 14));
            const bool water = x >= 4 && x <= 7 && y >= 17 && y <= 20;
            const bool floor = x >= 18 && x <= 22 && y >= 4 && y <= 8;
            bytes += wall ? "11" : water ? "21" : floor ? "0A" : "01";
        }
        bytes += "\r\n";
    }
    return bytes + "<-Map>\r\n<Objts>\r\n";
}

struct Player
{
    Player() : battle(game, clock)
    {
        std::filesystem::create_directories(folder.path() / "arquivos" / "campanha");
        game.programFolder = folder.path().string();
        game.MissionName[1] = "fuzz";
        for (int t = 1; t <= tolvar::TrackCount; ++t)
            game.TrackAvail[static_cast<std::size_t>(t)] = "off";
        BattleState& s = *battle.state;
        buildAngleTables(s);
        s.SpriteOffsetX = -6;
        s.SpriteOffsetY = -17;
        s.FireOffsetY = -10;
        battle.sheets.MPP = fuzz::tileSheet();
        s.MiniGet.resize(game.ViewWidth, game.ViewHeight);
        s.MiniGetCopy.resize(game.ViewWidth, game.ViewHeight);
        // The window's picture stays empty: the view is composed but not stretched onto it.
        battle.cursorPos = [this] { return cursor; };
        // A text held on the screen is acknowledged at once.
        battle.pumpEvents = [this] { battle.state->KeyAck = true; };
    }

    // The cursor on map pixel (x, y) of the current view.
    void pointAt(double x, double y)
    {
        const BattleState& s = *battle.state;
        cursor = {static_cast<long>((x - s.CameraX) * 2), static_cast<long>((y - s.CameraY) * 2)};
    }

    // The player's hand in frame `frame`: a move order towards the map's middle every 20 frames,
    // fire held on the first enemy still standing for 8 frames out of 20.
    void play(int frame)
    {
        BattleState& s = *battle.state;
        if (frame % 20 == 3) {
            pointAt(250 + frame, 200 - frame);
            GameScreen_MouseDown(battle, 2, static_cast<int>(cursor.x), static_cast<int>(cursor.y));
            GameScreen_MouseUp(battle, 2);
        }
        if (frame % 20 == 8) {
            for (int e = 1; e <= MaxEnemies; ++e) {
                if (s.Dolls[static_cast<std::size_t>(e)].State == DollActive) {
                    pointAt(s.Dolls[static_cast<std::size_t>(e)].X, s.Dolls[static_cast<std::size_t>(e)].Y);
                    break;
                }
            }
            GameScreen_MouseDown(battle, 1, static_cast<int>(cursor.x), static_cast<int>(cursor.y));
        }
        if (frame % 20 == 16)
            GameScreen_MouseUp(battle, 1);
    }

    fuzz::TempFolder folder{"fuzz_battle"};
    std::string mission = (folder.path() / "arquivos" / "campanha" / "fuzz.cfm").string();
    tolvar::GameState game;
    platform::clock::ManualClock clock{1000};
    Battle battle;
    CursorPoint cursor;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string start = missionStart();
    static auto player = std::make_unique<Player>();
    Player& p = *player;
    {
        std::ofstream file(p.mission, std::ios::binary | std::ios::trunc);
        file << start;
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    // Every run starts the same: ten soldiers without kills, the first mission, the same random
    // numbers.
    tolvar::GameState& game = p.game;
    for (int k = 1; k <= 10; ++k)
        game.Roster[static_cast<std::size_t>(k)] = {"", "Soldier" + std::to_string(k), ""};
    game.NameCount = 10;
    game.random.seed(1);
    game.CurrentMission = 1;
    game.MissionOver = false;
    game.InGame = false;
    BattleState& s = *p.battle.state;
    s.EndProgram = false;

    int frame = 0;
    DriverHooks hooks;
    hooks.frame = [&] {
        p.play(frame);
        MainLoop(p.battle);
        if (++frame >= Frames)
            game.MissionOver = true;
    };
    int turns = 0;
    hooks.programEnding = [&turns] { return ++turns > 10 * Frames; };
    const Handover handover = MainDo(p.battle, hooks, false);

    // A mission the game cannot play is not started: the briefing is told why.
    if (!handover.message.empty()) {
        if (frame != 0 || handover.next != tolvar::Screen::Briefing)
            std::abort();
        return 0;
    }
    if (s.TroopCount < 0 || s.TroopCount > MaxSoldiers || s.MapCols != 25 || s.MapRows != 25)
        std::abort();
    return 0;
}
