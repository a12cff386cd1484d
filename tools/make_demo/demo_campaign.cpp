#include "tools/make_demo/demo_missions.h"

namespace make_demo {

std::vector<MissionBuilder> demoMissions()
{
    std::vector<MissionBuilder> missions;
    missions.push_back(millRoad());
    missions.push_back(harlowBridge());
    missions.push_back(greywater());
    missions.push_back(ironwoodDepot());
    return missions;
}

cadrell::CampaignRecord demoCampaign(const std::vector<MissionBuilder>& missions)
{
    cadrell::CampaignRecord campaign;
    campaign.name = "Operation Ironwood";
    campaign.author = DemoAuthor;
    for (const MissionBuilder& mission : missions) {
        campaign.missions.push_back(mission.file());
    }
    // The squad, in the order the soldiers take their places; the first one leads.
    const char* names[] = {"Harlan",   "Brandt", "Okafor",  "Lindqvist", "Moreau",    "Tanaka",
                           "Kowalski", "Reyes",  "Dunmore", "Vasquez",   "Abernathy", "Ferris"};
    for (const char* name : names) {
        campaign.namesText += std::string(name) + "\r\n";
    }
    campaign.keepOrder = true;
    return campaign;
}

} // namespace make_demo
