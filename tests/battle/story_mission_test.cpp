// A whole mission told by its scripts, played headless frame by frame: a scripted opening walks the
// troop and lets the leader speak before it hands control back, an enemy patrols on its AI
// animation, and a condition wins the mission once the leader reaches the bridge.

#include "frame_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using namespace tolvar::battle;
using battle_test::FrameHarness;

namespace {

std::string fixtureBytes(const std::string& name)
{
    std::ifstream in(battle_test::fixturePath(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(StoryMission, ScriptedOpeningPatrolAndVictoryPlayToMissionCompleted)
{
    FrameHarness h;
    h.start(fixtureBytes("story_bridgehead.cfm"));
    BattleState& s = h.s();
    ASSERT_FALSE(h.game.MissionOver);
    std::vector<std::string> shown;
    h.whileTextShown = [&] {
        if (shown.empty() || shown.back() != s.ScreenText.text)
            shown.push_back(s.ScreenText.text);
        s.KeyAck = true; // the player skips each text
    };
    float patrolEast = 0;
    auto frame = [&] {
        h.frames(1);
        patrolEast = std::max(patrolEast, s.Dolls[1].X);
    };

    // The opening takes the troop: the player's move order is ignored while it walks east.
    frame();
    frame();
    ASSERT_TRUE(s.InputLocked);
    h.pointAtMap(50, 100);
    h.press(2);
    h.release(2);
    int f = 2;
    while (s.InputLocked && f < 200) {
        frame();
        ++f;
    }
    ASSERT_FALSE(s.InputLocked) << "control never came back";
    EXPECT_EQ(f, 82); // started in frame 2, hands back on its 81st frame
    EXPECT_EQ(shown, std::vector<std::string>{"Follow me, men!"});
    EXPECT_NEAR(s.SoldierX[1], 110, 2);
    EXPECT_NEAR(s.SoldierY[1], 230, 2);
    EXPECT_EQ(s.TroopCount, 3);

    // The player leads the troop onto the bridge; the condition wins the mission.
    h.pointAtMap(190, 230);
    h.press(2);
    frame();
    h.release(2);
    while (!h.game.MissionOver && f < 600) {
        frame();
        ++f;
    }
    ASSERT_TRUE(h.game.MissionOver);
    EXPECT_TRUE(h.game.MissionWon);
    EXPECT_EQ(h.game.CurrentMission, 2);
    EXPECT_EQ(shown, (std::vector<std::string>{"Follow me, men!", "Bridge taken", "Mission completed"}));

    // The patrol walked east and back on its own, too far to notice the troop.
    EXPECT_GT(patrolEast, 440);
    EXPECT_LT(s.Dolls[1].X, 420);
    EXPECT_EQ(s.Dolls[1].State, DollActive);
    EXPECT_EQ(h.soundCount(1), 0); // not a shot was fired
}

} // namespace
