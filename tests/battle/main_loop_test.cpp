// The frame as a whole: what it composes, the end of the mission, the music's start and the
// in-game menu.

#include "frame_harness.h"
#include "sprite_test_sheets.h"

#include "game/battle/in_game_menu.h"
#include "game/battle/load_map.h"
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
        mission.troop = battle_test::troopAt(8, 8, 2);
        h.start(mission);
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

    // The roster panel's black box is in the view of the frame just composed.
    bool rosterShown()
    {
        return h.s().MainFrame.pixel(h.s().CameraX + 12, h.s().CameraY + 17) == platform::gfx::kBlack;
    }

    MissionText mission;
    FrameHarness h;
    std::string shownText;
};

// Only the view is composed, once the camera stands where the frame shows it: the view shows the
// map and the figures in it, and nothing of the frame's picture outside the view is touched, the
// figures there included. The squad starts in the map's far corner, so the camera jumps back
// inside the map in the first frame; then the same with the menu open.
TEST(FrameComposition, OnlyTheViewIsComposedWhereTheCameraEndsUp)
{
    FrameHarness h;
    platform::gfx::Picture tiles = h.battle.sheets.MPP;
    h.battle.sheets = sprite_test::makeSheets();
    h.battle.sheets.MPP = tiles;
    MissionText m;
    m.troop = battle_test::troopAt(23, 23, 3);
    m.enemies = {"01,05,05,None,0", "01,15,14,None,0"}; // far off the view; across its top edge
    h.start(m);
    BattleState& s = h.s();
    constexpr platform::gfx::Rgb Marker = 0xABCDEF;
    const auto markFrame = [&] {
        s.MainFrame = platform::gfx::Picture(s.MainMap.width(), s.MainMap.height(), Marker);
    };
    const auto expectOnlyTheView = [&] {
        long markedInView = 0, touchedOutside = 0;
        for (int y = 0; y < s.MainFrame.height(); ++y) {
            for (int x = 0; x < s.MainFrame.width(); ++x) {
                const bool inView =
                    x >= s.CameraX && x < s.CameraX + 320 && y >= s.CameraY && y < s.CameraY + 240;
                const bool marked = s.MainFrame.pixel(x, y) == Marker;
                markedInView += inView && marked;
                touchedOutside += !inView && !marked;
            }
        }
        EXPECT_EQ(markedInView, 0);
        EXPECT_EQ(touchedOutside, 0);
    };

    ASSERT_GT(s.CameraX, 300);
    markFrame();
    h.frames(1);
    ASSERT_EQ(s.CameraX, 180);
    ASSERT_EQ(s.CameraY, 260);
    {
        SCOPED_TRACE("camera jump");
        expectOnlyTheView();
    }
    // The enemy across the edge shows its lower part.
    EXPECT_EQ(s.MainFrame.pixel(286, 262) & 0xFFFF00u, sprite_test::cellColour(sprite_test::SPP, 1, 0));

    h.key(Esc);
    h.frames(1);
    ASSERT_TRUE(s.MenuOpen);
    markFrame();
    h.frames(1);
    SCOPED_TRACE("menu open");
    expectOnlyTheView();
}

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

