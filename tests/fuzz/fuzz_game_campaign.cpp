// fuzz-libs: game_lib
// fuzz-run: -dict=dictionaries/campaign.dict -max_len=4096
// The game's campaign start and mission brief readers on arbitrary bytes: never crash, keep the
// campaign state within its bounds, and read a campaign's header whenever they start it.
#include "game/briefing_screen.h"
#include "game/campaign_start.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static tolvar::GameState state;
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    const tolvar::CampaignStart start = tolvar::startCampaign(state, bytes, false);
    if (start.ok != tolvar::readCampaignHeader(bytes).usable)
        std::abort();
    if (state.NameCount < 0 || state.NameCount > tolvar::MaxNames ||
        state.MissionName.size() != static_cast<std::size_t>(tolvar::MaxMissions + 1) ||
        state.Roster.size() != static_cast<std::size_t>(tolvar::MaxNames + 1))
        std::abort();
    tolvar::compactRoster(state);
    for (int row = 1; row <= state.NameCount; ++row)
        if (state.Roster[static_cast<std::size_t>(row)][tolvar::RosterName].empty())
            std::abort();

    const tolvar::MissionBrief brief = tolvar::readMissionBrief(bytes);
    if (brief.troopSize < -9 || brief.troopSize > 99)
        std::abort();
    return 0;
}
