// bench-libs: game_lib
// One battle frame (simulation, composition of the frame, stretch of the view onto the window)
// on a 50 x 50 map with 10 soldiers, 50 enemies, 50 objects and 100 bullets in flight, and the
// load of such a mission.

#include "game/battle/battle.h"
#include "game/battle/battle_form.h"
#include "game/battle/load_map.h"
#include "game/battle/main_loop.h"
#include "game/battle/mission_driver.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace tolvar::battle;

namespace {

std::string cell(int x, int y)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d,%02d", x, y);
    return text;
}

// A 50 x 50 mission: land with walls, water and floors, 50 objects and 50 enemies in its far half,
// a troop of ten in the near corner.
std::string bigMission()
{
    std::string bytes = "<Info>\r\n\"Bench\"\r\n\"Bench\"\r\n50\r\n50\r\n<-Info>\r\n<Map>\r\n";
    const char* codes[] = {"01", "21", "0A", "01", "02", "01", "11", "01"};
    for (int y = 1; y <= 50; ++y) {
        for (int x = 1; x <= 50; ++x)
            bytes += (x > 3 && y > 3 && (x * 7 + y * 3) % 23 == 0) ? codes[(x + y) % 8] : "01";
        bytes += "\r\n";
    }
    bytes += "<-Map>\r\n<Objts>\r\n";
    for (int o = 0; o < 50; ++o)
        bytes += "\"0" + std::to_string(o % 4 + 1) + "," + cell(20 + o % 10 * 3, 20 + o / 10 * 5) + "\"\r\n";
    bytes += "<-Objts>\r\n<Inimigos>\r\n";
    for (int e = 0; e < 50; ++e)
        bytes += "\"04," + cell(21 + e % 10 * 3, 22 + e / 10 * 5) + ",None,0\"\r\n";
    bytes += "<-Inimigos>\r\n<Tropa>\r\n\"05,05\"\r\n\"10\"\r\n\"02\"\r\n\"07\"\r\n\"01\"\r\n\"5\"\r\n<-"
             "Tropa>\r\n<Fim>\r\n";
    return bytes;
}

// The programs' folder of the benchmark: the build's bin folder beside its bench folder.
std::string programFolder()
{
    std::error_code error;
    const auto exe = std::filesystem::canonical("/proc/self/exe", error);
    return error ? std::string(".") : (exe.parent_path().parent_path() / "bin").string();
}

platform::gfx::Picture flatSheet(int w, int h)
{
    platform::gfx::Picture p(w, h, 0x808080);
    for (int y = 0; y < h; y += 3)
        p.line(0, y, w - 1, y, 0x205020);
    return p;
}

struct FrameBench
{
    FrameBench() : battle(game, clock)
    {
        game.programFolder = programFolder();
        game.MissionName[1] = "bench";
        game.CurrentMission = 1;
        game.SoundOn = true;
        game.MusicOn = false;
        BattleState& s = *battle.state;
        if (!prepareBattle(battle).empty()) {
            // No data folder: plain sheets of the right sizes.
            buildAngleTables(s);
            battle.sheets.MPP = flatSheet(463, 106);
            battle.sheets.SPP = flatSheet(900, 400);
            battle.GameScreen.resize(640, 480);
            s.MiniGet.resize(320, 240);
            s.MiniGetCopy.resize(320, 240);
        }
        folder = std::filesystem::temp_directory_path() / "bench_frame";
        std::filesystem::create_directories(folder / "arquivos" / "campanha");
        std::ofstream(folder / "arquivos" / "campanha" / "bench.cfm", std::ios::binary) << bigMission();
        missionFile = (folder / "arquivos" / "campanha" / "bench.cfm").string();

        // Start the mission as the driver does, without running its loop.
        const std::string data = game.programFolder;
        game.programFolder = folder.string();
        DriverHooks hooks;
        hooks.frame = [this] { game.MissionOver = true; };
        MainDo(battle, hooks, false);
        game.programFolder = data;
        game.InGame = true;
        // The troop walks across the map while the frames run.
        s.TargetX[1] = 900;
        s.TargetY[1] = 900;
        s.MoveDir[1] = 315;
        s.Moving[1] = 1;
    }

    // Keeps 100 bullets in flight over open ground away from the figures.
    void refillBullets()
    {
        BattleState& s = *battle.state;
        for (int b = 1; b <= MaxBullets; ++b) {
            auto& row = s.Bullet[b];
            row = {1, 20.0 + (b % 10) * 40, 700.0 + (b / 10) * 20, 0, 0, TroopBulletKind, 0, 1, 10, 0};
        }
        s.BulletIndex = 100;
    }

    tolvar::GameState game;
    platform::clock::ManualClock clock{0};
    Battle battle;
    std::filesystem::path folder;
    std::string missionFile;
};

void wholeFrame(benchmark::State& state)
{
    FrameBench bench;
    for (auto _ : state) {
        bench.refillBullets();
        bench.clock.advance(30);
        MainLoop(bench.battle);
        benchmark::DoNotOptimize(bench.battle.GameScreen.image().constBits());
    }
}
BENCHMARK(wholeFrame)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void loadBigMission(benchmark::State& state)
{
    FrameBench bench;
    for (auto _ : state) {
        const LoadResult result = LoadMap(*bench.battle.state, bench.missionFile, bench.battle.sheets.MPP,
                                          bench.game.random, {false, {}});
        benchmark::DoNotOptimize(result.ok);
    }
}
BENCHMARK(loadBigMission)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
