#include "game/campaign_start.h"

#include "platform/text/codepage.h"
#include "platform/text/file_names.h"
#include "platform/text/text_file.h"
#include "platform/text/vb.h"

#include <vector>

namespace tolvar {

using platform::text::lowerCase;
using platform::text::TextReader;

std::string campaignFolder(const GameState& state)
{
    return state.dataPath("arquivos/campanha/");
}

std::optional<std::string> missionFilePath(const GameState& state, const std::string& name)
{
    if (!platform::text::isPlainFileName(name))
        return std::nullopt;
    return platform::text::pathInFolder(campaignFolder(state), name + ".cfm");
}

bool isCampaignFile(const std::string& bytes)
{
    TextReader reader(bytes);
    return lowerCase(reader.readItem()) == "<campanha>";
}

CampaignHeader readCampaignHeader(const std::string& bytes)
{
    CampaignHeader header;
    if (!isCampaignFile(bytes))
        return header;
    TextReader reader(bytes);
    reader.readItem();
    header.usable = true;
    header.name = reader.readItem();
    header.author = reader.readItem();
    return header;
}

CampaignStart startCampaign(GameState& state, const std::string& bytes, bool seedFromTime)
{
    CampaignStart result;
    if (!isCampaignFile(bytes))
        return result;
    result.ok = true;
    state.clearCampaign();

    TextReader reader(bytes);
    for (int item = 1; item <= 5; ++item) {
        std::string value = reader.readItem();
        if (item == 5)
            result.orderFlag = value;
    }
    reader.readItem(); // "<-Campanha>"
    reader.readItem(); // "<Miss>"

    int missions = 0;
    while (!reader.atEnd()) {
        std::string item = reader.readItem();
        if (lowerCase(item) == "<-miss>")
            break;
        if (missions < MaxMissions)
            state.MissionName[++missions] = std::move(item);
        else
            ++result.missionsSkipped;
    }

    reader.readItem(); // "<Nomes>"
    int names = 0;
    while (!reader.atEnd()) {
        std::string item = reader.readItem();
        if (lowerCase(item) == "<-nomes>")
            break;
        if (names < MaxNames)
            state.Roster[++names][RosterName] = std::move(item);
        else
            ++result.namesSkipped;
    }
    state.NameCount = names;

    if (lowerCase(result.orderFlag) == "false") {
        if (seedFromTime)
            state.random.randomize();
        shuffleRoster(state, state.random);
    }

    state.CurrentMission = 1;
    state.MissionOver = false;
    state.CampaignOver = false;
    state.NewCampaign = true; // no kills of another campaign are credited to this one's soldiers
    return result;
}

void shuffleRoster(GameState& state, platform::clock::Random& random)
{
    const int count = state.NameCount;
    std::vector<std::string> order(count + 1);
    std::vector<bool> taken(count + 1, false);
    int takenCount = 0;
    while (takenCount < count) {
        for (int i = 1; i <= count; ++i) {
            if (taken[i])
                continue;
            const long long r = vb::intFloor(random.rnd() * 2) + 1;
            if (r == 2) {
                order[++takenCount] = std::move(state.Roster[i][RosterName]);
                state.Roster[i][RosterName].clear();
                taken[i] = true;
            }
        }
    }
    for (int i = 1; i <= count; ++i)
        state.Roster[i][RosterName] = std::move(order[i]);
}

} // namespace tolvar