// A victory and a defeat requested in one frame (here the defeat's Do line first): the mission is
// won.
TEST(MissionEnd, AVictoryAndADefeatInTheSameFrameWinTheMission)
{
    FrameHarness h;
    MissionText m;
    m.scripts = {"<Cond 001>",
                 " 1 ",
                 "<Se>",
                 battle_test::quoted("01,15"),
                 "<-Se>",
                 "<Faz>",
                 battle_test::quoted("04"),
                 battle_test::quoted("03"),
                 "<-Faz>"};
    h.start(m);
    std::string shown;
    h.whileTextShown = [&] { shown = h.s().ScreenText.text; };
    int frames = 0;
    while (!h.game.MissionOver && frames < 100) {
        h.frames();
        ++frames;
    }
    EXPECT_EQ(frames, 51);
    EXPECT_EQ(shown, "Mission completed");
    EXPECT_EQ(h.game.CurrentMission, 2);
    EXPECT_EQ(h.soundCount(5), 0);
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

// The leader's rank medal hides after a move order and shows again from the 21st frame after it.
TEST_F(FrameTest, TheLeadersMedalShowsFromThe21stFrameAfterAMoveOrder)
{
    BattleState& s = h.s();
    h.battle.sheets = sprite_test::makeSheets(); // the map is drawn already
    const platform::gfx::Rgb medal = sprite_test::cellColour(sprite_test::Medals, 0, 2); // rank 1
    auto medalShown = [&] {
        for (int y = 0; y < s.MainFrame.height(); ++y)
            for (int x = 0; x < s.MainFrame.width(); ++x)
                if (s.MainFrame.pixel(x, y) == medal)
                    return true;
        return false;
    };
    ASSERT_EQ(s.MedalLevel[1], 1);
    h.frames(25);
    EXPECT_TRUE(medalShown());

    h.pointAtMap(static_cast<int>(s.SoldierX[1]) + 60, static_cast<int>(s.SoldierY[1]));
    h.press(2);
    h.frames(1); // the order's frame
    h.release(2);
    EXPECT_FALSE(medalShown());
    int first = 0;
    for (int n = 1; n <= 25 && first == 0; ++n) {
        h.frames(1);
        if (medalShown())
            first = n;
    }
    EXPECT_EQ(first, 21);
}

// The view is 320 x 240 whatever the map's size: on a map smaller than the view the menu is
// drawn whole, and the view shows black where the map does not reach.
TEST_F(FrameTest, TheMenuIsDrawnWholeOnAMapSmallerThanTheView)
{
    BattleState& s = h.s();
    s.MapCols = 5;
    s.MapRows = 5;
    buildMapPictures(s, h.battle.sheets.MPP);
    h.frames(1);
    h.key(Esc);
    h.frames(11);
    ASSERT_EQ(s.MenuStage, "3");

    // What the window shows at view pixel (x, y), two screen pixels a side.
    const auto shown = [&](int x, int y) { return h.battle.GameScreen.pixel(2 * x, 2 * y); };
    const int left = static_cast<int>(mx()) - 1, top = static_cast<int>(my()) - 1;
    const int right = static_cast<int>(mx()) + 201, bottom = static_cast<int>(my()) + 201;
    EXPECT_EQ(shown(left, top), platform::gfx::kWhite);
    EXPECT_EQ(shown(right, bottom), platform::gfx::kWhite);
    EXPECT_EQ(shown(right, top), platform::gfx::kWhite);
    EXPECT_EQ(shown(left, bottom), platform::gfx::kWhite);
    EXPECT_EQ(shown(right - 5, bottom - 5), platform::gfx::kBlack);
    EXPECT_EQ(shown(20, 20), battle_test::tileColour(1)); // the map

    // Closed again, the menu leaves nothing behind beyond the map.
    h.key(Esc);
    h.frames(12);
    ASSERT_FALSE(s.MenuOpen);
    EXPECT_EQ(shown(right, bottom), platform::gfx::kBlack);
    EXPECT_EQ(shown(20, 20), battle_test::tileColour(1));
}

// Whatever the last mission left behind (its menu still closing after QUIT, a troop idle long
// enough for the roster panel), the next one opens playing, with the menu closed, and shows the
// roster panel after 41 idle frames again, not 40.
TEST_F(FrameTest, ANewMissionOpensWithTheMenuClosedAndTheRosterPanelAfter41IdleFrames)
{
    const tolvar::battle::Handover quit = h.play(mission, [&](int n) {
        if (n == 60)
            h.key(Esc);
        if (n == 75) {
            h.cursor = {static_cast<long>((mx() + 64 + 30) * 2), static_cast<long>((my() + 10 + 8) * 2)};
            h.press(1);
        }
        if (n == 76)
            h.release(1);
    });
    ASSERT_EQ(quit.next, tolvar::Screen::Title);

    bool menuSeen = false;
    std::vector<int> panel;
    h.play(
        mission, {},
        [&](int n) {
            menuSeen = menuSeen || h.s().MenuOpen;
            if (rosterShown())
                panel.push_back(n);
        },
        45);
    EXPECT_FALSE(menuSeen);
    ASSERT_FALSE(panel.empty());
    EXPECT_EQ(panel.front(), 41);
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

// A repeating condition shows its message in every frame; Esc pressed while it is typed or held
// ends that frame's wait at once and opens the menu, which freezes the conditions, so QUIT can be
// reached. A plain key or a click only acknowledges the text, which comes back in the next frame.
TEST(MenuAndTexts, EscDuringATextRepeatedEveryFrameReachesTheMenuAndQuit)
{
    const std::string text = "The crate is locked."; // typed in 21 paced steps, then held
    for (const int answerAtPump : {1, 25}) {
        SCOPED_TRACE(answerAtPump == 1 ? "answered while typed" : "answered while held");
        FrameHarness h;
        MissionText m;
        m.scripts = {"<Cond 001>",
                     " 0 ",
                     "<Se>",
                     battle_test::quoted("01,99"),
                     "<-Se>",
                     "<Faz>",
                     battle_test::quoted("02," + text),
                     "<-Faz>",
                     "<-Cond>"};
        h.start(m);
        int pumps = 0;
        std::string answer; // what the player does while the next text waits: a key or "click"
        h.whileTextShown = [&] {
            if (++pumps != answerAtPump || answer.empty())
                return;
            if (answer == "click") {
                h.press(1);
                h.release(1);
            } else {
                h.key(answer[0]);
            }
            answer.clear();
        };
        // Runs a frame; whether it showed a text and how long it took.
        const auto frame = [&] {
            pumps = 0;
            const platform::clock::Tick before = h.clock.tickCount();
            h.frames(1);
            return std::pair{pumps > 0, h.clock.tickCount() - before};
        };

        for (const std::string other : {"Q", "click"}) {
            answer = other;
            EXPECT_TRUE(frame().first) << other;
            EXPECT_TRUE(frame().first) << other << ": the text comes back";
            EXPECT_FALSE(h.s().MenuOpen) << other;
        }

        answer = "\x1b";
        const auto [shown, took] = frame();
        EXPECT_TRUE(shown);
        EXPECT_TRUE(h.s().MenuOpen);
        EXPECT_FALSE(h.s().WaitKey);
        EXPECT_LE(took, 30 + 25 * answerAtPump) << "the text was held after Esc";
        for (int i = 0; i < 10; ++i)
            EXPECT_FALSE(frame().first) << "the menu freezes the conditions";
        ASSERT_EQ(h.s().MenuStage, "3");
        h.cursor = {static_cast<long>((menuOriginX(h.game) + 64 + 30) * 2),
                    static_cast<long>((menuOriginY(h.game) + 10 + 8) * 2)};
        h.press(1);
        frame();
        EXPECT_TRUE(h.game.MissionOver) << "QUIT";
        EXPECT_FALSE(h.game.InGame);
    }
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
