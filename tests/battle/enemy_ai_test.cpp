// Enemy AI animations (their clock, lines and kinds) and the behaviour every living enemy follows
// each frame: noticing the troop, walking at a soldier, firing at him, scripted shots and walking.

#include "frame_harness.h"
#include "sprite_test_sheets.h"

#include "game/battle/conditions.h"
#include "game/battle/enemy_ai.h"
#include "game/battle/geometry.h"
#include "game/battle/scripted_animations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

using namespace tolvar::battle;
using battle_test::FrameHarness;
using battle_test::MissionText;
using battle_test::quoted;

namespace {

// One enemy of team 04 at cell 10,10 with AI animation "guard" made of `lines` (started at once
// unless `waits`), and a troop of `troop` soldiers far away at cell 01,01.
MissionText guardMission(const std::vector<std::string>& lines, bool waits = false, int troop = 1)
{
    MissionText m;
    m.enemies = {std::string("04,10,10,guard,") + (waits ? "1" : "0")};
    m.troop = battle_test::troopAt(1, 1, troop);
    m.scripts.push_back("<AniAI-Guard>");
    for (const auto& l : lines)
        m.scripts.push_back(quoted(l));
    m.scripts.push_back("<-AniAI>");
    return m;
}

// Runs the AI phase `frames` times and gives, per line of enemy 1, the frame (from 1) in which it
// ran, 0 if it never did.
std::vector<int> framesLinesRan(FrameHarness& h, int lines, int frames)
{
    std::vector<int> ran(static_cast<std::size_t>(lines) + 1, 0);
    for (int f = 1; f <= frames; ++f) {
        EnemyAiPhase(h.battle);
        for (int j = 1; j <= lines; ++j)
            if (ran[static_cast<std::size_t>(j)] == 0 && h.s().EnemyAiPending[1][j] == "2")
                ran[static_cast<std::size_t>(j)] = f;
    }
    return ran;
}

// Enemy 1 at (x, y) with soldier slot `slot` placed `dist` pixels east of it.
void placeSoldierEast(FrameHarness& h, int slot, float dist)
{
    DollRecord& d = h.s().Dolls[1];
    h.s().SoldierX[slot] = d.X + dist;
    h.s().SoldierY[slot] = d.Y;
}

// The frames (from 1) in which enemy 1 shot a bullet, over `frames` behaviour steps.
std::vector<int> shotFrames(FrameHarness& h, int frames)
{
    std::vector<int> shots;
    for (int f = 1; f <= frames; ++f) {
        const int before = h.s().BulletIndex;
        EnemyBehaviour(h.battle, 1);
        if (h.s().BulletIndex != before)
            shots.push_back(f);
    }
    return shots;
}

TEST(EnemyAi, LinesRunAtTheirTickFromTheFrameTheAnimationStarts)
{
    FrameHarness h;
    h.start(guardMission({"0000,03,01,01", "0001,03,02,02", "0010,03,03,03", "Fim ,06"}, true));
    BattleState& s = h.s();
    EnemyAiPhase(h.battle);
    EXPECT_EQ(s.AiState[1], AiNotStarted); // waits for a condition

    s.Dolls[1].AiStartPending = true;
    const std::vector<int> ran = framesLinesRan(h, 4, 120);
    EXPECT_TRUE(s.Dolls[1].AiRunning);
    EXPECT_EQ(ran[1], 1);
    EXPECT_EQ(ran[2], 11);
    EXPECT_EQ(ran[3], 101);
    EXPECT_EQ(ran[4], 1);
    EXPECT_TRUE(h.game.MissionWon);
    EXPECT_EQ(s.AiState[1], AiEnded);
    EXPECT_TRUE(s.Dolls[1].AiRunning); // ending by itself leaves it on its script
}

TEST(EnemyAi, LinesOfOneFrameRunInOrderAlsoAfterStoppingTheAnimation)
{
    FrameHarness h;
    h.start(guardMission({"0000,02,05,05", "0000,08", "0000,09", "0001,07"}));
    BattleState& s = h.s();
    s.Dolls[1].Firing = false;
    EnemyAiPhase(h.battle);
    const DollRecord& d = s.Dolls[1];
    // Fire to set the scripted fire, the stop lifted it, and the stop-firing line after it ran.
    EXPECT_EQ(s.EnemyAiPending[1][3], "2");
    EXPECT_FALSE(d.Firing);
    EXPECT_FALSE(d.ScriptedFire);
    EXPECT_FALSE(d.AiRunning);
    EXPECT_EQ(s.AiState[1], AiEnded);
    EXPECT_FLOAT_EQ(d.FireX, 87);
    EXPECT_FLOAT_EQ(d.FireY, 85);

    // Ended: the defeat line of the next tick never runs.
    framesLinesRan(h, 4, 20);
    EXPECT_FALSE(s.DefeatFlag);
}

TEST(EnemyAi, KindsMoveAndPointTheEnemy)
{
    FrameHarness h;
    h.start(guardMission({"0000,01,12,10", "0001,03,10,05", "0002,04,Halt!", "0003,07"}));
    BattleState& s = h.s();
    const DollRecord& d = s.Dolls[1];
    s.CameraX = 40;
    s.CameraY = 50;
    s.Dolls[1].Firing = true; // a walk puts the rifle down

    EnemyAiPhase(h.battle);
    EXPECT_TRUE(d.Walking);
    EXPECT_FALSE(d.Firing);
    EXPECT_FLOAT_EQ(d.TargetX, 235);
    EXPECT_FLOAT_EQ(d.TargetY, 200);
    EXPECT_NEAR(d.Heading, CalcANG(235, 200, d.X + 6, d.Y + 7), 1e-4);

    framesLinesRan(h, 4, 10);
    EXPECT_NEAR(d.Heading, CalcANG(187, 87, d.X + 4, d.Y + 7), 1e-4);

    framesLinesRan(h, 4, 10);
    EXPECT_EQ(s.ScreenText.text, "Halt!");
    EXPECT_DOUBLE_EQ(s.ScreenText.x, d.X - 40);
    EXPECT_DOUBLE_EQ(s.ScreenText.y, d.Y - 50);
    EXPECT_EQ(s.ScreenText.style, 1);

    framesLinesRan(h, 4, 10);
    EXPECT_TRUE(s.DefeatFlag);
    EXPECT_TRUE(s.DefeatNow);
}

TEST(EnemyAi, NameOfNoAnimationEndsAtOnceAndADeadEnemyRunsNothing)
{
    FrameHarness h;
    h.start(guardMission({"0000,07"}, true));
    BattleState& s = h.s();
    s.Dolls[1].AiName = "None";
    s.Dolls[1].AiStartPending = true;
    EnemyAiPhase(h.battle);
    EXPECT_EQ(s.AiState[1], AiEnded);
    EXPECT_TRUE(s.Dolls[1].AiRunning);
    EXPECT_EQ(s.EnemyAiPending[1][1], "0");

    s.Dolls[1].AiName = "guard";
    s.Dolls[1].AiStartPending = true;
    s.Dolls[1].State = DollDying;
    EnemyAiPhase(h.battle);
    EXPECT_TRUE(s.Dolls[1].AiStartPending);
    EXPECT_FALSE(s.DefeatFlag);
}

// With its AI animation not running an enemy walks at the first living soldier 75 to 149 pixels
// away and fires at one nearer; with it running it only fires, up to 75 pixels.
TEST(EnemyBehaviour, NoticingByDistance)
{
    struct Case
    {
        float dist;
        bool aiRunning;
        bool walks;
        bool fires;
    };
    const Case cases[] = {
        {74, false, false, true},   {75, false, true, false},   {149, false, true, false},
        {150, false, false, false}, {151, false, false, false}, {74, true, false, true},
        {75, true, false, true},    {76, true, false, false},   {120, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "distance " << c.dist << " running " << c.aiRunning);
        FrameHarness h;
        h.start(guardMission({"0000,03,10,10"}, true));
        DollRecord& d = h.s().Dolls[1];
        d.AiRunning = c.aiRunning;
        d.Walking = c.aiRunning; // a running script may have it walking: noticing keeps that
        d.TargetX = d.X + 6;
        d.TargetY = d.Y + 9 + 40;
        placeSoldierEast(h, 1, c.dist);
        EnemyBehaviour(h.battle, 1);
        EXPECT_EQ(d.Firing, c.fires);
        if (c.fires) {
            EXPECT_EQ(d.TargetSoldier, 1);
            EXPECT_TRUE(d.FireDelay == 14 || d.FireDelay == 15) << d.FireDelay;
            EXPECT_NEAR(d.AimFacing, CalcANG(d.X + c.dist, d.Y, d.X + 4, d.Y + 7), 1e-4);
            EXPECT_EQ(d.Walking, c.aiRunning);
        } else if (c.walks) {
            EXPECT_TRUE(d.Walking);
            EXPECT_FLOAT_EQ(d.TargetX, h.s().SoldierX[1]);
            EXPECT_FLOAT_EQ(d.TargetY, h.s().SoldierY[1]);
        } else {
            EXPECT_EQ(d.Walking, c.aiRunning);
        }
    }
}

TEST(EnemyBehaviour, LooksOnlyPastTheFirstLivingSoldierWhenHeIsInSight)
{
    FrameHarness h;
    h.start(guardMission({"0000,03,10,10"}, true, 3));
    DollRecord& d = h.s().Dolls[1];
    placeSoldierEast(h, 1, 200);
    placeSoldierEast(h, 2, 40);
    placeSoldierEast(h, 3, 30);
    EnemyBehaviour(h.battle, 1);
    EXPECT_FALSE(d.Firing);
    EXPECT_FALSE(d.Walking);

    // Without the far leader, the first living soldier is slot 2: it fires at him.
    h.s().Alive[1] = false;
    EnemyBehaviour(h.battle, 1);
    EXPECT_TRUE(d.Firing);
    EXPECT_EQ(d.TargetSoldier, 2);
}

TEST(EnemyBehaviour, FiresAtTheTroopEveryFourteenOrFifteenFrames)
{
    FrameHarness h;
    h.start(guardMission({"0000,03,10,10"}, true));
    placeSoldierEast(h, 1, 40);
    const std::vector<int> shots = shotFrames(h, 200);
    ASSERT_GE(shots.size(), 10u);
    EXPECT_TRUE(shots[0] == 14 || shots[0] == 15) << shots[0];
    for (std::size_t i = 1; i < shots.size(); ++i) {
        const int gap = shots[i] - shots[i - 1];
        EXPECT_TRUE(gap == 14 || gap == 15) << gap;
    }
    EXPECT_EQ(h.soundCount(1), static_cast<int>(shots.size()));

    // The bullet leaves the enemy towards the soldier (within the scatter) at bullet speed.
    const BattleState& s = h.s();
    const auto& row = s.Bullet[s.BulletIndex];
    EXPECT_EQ(row[0], 1);
    EXPECT_EQ(row[5], EnemyBulletKind);
    EXPECT_FLOAT_EQ(static_cast<float>(row[1]), s.Dolls[1].X);
    EXPECT_NEAR(std::hypot(row[8], row[9]), s.BulletSpeed, 0.5);
    EXPECT_GT(row[8], 0);
}

TEST(EnemyBehaviour, HoldFireKindStopsShootingAndTroopNearLiftsIt)
{
    FrameHarness h;
    h.start(guardMission({"0000,10", "0005,05"}));
    placeSoldierEast(h, 1, 30);
    for (int f = 1; f <= 50; ++f) {
        const int before = h.s().BulletIndex;
        EnemyAiPhase(h.battle);
        EnemyBehaviour(h.battle, 1);
        EXPECT_EQ(h.s().BulletIndex, before) << "frame " << f;
    }
    std::vector<int> shots;
    for (int f = 51; f <= 80; ++f) {
        EnemyAiPhase(h.battle);
        const int before = h.s().BulletIndex;
        EnemyBehaviour(h.battle, 1);
        if (h.s().BulletIndex != before)
            shots.push_back(f);
    }
    EXPECT_FALSE(shots.empty());
}

// "Do not fire" arriving while a shot at the troop counts down, at any step of the countdown, ends
// it without a shot: not at the map's corner, where no "Fire to" line aimed, nor at the cell of an
// earlier, lifted burst. "Fire" lifts it again and the enemy shoots at the soldier.
TEST(EnemyBehaviour, HoldFireDuringTheCountdownAtTheTroopEndsItWithoutAShot)
{
    struct Case
    {
        const char* before;
        std::vector<std::string> guard;
        int holdFrame; // the frame in which "do not fire" runs
    };
    const Case cases[] = {
        {"no Fire to line", {"0000,03,10,10", "0002,10", "0008,05"}, 21},
        {"a burst at a cell, lifted", {"0000,02,10,03", "0001,05", "0003,10", "0008,05"}, 31},
    };
    constexpr int LiftFrame = 81;
    for (const Case& c : cases) {
        for (int step = 1; step <= 13; ++step) {
            SCOPED_TRACE(testing::Message() << c.before << ", countdown step " << step);
            FrameHarness h;
            h.start(guardMission(c.guard));
            BattleState& s = h.s();
            int shotAtTheSoldier = 0;
            for (int f = 1; f <= LiftFrame + 20 && shotAtTheSoldier == 0; ++f) {
                if (f == c.holdFrame - step)
                    placeSoldierEast(h, 1, 30); // noticed in this frame: the countdown begins
                EnemyAiPhase(h.battle);
                const int before = s.BulletIndex;
                EnemyBehaviour(h.battle, 1);
                if (s.BulletIndex == before)
                    continue;
                shotAtTheSoldier = f;
                EXPECT_GE(f, LiftFrame) << "a shot before \"fire\" lifted the hold";
                EXPECT_GT(s.Bullet[s.BulletIndex][8], 8) << "east, at the soldier";
            }
            EXPECT_NE(shotAtTheSoldier, 0);
        }
    }
}

// Whatever the enemy did before (a walk, a scripted burst stopped or lifted, a change of its AI
// animation), once it is able to fire at the troop it opens fire on a soldier in reach within a
// shot's countdown, and never at a soldier who is not there.
TEST(EnemyBehaviour, FiresAgainAtANearSoldierWhateverItDidBefore)
{
    struct Case
    {
        const char* before;
        std::vector<std::string> guard; // the enemy's AI animation
        std::vector<std::string> extra; // more blocks of the mission
        int from;                       // the frame from which it may fire at the troop
        int within;                     // frames after `from` by which it has
    };
    // An AI animation "alert", and conditions that change the enemy's to it once the scripted
    // animation "cue" has ended, in frame 32.
    std::vector<std::string> alert = {"<AniAI-Alert>", quoted("0000,03,13,10"), "<-AniAI>",
                                      "<Anim-Cue>",    quoted("0003,09"),       "<-Anim>"};
    for (auto [n, test, act] : {std::tuple{"001", "01,15", "05,cue"}, {"002", "03,cue", "11,04,10,10,alert"}})
        alert.insert(alert.end(), {std::string("<Cond ") + n + ">", " 1 ", "<Se>", quoted(test), "<-Se>",
                                   "<Faz>", quoted(act), "<-Faz>"});
    const Case cases[] = {
        {"firing at him, then a Walk-to line", {"0004,01,10,11"}, {}, 41, 20},
        {"a burst at a cell, Stop firing, then the troop is near",
         {"0000,02,10,05", "0002,09", "0003,05"},
         {},
         31,
         20},
        {"a burst at a cell lifted by the troop is near", {"0000,02,10,05", "0002,05"}, {}, 21, 35},
        {"a burst at a cell, Stop firing, then a new AI animation",
         {"0000,02,10,05", "0002,09"},
         alert,
         32,
         20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        FrameHarness h;
        MissionText m = guardMission(c.guard);
        m.scripts.insert(m.scripts.end(), c.extra.begin(), c.extra.end());
        h.start(m);
        BattleState& s = h.s();
        placeSoldierEast(h, 1, 50);
        int firstAfter = 0;
        for (int f = 1; f <= c.from + 60 && firstAfter == 0; ++f) {
            const int before = s.BulletIndex;
            ScriptedAnimationsPhase(h.battle);
            EnemyAiPhase(h.battle);
            ConditionsPhase(h.battle);
            EnemyBehaviour(h.battle, 1);
            if (s.BulletIndex == before)
                continue;
            const auto& row = s.Bullet[s.BulletIndex];
            const bool atTheSoldier = row[8] > 8; // he stands east of the enemy
            const bool atTheCell = row[9] < -8;   // the scripted cell lies north of it
            EXPECT_TRUE(atTheSoldier || atTheCell) << "frame " << f << ": a shot at neither";
            if (atTheSoldier && f >= c.from)
                firstAfter = f;
        }
        EXPECT_NE(firstAfter, 0) << "no shot at the soldier";
        EXPECT_LE(firstAfter, c.from + c.within);
    }
}

// The flash of a shot at a soldier shows on the side of the enemy that faces him.
TEST(EnemyBehaviour, ItsShotFlashesOnTheSideFacingTheSoldier)
{
    const std::pair<float, float> soldiers[] = {{-50, 0}, {35, -35}, {0, 50}}; // west, north-east, south
    for (auto [dx, dy] : soldiers) {
        SCOPED_TRACE(testing::Message() << "soldier at " << dx << ", " << dy);
        FrameHarness h;
        h.start(guardMission({"0000,03,10,10"}, true));
        h.battle.sheets = sprite_test::makeSheets();
        BattleState& s = h.s();
        s.MainFrame = s.MainMap;
        const DollRecord& d = s.Dolls[1];
        s.SoldierX[1] = d.X + dx;
        s.SoldierY[1] = d.Y + dy;
        for (int f = 0; f < 20 && s.BulletIndex == 0; ++f) {
            s.MainFrame.clear(sprite_test::Background);
            EnemyBehaviour(h.battle, 1);
        }
        ASSERT_EQ(s.BulletIndex, 1);
        // The flash's pixels, seen from the enemy's point (the flash stands 10 pixels higher).
        double sumX = 0, sumY = 0;
        int count = 0;
        const platform::gfx::Rgb flash = sprite_test::cellColour(sprite_test::Fires, 0, 1);
        for (int y = 0; y < s.MainFrame.height(); ++y)
            for (int x = 0; x < s.MainFrame.width(); ++x)
                if (s.MainFrame.pixel(x, y) == flash) {
                    sumX += x - d.X;
                    sumY += y + 10 - d.Y;
                    ++count;
                }
        ASSERT_GT(count, 0);
        const double towards = (sumX * dx + sumY * dy) / count / std::hypot(dx, dy);
        EXPECT_GT(towards, 6) << "the flash lies " << towards << " pixels towards the soldier";
    }
}

TEST(EnemyBehaviour, ScriptedShotsGoToTheirCellAndTurnTheEnemy)
{
    FrameHarness h;
    h.start(guardMission({"0000,02,10,03"}));
    placeSoldierEast(h, 1, 20); // near, but a scripted shooter never fires at the troop
    BattleState& s = h.s();
    const DollRecord& d = s.Dolls[1];
    EnemyAiPhase(h.battle);
    ASSERT_TRUE(d.ScriptedFire);
    const std::vector<int> shots = shotFrames(h, 60);
    ASSERT_GE(shots.size(), 3u);
    EXPECT_TRUE(shots[0] == 14 || shots[0] == 15) << shots[0];
    for (std::size_t i = 1; i < shots.size(); ++i)
        EXPECT_TRUE(shots[i] - shots[i - 1] == 14 || shots[i] - shots[i - 1] == 15);

    const auto& row = s.Bullet[s.BulletIndex];
    EXPECT_EQ(row[5], EnemyBulletKind);
    // Towards (187, 45) within the scatter: north of the enemy at (190, 190).
    EXPECT_LT(row[9], -9);
    EXPECT_NEAR(std::hypot(row[1] - d.X, row[2] - d.Y), 10, 0.01); // from the muzzle
    // The enemy faces the way its last shot went.
    EXPECT_NEAR(d.AimFacing, row[3], 1e-4);
    EXPECT_NEAR(d.AimFacing, 90, 5);
    EXPECT_TRUE(d.Firing);
    EXPECT_EQ(d.TargetSoldier, 0);
}

TEST(EnemyBehaviour, ShotAtItsOwnMuzzleFiresNothing)
{
    FrameHarness h;
    h.start(guardMission({"0000,02,10,03"}));
    BattleState& s = h.s();
    DollRecord& d = s.Dolls[1];
    EnemyAiPhase(h.battle);
    d.AimFacing = 0;
    d.FireDelay = 2; // the shot comes in this step
    // Aim the scripted point so that the scatter drawn for this shot lands on the muzzle.
    platform::clock::Random next = h.game.random;
    next.rnd(); // the next fire delay
    const int ox = 5 - static_cast<int>(std::floor(next.rnd() * 10));
    const int oy = 5 - static_cast<int>(std::floor(next.rnd() * 10));
    d.FireX = d.X + 10 - static_cast<float>(ox);
    d.FireY = d.Y - static_cast<float>(oy);
    const int before = s.BulletIndex;
    EnemyBehaviour(h.battle, 1);
    EXPECT_EQ(s.BulletIndex, before);
    EXPECT_EQ(h.soundCount(1), 0);
    EXPECT_GE(d.FireDelay, 15); // the next shot is due as usual
}

TEST(EnemyBehaviour, WalksToItsTargetAndStopsThere)
{
    FrameHarness h;
    h.start(guardMission({"0000,01,14,10"})); // walk target (275, 200)
    EnemyAiPhase(h.battle);
    DollRecord& d = h.s().Dolls[1];
    d.X = 262; // (X + 6, Y + 9) five pixels short of the target's box, heading east
    d.Y = 191;
    d.Heading = 0;
    d.Terrain = 1; // land, as the frame's terrain step finds it
    std::vector<float> xs;
    while (d.Walking && xs.size() < 20) {
        EnemyBehaviour(h.battle, 1);
        xs.push_back(d.X);
    }
    EXPECT_FALSE(d.Walking);
    ASSERT_EQ(xs.size(), 5u);
    EXPECT_FLOAT_EQ(xs[0], 263);
    EXPECT_FLOAT_EQ(d.Y, 191);
    EXPECT_EQ(h.soundCount(2), 1); // a footstep every fourth frame on land
    EXPECT_EQ(d.StepCount, 1);
}

TEST(EnemyBehaviour, BlockedOnBothAxesStaysAndKeepsWalking)
{
    FrameHarness h;
    MissionText m = guardMission({"0000,01,14,14"});
    m.map = battle_test::mapWith(25, 25, {{11, 10, "11"}, {10, 11, "11"}, {11, 11, "11"}});
    h.start(m);
    EnemyAiPhase(h.battle);
    DollRecord& d = h.s().Dolls[1];
    d.X = 199; // at the corner of the walls to the east and south
    d.Y = 199;
    for (int f = 0; f < 10; ++f)
        EnemyBehaviour(h.battle, 1);
    EXPECT_FLOAT_EQ(d.X, 199);
    EXPECT_FLOAT_EQ(d.Y, 199);
    EXPECT_TRUE(d.Walking);
}

TEST(EnemyBehaviour, DrawsTheEnemyFigure)
{
    FrameHarness h;
    h.start(guardMission({"0000,03,10,10"}, true));
    h.battle.sheets = sprite_test::makeSheets();
    BattleState& s = h.s();
    s.Dolls[1].Terrain = 1;
    s.MainFrame = s.MainMap;
    s.MainFrame.clear(sprite_test::Background);
    EnemyBehaviour(h.battle, 1);
    // A standing figure of team 04: its cell's top-left corner is 6 pixels left of and 17 above
    // the enemy's point (190, 190).
    EXPECT_EQ(s.MainFrame.pixel(184, 173) & 0xFFFF00u, sprite_test::cellColour(sprite_test::SPP, 4, 0));
    EXPECT_EQ(s.MainFrame.pixel(183, 173), sprite_test::Background);
}

} // namespace
