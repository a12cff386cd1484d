// bench-libs: mission_editor_lib
// The mission editor's Open of a full mission: a 50 x 50 map, 50 objects, 50 enemies, the troop,
// 40 scripted animations and 40 AI animations of 10 lines each and 100 conditions, read from the
// file's bytes into the editor's model.

#include "mission_editor/files/code_tables.h"
#include "mission_editor/files/mission_model.h"
#include "mission_editor/files/mission_reader.h"
#include "mission_editor/files/mission_writer.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

using namespace plotwright;

std::string cell(int x, int y)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d,%02d", x, y);
    return text;
}

std::string fullMission()
{
    MissionModel model;
    model.MapWidth = 50;
    model.MapHeight = 50;
    for (int x = 1; x <= 50; ++x)
        for (int y = 1; y <= 50; ++y)
            model.Map(x, y) = tileCode((x * 7 + y * 3) % 110 + 1);
    for (int i = 0; i < 50; ++i) {
        model.ObjList.add("0" + std::to_string(i % 4 + 1) + "," + cell(10 + i % 40, 10 + i / 5));
        model.DollList.add("0" + std::to_string(i % 5 + 1) + "," + cell(11 + i % 30, 12 + i / 5) + ",Guard" +
                           std::to_string(i % 40 + 1) + ",0");
    }
    model.TroopPos = "Position: 20,20";
    for (int slot = 1; slot <= MaxAnimations; ++slot) {
        model.AnimName[slot] = "Scene" + std::to_string(slot);
        model.AnimationList.add(model.AnimName[slot]);
        model.AiAnimName[slot] = "Guard" + std::to_string(slot);
        model.AnimationAIList.add(model.AiAnimName[slot]);
        for (int line = 1; line <= 10; ++line) {
            char frame[8];
            std::snprintf(frame, sizeof frame, "%04d", line * 3);
            model.AnimTask(slot, line) = std::string(frame) + ",01,06," + cell(slot, line).substr(0, 2);
            model.AiAnimTask(slot, line) = std::string(frame) + ",01," + cell(slot, line);
        }
    }
    for (int n = 1; n <= MaxConditions; ++n) {
        model.CondNameList.add(conditionName(n));
        model.CondIf(n, 1) = "01," + std::to_string(n);
        model.CondIf(n, 2) = "02," + cell(n % 50 + 1, 3);
        model.CondDo(n, 1) = "05,scene" + std::to_string(n % 40 + 1);
    }
    model.MissionBrief = "Hold the crossing until dawn, then push on to the depot.";
    return missionFileBytes(model);
}

void openFullMission(benchmark::State& state)
{
    const std::string bytes = fullMission();
    const MissionModel current;
    if (!readMission(bytes, current, "full"))
        state.SkipWithError("the mission is not read");
    for (auto _ : state) {
        const auto model = readMission(bytes, current, "full");
        benchmark::DoNotOptimize(model.has_value());
    }
    state.SetBytesProcessed(static_cast<long long>(state.iterations() * bytes.size()));
}
BENCHMARK(openFullMission)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
