// bench-libs: platform_gfx
// The drawing that every battle frame repeats: the view copy, shaped sprites and the stretch of
// the view onto the window.

#include "platform/gfx/picture.h"

#include <benchmark/benchmark.h>

using namespace platform::gfx;

namespace {

Picture patterned(int w, int h)
{
    Picture p(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            p.setPixel(x, y, static_cast<Rgb>((x * 2654435761u) ^ (y * 40503u)) & 0xFFFFFF);
        }
    }
    return p;
}

void viewCopy(benchmark::State& state)
{
    const Picture map = patterned(1000, 1000);
    Picture view(320, 240);
    for (auto _ : state) {
        bitBlt(view, 0, 0, 320, 240, map, 101, 57);
        benchmark::DoNotOptimize(view.image().constBits());
    }
}
BENCHMARK(viewCopy);

void maskedSprite(benchmark::State& state)
{
    const Picture sheet = patterned(360, 200);
    Picture frame = patterned(1000, 1000);
    int x = 0;
    for (auto _ : state) {
        // Mask cell ANDed, then the sprite cell ORed at the same place.
        bitBlt(frame, 200 + x, 300, 14, 20, sheet, 16, 1, RasterOp::And);
        bitBlt(frame, 200 + x, 300, 14, 20, sheet, 16, 22, RasterOp::Or);
        x = (x + 1) & 63;
        benchmark::DoNotOptimize(frame.image().constBits());
    }
}
BENCHMARK(maskedSprite);

void viewStretch(benchmark::State& state)
{
    const Picture view = patterned(320, 240);
    Picture window(640, 480);
    for (auto _ : state) {
        stretchBlt(window, 0, 0, 640, 480, view, 0, 0, 320, 240);
        benchmark::DoNotOptimize(window.image().constBits());
    }
}
BENCHMARK(viewStretch);

} // namespace

BENCHMARK_MAIN();
