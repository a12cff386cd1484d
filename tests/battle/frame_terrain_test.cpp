// The ground under the figures, walking against walls, and the camera.

#include "frame_harness.h"

#include "game/battle/frame_terrain.h"

#include <gtest/gtest.h>

using namespace tolvar::battle;
using battle_test::Cell;
using battle_test::FrameHarness;
using battle_test::MissionText;

TEST(Terrain, ClassesGiveKindAndSpeedWithLandAsDefault)
{
    struct Case
    {
        const char* code;
        int kind;
        float speed;
    };
    const Case cases[] = {{"01", 1, 1.0f}, {"02", 2, 0.5f}, {"0A", 1, 0.7f}, {"21", 1, 1.2f}, {"53", 1, 1.2f},
                          {"23", 1, 1.0f}, {"4E", 1, 1.0f}, {"0a", 1, 1.0f}, {"", 1, 1.0f},
                          // Texts that are not one code are searched for as written in the classes.
                          {"03*09", 1, 0.7f}, {"*0", 1, 1.0f}, {"1*", 1, 1.0f}, {"0", 1, 1.0f}};
    for (const Case& c : cases) {
        const Terrain t = terrainOf(c.code);
        EXPECT_EQ(t.kind, c.kind) << c.code;
        EXPECT_FLOAT_EQ(t.speed, c.speed) << c.code;
    }
}

class WalkTest : public ::testing::Test
{
protected:
    WalkTest()
    {
        buildAngleTables(s);
        // White map with a black wall column at x 30..39.
        s.ColMap = platform::gfx::Picture(100, 100, platform::gfx::kWhite);
        s.ColMap.fillBox(30, 0, 39, 99, platform::gfx::kBlack);
    }
    BattleState s;
};

TEST_F(WalkTest, TheXAxisIsTestedFirstSoAWallIsSlidAlong)
{
    float x = 28.6f, y = 50;
    walkStep(s, x, y, 315, 2);                  // down and right, into the wall
    EXPECT_FLOAT_EQ(x, 28.6f);                  // blocked on x
    EXPECT_NEAR(y, 50 + 2 * 0.70710678f, 1e-4); // slides down

    float fx = 20, fy = 50;
    walkStep(s, fx, fy, 0, 1);
    EXPECT_FLOAT_EQ(fx, 21);
    EXPECT_FLOAT_EQ(fy, 50);
}

TEST_F(WalkTest, OffTheTopOrLeftEdgeNothingIsTested)
{
    s.ColMap.clear(platform::gfx::kBlack);
    float x = 0, y = 50;
    walkStep(s, x, y, 0, 1);
    EXPECT_FLOAT_EQ(x, 1);
    float x2 = 50, y2 = -0.5f;
    walkStep(s, x2, y2, 270, 1);
    EXPECT_FLOAT_EQ(y2, 0.5f);
    // Past the right or bottom edge the picture reads neither white nor black: no step.
    s.ColMap.clear(platform::gfx::kWhite);
    float x3 = 99.4f, y3 = 50;
    walkStep(s, x3, y3, 0, 1);
    EXPECT_FLOAT_EQ(x3, 99.4f);
}

TEST(SoldierTerrain, WaterHalvesTheWalkAndTriplesTheCooldownAfterAShot)
{
    FrameHarness h;
    MissionText m;
    m.map = battle_test::mapWith(25, 25, {{5, 5, "02"}});
    m.troop = battle_test::troopAt(5, 5, 1);
    h.start(m);
    h.frames(1);
    EXPECT_EQ(h.s().TerrainKind[1], 2);
    EXPECT_FLOAT_EQ(h.s().WalkSpeed[1], 0.5f);

    h.pointAtMap(150, 90);
    h.press(1);
    h.frames(1);
    EXPECT_EQ(h.s().Cooldown[1], 3 * h.s().FireDelay[1]);
}

TEST(EnemyTerrain, UsesTheTileTheEnemyStandsIn)
{
    BattleState s;
    s.TileGrid[2][1] = "02";
    s.Dolls[1].X = 59.9f; // column Int(59.9 / 20) + 1 = 3
    s.Dolls[1].Y = 20;    // row 2
    s.Dolls[2].X = -5;    // off the map: kept
    s.Dolls[2].Speed = 0.7f;
    s.Dolls[2].Terrain = 1;
    EnemyTerrainPhase(s);
    EXPECT_EQ(s.Dolls[1].Terrain, 2);
    EXPECT_FLOAT_EQ(s.Dolls[1].Speed, 0.5f);
    EXPECT_FLOAT_EQ(s.Dolls[2].Speed, 0.7f);
}

TEST(Camera, ClampsToTheMapThenFollowsTheLeaderAPixelPerFrame)
{
    FrameHarness h;
    MissionText m;
    m.troop = battle_test::troopAt(2, 2, 1);
    h.start(m);
    auto& s = h.s();
    EXPECT_LT(s.CameraX, 1); // the loader leaves it off the map
    // Clamped to 1, then a step towards the leader near the corner: one pixel outside until the
    // next frame clamps it again.
    h.frames(1);
    EXPECT_EQ(s.CameraX, 0);
    EXPECT_EQ(s.CameraY, 0);
    h.frames(1);
    EXPECT_EQ(s.CameraX, 0);

    // Far right and below: clamped to width - view - 2, then one step towards the leader.
    const int maxX = s.MainMap.width() - 320 - 2;
    const int maxY = s.MainMap.height() - 240 - 2;
    s.CameraX = 5000;
    s.CameraY = 5000;
    h.frames(1);
    EXPECT_EQ(s.CameraX, maxX - 1);
    EXPECT_EQ(s.CameraY, maxY - 1);

    // Inside the dead zone nothing moves; outside it one pixel per frame per axis.
    s.CameraX = 100;
    s.CameraY = 100;
    s.SoldierX[1] = 100 + 160 + 10;
    s.SoldierY[1] = 100 + 120 - 11;
    h.frames(1);
    EXPECT_EQ(s.CameraX, 100);
    EXPECT_EQ(s.CameraY, 99);
}
