// bench-libs: platform_ui
// The battle's presentation: a whole 640 x 480 picture box repainted after the program changed
// its picture, and a small part of one repainted (the editor's single cell).

#include "platform/ui/events.h"
#include "platform/ui/form.h"
#include "platform/ui/picture_box.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace platform::ui;

namespace {

struct Screen : Form
{
    Screen()
    {
        resize(640, 480);
        game.move(0, 0, 640, 480);
        game.picture() = platform::gfx::Picture(640, 480, 0x404040);
        show();
        doEvents();
    }
    PictureBox game{*this};
};

void wholeRefresh(benchmark::State& state)
{
    Screen screen;
    platform::gfx::Rgb colour = 0;
    for (auto _ : state) {
        screen.game.picture().fillBox(100, 100, 139, 139, colour += 0x010203);
        screen.game.refresh();
        doEvents();
    }
}
BENCHMARK(wholeRefresh);

void cellRefresh(benchmark::State& state)
{
    Screen screen;
    platform::gfx::Rgb colour = 0;
    for (auto _ : state) {
        screen.game.picture().fillBox(21, 21, 40, 40, colour += 0x010203);
        screen.game.refresh(21, 21, 20, 20);
        doEvents();
    }
}
BENCHMARK(cellRefresh);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
