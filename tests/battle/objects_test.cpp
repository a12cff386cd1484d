// Frames of the map objects: bullets that set them off, the barrel's blast and wreck, mines,
// suitcases and crates under the troop's feet, the touch mark, and the move-order marker. Each
// frame runs the object phase alone on a loaded mission, a manual clock and seeded random numbers.

#include "battle_test_support.h"
#include "frame_harness.h"
#include "sprite_test_sheets.h"

#include "game/battle/battle.h"
#include "game/battle/battle_form.h"
#include "game/battle/battle_numbers.h"
#include "game/battle/load_map.h"
#include "game/battle/objects.h"
#include "game/battle/sprite_drawing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tolvar::battle;
using platform::gfx::Picture;
using platform::gfx::Rgb;

namespace {

using sprite_test::cellColour;

// The cell of `sheet` (1..cells) whose colour the pixel shows, or 0.
int cellAt(const Picture& frame, sprite_test::Sheet sheet, int x, int y, int cells)
{
    const Rgb pixel = frame.pixel(x, y);
    for (int c = 1; c <= cells; ++c)
        if (pixel == cellColour(sheet, 0, c))
            return c;
    return 0;
}

class ObjectsTest : public ::testing::Test
{
protected:
    ObjectsTest() : battle(game, clock), s(*battle.state)
    {
        game.random.seed(7);
        buildAngleTables(s);
        const BattleSheets sprites = sprite_test::makeSheets();
        battle.sheets.MapObjts = sprites.MapObjts;
        battle.sheets.Efect = sprites.Efect;
        battle.sheets.MoveAnim = sprites.MoveAnim;
        battle.onSound = [this](int n) { sounds.push_back(n); };
    }

    // Loads a 25 x 25 mission with these objects, one enemy and a troop of `soldiers`.
    void load(const std::vector<std::string>& objects, int soldiers = 1)
    {
        battle_test::MissionText text;
        text.objects = objects;
        text.enemies = {"01,20,20,None"};
        text.troop[1] = battle_test::quoted(std::to_string(soldiers));
        LoadOptions options;
        options.seedRandom = false;
        loadMapBytes(s, text.bytes(), battle_test::tileSheet(), game.random, options);
        // Everyone starts far from the objects; each test places whom it needs.
        for (int i = 1; i <= s.TroopCount; ++i) {
            s.SoldierName[i] = "S" + std::to_string(i);
            placeSoldier(i, 400, 20 + 10 * i);
        }
        s.Dolls[1].X = 450;
        s.Dolls[1].Y = 450;
    }

    void placeSoldier(int i, float x, float y, int moveDir = 0)
    {
        s.SoldierX[i] = x;
        s.SoldierY[i] = y;
        s.MoveDir[i] = moveDir;
        s.Moving[i] = 1;
        s.WalkSpeed[i] = 1;
    }

    // The slot of the living soldier with this name, or 0.
    int slotOf(const std::string& name) const
    {
        for (int i = 1; i <= s.TroopCount; ++i)
            if (s.Alive[i] && s.SoldierName[i] == name)
                return i;
        return 0;
    }

    void fireBullet(int row, double x, double y, int kind = TroopBulletKind)
    {
        s.Bullet[row] = {};
        s.Bullet[row][0] = 1;
        s.Bullet[row][1] = x;
        s.Bullet[row][2] = y;
        s.Bullet[row][5] = kind;
    }

    // One frame of the object phase on a fresh copy of the map.
    void frame()
    {
        s.MainFrame = s.MainMap;
        ObjectsPhase(battle);
    }

    // The map object cell whose top-left pixel stands at the cell's corner for point (x, y).
    int objectCell(double x, double y) const
    {
        return cellAt(s.MainFrame, sprite_test::MapObjts, toPixel(x) - 6, toPixel(y) - 8, 9);
    }

    // The blast cell drawn for point (x, y), read at the bottom right of the blast's shape, where
    // neither the object nor its wreck reaches.
    int blastCell(double x, double y) const
    {
        return cellAt(s.MainFrame, sprite_test::Efect, toPixel(x) + 5, toPixel(y) + 7, 4);
    }

