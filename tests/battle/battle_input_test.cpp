// Keys and mouse buttons of the battle window: the flags they leave for the next frame.

#include "frame_harness.h"

#include <gtest/gtest.h>

using namespace tolvar::battle;
using battle_test::FrameHarness;
using battle_test::MissionText;

namespace {

class InputTest : public ::testing::Test
{
protected:
    InputTest()
    {
        MissionText m;
        h.start(m);
    }
    // A click at view pixel (x, y); the window shows the view at twice its size.
    void clickView(int button, double x, double y)
    {
        h.cursor = {static_cast<long>(x * 2), static_cast<long>(y * 2)};
        h.press(button);
        h.release(button);
    }
    FrameHarness h;
};

TEST_F(InputTest, Keys)
{
    BattleState& s = h.s();
    h.key('E');
    EXPECT_TRUE(s.EndProgram);

    h.key(27);
    EXPECT_TRUE(s.MenuOpen);
    EXPECT_EQ(s.MenuStage, "15");
    h.key(27);
    EXPECT_EQ(s.MenuStage, "17");

    h.key('M');
    EXPECT_FALSE(h.game.MusicOn);
    h.key('M');
    EXPECT_TRUE(h.game.MusicOn);
    EXPECT_EQ(h.music, (std::vector<std::string>{"pause", "play"}));
    h.key('S');
    EXPECT_FALSE(h.game.SoundOn);
    EXPECT_FALSE(s.KeyAck);

    // A waiting text: every key acknowledges it, and Esc opens the menu all the same.
    s.MenuOpen = false;
    s.MenuStage = "";
    s.WaitKey = true;
    h.key('Q');
    EXPECT_TRUE(s.KeyAck);
    EXPECT_FALSE(s.MenuOpen);
    s.KeyAck = false;
    h.key(27);
    EXPECT_TRUE(s.MenuOpen);
    EXPECT_EQ(s.MenuStage, "15");
    EXPECT_TRUE(s.KeyAck);
}

TEST_F(InputTest, ButtonsGiveOrdersUntilReleasedUnlessInputIsLocked)
{
    BattleState& s = h.s();
    h.cursor = {300, 200};
    h.press(1);
    EXPECT_TRUE(s.FireHeld);
    applyDueReleases(s); // a frame has seen the press
    s.Spread = 6;
    h.release(1);
    EXPECT_FALSE(s.FireHeld);
    EXPECT_EQ(s.Spread, 0);
    h.press(2);
    EXPECT_TRUE(s.MoveOrder);
    applyDueReleases(s);
    h.release(2);
    EXPECT_FALSE(s.MoveOrder);

    s.InputLocked = true;
    s.IdleFrames = 9;
    s.WaitKey = true;
    h.press(1);
    EXPECT_FALSE(s.FireHeld);
    EXPECT_TRUE(s.KeyAck);
    EXPECT_EQ(s.IdleFrames, 0);
    s.FireHeld = true; // held by a script
    s.Spread = 4;
    h.release(1);
    EXPECT_TRUE(s.FireHeld);
    EXPECT_EQ(s.Spread, 4);
}

TEST_F(InputTest, AClickQuickerThanAFrameStillGivesItsOrderOnce)
{
    BattleState& s = h.s();
    h.pointAtMap(200, 150);
    h.press(2);
    h.release(2);
    EXPECT_TRUE(s.MoveOrder); // no frame has seen it yet
    h.frames(1);
    EXPECT_FALSE(s.MoveOrder);
    EXPECT_EQ(h.soundCount(15), 1);
    EXPECT_EQ(s.TargetX[1], s.MouseMapPoint[0]);

    h.press(1);
    h.release(1);
    EXPECT_TRUE(s.FireHeld);
    h.frames(1);
    EXPECT_FALSE(s.FireHeld);
    EXPECT_EQ(s.Spread, 0);
    h.frames(1);
    EXPECT_FALSE(s.FireHeld);
}

TEST_F(InputTest, TheStatusButtonOpensTheSoldierPanelAndItsButtonsSetTheFireMode)
{
    BattleState& s = h.s();
    s.PointerKind = 1;
    clickView(1, 20, 9);
    EXPECT_EQ(s.PointerMode, "14");
    EXPECT_EQ(s.PointerKind, 2);
    EXPECT_EQ(h.soundCount(15), 1);
    EXPECT_FALSE(s.FireHeld);

    // The three buttons act where they are drawn, at view y 20, 40 and 60, 18 pixels high.
    clickView(1, 20, 20 * 2 + 7); // button 2
    EXPECT_EQ(s.FireMode, 2);
    clickView(1, 20, 20 * 3 + 16); // below button 3's middle: still button 3, not a fire mode
    EXPECT_EQ(s.FireMode, 2);
    clickView(1, 20, 20 * 1 + 7); // button 1
    EXPECT_EQ(s.FireMode, 1);
    clickView(1, 20, 20 * 2 + 2); // the top of button 2
    EXPECT_EQ(s.FireMode, 2);
    clickView(1, 20, 82); // under the last button nothing is drawn, and nothing acts
    clickView(1, 20, 20 * 1 + 7);
    clickView(1, 20, 82);
    EXPECT_EQ(s.FireMode, 1);
    s.Rounds[1] = 0;
    s.Clips[1] = 2;
    s.Reload[1] = 0;
    clickView(1, 20, 20 * 3 + 9); // button 3 shares out the clips and starts the empty soldier's reload
    EXPECT_EQ(s.Reload[1], 1.0f);
    clickView(1, 100, 100); // no orders while the panel is open
    EXPECT_FALSE(s.FireHeld);

    clickView(1, 20, 9);
    EXPECT_EQ(s.PointerMode, "13");
    EXPECT_EQ(h.soundCount(15), 2);
    // The button's edges are outside it.
    clickView(1, 10, 9);
    EXPECT_EQ(s.PointerMode, "13");
}

TEST_F(InputTest, ClicksInTheOpenMenuAreKeptInViewPixels)
{
    BattleState& s = h.s();
    s.MenuOpen = true;
    h.cursor = {301, 99};
    h.press(1);
    EXPECT_TRUE(s.FireHeld);
    EXPECT_EQ(s.MenuClickX, 150); // 150.5 rounds to the even 150
    EXPECT_EQ(s.MenuClickY, 50);  // 49.5 rounds to 50
}

} // namespace
