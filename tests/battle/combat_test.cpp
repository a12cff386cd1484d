// Bullets in flight, hits on enemies and soldiers, and the fall of the dead.

#include "frame_harness.h"

#include "game/battle/battle_numbers.h"
#include "game/battle/combat.h"

#include <gtest/gtest.h>

using namespace tolvar::battle;
using battle_test::FrameHarness;
using battle_test::MissionText;

namespace {

TEST(DeathStages, LastSixSixThirtyTenAndOneFrames)
{
    int stage = 1, timer = 0;
    std::vector<int> lengths(7, 0);
    for (int frame = 0; frame < 200 && stage != 6; ++frame)
        ++lengths[static_cast<std::size_t>(countDeathStage(stage, timer))];
    EXPECT_EQ(lengths, (std::vector<int>{0, 6, 6, 30, 10, 1, 0}));
    EXPECT_EQ(countDeathStage(stage, timer), 6); // final
    EXPECT_EQ(stage, 6);
}

// A soldier at cell (5, 5) and an enemy 3 cells east of him.
class CombatTest : public ::testing::Test
{
protected:
    CombatTest()
    {
        MissionText m;
        m.map = battle_test::mapWith(25, 25, {{12, 5, "11"}}); // a wall further east
        m.troop = battle_test::troopAt(5, 5, 1);
        m.enemies = {"04,08,05,None,0"};
        h.start(m);
    }
    void fireEast()
    {
        h.pointAtMap(300, 90);
        h.press(1);
        h.frames(1);
        h.release(1);
    }
    FrameHarness h;
};

TEST_F(CombatTest, ATroopBulletKillsTheEnemyWhoFallsAndIsGoneAfter52Frames)
{
    BattleState& s = h.s();
    fireEast();
    int frames = 1;
    while (s.Dolls[1].State == DollActive && frames < 20) {
        h.frames(1);
        ++frames;
    }
    ASSERT_EQ(s.Dolls[1].State, DollDying);
    EXPECT_EQ(s.Kills[1], 1);
    EXPECT_EQ(s.ShotsHit, 1);
    EXPECT_EQ(s.Bullet[1][0], 0); // the bullet is spent
    EXPECT_GE(h.sounds.back(), 6);
    EXPECT_LE(h.sounds.back(), 10);
    // The frame of the hit is the first of the fall; the enemy is dead in the 53rd.
    h.frames(51);
    EXPECT_EQ(s.Dolls[1].State, DollDying);
    h.frames(1);
    EXPECT_EQ(s.Dolls[1].State, DollDead);
    EXPECT_EQ(s.Dolls[1].DeathStage, 6);
}

TEST_F(CombatTest, ABulletStopsAtAWallWithARicochetAndDrawsAGreyTracer)
{
    BattleState& s = h.s();
    s.Dolls[1].State = DollEmpty;
    fireEast();
    const double x = s.Bullet[1][1];
    h.frames(1);
    // The tracer runs from the new point to the last one, 8 pixels higher, grey by age.
    const int grey = 255 - 18; // two steps old
    EXPECT_EQ(s.MainFrame.pixel(toInteger(x + 5), 90 - 8), static_cast<platform::gfx::Rgb>(grey * 0x010101));
    for (int k = 0; k < 20 && s.Bullet[1][0] == 1; ++k)
        h.frames(1);
    EXPECT_EQ(s.Bullet[1][0], 0);
    EXPECT_EQ(h.soundCount(14), 1);
    EXPECT_LT(s.Bullet[1][1], 220); // the wall starts at x 220
}

TEST_F(CombatTest, ABulletIsSpentAtTheEndOfItsRange)
{
    BattleState& s = h.s();
    s.Dolls[1].State = DollEmpty;
    h.pointAtMap(90, 400); // south, open ground
    h.press(1);
    h.frames(1);
    h.release(1);
    int frames = 0;
    while (s.Bullet[1][0] == 1 && frames < 50) {
        h.frames(1);
        ++frames;
    }
    EXPECT_EQ(frames, 14); // 120 pixels of range at 10 per frame, then it is spent
    EXPECT_EQ(h.soundCount(14), 0);
}

TEST_F(CombatTest, AnEnemyBulletKillsTheSoldierItReaches)
{
    BattleState& s = h.s();
    s.Bullet[5] = {1, 95, 90, 0, 0, EnemyBulletKind, 0, 0, -10, 0};
    s.Bullet[6] = {1, 95, 90, 0, 0, TroopBulletKind, 0, 1, 0, 0}; // the troop's own do not
    h.frames(1);
    EXPECT_EQ(s.TroopCount, 0);
    EXPECT_EQ(s.BodyCount, 1);
    EXPECT_EQ(s.Bullet[5][0], 0);
    EXPECT_EQ(s.Bullet[6][0], 1);
    // With nobody left a fire order does nothing.
    fireEast();
    EXPECT_EQ(s.ShotsFired, 0);
}

} // namespace
