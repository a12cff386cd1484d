#include "game/battle/status_display.h"

#include "sprite_test_sheets.h"

#include <gtest/gtest.h>

namespace {

using namespace tolvar::battle;
using namespace sprite_test;
using platform::gfx::kBlack;

constexpr Rgb Yellow = 0xFFFF00;

// A battle whose frame is a 400 x 300 map with the camera at (30, 20): view position (a, b) is
// frame pixel (30 + a, 20 + b).
class StatusDisplayTest : public ::testing::Test
{
protected:
    StatusDisplayTest() : battle(game, clock), s(*battle.state), sheets(makeSheets())
    {
        s.MainFrame = Picture(400, 300, Background);
        s.CameraX = 30;
        s.CameraY = 20;
        s.TroopTeam = 3;
    }

    Rgb view(int a, int b) const { return s.MainFrame.pixel(30 + a, 20 + b); }

    // True when some pixel of the w x h view rectangle at (a, b) has the colour.
    bool viewHas(int a, int b, int w, int h, Rgb colour) const
    {
        for (int y = b; y < b + h; ++y)
            for (int x = a; x < a + w; ++x)
                if (view(x, y) == colour)
                    return true;
        return false;
    }

    void troop(int count)
    {
        s.TroopCount = count;
        for (int i = 1; i <= count; ++i) {
            s.SoldierName[i] = "Soldier";
            s.Rounds[i] = 22;
            s.Clips[i] = 2;
        }
    }

    tolvar::GameState game;
    platform::clock::ManualClock clock;
    Battle battle;
    BattleState& s;
    BattleSheets sheets;
};

TEST_F(StatusDisplayTest, RosterBoxGrowsTwelvePixelsPerSoldier)
{
    for (auto [count, bottom] : {std::pair{1, 28}, std::pair{10, 136}}) {
        SCOPED_TRACE(count);
        s.MainFrame.clear(Background);
        troop(count);
        drawRosterDisplay(battle, sheets);
        EXPECT_EQ(view(10, 15), kBlack);
        EXPECT_EQ(view(208, bottom), kBlack);
        EXPECT_EQ(view(9, 15), Background);
        EXPECT_EQ(view(10, 14), Background);
        EXPECT_EQ(view(209, bottom), Background);
        EXPECT_EQ(view(10, bottom + 1), Background);
    }
}

TEST_F(StatusDisplayTest, RosterRowShowsTeamMedalNameRoundsAndClips)
{
    troop(2);
    s.MedalLevel[2] = 4;
    s.Clips[2] = 7;
    s.Clips[1] = 0;
    drawRosterDisplay(battle, sheets);

    // Soldier 2's row starts 12 pixels down.
    EXPECT_EQ(view(12, 29), cellColour(ShowBar, 0, 5)); // team 3's glyph
    EXPECT_EQ(view(23, 28), cellColour(Medals, 0, 5));  // rank 4's medal
    for (int j = 0; j < 7; ++j)
        EXPECT_EQ(view(152 + 10 * j, 29), cellColour(ShowBar, 0, 1)) << "clip " << j + 1;
    EXPECT_EQ(view(219, 29), kBlack);             // the seventh glyph's shape ends right of the box
    EXPECT_EQ(view(222, 29), Background);         // no eighth
    EXPECT_TRUE(viewHas(37, 31, 42, 8, Yellow));  // the name
    EXPECT_TRUE(viewHas(132, 31, 18, 8, Yellow)); // the rounds

    // Soldier 1 has no spare clip, but his rounds are printed.
    EXPECT_EQ(view(152, 17), kBlack);
    EXPECT_TRUE(viewHas(132, 19, 18, 8, Yellow));
}

TEST_F(StatusDisplayTest, StatusButtonAndSoldierPanel)
{
    s.PointerMode = "13";
    drawStatusBarDisplay(battle, sheets);
    EXPECT_EQ(view(10, 0), cellColour(MenuBar, 0, 4) & Background);
    EXPECT_EQ(view(26, 0), Background); // the glyph's white part lets the map show
    EXPECT_EQ(view(10, 30), Background);

    s.MainFrame.clear(Background);
    s.PointerMode = "14";
    drawStatusBarDisplay(battle, sheets);
    EXPECT_EQ(view(10, 0), cellColour(MenuBar, 0, 5) & Background);
    EXPECT_EQ(view(8, 18), kBlack);
    EXPECT_EQ(view(29, 79), kBlack);
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(view(10, 20 * k), cellColour(MenuBar, 0, k)) << k;
}

TEST_F(StatusDisplayTest, MenuShowsTracksSwitchesAndTextButtons)
{
    game.CurrentTrack = 3;
    game.TrackAvail = {"", "on", "off", "off", "", "on", "off", "on", "on", "on", "on"};
    game.MusicOn = true;
    game.SoundOn = false;
    game.RandomTrack = true;
    drawMenuDisplay(battle, sheets, 60, 20);

    // Menu position (a, b) is view position (60 + a, 20 + b).
    auto menu = [this](int a, int b) { return view(60 + a, 20 + b); };
    const int trackCells[] = {5, 7, 6, 0, 5, 7, 5, 5, 5, 5};
    for (int k = 1; k <= 10; ++k) {
        const int a = 9 + 37 * ((k - 1) % 5) + 1;
        const int b = (k <= 5 ? 50 : 98) + 1;
        EXPECT_EQ(menu(a, b), trackCells[k - 1] ? cellColour(PmP, 0, trackCells[k - 1]) : Background)
            << "track " << k;
    }
    EXPECT_EQ(menu(10, 2), cellColour(PmP, 0, 2));    // music on
    EXPECT_EQ(menu(158, 2), cellColour(PmP, 0, 3));   // sound off
    EXPECT_EQ(menu(158, 148), cellColour(PmP, 0, 8)); // random on
    EXPECT_EQ(menu(65, 11), cellColour(PmP, 1, 10));  // quit
    EXPECT_EQ(menu(11, 151), cellColour(PmP, 3, 10)); // play track
    EXPECT_EQ(menu(65, 184), cellColour(PmP, 2, 10)); // resume
    EXPECT_EQ(menu(64 + 75, 183), Background);        // a strip is 75 pixels wide
}

} // namespace
