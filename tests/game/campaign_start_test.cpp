// The game's reading of campaign files: the header of a picked campaign, the whole campaign read
// at its start, the limits of the campaign state and the roster shuffle.

#include "game/campaign_start.h"

#include "program_folder_fixture.h"
#include "tests/campaign_editor/soldier_name_cases.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace tolvar;

namespace {

std::string campaignBytes(const std::string& flag, const std::vector<std::string>& missions,
                          const std::vector<std::string>& names, const std::string& name = "Alpha",
                          const std::string& author = "Bo")
{
    std::string bytes = "<Campanha>\r\n\"" + name + "\"\r\n\"" + author + "\"\r\n " +
                        std::to_string(missions.size()) + " \r\n" + flag + "\r\n<-Campanha>\r\n<Miss>\r\n";
    for (const auto& m : missions)
        bytes += m + "\r\n";
    bytes += "<-Miss>\r\n<Nomes>\r\n";
    for (const auto& n : names)
        bytes += n + "\r\n";
    return bytes + "<-Nomes>\r\n";
}

std::vector<std::string> rosterNames(const GameState& state)
{
    std::vector<std::string> names;
    for (int i = 1; i <= state.NameCount; ++i)
        names.push_back(state.Roster[i][RosterName]);
    return names;
}

TEST(CampaignHeader, NameAndAuthorOfACampaignNothingOfOtherFiles)
{
    const CampaignHeader header =
        readCampaignHeader(campaignBytes("True", {"m1"}, {"Ann"}, "Alpha, the first", "Bo"));
    EXPECT_TRUE(header.usable);
    EXPECT_EQ(header.name, "Alpha, the first");
    EXPECT_EQ(header.author, "Bo");

    for (const std::string& bad : {std::string(), std::string("\0\x01\xff\xfe<Campanha>", 14),
                                   std::string("<Info>\r\n\"Beach\"\r\n")}) {
        const CampaignHeader none = readCampaignHeader(bad);
        EXPECT_FALSE(none.usable);
        EXPECT_TRUE(none.name.empty() && none.author.empty());
    }
}

TEST(CampaignStart, FillsTheStateAndLeavesNothingOfAnEarlierCampaign)
{
    GameState state;
    ASSERT_TRUE(
        startCampaign(state, campaignBytes("True", {"m1", "m2", "m3", "m4"}, {"Ann", "Bob", "Cid", "Dee"}))
            .ok);
    state.Roster[2][RosterKills] = "12";
    state.CurrentMission = 4;
    state.CampaignOver = true;

    const CampaignStart second = startCampaign(state, campaignBytes("TRUE", {"a", "b", "c"}, {"Eve", "Fay"}));
    ASSERT_TRUE(second.ok);
    EXPECT_EQ(second.orderFlag, "TRUE");
    EXPECT_EQ(state.MissionName[1], "a");
    EXPECT_EQ(state.MissionName[3], "c");
    EXPECT_EQ(state.MissionName[4], "");
    EXPECT_EQ(rosterNames(state), (std::vector<std::string>{"Eve", "Fay"}));
    for (int row = 1; row <= 4; ++row)
        EXPECT_EQ(state.Roster[row][RosterKills], "") << row;
    EXPECT_EQ(state.Roster[3][RosterName], "");
    EXPECT_EQ(state.CurrentMission, 1);
    EXPECT_FALSE(state.CampaignOver);
}

TEST(CampaignStart, ListsEndAtTheirClosingTagInAnyCaseOrAtTheEndOfTheFile)
{
    GameState state;
    // The header's count is not consulted, and a file cut short keeps what it holds.
    const std::string bytes = "<Campanha>\r\n\"A\"\r\n\"B\"\r\n 9 \r\nTrue\r\n<-Campanha>\r\n<Miss>\r\nm1\r\n"
                              "<-MISS>\r\n<Nomes>\r\nAnn, Bob\r\nCid";
    ASSERT_TRUE(startCampaign(state, bytes).ok);
    EXPECT_EQ(state.MissionName[1], "m1");
    EXPECT_EQ(state.MissionName[2], "");
    EXPECT_EQ(rosterNames(state), (std::vector<std::string>{"Ann", "Bob", "Cid"}));
}

TEST(CampaignStart, TheRosterIsEveryNameTheEditorSaved)
{
    // The files the campaign editor writes from names boxes with empty lines and items in them.
    for (const auto& c : soldier_names::cases()) {
        GameState state;
        ASSERT_TRUE(startCampaign(state, soldier_names::campaignFile(c.names)).ok) << c.what;
        EXPECT_EQ(rosterNames(state), c.names) << c.what;
    }
}

TEST(CampaignStart, KeepsWhatFitsOfTooManyMissionsAndNames)
{
    std::vector<std::string> missions;
    for (int i = 1; i <= MaxMissions + 5; ++i)
        missions.push_back("m" + std::to_string(i));
    std::vector<std::string> names;
    for (int i = 1; i <= MaxNames + 7; ++i)
        names.push_back("n" + std::to_string(i));

    GameState state;
    const CampaignStart start = startCampaign(state, campaignBytes("True", missions, names));
    ASSERT_TRUE(start.ok);
    EXPECT_EQ(start.missionsSkipped, 5);
    EXPECT_EQ(start.namesSkipped, 7);
    EXPECT_EQ(state.MissionName[MaxMissions], "m1000");
    EXPECT_EQ(state.MissionName.size(), static_cast<std::size_t>(MaxMissions + 1));
    EXPECT_EQ(state.NameCount, MaxNames);
    // The missions beyond the limit are not taken for names.
    EXPECT_EQ(state.Roster[1][RosterName], "n1");
    EXPECT_EQ(state.Roster[MaxNames][RosterName], "n5000");
}

TEST(CampaignStart, AFileThatIsNoCampaignChangesNothing)
{
    GameState state;
    ASSERT_TRUE(startCampaign(state, campaignBytes("True", {"m1"}, {"Ann"})).ok);
    state.CurrentMission = 1;
    for (const std::string& bad : {std::string(),
                                   std::string("\x7f"
                                               "ELF\x02\x01\0\0",
                                               8),
                                   std::string("\r\n\r\n")}) {
        EXPECT_FALSE(startCampaign(state, bad).ok);
        EXPECT_EQ(state.MissionName[1], "m1");
        EXPECT_EQ(state.NameCount, 1);
    }
}

class MissionFile : public ProgramFolderTest
{
};

// A campaign names its missions in Windows-1252; the files have the file system's names, in
// whatever letter case they were made with.
TEST_F(MissionFile, IsTheCampaignsNameInTheCampaignFolderInAnyLetterCase)
{
    write("arquivos/campanha/miss\xC3\xA3o.cfm", "m");
    write("arquivos/campanha/mill_road.cfm", "r");
    const std::string folder = path("arquivos/campanha").string() + "/";
    EXPECT_EQ(missionFilePath(state, "miss\xE3o"), folder + "miss\xC3\xA3o.cfm");
    EXPECT_EQ(missionFilePath(state, "MISS\xC3O"), folder + "miss\xC3\xA3o.cfm");
    EXPECT_EQ(missionFilePath(state, "Mill_Road"), folder + "mill_road.cfm");
    EXPECT_EQ(missionFilePath(state, "gone"), folder + "gone.cfm");
}

TEST(RosterShuffle, TrueOrAnyOtherFlagKeepsTheFileOrderFalseShuffles)
{
    const std::vector<std::string> names = {"Ann", "Bob", "Cid", "Dee", "Eve", "Fay", "Gus", "Hal"};
    for (const char* flag : {"True", "true", "maybe"}) {
        GameState state;
        startCampaign(state, campaignBytes(flag, {"m1"}, names), false);
        EXPECT_EQ(rosterNames(state), names) << flag;
    }

    std::vector<std::vector<std::string>> orders;
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        GameState state;
        state.random.seed(seed);
        startCampaign(state, campaignBytes("FALSE", {"m1"}, names), false);
        std::vector<std::string> order = rosterNames(state);
        std::vector<std::string> sorted = order;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, names) << "a permutation of the same names";
        orders.push_back(order);
    }
    EXPECT_TRUE(orders[0] != orders[1] || orders[1] != orders[2]) << "different between runs";
}

