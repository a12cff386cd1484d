// Fire and move orders, the file the troop walks in, a soldier's death and reloading.

#include "frame_harness.h"

#include "game/battle/troop_orders.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tolvar::battle;
using battle_test::FrameHarness;
using battle_test::MissionText;

namespace {

// A troop of three at cell (5, 5): soldiers at x 90, 98 and 106 on y 90, facing east.
class TroopTest : public ::testing::Test
{
protected:
    TroopTest()
    {
        MissionText m;
        m.troop = battle_test::troopAt(5, 5, 3);
        h.start(m);
        h.game.NameCount = 3;
        for (int k = 1; k <= 3; ++k) {
            h.game.Roster[k][tolvar::RosterName] = std::string(1, static_cast<char>('A' + k - 1));
            h.s().SoldierName[k] = h.game.Roster[k][tolvar::RosterName];
        }
    }

    // A fire order at map point (x, y), as a script gives it.
    void fireAt(int x, int y)
    {
        BattleState& s = h.s();
        s.InputLocked = true;
        s.AimX = x;
        s.AimY = y;
        s.MouseMapPoint = {x, y};
        s.FireHeld = true;
        TroopOrders(h.battle);
    }

    FrameHarness h;
};

TEST_F(TroopTest, TheShooterIsTheNearestSoldierThatMayFireInItsMode)
{
    struct Case
    {
        int mode;
        float reload3;
        int cooldown3;
        int shooter; // 0: no shot
        int rounds2 = 22;
        int aimX = 300, aimY = 90;
    };
    const Case cases[] = {
        {1, 0, 0, 3}, // nearest to a point in the east
        {1, 1, 0, 2}, // mode 1 passes over a reloading soldier
        {1, 0, 2, 0}, // ... but waits for the nearest one to cool down
        {2, 0, 2, 2}, // mode 2 takes the nearest soldier that is ready
        {2, 1, 0, 0}, // ... and a reloading soldier does not fire
        // Soldiers 1 and 3 stand equally far from a point south of soldier 2, who has no rounds:
        // the lower slot fires, in either mode.
        {1, 0, 0, 1, 0, 98, 300},
        {2, 0, 0, 1, 0, 98, 300},
    };
    for (const Case& c : cases) {
        BattleState& s = h.s();
        s.JustFired = {};
        s.Bullet = {};
        s.BulletIndex = 0;
        s.ShotsFired = 0;
        for (int k = 1; k <= 3; ++k) {
            s.Cooldown[k] = 0;
            s.Reload[k] = 0;
            s.Rounds[k] = 22;
        }
        s.FireMode = c.mode;
        s.Rounds[2] = c.rounds2;
        s.Reload[3] = c.reload3;
        s.Cooldown[3] = c.cooldown3;
        fireAt(c.aimX, c.aimY);
        const std::string label =
            "mode " + std::to_string(c.mode) + " expecting " + std::to_string(c.shooter);
        if (c.shooter == 0) {
            EXPECT_EQ(s.ShotsFired, 0) << label;
            EXPECT_EQ(s.Bullet[1][0], 0) << label;
            continue;
        }
        EXPECT_EQ(s.ShotsFired, 1) << label;
        EXPECT_EQ(s.Bullet[1][7], c.shooter) << label;
        EXPECT_EQ(s.Rounds[c.shooter], 21) << label;
        EXPECT_EQ(s.Cooldown[c.shooter], s.FireDelay[c.shooter]) << label;
        EXPECT_TRUE(s.JustFired[c.shooter]) << label;
        // The bullet flies straight at the aim at 10 pixels per frame.
        const double dx = c.aimX - s.SoldierX[c.shooter], dy = c.aimY - s.SoldierY[c.shooter];
        EXPECT_NEAR(s.Bullet[1][8], dx / std::hypot(dx, dy) * 10, 1e-4) << label;
        EXPECT_NEAR(s.Bullet[1][9], dy / std::hypot(dx, dy) * 10, 1e-4) << label;
        EXPECT_EQ(s.Bullet[1][5], TroopBulletKind) << label;
    }
}

TEST_F(TroopTest, AShotAtTheShootersOwnPositionOrWithNoTroopFiresNothing)
{
    BattleState& s = h.s();
    fireAt(106, 90); // soldier 3 stands there
    EXPECT_EQ(s.ShotsFired, 0);
    EXPECT_EQ(s.BulletIndex, 0);
    EXPECT_EQ(s.Rounds[3], 22);

    s.TroopCount = 0;
    fireAt(300, 90);
    EXPECT_EQ(s.ShotsFired, 0);
}

TEST_F(TroopTest, TheBulletRingOverwritesItsOldestRow)
{
    BattleState& s = h.s();
    s.BulletIndex = 100;
    s.Bullet[1][0] = 1;
    s.Bullet[1][5] = EnemyBulletKind;
    fireAt(300, 90);
    EXPECT_EQ(s.BulletIndex, 1);
    EXPECT_EQ(s.Bullet[1][5], TroopBulletKind);
    EXPECT_EQ(s.Bullet[1][7], 3);
}

TEST_F(TroopTest, KillDollCompactsTheSlotsAndTheNextSoldierLeads)
{
    BattleState& s = h.s();
    s.Kills = {0, 4, 5, 6};
    KillDoll(h.battle, 1);
    EXPECT_EQ(s.TroopCount, 2);
    EXPECT_FLOAT_EQ(s.SoldierX[1], 98);
    EXPECT_EQ(s.SoldierName[1], "B");
    EXPECT_EQ(s.Kills[1], 5);
    EXPECT_EQ(s.SoldierName[2], "C");
    EXPECT_TRUE(s.Alive[2]);
    // The vacated slot holds nobody: no name, no kills to credit a second time.
    EXPECT_FALSE(s.Alive[3]);
    EXPECT_EQ(s.SoldierName[3], "");
    EXPECT_EQ(s.Kills[3], 0);
    EXPECT_EQ(h.game.Roster[1][tolvar::RosterName], "");
    EXPECT_EQ(h.game.Roster[2][tolvar::RosterName], "B");
    EXPECT_EQ(s.BodyCount, 1);
    EXPECT_EQ(s.DeadSoldier[1][1], 90);
    EXPECT_EQ(s.DeadSoldier[1][3], 1);
    ASSERT_EQ(h.sounds.size(), 1u);
    EXPECT_GE(h.sounds[0], 6);
    EXPECT_LE(h.sounds[0], 10);

    // Killing a slot that holds nobody changes nothing.
    KillDoll(h.battle, 3);
    EXPECT_EQ(s.TroopCount, 2);
    EXPECT_EQ(s.BodyCount, 1);

    // The camera follows the new leader.
    s.CameraX = 100;
    h.frames(1);
    EXPECT_EQ(s.CameraX, 99);
}

// Two soldiers of one name (rows 1 and 3 of the roster): each death blanks only the first row
// still holding the name, so the living namesake keeps his row.
TEST_F(TroopTest, KillDollBlanksOnlyTheFirstRosterRowOfTheName)
{
    BattleState& s = h.s();
    h.game.Roster[3][tolvar::RosterName] = "A";
    s.SoldierName[3] = "A";
    KillDoll(h.battle, 3);
    EXPECT_EQ(h.game.Roster[1][tolvar::RosterName], "");
    EXPECT_EQ(h.game.Roster[2][tolvar::RosterName], "B");
    EXPECT_EQ(h.game.Roster[3][tolvar::RosterName], "A");
    KillDoll(h.battle, 1);
    EXPECT_EQ(h.game.Roster[2][tolvar::RosterName], "B");
    EXPECT_EQ(h.game.Roster[3][tolvar::RosterName], "");
}

TEST_F(TroopTest, AnEmptiedClipReloadsInAbout31FramesWithTheReloadSoundAtCell29)
{
    BattleState& s = h.s();
    s.Rounds[3] = 1;
    s.Clips[3] = 1;
    h.pointAtMap(300, 90);
    h.press(1);
    h.frames(1);
    h.release(1);
    EXPECT_EQ(s.Rounds[3], 0);
    int frames = 1;
    int reloadSounds = 0;
    EXPECT_EQ(s.PoseCell[3], 28);
    while (s.Reload[3] > 0 && frames < 100) {
        const std::size_t before = h.sounds.size();
        h.frames(1);
        ++frames;
        const bool played =
            std::find(h.sounds.begin() + static_cast<long>(before), h.sounds.end(), 12) != h.sounds.end();
        EXPECT_EQ(played, s.PoseCell[3] == 29) << "frame " << frames;
        reloadSounds += played;
    }
    EXPECT_GE(frames, 30);
    EXPECT_LE(frames, 32);
    EXPECT_EQ(s.Rounds[3], 22);
    EXPECT_EQ(s.Clips[3], 0);
    EXPECT_GE(reloadSounds, 4); // two steps of the sequence show cell 29

    // With no rounds and no clips left the soldier never fires again.
    s.Rounds[3] = 0;
    s.Clips[3] = 0;
    for (int k = 1; k <= 2; ++k)
        s.Rounds[k] = 0;
    const int shots = s.ShotsFired;
    h.press(1);
    h.frames(10);
    EXPECT_EQ(s.ShotsFired, shots);
    EXPECT_EQ(s.Reload[3], 0);
}

TEST_F(TroopTest, TheFollowersWalkTheLeadersTrailInFile)
{
    BattleState& s = h.s();
    h.pointAtMap(90, 300); // straight down from the leader
    h.press(2);
    h.frames(1);
    h.release(2);
    EXPECT_EQ(s.TargetX[1], 90);
    EXPECT_EQ(s.TargetY[1], 300);
    EXPECT_EQ(s.MoveDir[1], 270);
    EXPECT_EQ(h.soundCount(15), 1);
    EXPECT_EQ(s.MoveMarkFrame, 2); // its first cell is drawn in the frame of the order
    h.frames(150);
    // Each soldier stands further back along the trail than the one before it.
    EXPECT_GT(s.SoldierY[1], s.SoldierY[2] + 5);
    EXPECT_GT(s.SoldierY[2], s.SoldierY[3] + 5);
    EXPECT_NEAR(s.SoldierX[2], 90, 2.5);
    EXPECT_GT(h.soundCount(2), 10); // footsteps
    h.frames(200);
    EXPECT_EQ(s.Moving[1], 0); // arrived within 2 pixels
    EXPECT_NEAR(s.SoldierY[1], 300, 2);
}

TEST_F(TroopTest, PanelReloadsCostOneClipEach)
{
    BattleState& s = h.s();
    // Soldier 1 empty with no clip, soldier 2 empty with 2 clips, soldier 3 full with 3 clips.
    auto setTroop = [&] {
        s.Rounds = {0, 0, 0, 22};
        s.Clips = {0, 0, 2, 3};
        s.Reload = {};
    };
    setTroop();
    reloadEmptySoldiers(s);
    EXPECT_EQ(s.Reload[1], 0);
    EXPECT_EQ(s.Reload[2], 1.0f);
    EXPECT_EQ(s.Clips[2], 2); // taken when the reload completes

    setTroop();
    reloadFromPooledClips(s);
    EXPECT_EQ(s.Reload[1], 1.0f);
    EXPECT_EQ(s.Reload[2], 1.0f);
    EXPECT_EQ(s.Reload[3], 0);
    EXPECT_EQ(s.Clips[1] + s.Clips[2] + s.Clips[3], 5); // no clip made or lost
    EXPECT_GE(s.Clips[1], 1);
    EXPECT_GE(s.Clips[2], 1);
    h.frames(40);
    EXPECT_EQ(s.Rounds[1], 22);
    EXPECT_EQ(s.Rounds[2], 22);
    EXPECT_EQ(s.Clips[1] + s.Clips[2] + s.Clips[3], 3);
}

} // namespace
