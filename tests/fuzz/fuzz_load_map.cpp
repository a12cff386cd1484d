// fuzz-libs: game_lib
// Feeds arbitrary bytes to the mission loader: whatever a file holds, loading stays inside the
// battle's records and always leaves consistent map pictures.

#include "game/battle/battle_form.h"
#include "game/battle/load_map.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

platform::gfx::Picture makeSheet()
{
    platform::gfx::Picture sheet(463, 106, 0x808080);
    for (int k = 1; k <= 110; ++k) {
        const int x = 1 + 21 * ((k - 1) % 22);
        const int y = 1 + 21 * ((k - 1) / 22);
        sheet.fillBox(x, y, x + 19, y + 19, 0x200000u + static_cast<platform::gfx::Rgb>(k));
    }
    return sheet;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tolvar::battle;
    static const platform::gfx::Picture sheet = makeSheet();
    static std::unique_ptr<BattleState> state = [] {
        auto s = std::make_unique<BattleState>();
        buildAngleTables(*s);
        return s;
    }();
    static platform::clock::Random random(1);

    LoadOptions options;
    options.seedRandom = false;
    random.seed(1);
    loadMapBytes(*state, std::string(reinterpret_cast<const char*>(data), size), sheet, random, options);

    const BattleState& s = *state;
    if (s.MapCols < 0 || s.MapCols > MaxMapSize || s.MapRows < 0 || s.MapRows > MaxMapSize)
        std::abort();
    if (s.TroopCount < 0 || s.TroopCount > MaxSoldiers)
        std::abort();
    if (s.MainMap.width() != 20 * s.MapCols + 1 || s.ColMap.height() != 20 * s.MapRows + 1)
        std::abort();
    return 0;
}
