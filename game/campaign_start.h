#pragma once
// The game's reading of campaign files: the header shown when a campaign is picked on the title
// screen, the whole campaign read into the campaign state when it starts, and the roster shuffle
// for campaigns that ask for a random order.

#include "game/game_state.h"
#include "platform/clock/random.h"

#include <optional>
#include <string>

namespace tolvar {

// The folder of missions and campaigns: the programs' folder and "arquivos/campanha/".
std::string campaignFolder(const GameState& state);

// The mission file that a campaign's mission name stands for: the name and ".cfm" in the campaign
// folder, in any letter case. A campaign never reaches outside its folder: nothing for a name
// that is not a plain file name (a slash of either kind, a NUL or other control byte, "." or
// ".."), which is then a missing mission.
std::optional<std::string> missionFilePath(const GameState& state, const std::string& name);

// True when the bytes begin as a campaign file does (its first item is "<Campanha>" in any letter
// case). Empty files, binary files and other texts are not campaigns.
bool isCampaignFile(const std::string& bytes);

// The header of a campaign: items 2 and 3, the name and the author.
struct CampaignHeader
{
    bool usable = false; // false for a file that is not a campaign (the texts are then empty)
    std::string name;
    std::string author;
};
CampaignHeader readCampaignHeader(const std::string& bytes);

// What a campaign start found.
struct CampaignStart
{
    bool ok = false;         // false: nothing was changed, the file is not a campaign
    std::string orderFlag;   // item 5 as it stands ("True" keeps the file's order)
    int missionsSkipped = 0; // missions beyond the 1000 the campaign state holds
    int namesSkipped = 0;    // names beyond the 5000 roster rows
};

// Starts a campaign from the bytes of its file: clears the campaign state, stores the missions
// (up to "<-Miss>") and the names (up to "<-Nomes>"), each list kept to what the state holds, and
// shuffles the roster unless the order flag reads "true". `CurrentMission` becomes 1, and the
// campaign begins with no kills (`NewCampaign`).
// `seedFromTime` seeds the random numbers from the time of day before a shuffle.
CampaignStart startCampaign(GameState& state, const std::string& bytes, bool seedFromTime = true);

// Reorders the names of roster rows 1..NameCount in coin-flip passes: each pass walks the names
// not yet taken in their order and takes each with probability one half; names taken in an
// earlier pass come first.
void shuffleRoster(GameState& state, platform::clock::Random& random);

} // namespace tolvar
