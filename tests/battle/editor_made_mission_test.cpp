// A mission made entirely in the mission editor's panels (the editor's tests save it and compare
// their file with this fixture byte for byte), played headless to its scripted victory: the
// first condition starts the opening, which walks the troop to the bridge with the leader's
// word and hands control back; the second condition wins the mission on the bridge cell.

#include "frame_harness.h"

#include <gtest/gtest.h>

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

TEST(EditorMadeMission, PlaysToItsScriptedVictory)
{
    FrameHarness h;
    h.start(fixtureBytes("editor_made.cfm"));
    BattleState& s = h.s();
    ASSERT_FALSE(h.game.MissionOver);
    EXPECT_EQ(s.TroopCount, 3);
    EXPECT_EQ(s.Dolls[1].State, DollActive);
    std::vector<std::string> shown;
    h.whileTextShown = [&] {
        if (shown.empty() || shown.back() != s.ScreenText.text)
            shown.push_back(s.ScreenText.text);
        s.KeyAck = true; // the player skips each text
    };

    int f = 0;
    while (!h.game.MissionOver && f < 1000) {
        h.frames(1);
        ++f;
        if (f == 2) {
            EXPECT_TRUE(s.InputLocked) << "the opening has the troop";
        }
    }
    ASSERT_TRUE(h.game.MissionOver) << "no end after " << f << " frames";
    EXPECT_TRUE(h.game.MissionWon);
    EXPECT_EQ(h.game.CurrentMission, 2);
    EXPECT_EQ(shown, (std::vector<std::string>{"Follow me, men!", "Bridge taken", "Mission completed"}));
    // The leader stands on the bridge cell (10, 12).
    EXPECT_NEAR(s.SoldierX[1], 190, 10);
    EXPECT_NEAR(s.SoldierY[1], 230, 10);
}

} // namespace
