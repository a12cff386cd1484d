// The frame as a whole: the end of the mission, the music's start and the in-game menu.

#include "frame_harness.h"

#include "game/battle/in_game_menu.h"
#include "game/settings_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace tolvar::battle;
using battle_test::FrameHarness;
using battle_test::MissionText;

namespace {

constexpr int Esc = 27;

class FrameTest : public ::testing::Test
{
protected:
    FrameTest()
    {
        MissionText m;
        m.troop = battle_test::troopAt(8, 8, 2);
        h.start(m);
        h.whileTextShown = [this] {
            if (shownText.empty())
                shownText = h.s().ScreenText.text;
        };
    }

    // Frames until the mission is over; the number of frames run.
    int framesUntilOver(int limit = 200)
    {
        int n = 0;
        while (!h.game.MissionOver && n < limit) {
            h.frames(1);
            ++n;
        }
        return n;
    }

    // A left click at view pixel (x, y) while the menu is open.
    void clickMenu(double x, double y)
    {
        h.cursor = {static_cast<long>(x * 2), static_cast<long>(y * 2)};
        h.press(1);
        h.frames(1);
        h.release(1);
    }
    double mx() const { return menuOriginX(h.game); }
    double my() const { return menuOriginY(h.game); }

    FrameHarness h;
    std::string shownText;
};

TEST_F(FrameTest, AWinIsAnnounced51FramesAfterItAndMovesToTheNextMission)
{
    h.s().FireHeld = true;
    h.game.MissionWon = true;
    EXPECT_EQ(framesUntilOver(), 51);
    EXPECT_TRUE(h.s().InputLocked);
    EXPECT_FALSE(h.s().FireHeld);
    EXPECT_EQ(h.game.CurrentMission, 2);
    EXPECT_EQ(shownText, "Mission completed");
    EXPECT_FALSE(h.s().ScreenText.pending); // shown and cleared
    EXPECT_EQ(h.s().MainMap.pixel(10, 10), platform::gfx::kBlack);
}

TEST_F(FrameTest, TheEndMessageHoldsForASecondOrUntilAKeyAcknowledgesIt)
{
    h.game.MissionWon = true;
    h.frames(50);
    platform::clock::Tick start = h.clock.tickCount();
    h.frames(1);
    EXPECT_GE(h.clock.tickCount() - start, 30 + 1000);

    FrameHarness keyed;
    keyed.start(MissionText{});
    keyed.whileTextShown = [&keyed] { keyed.key('X'); };
    keyed.game.MissionWon = true;
    keyed.frames(50);
    start = keyed.clock.tickCount();
    keyed.frames(1);
    EXPECT_TRUE(keyed.game.MissionOver);
    EXPECT_LT(keyed.clock.tickCount() - start, 30 + 100);
    EXPECT_FALSE(keyed.s().WaitKey);
}

TEST_F(FrameTest, ADefeatIsAnnounced31FramesAfterItAndReplaysTheMission)
{
    h.s().DefeatFlag = true;
    EXPECT_EQ(framesUntilOver(), 31);
    EXPECT_EQ(h.game.CurrentMission, 1);
    EXPECT_EQ(shownText, "Mission Failed");
    EXPECT_EQ(h.soundCount(5), 1);
    EXPECT_EQ(h.music, std::vector<std::string>{"pause"});
}

TEST_F(FrameTest, MusicStartsOnceInFrame100OrWhenSwitchedOnLater)
{
    h.frames(99);
    EXPECT_TRUE(h.music.empty());
    h.frames(1);
    EXPECT_EQ(h.music, std::vector<std::string>{"start"});
    h.frames(200);
    EXPECT_EQ(h.music.size(), 1u);

    FrameHarness late;
    MissionText m;
    late.start(m);
    late.game.MusicOn = false;
    late.frames(150);
    EXPECT_TRUE(late.music.empty());
    late.game.MusicOn = true;
    late.frames(1);
    EXPECT_EQ(late.music, std::vector<std::string>{"start"});
    late.frames(10);
    EXPECT_EQ(late.music.size(), 1u);

    FrameHarness none;
    none.start(m);
    none.game.NoMusic = true;
    none.frames(150);
    EXPECT_TRUE(none.music.empty());
}

TEST_F(FrameTest, TheMenuOpensFromItsCentreFreezesTheBattleAndClosesToALine)
{
    BattleState& s = h.s();
    h.pointAtMap(300, 150);
    h.press(2);
    h.key(Esc);
    h.frames(1);
    EXPECT_EQ(s.MenuStage, "16");
    EXPECT_EQ(s.MenuLeft, 90);
    EXPECT_EQ(s.MenuBottom, 110);
    EXPECT_EQ(s.PointerKind, 2);
    // The box is drawn from the view's middle: white outline, black inside.
    const int cx = s.CameraX + 160, cy = s.CameraY + 120;
    EXPECT_EQ(s.MainFrame.pixel(cx, cy), platform::gfx::kBlack);
    h.frames(9);
    EXPECT_EQ(s.MenuStage, "3");
    EXPECT_EQ(s.MenuTop, 0);
    h.frames(1);
    EXPECT_EQ(s.MainFrame.pixel(s.CameraX + 60 - 1, cy), platform::gfx::kWhite);

    // Frozen: the move order waits, the leader stays.
    const float x = s.SoldierX[1];
    h.frames(19);
    EXPECT_FLOAT_EQ(s.SoldierX[1], x);
    EXPECT_TRUE(s.MoveOrder);

    h.key(Esc);
    h.frames(9);
    EXPECT_TRUE(s.MenuOpen);
    h.frames(1);
    EXPECT_FALSE(s.MenuOpen);
    EXPECT_EQ(s.MenuTop, 100);
    EXPECT_EQ(s.IdleFrames, 0);
    h.frames(1);
    EXPECT_GT(s.SoldierX[1], x); // the order is carried out once the battle resumes
}

TEST_F(FrameTest, QuitEndsTheMissionForTheTitleScreen)
{
    h.key(Esc);
    h.frames(10);
    clickMenu(mx() + 64 + 30, my() + 10 + 8);
    EXPECT_TRUE(h.game.MissionOver);
    EXPECT_FALSE(h.game.InGame);
    EXPECT_EQ(h.s().MenuStage, "17");
    EXPECT_FALSE(h.s().FireHeld);
    EXPECT_EQ(h.soundCount(15), 1);
}

TEST_F(FrameTest, TheMenusButtonsSetTheTrackAndTheSwitchesAndResumeSavesThem)
{
    tolvar::GameState& g = h.game;
    g.TrackAvail[3] = "on";
    g.CurrentTrack = 0;
    g.RandomTrack = false;
    h.key(Esc);
    h.frames(10);
    clickMenu(mx() + 9 + 37 * 2 + 18, my() + 50 + 24); // track 3
    EXPECT_EQ(g.CurrentTrack, 3);
    clickMenu(mx() + 9 + 37 * 3 + 18, my() + 50 + 24); // track 4 is not available
    EXPECT_EQ(g.CurrentTrack, 3);
    clickMenu(mx() + 157 + 18, my() + 147 + 24); // random switch
    EXPECT_TRUE(g.RandomTrack);
    clickMenu(mx() + 9 + 18, my() + 1 + 24); // music switch
    EXPECT_FALSE(g.MusicOn);
    EXPECT_EQ(h.music.back(), "pause");
    clickMenu(mx() + 157 + 18, my() + 1 + 24); // sound switch
    EXPECT_FALSE(g.SoundOn);
    // On the edge of a button nothing happens.
    clickMenu(mx() + 157, my() + 1 + 24);
    EXPECT_FALSE(g.SoundOn);

    clickMenu(mx() + 64 + 30, my() + 183 + 8); // resume
    EXPECT_EQ(h.s().MenuStage, "17");
    std::ifstream in(tolvar::settingsPath(g), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    EXPECT_EQ(bytes.str(), tolvar::settingsText(g));
    EXPECT_NE(bytes.str().find("Track=2"), std::string::npos);
    EXPECT_FALSE(h.game.MissionOver);
}

} // namespace
