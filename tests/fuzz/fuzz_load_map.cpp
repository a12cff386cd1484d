// fuzz-libs: game_lib
// fuzz-run: -dict=dictionaries/mission.dict -max_len=16384
// Feeds arbitrary bytes to the mission loader: whatever a file holds, loading stays inside the
// battle's records and always leaves consistent map pictures, and what the check of a playable
// mission lets through loads as a playable battle. An input whose first byte is 1 stands after
// the start of a mission with a 25 x 25 map, up to its object list, so that the later sections
// are reached at once; any other input is a whole file.

#include "tile_sheet.h"

#include "game/battle/battle_form.h"
#include "game/battle/load_map.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tolvar::battle;
    static const platform::gfx::Picture sheet = fuzz::tileSheet();
    static std::unique_ptr<BattleState> state = [] {
        auto s = std::make_unique<BattleState>();
        buildAngleTables(*s);
        return s;
    }();
    static platform::clock::Random random(1);

    static const std::string toObjects = [] {
        std::string bytes = "<Info>\r\n\"Fuzz\"\r\n\"\"\r\n25\r\n25\r\n<-Info>\r\n<Map>\r\n";
        // Land ("01") with broken walls ("11") across every fifth row.
        for (int y = 1; y <= 25; ++y) {
            for (int x = 1; x <= 25; ++x)
                bytes += y % 5 == 0 && x % 4 != 0 ? "11" : "01";
            bytes += "\r\n";
        }
        return bytes + "<-Map>\r\n<Objts>\r\n";
    }();
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (size > 0 && data[0] == 1)
        bytes = toObjects + bytes.substr(1);

    // What the check lets through is a battle on a map of 25 to 50 cells a side, its leader (when
    // it has a troop) on the map.
    const bool playable = !unplayableReason(bytes);

    LoadOptions options;
    options.seedRandom = false;
    random.seed(1);
    loadMapBytes(*state, std::move(bytes), sheet, random, options);

    const BattleState& s = *state;
    if (s.MapCols < 0 || s.MapCols > MaxMapSize || s.MapRows < 0 || s.MapRows > MaxMapSize)
        std::abort();
    if (s.TroopCount < 0 || s.TroopCount > MaxSoldiers)
        std::abort();
    if (s.MainMap.width() != 20 * s.MapCols + 1 || s.ColMap.height() != 20 * s.MapRows + 1)
        std::abort();
    if (playable && (s.MapCols < 25 || s.MapRows < 25 ||
                     (s.Alive[1] && (s.SoldierX[1] < 10 || s.SoldierX[1] > 20 * s.MapCols - 10 ||
                                     s.SoldierY[1] < 10 || s.SoldierY[1] > 20 * s.MapRows - 10))))
        std::abort();
    // The enemies fill the first slots, the objects the first places.
    for (int e = 1; e <= MaxEnemies; ++e) {
        const std::string& state = s.Dolls[static_cast<std::size_t>(e)].State;
        const bool inPlace = state == DollActive || state == DollEmpty;
        if (!inPlace ||
            (e > 1 && state == DollActive && s.Dolls[static_cast<std::size_t>(e - 1)].State != DollActive))
            std::abort();
    }
    for (int o = 0; o < MaxObjects; ++o) {
        const int objectState = s.ObjState[static_cast<std::size_t>(o)];
        if ((objectState != ObjectOnMap && objectState != ObjectEmpty) ||
            (o > 0 && objectState == ObjectOnMap &&
             s.ObjState[static_cast<std::size_t>(o - 1)] != ObjectOnMap))
            std::abort();
    }
    return 0;
}
