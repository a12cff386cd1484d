// Scripted animations: their tick clock, the lines due in each frame, the nine task kinds, and
// starting and stopping them as the conditions do.

#include "frame_harness.h"

#include "game/battle/geometry.h"
#include "game/battle/scripted_animations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tolvar::battle;
using battle_test::FrameHarness;
using battle_test::MissionText;
using battle_test::quoted;

namespace {

// A mission whose animations are given as {name, lines}; the troop of three stands at cell 05,05.
MissionText withAnimations(const std::vector<std::pair<std::string, std::vector<std::string>>>& animations)
{
    MissionText m;
    m.troop = battle_test::troopAt(5, 5, 3);
    for (const auto& [name, lines] : animations) {
        m.scripts.push_back("<Anim-" + name + ">");
        for (const auto& l : lines)
            m.scripts.push_back(quoted(l));
        m.scripts.push_back("<-Anim>");
    }
    return m;
}

// Runs the animation phase until `frames` frames have passed and gives, for each line of animation
// a, the frame (counted from 1) in which it ran, 0 if it never did.
std::vector<int> framesLinesRan(FrameHarness& h, int a, int lines, int frames)
{
    std::vector<int> ran(static_cast<std::size_t>(lines) + 1, 0);
    for (int f = 1; f <= frames; ++f) {
        ScriptedAnimationsPhase(h.battle);
        for (int l = 1; l <= lines; ++l)
            if (ran[static_cast<std::size_t>(l)] == 0 && h.s().AnimTaskPending[a][l] == "2")
                ran[static_cast<std::size_t>(l)] = f;
    }
    return ran;
}

TEST(ScriptedAnimations, LinesRunAtTheirTickTenFramesEach)
{
    FrameHarness h;
    h.start(withAnimations({{"Intro", {"0000,03,06,06", "0001,03,07,07", "0003,03,08,08", "Fim ,06"}}}));
    ASSERT_EQ(h.s().AnimState[1], AnimIdle);
    StartAnimation(h.battle, "INTRO"); // names are matched without regard to letter case
    EXPECT_TRUE(h.s().InputLocked);

    const std::vector<int> ran = framesLinesRan(h, 1, 4, 40);
    EXPECT_EQ(ran[1], 1);
    EXPECT_EQ(ran[2], 11);
    EXPECT_EQ(ran[3], 31);
    EXPECT_EQ(ran[4], 1); // the victory line is due on every frame: it runs at once
    EXPECT_EQ(h.s().AnimState[1], AnimEnded);
    // Ending by itself does not give the troop back to the player.
    EXPECT_TRUE(h.s().InputLocked);
}

TEST(ScriptedAnimations, DefeatLineRunsOnTheFirstFrame)
{
    FrameHarness h;
    h.start(withAnimations({{"lost", {"0009,03,06,06", "Fim ,07"}}}));
    StartAnimation(h.battle, "lost");
    ScriptedAnimationsPhase(h.battle);
    EXPECT_TRUE(h.s().DefeatFlag);
    EXPECT_TRUE(h.s().DefeatNow);
    EXPECT_EQ(h.s().AnimState[1], AnimRunning);
}

TEST(ScriptedAnimations, LinesOfOneFrameRunInLineOrderAlsoAfterGivingControlBack)
{
    FrameHarness h;
    h.start(withAnimations({{"talk", {"0000,05,first", "0000,08", "0000,05,second", "0001,05,later"}},
                            {"never started", {"0000,05,x"}}}));
    StartAnimation(h.battle, "talk");
    ScriptedAnimationsPhase(h.battle);

    // The later request replaces the earlier; the line after the hand-back still ran.
    EXPECT_EQ(h.s().ScreenText.text, "second");
    EXPECT_EQ(h.s().AnimTaskPending[1][3], "2");
    EXPECT_FALSE(h.s().InputLocked);
    // Every loaded animation now counts as ended, also one that never ran; the line of the next
    // tick never runs.
    EXPECT_EQ(h.s().AnimState[1], AnimEnded);
    EXPECT_EQ(h.s().AnimState[2], AnimEnded);
    EXPECT_EQ(h.s().AnimTaskPending[1][4], "1");
}

TEST(ScriptedAnimations, TaskKindsDriveTheTroop)
{
    FrameHarness h;
    h.start(withAnimations({{"walk", {"0000,01,08,05"}},
                            {"fire", {"0000,02,09,03"}},
                            {"look", {"0000,03,02,04"}},
                            {"speak", {"0000,04,Follow me, now!"}},
                            {"message", {"0000,05,Reach the bridge"}},
                            {"cease", {"0000,09"}}}));
    BattleState& s = h.s();
    // The leader has stepped off his start, where the trail's newest point still lies.
    s.SoldierX[1] += 6;
    s.SoldierY[1] -= 4;
    const float leaderX = s.SoldierX[1];
    const float leaderY = s.SoldierY[1];
    s.CameraX = 20;
    s.CameraY = 30;

    StartAnimation(h.battle, "walk");
    ScriptedAnimationsPhase(h.battle);
    EXPECT_EQ(s.TargetX[1], 150);
    EXPECT_EQ(s.TargetY[1], 90);
    EXPECT_EQ(s.MouseMapPoint[0], 150);
    EXPECT_EQ(s.MouseMapPoint[1], 90);
    EXPECT_EQ(s.Moving[1], 1);
    EXPECT_FLOAT_EQ(s.HeadingExact[1], CalcANG(150, 90, leaderX, leaderY));
    EXPECT_EQ(s.MoveMarkX, 150);
    EXPECT_FALSE(s.MoveOrder);
    EXPECT_FLOAT_EQ(s.LeaderTrail[1][1], leaderX);
    EXPECT_FLOAT_EQ(s.LeaderTrail[1][2], leaderY);

    StartAnimation(h.battle, "fire");
    ScriptedAnimationsPhase(h.battle);
    EXPECT_EQ(s.AimX, 167);
    EXPECT_EQ(s.AimY, 45);
    EXPECT_EQ(s.MouseMapPoint[0], 167);
    EXPECT_TRUE(s.FireHeld);

    StartAnimation(h.battle, "look");
    ScriptedAnimationsPhase(h.battle);
    EXPECT_EQ(s.MouseMapPoint[0], 27);
    EXPECT_EQ(s.MouseMapPoint[1], 67);

    StartAnimation(h.battle, "speak");
    ScriptedAnimationsPhase(h.battle);
    EXPECT_TRUE(s.ScreenText.pending);
    EXPECT_EQ(s.ScreenText.text, "Follow me, now!");
    EXPECT_DOUBLE_EQ(s.ScreenText.x, leaderX - 20);
    EXPECT_DOUBLE_EQ(s.ScreenText.y, leaderY - 30);
    EXPECT_EQ(s.ScreenText.style, 1);
    EXPECT_EQ(s.ScreenText.colour1, 255);
    EXPECT_EQ(s.ScreenText.colour2, 65535);

    StartAnimation(h.battle, "message");
    ScriptedAnimationsPhase(h.battle);
    EXPECT_EQ(s.ScreenText.text, "Reach the bridge");
    EXPECT_DOUBLE_EQ(s.ScreenText.x, 1);
    EXPECT_EQ(s.ScreenText.style, 2);
    EXPECT_EQ(s.ScreenText.colour1, 65535);
    EXPECT_EQ(s.ScreenText.colour2, 255);

    s.FireHeld = true;
    StartAnimation(h.battle, "cease"); // a start clears the fire order too
    EXPECT_FALSE(s.FireHeld);
    s.FireHeld = true;
    ScriptedAnimationsPhase(h.battle);
    EXPECT_FALSE(s.FireHeld);
}

// While a script drives the troop the soldiers still turn: the leader faces the way a scripted
// walk takes him, and the point a scripted look names.
TEST(ScriptedAnimations, WalksAndLooksTurnTheLeader)
{
    FrameHarness h;
    h.start(withAnimations({{"walk", {"0000,01,05,09"}}, {"look", {"0000,03,05,01"}}})); // leader at (90, 90)
    BattleState& s = h.s();
    ASSERT_NEAR(s.Facing[1], 0, 1); // east, as the troop starts
    StartAnimation(h.battle, "walk");
    h.frames(2);
    EXPECT_TRUE(s.InputLocked);
    EXPECT_NEAR(s.Facing[1], 270, 1); // south, where he walks
    StartAnimation(h.battle, "look");
    h.frames(2);
    EXPECT_NEAR(s.Facing[1], 90, 5); // north, at the point (87, 7)
}

// An intro started in the mission's first frame: the troop keeps the facing its author gave it
// (north), wherever the mouse pointed then, through the lines that name no point, until the first
// walk, fire order or look; then the leader turns to that point.
TEST(ScriptedAnimations, TheTroopKeepsItsFacingUntilALineNamesAPoint)
{
    struct Case
    {
        const char* line; // due at tick 1, the eleventh frame
        float leaderFacing;
    };
    const Case cases[] = {
        {"0001,01,09,05", 0},   // walk east to (170, 90)
        {"0001,02,05,09", 268}, // fire south at (87, 165)
        {"0001,03,05,09", 268}, // look south at (87, 167)
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        MissionText m = withAnimations({{"intro", {"0000,04,Quiet now.", c.line}}});
        m.troop = {quoted("05,05"), quoted("3"), quoted("01"), quoted("05"), quoted("03"), quoted("2")};
        m.scripts.insert(m.scripts.end(), {"<Cond 001>", " 1 ", "<Se>", quoted("01,11"), "<-Se>", "<Faz>",
                                           quoted("05,intro"), "<-Faz>", "<-Cond>"});
        FrameHarness h;
        h.start(m);
        BattleState& s = h.s();
        h.pointAtMap(190, 190); // south-east of the leader at (90, 90)
        h.frames(10);
        ASSERT_TRUE(s.InputLocked);
        for (int i = 1; i <= 3; ++i) {
            EXPECT_FLOAT_EQ(s.Facing[i], 90) << "soldier " << i;
            EXPECT_EQ(s.PoseCell[i], 3) << "soldier " << i;
        }
        h.frames(2);
        EXPECT_NEAR(s.Facing[1], c.leaderFacing, 2);
    }
}

TEST(ScriptedAnimations, VictoryStopsEverySoldier)
{
    FrameHarness h;
    h.start(withAnimations({{"win", {"Fim ,06"}}}));
    for (int i = 1; i <= 3; ++i)
        h.s().Moving[i] = 1;
    StartAnimation(h.battle, "win");
    ScriptedAnimationsPhase(h.battle);
    EXPECT_TRUE(h.game.MissionWon);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(h.s().Moving[i], 0);
}

TEST(ScriptedAnimations, StartAndStop)
{
    FrameHarness h;
    h.start(withAnimations({{"a", {"0000,03,06,06", "0002,03,07,07"}}, {"b", {"0000,03,08,08"}}}));
    BattleState& s = h.s();

    // A start naming no animation does nothing; a stop naming none still returns control.
    StartAnimation(h.battle, "nothing");
    EXPECT_FALSE(s.InputLocked);
    s.InputLocked = true;
    StopAnimation(h.battle, "nothing");
    EXPECT_FALSE(s.InputLocked);

    StartAnimation(h.battle, "a");
    s.MoveOrder = true;
    framesLinesRan(h, 1, 2, 5);
    EXPECT_EQ(s.AnimTick[1], 0);
    StartAnimation(h.battle, "a"); // already running: nothing changes
    EXPECT_TRUE(s.MoveOrder);
    EXPECT_EQ(s.AnimSubTick[1], 5);

    // Stopping one of two running animations keeps the troop locked; stopping the last frees it.
    StartAnimation(h.battle, "b");
    StopAnimation(h.battle, "a");
    EXPECT_EQ(s.AnimState[1], AnimIdle);
    EXPECT_EQ(s.AnimTaskPending[1][1], "1"); // re-armed
    EXPECT_FALSE(s.MoveOrder);
    EXPECT_TRUE(s.InputLocked);
    StopAnimation(h.battle, "b");
    EXPECT_FALSE(s.InputLocked);

    // An animation that ended replays every line from tick 0; its clock keeps its frame within
    // the tick (5 frames were counted), so its tick 0 lasts five frames.
    StartAnimation(h.battle, "a");
    const std::vector<int> ran = framesLinesRan(h, 1, 2, 30);
    EXPECT_EQ(ran[1], 1);
    EXPECT_EQ(ran[2], 16);
    EXPECT_EQ(s.AnimState[1], AnimEnded);
    StartAnimation(h.battle, "a");
    EXPECT_EQ(s.AnimState[1], AnimRunning);
    EXPECT_EQ(s.AnimTaskPending[1][2], "1");
}

TEST(ScriptedAnimations, RestartOnTheLastFrameOfATickStillRunsTickZero)
{
    FrameHarness h;
    h.start(withAnimations({{"a", {"0000,03,06,06", "0001,03,07,07"}}}));
    StartAnimation(h.battle, "a");
    framesLinesRan(h, 1, 2, 10); // stops on the last frame of tick 0
    ASSERT_EQ(h.s().AnimSubTick[1], 10);
    StopAnimation(h.battle, "a");
    StartAnimation(h.battle, "a");
    const std::vector<int> ran = framesLinesRan(h, 1, 2, 30);
    EXPECT_EQ(ran[1], 1);
    EXPECT_EQ(ran[2], 11);
    EXPECT_EQ(h.s().AnimState[1], AnimEnded);
}

TEST(ScriptedAnimations, UnknownKindStaysPendingAndKeepsTheAnimationRunning)
{
    FrameHarness h;
    h.start(withAnimations({{"odd", {"0000,12,01,01", "0000,03,06,06"}}}));
    StartAnimation(h.battle, "odd");
    framesLinesRan(h, 1, 2, 3);
    EXPECT_EQ(h.s().AnimTaskPending[1][1], "1");
    EXPECT_EQ(h.s().AnimTaskPending[1][2], "2");
    EXPECT_EQ(h.s().AnimState[1], AnimRunning);
}

} // namespace
