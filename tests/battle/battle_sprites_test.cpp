#include "game/battle/battle_sprites.h"

#include "game/battle/battle_form.h"
#include "sprite_test_sheets.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace tolvar::battle;
using namespace sprite_test;

// A battle on a 200 x 150 frame of background, with the angle tables and the synthetic sheets.
class BattleSpritesTest : public ::testing::Test
{
protected:
    BattleSpritesTest() : battle(game, clock), s(*battle.state), sheets(makeSheets())
    {
        buildAngleTables(s);
        s.MainFrame = Picture(200, 150, Background);
        s.TroopTeam = 2;
    }

    // The soldier-sheet column whose colour covers the pixel, 0 for the background.
    int columnAt(int x, int y, int team) const
    {
        const Rgb p = s.MainFrame.pixel(x, y);
        if (p == Background)
            return 0;
        const Rgb base = cellColour(SPP, team, 0);
        return p > base && p < base + 0x100 ? static_cast<int>(p - base) : -1;
    }

    // Checks that the figure of column `column` (and the water column under its right half, or
    // none) has its cell's top-left corner at (left, top).
    void expectFigure(int left, int top, int team, int column, int waterColumn = 0) const
    {
        EXPECT_EQ(columnAt(left, top, team), column) << "left half";
        EXPECT_EQ(columnAt(left + 6, top + 19, team), column) << "left half";
        EXPECT_EQ(columnAt(left + 13, top + 10, team), column >= 20 ? column : waterColumn) << "right half";
        EXPECT_EQ(columnAt(left - 1, top, team), 0);
        EXPECT_EQ(columnAt(left, top - 1, team), 0);
    }

    tolvar::GameState game;
    platform::clock::ManualClock clock;
    Battle battle;
    BattleState& s;
    BattleSheets sheets;
};

struct EnemyCase
{
    const char* name;
    bool firing, walking;
    float aim, heading;
    int walkFrame, terrain;
    int column, waterColumn; // 0 = nothing drawn there
};

TEST_F(BattleSpritesTest, EnemyFigureByAngleModeAndTerrain)
{
    const EnemyCase cases[] = {
        {"standing east at 340 degrees", false, false, 0, 340, 1, 1, 9, 0},
        {"standing north", false, false, 0, 90, 1, 1, 11, 0},
        {"firing turns to the aim", true, false, 180, 0, 1, 1, 13, 0},
        {"walking, frame 1", false, true, 0, 90, 1, 1, 11, 0},
        {"walking, frame 2", false, true, 0, 90, 2, 1, 3, 0},
        {"walking east at 340 degrees, frame 2", false, true, 0, 340, 2, 1, 1, 0},
        {"standing in water", false, false, 0, 90, 1, 2, 22, 22},
        {"walking in water", false, true, 0, 90, 2, 2, 22, 22},
        {"walking on unknown ground", false, true, 0, 90, 1, 0, 0, 0},
    };
    for (const EnemyCase& k : cases) {
        SCOPED_TRACE(k.name);
        s.MainFrame.clear(Background);
        DollRecord& d = s.Dolls[4];
        d = DollRecord{};
        d.X = 60;
        d.Y = 50;
        d.Team = 3;
        d.State = DollActive;
        d.Firing = k.firing;
        d.Walking = k.walking;
        d.AimFacing = k.aim;
        d.Heading = k.heading;
        d.WalkFrame = k.walkFrame;
        d.Terrain = k.terrain;
        drawEnemySprite(battle, sheets, 4);
        if (k.column == 0)
            expectOnlyRect(s.MainFrame, 0, 0, 0, 0);
        else
            expectFigure(54, 33, 3, k.column, k.waterColumn);
    }
}

TEST_F(BattleSpritesTest, DyingEnemyIsFlungLiesBlinksAndGoes)
{
    DollRecord& d = s.Dolls[7];
    d.X = 60;
    d.Y = 80;
    d.Team = 1;
    d.FallSide = -2; // drifts to the right
    d.Terrain = 1;

    struct Step
    {
        int stage, timer;
        float x, y; // after the step
        int column; // 0 = not drawn
    };
    const Step steps[] = {
        {1, 1, 62, 76, 17}, {1, 2, 64, 72, 17}, {2, 0, 66, 76, 17}, {3, 5, 66, 76, 18}, {4, 1, 66, 76, 0},
        {4, 2, 66, 76, 18}, {4, 0, 66, 76, 18}, {5, 0, 66, 76, 0},  {6, 0, 66, 76, 0},
    };
    for (const Step& k : steps) {
        SCOPED_TRACE(testing::Message() << "stage " << k.stage << " timer " << k.timer);
        s.MainFrame.clear(Background);
        d.StageTimer = k.timer;
        drawDyingEnemySprite(battle, sheets, 7, k.stage);
        EXPECT_FLOAT_EQ(d.X, k.x);
        EXPECT_FLOAT_EQ(d.Y, k.y);
        if (k.column == 0)
            expectOnlyRect(s.MainFrame, 0, 0, 0, 0);
        else
            expectFigure(static_cast<int>(k.x) - 6, static_cast<int>(k.y) - 17, 1, k.column);
    }
}

TEST_F(BattleSpritesTest, DyingEnemyInWaterLiesOverTheWaterCell)
{
    DollRecord& d = s.Dolls[1];
    d.X = 60;
    d.Y = 80;
    d.Team = 4;
    d.Terrain = 2;
    drawDyingEnemySprite(battle, sheets, 1, 3);
    expectFigure(54, 63, 4, 18, 37);
}

