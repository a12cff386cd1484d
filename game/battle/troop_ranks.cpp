#include "game/battle/troop_ranks.h"

#include "platform/text/vb.h"

#include <algorithm>

namespace tolvar::battle {

float medalLevelFor(const std::string& tally)
{
    const double level = static_cast<double>(vb::intFloor(vb::val(tally) / 8)) + 1;
    return static_cast<float>(std::min(level, 18.0));
}

void addKillTallies(GameState& game, BattleState& s)
{
    for (int i = 1; i <= MaxSoldiers; ++i) {
        // A slot without a name (a troop larger than the roster) would otherwise match every
        // empty roster row.
        if (s.SoldierName[i].empty())
            continue;
        for (int k = 1; k < static_cast<int>(game.Roster.size()); ++k) {
            auto& row = game.Roster[k];
            if (row[RosterName] == s.SoldierName[i])
                row[RosterKills] = vb::generalNumber(vb::val(row[RosterKills]) + s.Kills[i]);
        }
    }
    for (int i = 1; i <= MaxSoldiers; ++i)
        s.Kills[i] = 0;
}

void nameTroop(const GameState& game, BattleState& s)
{
    for (int k = 1; k <= s.TroopCount && k < static_cast<int>(game.Roster.size()); ++k) {
        s.SoldierName[k] = game.Roster[k][RosterName];
        s.MedalLevel[k] = medalLevelFor(game.Roster[k][RosterKills]);
    }
}

} // namespace tolvar::battle