    tolvar::GameState game;
    platform::clock::ManualClock clock;
    Battle battle;
    BattleState& s;
    std::vector<int> sounds;
};

// --- Bullets --------------------------------------------------------------------------------------

struct BulletCase
{
    const char* object;
    double dx; // the bullet's offset from the object's centre, along x
    int kind;
    bool setsOff;
};

class ObjectBulletTest : public ObjectsTest, public ::testing::WithParamInterface<BulletCase>
{
};

TEST_P(ObjectBulletTest, OnlyBarrelsAndCratesStopBulletsWithinOneBulletStep)
{
    const BulletCase k = GetParam();
    load({k.object});
    const double x = s.ObjX[0], y = s.ObjY[0];
    fireBullet(5, x + k.dx, y, k.kind);
    frame();
    if (k.setsOff) {
        EXPECT_EQ(s.Bullet[5][0], 0) << "the bullet is stopped";
        EXPECT_EQ(s.ObjState[0], ObjectExploded) << "hit and burst within the same frame";
        EXPECT_EQ(s.ObjectRaw[1].mark, ObjectGone);
    } else {
        EXPECT_EQ(s.Bullet[5][0], 1) << "the bullet flies on";
        EXPECT_EQ(s.ObjState[0], ObjectOnMap);
        EXPECT_EQ(s.ObjectRaw[1].mark, ObjectOnMap);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, ObjectBulletTest,
                         ::testing::Values(BulletCase{"01,10,10", 9.9, TroopBulletKind, true},
                                           BulletCase{"01,10,10", 10, TroopBulletKind, false},
                                           BulletCase{"01,10,10", -6, EnemyBulletKind, true},
                                           BulletCase{"04,10,10", 9, TroopBulletKind, true},
                                           BulletCase{"02,10,10", 0, TroopBulletKind, false},
                                           BulletCase{"03,10,10", 0, TroopBulletKind, false}));

// --- The barrel's blast and wreck -------------------------------------------------------------------

TEST_F(ObjectsTest, BurstBarrelShowsItsBlastAndThrowsItsWreckInAnArc)
{
    load({"01,10,10"});
    const double x0 = s.ObjX[0], y0 = s.ObjY[0];
    fireBullet(1, x0 + 3, y0 - 3);

    std::vector<int> blast, wreck;
    std::vector<double> wreckY;
    double drift = 0;
    for (int f = 1; f <= 12; ++f) {
        const double bx = s.ObjX[0], by = s.ObjY[0]; // where the blast stands: the point before the flight
        frame();
        if (f == 1)
            drift = s.ObjDrift[0];
        blast.push_back(blastCell(bx, by));
        wreck.push_back(objectCell(s.ObjX[0], s.ObjY[0]));
        wreckY.push_back(s.ObjY[0] - y0);
        EXPECT_DOUBLE_EQ(s.ObjX[0], x0 + drift * f) << "frame " << f;
    }
    ASSERT_TRUE(drift == 2 || drift == -2);
    EXPECT_EQ(wreck, (std::vector<int>{1, 2, 3, 4, 5, 2, 3, 4, 5, 2, 3, 4}));
    EXPECT_EQ(wreckY, (std::vector<double>{-4, -8, -12, -16, -20, -24, -20, -16, -12, -8, -4, 0}));
    EXPECT_EQ(s.ObjPhase[0], 3) << "landed on the row it started from";
    EXPECT_EQ(sounds, (std::vector<int>{3, 3, 3, 3, 4})) << "the hit, the blast's first frames, the landing";

    // The blast runs on while the landed wreck blinks: shown on even ticks and in its last frame.
    const double landedX = s.ObjX[0], landedY = s.ObjY[0];
    std::vector<int> landed;
    for (int f = 13; f <= 23; ++f) {
        frame();
        blast.push_back(blastCell(landedX, landedY));
        landed.push_back(objectCell(landedX, landedY));
        EXPECT_DOUBLE_EQ(s.ObjX[0], landedX) << "frame " << f;
    }
    EXPECT_EQ(blast, (std::vector<int>{1, 1, 1, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(landed, (std::vector<int>{0, 2, 0, 2, 0, 2, 0, 2, 0, 2, 0}));
    EXPECT_EQ(s.ObjState[0], ObjectGone);
    EXPECT_DOUBLE_EQ(landedX, x0 + 12 * drift) << "24 pixels sideways in all";

    frame();
    EXPECT_EQ(objectCell(landedX, landedY), 0);
    EXPECT_EQ(objectCell(x0, y0), 0);
}

TEST_F(ObjectsTest, BlastKillsEveryoneStrictlyWithinTenPixels)
{
    load({"01,10,10"}, 3);
    const float x = static_cast<float>(s.ObjX[0]), y = static_cast<float>(s.ObjY[0]);
    placeSoldier(1, x + 9, y);
    placeSoldier(2, x, y - 9.5f);
    placeSoldier(3, x + 10, y); // on the edge of the box: spared
    s.Dolls[1].X = x - 9;
    s.Dolls[1].Y = y + 9;
    fireBullet(1, x, y);
    frame();

    EXPECT_EQ(s.TroopCount, 1) << "both soldiers next to the barrel die, whatever their slots";
    EXPECT_EQ(slotOf("S3"), 1);
    EXPECT_EQ(s.BodyCount, 2);
    EXPECT_EQ(s.Dolls[1].State, DollDying);
    EXPECT_EQ(s.Dolls[1].DeathStage, 1);
    EXPECT_TRUE(s.Dolls[1].FallSide == 2 || s.Dolls[1].FallSide == -2);
}

TEST_F(ObjectsTest, WreckKillsOnlyOnceItHasLanded)
{
    load({"01,10,10"}, 3);
    const double x0 = s.ObjX[0], y0 = s.ObjY[0];
    fireBullet(1, x0, y0);
    frame();
    const double landX = x0 + 12 * s.ObjDrift[0];
    const double otherX = x0 - 12 * s.ObjDrift[0];
    // One soldier where the wreck comes down, one on the other side; an enemy walking east on the
    // landing point.
    placeSoldier(1, static_cast<float>(landX + 3), static_cast<float>(y0 - 3));
    s.SoldierName[1] = "under";
    placeSoldier(2, static_cast<float>(otherX), static_cast<float>(y0));
    s.SoldierName[2] = "beside";
    placeSoldier(3, static_cast<float>(landX - 5), static_cast<float>(y0)); // on the edge of its box
    s.SoldierName[3] = "near";
    DollRecord& enemy = s.Dolls[1];
    enemy.X = static_cast<float>(landX - 2);
    enemy.Y = static_cast<float>(y0 + 4);
    enemy.Walking = true;
    enemy.Heading = 0;
    enemy.Speed = 1;

    for (int f = 2; f <= 12; ++f)
        frame();
    ASSERT_EQ(s.ObjPhase[0], 3);
    EXPECT_NE(slotOf("under"), 0) << "the wreck passed over him in flight";
    EXPECT_EQ(enemy.State, DollActive);

    frame(); // the first frame on the ground
    EXPECT_EQ(slotOf("under"), 0);
    EXPECT_NE(slotOf("beside"), 0);
    EXPECT_NE(slotOf("near"), 0) << "the wreck kills only strictly within 5 pixels";
    EXPECT_EQ(enemy.State, DollDying);
    EXPECT_FLOAT_EQ(enemy.X, static_cast<float>(landX - 3.5)) << "pushed back against its walk";
    EXPECT_FALSE(enemy.Walking);
}

// --- Soldiers on objects ----------------------------------------------------------------------------

TEST_F(ObjectsTest, SoldierWalkingOntoAMineDiesAndTheMineIsUsedUp)
{
    load({"02,10,10"}, 2);
    const double x = s.ObjX[0], y = s.ObjY[0];
    s.ObjPhase[0] = 4.4; // left over in this slot by an earlier object
    placeSoldier(1, static_cast<float>(x - 10), static_cast<float>(y));
    placeSoldier(2, static_cast<float>(x + 3.5), static_cast<float>(y), 180);
    frame();

    EXPECT_EQ(s.TroopCount, 1);
    EXPECT_EQ(s.BodyCount, 1);
    EXPECT_EQ(s.DeadSoldier[1][1], toInteger(x + 5)) << "pushed back a step and a half, then fell";
    EXPECT_EQ(slotOf("S1"), 1);
    EXPECT_EQ(s.ObjState[0], ObjectExploded);
    EXPECT_EQ(s.ObjectRaw[1].mark, ObjectGone);
    EXPECT_EQ(s.ObjTouch[0], TouchedMark);
    ASSERT_EQ(sounds.size(), 2u);
    EXPECT_EQ(sounds[0], 3);
    EXPECT_TRUE(sounds[1] >= 6 && sounds[1] <= 10) << "his death cry";

    // The blast starts afresh, whatever the slot held, and never shows a cell outside the sheet.
    std::vector<int> cells;
    for (int f = 0; f < 8; ++f) {
        frame();
        cells.push_back(cellAt(s.MainFrame, sprite_test::Efect, toPixel(x - 5) - 9, toPixel(y - 5) - 23, 4));
        EXPECT_EQ(objectCell(x, y), 0) << "the mine itself is gone";
    }
    EXPECT_EQ(cells, (std::vector<int>{0, 1, 1, 2, 3, 3, 4, 0}));
    EXPECT_EQ(s.ObjState[0], ObjectGone);

    placeSoldier(1, static_cast<float>(x), static_cast<float>(y));
    frame();
    EXPECT_EQ(s.TroopCount, 1) << "a used mine kills nobody";
}

struct CrateCase
{
    int clips, rounds;
    int clipsAfter;
    float reloadAfter;
    bool taken;
};

class CrateTest : public ObjectsTest, public ::testing::WithParamInterface<CrateCase>
{
};

TEST_P(CrateTest, GivesOneSpareClipToASoldierWithRoomAndPushesEveryoneBack)
{
    const CrateCase k = GetParam();
    load({"04,10,10"});
    const double x = s.ObjX[0], y = s.ObjY[0];
    placeSoldier(1, static_cast<float>(x - 2), static_cast<float>(y + 1), 0);
    s.Clips[1] = k.clips;
    s.Rounds[1] = k.rounds;
    s.Reload[1] = 0;
    frame();

    EXPECT_FLOAT_EQ(s.SoldierX[1], static_cast<float>(x - 3.5));
    EXPECT_FLOAT_EQ(s.SoldierY[1], static_cast<float>(y + 1));
    EXPECT_EQ(s.Moving[1], 0);
    EXPECT_EQ(s.Clips[1], k.clipsAfter);
    EXPECT_FLOAT_EQ(s.Reload[1], k.reloadAfter);
    EXPECT_EQ(s.ObjTouch[0], TouchedMark);
    EXPECT_EQ(sounds, k.taken ? std::vector<int>{12} : std::vector<int>{});

    placeSoldier(1, 400, 400);
    frame();
    EXPECT_EQ(s.ObjState[0], k.taken ? ObjectGone : ObjectOnMap);
    EXPECT_EQ(objectCell(x, y), k.taken ? 9 : 8);
}

INSTANTIATE_TEST_SUITE_P(Clips, CrateTest,
                         ::testing::Values(CrateCase{0, 22, 1, 0, true},   // one more clip
                                           CrateCase{6, 0, 7, 1.0f, true}, // an empty clip starts reloading
                                           CrateCase{7, 5, 7, 0, false})); // full: the crate stays

TEST_F(ObjectsTest, CrateReachedByTwoSoldiersInOneFrameGivesOneClip)
{
    load({"04,10,10"}, 2);
    const float x = static_cast<float>(s.ObjX[0]), y = static_cast<float>(s.ObjY[0]);
    placeSoldier(1, x - 1, y);
    placeSoldier(2, x + 1, y);
    s.Clips[1] = s.Clips[2] = 0;
    frame();
    EXPECT_EQ(s.Clips[1] + s.Clips[2], 1);
}

TEST_F(ObjectsTest, TouchMarkIsSetOnlyByContactAndClearedByTheNextMission)
{
    load({"03,10,10", "01,12,12", "04,14,14"});
    placeSoldier(1, static_cast<float>(s.ObjX[0]), static_cast<float>(s.ObjY[0] + 3.9));
    frame();
    EXPECT_EQ(s.ObjState[0], ObjectGone) << "the suitcase is taken";
    EXPECT_EQ(s.ObjTouch[0], TouchedMark);
    EXPECT_EQ(s.ObjTouch[1], 0);

    placeSoldier(1, static_cast<float>(s.ObjX[1] + 4), static_cast<float>(s.ObjY[1])); // on the edge
    frame();
    EXPECT_EQ(s.ObjTouch[1], 0);
    placeSoldier(1, static_cast<float>(s.ObjX[1] + 3), static_cast<float>(s.ObjY[1]));
    frame();
    EXPECT_EQ(s.ObjTouch[1], TouchedMark);
    EXPECT_EQ(s.ObjState[1], ObjectOnMap) << "a barrel is only an obstacle underfoot";
    EXPECT_EQ(objectCell(s.ObjX[0], s.ObjY[0]), 0) << "a taken suitcase is not drawn";

    load({"03,10,10", "01,12,12"});
    EXPECT_EQ(s.ObjTouch[0], 0);
    EXPECT_EQ(s.ObjTouch[1], 0);
}

// --- Shot crates and scripted bursts ----------------------------------------------------------------

TEST_F(ObjectsTest, ShotCrateBurstsAndStaysAsASpentCrate)
{
    load({"04,10,10"});
    const double x = s.ObjX[0], y = s.ObjY[0];
    fireBullet(1, x - 5, y);
    std::vector<int> blast;
    for (int f = 0; f < 6; ++f) {
        frame();
        blast.push_back(blastCell(x, y));
    }
    EXPECT_EQ(blast, (std::vector<int>{1, 2, 2, 3, 4, 0}));
    EXPECT_EQ(s.ObjState[0], ObjectGone);

    placeSoldier(1, static_cast<float>(x), static_cast<float>(y));
    s.Clips[1] = 0;
    for (int f = 0; f < 100; ++f)
        frame();
    EXPECT_EQ(objectCell(x, y), 9);
    EXPECT_EQ(s.Clips[1], 0) << "a spent crate gives nothing";
    EXPECT_EQ(s.ObjTouch[0], 0);
}

TEST_F(ObjectsTest, DestroyObjectSetsOffOnlyAnIntactObject)
{
    load({"01,05,05", "02,07,07", "03,09,09", "04,11,11", "03,13,13"});
    s.ObjState[4] = ObjectGone;
    s.ObjBlast[0] = 2.5;
    for (int o = 0; o <= 6; ++o) // 0 and 6..: no such object; 5 is already gone
        DestroyObject(battle, o);
    EXPECT_EQ(s.ObjState[0], ObjectHit);
    EXPECT_EQ(s.ObjBlast[0], 0);
    EXPECT_EQ(s.ObjState[1], ObjectExploded);
    EXPECT_EQ(s.ObjState[2], ObjectGone);
    EXPECT_EQ(s.ObjState[3], ObjectHit);
    EXPECT_EQ(s.ObjState[4], ObjectGone);
    EXPECT_EQ(s.ObjState[5], ObjectEmpty);

    frame();
    EXPECT_EQ(s.ObjState[0], ObjectExploded) << "the barrel bursts";
    EXPECT_EQ(s.ObjPhase[0], 1);
    EXPECT_EQ(blastCell(s.ObjX[3], s.ObjY[3]), 1) << "the crate bursts";
    for (int f = 0; f < 7; ++f)
        frame();
    EXPECT_EQ(s.ObjState[1], ObjectGone) << "the mine's blast is over";
}

// --- The move-order marker --------------------------------------------------------------------------

TEST_F(ObjectsTest, MoveMarkerShowsFiveFramesThenHides)
{
    load({});
    s.MoveMarkX = 100;
    s.MoveMarkY = 80;
    s.MoveMarkFrame = 1;
    std::vector<int> shown;
    for (int f = 0; f < 7; ++f) {
        s.MainFrame = s.MainMap;
        MoveMarkerPhase(battle);
        shown.push_back(cellAt(s.MainFrame, sprite_test::MoveAnim, 94, 74, 5));
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4, 5, 0, 0}));
    EXPECT_EQ(s.MoveMarkFrame, 6);
}

// --- In the running frame -----------------------------------------------------------------------------

TEST(ObjectsInTheFrame, LeaderSentOntoAMineDiesThereAndTheMineIsGone)
{
    battle_test::FrameHarness h;
    battle_test::MissionText m;
    m.objects = {"02,09,05"};
    m.troop = battle_test::troopAt(5, 5, 1);
    h.start(m);
    BattleState& s = h.s();
    h.pointAtMap(toInteger(s.ObjX[0]), toInteger(s.ObjY[0]));
    h.press(2);
    h.frames(1);
    h.release(2);
    for (int f = 0; f < 150 && s.TroopCount > 0; ++f)
        h.frames(1);
    ASSERT_EQ(s.TroopCount, 0);
    EXPECT_EQ(s.ObjState[0], ObjectExploded);
    EXPECT_EQ(h.soundCount(3), 1);
    h.frames(7);
    EXPECT_EQ(s.ObjState[0], ObjectGone);
    EXPECT_EQ(s.ObjectRaw[1].mark, ObjectGone);
}

TEST(ObjectsInTheFrame, TroopFireSetsOffABarrelOnTheLineOfFire)
{
    battle_test::FrameHarness h;
    battle_test::MissionText m;
    m.objects = {"01,09,05"};
    m.troop = battle_test::troopAt(5, 5, 1);
    h.start(m);
    BattleState& s = h.s();
    h.pointAtMap(300, 90);
    h.press(1);
    h.frames(1);
    h.release(1);
    for (int f = 0; f < 20 && s.ObjState[0] == ObjectOnMap; ++f)
        h.frames(1);
    EXPECT_EQ(s.ObjState[0], ObjectExploded);
    EXPECT_EQ(s.ObjectRaw[1].mark, ObjectGone);
    h.frames(30);
    EXPECT_EQ(s.ObjState[0], ObjectGone);
    EXPECT_EQ(h.soundCount(4), 1) << "the wreck landed once";
    EXPECT_EQ(s.TroopCount, 1) << "the leader stood well away";
}

} // namespace
