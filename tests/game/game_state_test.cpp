#include "game/game_state.h"

#include <gtest/gtest.h>

using namespace tolvar;

TEST(GameState, StartsEmptyWithTheViewSize)
{
    GameState state;
    EXPECT_EQ(state.MissionName.size(), 1001u);
    EXPECT_EQ(state.Roster.size(), 5001u);
    EXPECT_EQ(state.NameCount, 0);
    EXPECT_FALSE(state.InGame || state.MissionOver || state.CampaignOver || state.MusicOn);
    EXPECT_EQ(state.ViewWidth, 320);
    EXPECT_EQ(state.ViewHeight, 240);
    EXPECT_EQ(state.screen, Screen::Title);
}

TEST(GameState, ClearingACampaignLeavesNothingOfIt)
{
    GameState state;
    for (int i = 1; i <= MaxMissions; ++i)
        state.MissionName[static_cast<std::size_t>(i)] = "m" + std::to_string(i);
    for (auto& row : state.Roster)
        row = {"x", "name", "12"};
    state.NameCount = MaxNames;
    state.clearCampaign();
    EXPECT_EQ(state.NameCount, 0);
    for (const auto& name : state.MissionName)
        ASSERT_TRUE(name.empty());
    for (const auto& row : state.Roster)
        for (const auto& cell : row)
            ASSERT_TRUE(cell.empty());
}

TEST(GameState, PathsLieBelowTheProgramsFolder)
{
    GameState state;
    state.programFolder = "/opt/tolvar";
    EXPECT_EQ(state.dataPath("arquivos/config.cfg"), "/opt/tolvar/arquivos/config.cfg");
    state.programFolder = "/opt/tolvar/";
    EXPECT_EQ(state.dataPath("arquivos/som/foot.wav"), "/opt/tolvar/arquivos/som/foot.wav");
}
