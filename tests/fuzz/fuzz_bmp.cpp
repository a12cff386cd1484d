// fuzz-libs: platform_gfx
// fuzz-run: -dict=dictionaries/bmp.dict -max_len=4096
// Arbitrary bytes as a bitmap file, loaded as the programs load their sheets (from a ".bmp" file
// through the platform's picture loader): a picture that loads is a whole 32-bit picture whose
// pixels can be read and copied like any sheet's; one that does not load leaves the picture as
// it was.

#include "fuzz_support.h"
#include "platform/gfx/picture.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

using fuzz::classOf;
using fuzz::littleEndian;

// The picture decoder lies outside the instrumented code, so the fuzzer cannot see which of its
// ways an input took. The kind of bitmap the header announces (its header's size, bits per pixel
// and compression) and whether it loaded are counted here as features of their own, so that an
// input of each kind is kept and worked on.
constexpr int HeaderKinds = 5, BitKinds = 7, CompressionKinds = 5;
__attribute__((section("__libfuzzer_extra_counters")))
std::uint8_t kindsSeen[2 * HeaderKinds * BitKinds * CompressionKinds];

void noteKind(const std::uint8_t* data, std::size_t size, bool loaded)
{
    const std::uint32_t header = littleEndian(data, size, 14, 4);
    const std::uint32_t bits = littleEndian(data, size, header == 12 ? 24 : 28, 2);
    const std::uint32_t compression = header >= 40 ? littleEndian(data, size, 30, 4) : 0;
    const int kind =
        ((classOf(header, {12, 40, 108, 124}) * BitKinds + classOf(bits, {1, 4, 8, 16, 24, 32})) *
             CompressionKinds +
         classOf(compression, {0, 1, 2, 3})) *
            2 +
        (loaded ? 1 : 0);
    ++kindsSeen[kind];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const fuzz::TempFolder folder("fuzz_bmp");
    static const std::string file = (folder.path() / "sheet.bmp").string();
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    platform::gfx::Picture picture(3, 2, 0x123456);
    const bool loaded = picture.load(file);
    noteKind(data, size, loaded);
    if (!loaded) {
        if (picture.width() != 3 || picture.height() != 2 || picture.pixel(2, 1) != 0x123456)
            std::abort();
        return 0;
    }
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0 ||
        picture.image().format() != QImage::Format_RGB32)
        std::abort();

    // As a sheet: its corners read, a cell copied out of it and masked onto a view.
    const int right = picture.width() - 1;
    const int bottom = picture.height() - 1;
    if (picture.pixel(right, bottom) > 0xFFFFFF || picture.pixel(0, 0) > 0xFFFFFF)
        std::abort();
    platform::gfx::Picture view(40, 30, 0xFFFFFF);
    platform::gfx::bitBlt(view, -3, -2, 21, 21, picture, right - 20, bottom - 20,
                          platform::gfx::RasterOp::And);
    platform::gfx::bitBlt(view, 25, 15, 20, 20, picture, 1, 1, platform::gfx::RasterOp::Or);
    return 0;
}
