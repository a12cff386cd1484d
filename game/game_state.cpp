#include "game/game_state.h"

namespace tolvar {

GameState::GameState() : MissionName(MaxMissions + 1), Roster(MaxNames + 1) {}

void GameState::clearCampaign()
{
    for (auto& name : MissionName)
        name.clear();
    for (auto& row : Roster)
        for (auto& cell : row)
            cell.clear();
    NameCount = 0;
}

std::string GameState::dataPath(const std::string& relative) const
{
    if (programFolder.empty())
        return relative;
    if (programFolder.back() == '/')
        return programFolder + relative;
    return programFolder + "/" + relative;
}

} // namespace tolvar
