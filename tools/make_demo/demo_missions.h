#pragma once
// The demo campaign: its missions in play order and the campaign that lists them.

#include "tools/make_demo/mission_builder.h"

#include "campaign_editor/campaign_record.h"

#include <vector>

namespace make_demo {

inline constexpr const char* DemoAuthor = "The Tolvar team";

MissionBuilder millRoad();
MissionBuilder harlowBridge();
MissionBuilder greywater();
MissionBuilder ironwoodDepot();

// Every mission of the campaign, first mission first.
std::vector<MissionBuilder> demoMissions();

// The campaign file's contents for those missions; `campaignFile` is its file name.
inline constexpr const char* CampaignFile = "Operation Ironwood";
cadrell::CampaignRecord demoCampaign(const std::vector<MissionBuilder>& missions);

} // namespace make_demo