TEST_F(BattleSpritesTest, TroopBodyDriftsLeftAndShowsTheWaterUnderIt)
{
    // Tile (3, 4) is water: the body at (50, 70) lies on it.
    s.TileGrid[2][3] = "02";
    s.BodyCount = 1;
    s.DeadSoldier[1] = {0, 51, 72, 1, 1};
    drawTroopBodySprite(battle, sheets, 1, 1);
    EXPECT_EQ(s.DeadSoldier[1][1], 50);
    EXPECT_EQ(s.DeadSoldier[1][2], 70);
    expectFigure(44, 53, 2, 17, 36);

    // On land only the body; stage 2 falls back.
    s.MainFrame.clear(Background);
    s.DeadSoldier[1] = {0, 101, 72, 2, 3};
    drawTroopBodySprite(battle, sheets, 1, 2);
    EXPECT_EQ(s.DeadSoldier[1][1], 100);
    EXPECT_EQ(s.DeadSoldier[1][2], 74);
    expectFigure(94, 57, 2, 17);
}

struct SortCase
{
    float y1, y2;
    int onTop; // the slot whose figure covers the other
};

TEST_F(BattleSpritesTest, LowerSoldiersCoverHigherOnes)
{
    const SortCase cases[] = {
        {30.4f, 30.3f, 2}, // 30.3 is not below nearest(30.4) = 30: slot 1 first
        {30.6f, 30.3f, 1}, // 30.3 is below nearest(30.6) = 31: slot 2 first
        {30, 30, 2},       {20, 30, 2}, {30, 20, 1},
    };
    s.TroopCount = 2;
    s.SoldierX[1] = 50;
    s.SoldierX[2] = 53;
    s.PoseCell[1] = 1;
    s.PoseCell[2] = 2;
    s.TerrainKind[1] = s.TerrainKind[2] = 1;
    for (const SortCase& k : cases) {
        SCOPED_TRACE(testing::Message() << k.y1 << " / " << k.y2);
        s.MainFrame.clear(Background);
        s.SoldierY[1] = k.y1;
        s.SoldierY[2] = k.y2;
        drawTroopSprites(battle, sheets);
        EXPECT_EQ(columnAt(48, 15, 2), k.onTop);
    }
}

TEST_F(BattleSpritesTest, RecoilShowsOnceAndNotWhileReloading)
{
    s.TroopCount = 1;
    s.SoldierX[1] = 60;
    s.SoldierY[1] = 50;
    s.Facing[1] = 0; // east: the recoil is one pixel to the left
    s.PoseCell[1] = 1;
    s.WalkFrame[1] = 1;
    s.TerrainKind[1] = 1;
    s.JustFired[1] = true;
    drawTroopSprites(battle, sheets);
    expectFigure(53, 33, 2, 9);
    EXPECT_FALSE(s.JustFired[1]);

    s.MainFrame.clear(Background);
    drawTroopSprites(battle, sheets);
    expectFigure(54, 33, 2, 9);

    // The shot that empties the clip starts the reload: reload cell, no recoil.
    s.MainFrame.clear(Background);
    s.JustFired[1] = true;
    s.Reload[1] = 1.4f;
    s.PoseCell[1] = 28;
    drawTroopSprites(battle, sheets);
    expectFigure(54, 33, 2, 28);
    EXPECT_FALSE(s.JustFired[1]);
}

TEST_F(BattleSpritesTest, ReloadingInWaterAndVictoryCells)
{
    s.TroopCount = 1;
    s.SoldierX[1] = 60;
    s.SoldierY[1] = 50;
    s.TerrainKind[1] = 2;
    s.Reload[1] = 3;
    s.PoseCell[1] = 30;
    drawTroopSprites(battle, sheets);
    expectFigure(54, 33, 2, 37);

    // A soldier reloading when the mission is won shows the victory cell at his own place.
    game.MissionWon = true;
    s.JustFired[1] = true;
    for (int terrain : {1, 2}) {
        SCOPED_TRACE(terrain);
        s.MainFrame.clear(Background);
        s.TerrainKind[1] = terrain;
        drawTroopSprites(battle, sheets);
        EXPECT_EQ(columnAt(54, 33, 2), terrain == 1 ? 19 : 42);
        EXPECT_EQ(columnAt(53, 33, 2), 0);
    }
}

TEST_F(BattleSpritesTest, FlashesLeadTheShooterAndTheMedalAndPointerFollowTheirPoints)
{
    s.SoldierX[3] = 60;
    s.SoldierY[3] = 50;
    s.Facing[3] = 90; // flash 10 pixels up: top-left (58, 28)
    drawTroopFlash(battle, sheets, 3);
    EXPECT_EQ(s.MainFrame.pixel(58, 28), cellColour(Fires, 0, 1));
    EXPECT_EQ(s.MainFrame.pixel(57, 28), Background);

    s.MainFrame.clear(Background);
    s.Dolls[2].X = 100;
    s.Dolls[2].Y = 80;
    drawEnemyShotFlash(battle, sheets, 2, 180); // flash 10 pixels left: top-left (88, 68)
    EXPECT_EQ(s.MainFrame.pixel(88, 68), cellColour(Fires, 0, 1));
    EXPECT_EQ(s.MainFrame.pixel(88, 67), Background);

    s.MainFrame.clear(Background);
    s.SoldierX[1] = 60;
    s.SoldierY[1] = 50;
    s.MedalLevel[1] = 3;
    drawLeaderMedalSprite(battle, sheets);
    EXPECT_EQ(s.MainFrame.pixel(55, 16), cellColour(Medals, 0, 4));

    s.MainFrame.clear(Background);
    s.MouseMapPoint = {120, 90};
    s.PointerKind = 1;
    drawPointerSprite(battle, sheets);
    EXPECT_EQ(s.MainFrame.pixel(106, 76), cellColour(Ponteiro, 0, 2));
    EXPECT_EQ(s.MainFrame.pixel(105, 76), Background);
}

} // namespace
