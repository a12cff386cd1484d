#include "game/battle/troop_ranks.h"

#include "platform/text/vb.h"

#include <algorithm>
#include <vector>

namespace tolvar::battle {

float medalLevelFor(const std::string& tally)
{
    const double level = static_cast<double>(vb::intFloor(vb::val(tally) / 8)) + 1;
    return static_cast<float>(std::min(level, 18.0));
}

void addKillTallies(GameState& game, BattleState& s)
{
    if (game.NewCampaign) {
        // The kills still held are those of an earlier campaign's last mission.
        game.NewCampaign = false;
        s.Kills = {};
        return;
    }
    // Each slot credits one roster row: the first of its name that no lower slot has credited, so
    // two soldiers of one name keep their own tallies and no soldier is counted twice.
    std::vector<bool> credited(game.Roster.size(), false);
    for (int i = 1; i <= MaxSoldiers; ++i) {
        // A slot without a name (a troop larger than the roster) would otherwise match an empty
        // roster row.
        if (s.SoldierName[i].empty())
            continue;
        for (std::size_t k = 1; k < game.Roster.size(); ++k) {
            auto& row = game.Roster[k];
            if (credited[k] || row[RosterName] != s.SoldierName[i])
                continue;
            row[RosterKills] = vb::generalNumber(vb::val(row[RosterKills]) + s.Kills[i]);
            credited[k] = true;
            break;
        }
    }
    s.Kills = {};
}

void nameTroop(const GameState& game, BattleState& s)
{
    for (int k = 1; k <= s.TroopCount && k < static_cast<int>(game.Roster.size()); ++k) {
        s.SoldierName[k] = game.Roster[k][RosterName];
        s.MedalLevel[k] = medalLevelFor(game.Roster[k][RosterKills]);
    }
}

} // namespace tolvar::battle