TEST(RosterShuffle, NamesTakenInAnEarlierPassComeFirst)
{
    // Draws in a fixed pattern: row 2 is taken in the first pass, then rows 1 and 3 in the second.
    GameState state;
    state.NameCount = 3;
    state.Roster[1][RosterName] = "Ann";
    state.Roster[2][RosterName] = "Bob";
    state.Roster[3][RosterName] = "Cid";
    // Find a seed whose first draws are: tail, head, tail, head, head.
    for (std::uint32_t seed = 1; seed < 10000; ++seed) {
        platform::clock::Random probe(seed);
        bool heads[5];
        for (bool& h : heads)
            h = probe.rnd() >= 0.5;
        if (!heads[0] && heads[1] && !heads[2] && heads[3] && heads[4]) {
            platform::clock::Random random(seed);
            shuffleRoster(state, random);
            EXPECT_EQ(rosterNames(state), (std::vector<std::string>{"Bob", "Ann", "Cid"}));
            return;
        }
    }
    FAIL() << "no seed with the wanted draws";
}

TEST(RosterShuffle, NoNamesEndsAtOnce)
{
    GameState state;
    startCampaign(state, campaignBytes("False", {"m1"}, {}), false);
    EXPECT_EQ(state.NameCount, 0);
}

} // namespace
