// bench-libs: mission_editor_lib
// The mission editor's redraw of the visible map, which its edit loop asks for on every turn:
// one RefreshArea of the 24 x 20 window with every marker, plus the copy of the view onto the
// canvas, on a 50 x 50 map with 50 objects and 50 enemies. "Unchanged" is the turn on which
// nothing was edited, the common case of an idle editor.

#include "mission_editor/files/code_tables.h"
#include "mission_editor/files/mission_model.h"
#include "mission_editor/map_canvas.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace plotwright;

struct Scene
{
    Scene() : canvas(model)
    {
        model.MapWidth = 50;
        model.MapHeight = 50;
        for (int x = 1; x <= 50; ++x) {
            for (int y = 1; y <= 50; ++y) {
                model.Map(x, y) = tileCode((x * 7 + y * 3) % 110 + 1);
            }
        }
        for (int i = 0; i < 50; ++i) {
            const std::string cell = std::to_string(10 + i % 40) + "," + std::to_string(10 + i / 5);
            model.ObjList.add("0" + std::to_string(i % 4 + 1) + "," + cell);
            model.DollList.add("0" + std::to_string(i % 5 + 1) + "," + std::to_string(11 + i % 30) + "," +
                               std::to_string(12 + i / 5) + ",None,0");
        }
        model.TroopPos = "Position: 20,20";
        canvas.Paleta = gfx::Picture(PaletteWidth, PaletteHeight, 0x336633);
        for (int t = 0; t < 110; ++t) {
            const int x = 1 + (t % 22) * 21;
            const int y = 1 + (t / 22) * 21;
            canvas.Paleta.fillBox(x, y, x + 19, y + 19, 0x010101u * static_cast<unsigned>(t));
        }
        canvas.ObjtPic = gfx::Picture(122, 12, 0xFF0000);
        view = gfx::Picture(ViewWidth, ViewHeight);
    }

    MissionModel model;
    MapCanvas canvas;
    gfx::Picture view;
};

void redraw(benchmark::State& state, bool changed)
{
    Scene scene;
    const int scroll = 300;
    for (auto _ : state) {
        if (changed) {
            scene.canvas.invalidate();
        }
        scene.canvas.RefreshArea(scroll, scroll, true, true);
        scene.canvas.copyView(scene.view, scroll, scroll);
        benchmark::DoNotOptimize(scene.view.pixel(1, 1));
    }
}

void BM_RefreshAreaAndViewCopy(benchmark::State& state)
{
    redraw(state, true);
}
void BM_RefreshAreaUnchangedAndViewCopy(benchmark::State& state)
{
    redraw(state, false);
}

BENCHMARK(BM_RefreshAreaAndViewCopy)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_RefreshAreaUnchangedAndViewCopy)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace

BENCHMARK_MAIN();
