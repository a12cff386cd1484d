// Starting a mission, the paced frame loop and the hand-over, on a manual clock.

#include "battle_test_support.h"
#include "frame_harness.h"

#include "game/battle/battle_form.h"
#include "game/battle/in_game_menu.h"
#include "game/battle/mission_driver.h"
#include "game/battle/troop_orders.h"
#include "game/battle/troop_ranks.h"
#include "game/briefing_screen.h"
#include "game/campaign_start.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace tolvar::battle;
using platform::clock::ManualClock;
using platform::clock::Tick;
using tolvar::GameState;
using tolvar::Screen;

namespace {

TEST(MedalLevel, OneRankPerEightKillsUpTo18)
{
    const std::pair<const char*, float> cases[] = {{"", 1},     {"0", 1},  {"7", 1},    {"8", 2},
                                                   {"15", 2},   {"17", 3}, {"135", 17}, {"136", 18},
                                                   {"500", 18}, {"abc", 1}};
    for (const auto& [tally, level] : cases)
        EXPECT_EQ(medalLevelFor(tally), level) << '"' << tally << '"';
}

class MissionDriverTest : public ::testing::Test
{
protected:
    MissionDriverTest() : battle(game, clock)
    {
        game.programFolder = folder.path();
        game.MissionName[1] = "full";
        game.MissionName[2] = "second";
        game.CurrentMission = 1;
        folder.copyFixture("full.cfm", "arquivos/campanha/full.cfm");
        buildAngleTables(*battle.state);
        battle.sheets.MPP = battle_test::tileSheet();
        battle.GameScreen.resize(640, 480);
        for (int i = 1; i <= tolvar::TrackCount; ++i)
            game.TrackAvail[i] = "off";

        hooks.pumpEvents = [this] { ++pumps; };
        hooks.prepareSettings = [this] { log.push_back("settings"); };
        hooks.loadTrack = [this](int track) { log.push_back("track " + std::to_string(track)); };
        hooks.pauseMusic = [this] { log.push_back("pause"); };
        // One frame that wins the mission.
        hooks.frame = [this] {
            log.push_back("frame");
            ++game.CurrentMission;
            game.MissionOver = true;
        };
    }

    Handover play() { return MainDo(battle, hooks, false); }

    battle_test::ProgramFolder folder;
    GameState game;
    ManualClock clock{1000};
    Battle battle;
    DriverHooks hooks;
    std::vector<std::string> log;
    int pumps = 0;
};

TEST_F(MissionDriverTest, KillsOfThePreviousMissionRaiseTalliesAndRanks)
{
    BattleState& s = *battle.state;
    const char* names[] = {"Ann", "Bob", "Cid", "Dee"};
    const char* tallies[] = {"15", "", "136", "7"};
    for (int k = 1; k <= 4; ++k) {
        game.Roster[k][tolvar::RosterName] = names[k - 1];
        game.Roster[k][tolvar::RosterKills] = tallies[k - 1];
        s.SoldierName[k] = names[k - 1];
    }
    game.NameCount = 4;
    s.Kills[1] = 2;
    s.Kills[3] = 5;
    s.Kills[4] = 1;
    s.Kills[5] = 3; // a slot without a name credits nobody

    EXPECT_EQ(play().next, Screen::Briefing);

    EXPECT_EQ(game.Roster[1][tolvar::RosterKills], "17");
    EXPECT_EQ(game.Roster[3][tolvar::RosterKills], "141");
    EXPECT_EQ(game.Roster[4][tolvar::RosterKills], "8");
    EXPECT_EQ(game.Roster[5][tolvar::RosterKills], "");
    const float levels[] = {3, 1, 18, 2, 1};
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(s.MedalLevel[k], levels[k - 1]) << k;
        EXPECT_EQ(s.Kills[k], 0) << k;
    }
    EXPECT_EQ(s.SoldierName[1], "Ann");
    EXPECT_EQ(s.SoldierName[5], ""); // the troop of ten is larger than the roster
}

// The tallies of the roster rows, by name.
std::map<std::string, std::string> talliesByName(const GameState& game)
{
    std::map<std::string, std::string> tallies;
    for (int k = 1; k <= game.NameCount; ++k)
        tallies[game.Roster[k][tolvar::RosterName]] = game.Roster[k][tolvar::RosterKills];
    return tallies;
}

// A soldier's tally grows by exactly the enemies he killed, whichever slot he moved down to when
// others fell before him; fallen soldiers leave the roster, which the briefing compacts between
// the missions.
TEST(KillTallies, GrowByEachSoldiersOwnKillsAfterFallsInAnySlot)
{
    struct Case
    {
        const char* fall;
        std::vector<int> fallen; // slots killed, in this order
        std::map<std::string, std::string> tallies;
    };
    const Case cases[] = {
        {"the leader", {1}, {{"Bly", "5"}, {"Cole", "8"}, {"Dunn", "14"}, {"Eyre", "5"}}},
        {"a middle soldier", {2}, {{"Ash", "1"}, {"Cole", "8"}, {"Dunn", "14"}, {"Eyre", "5"}}},
        {"the last soldier", {4}, {{"Ash", "1"}, {"Bly", "5"}, {"Cole", "8"}, {"Eyre", "5"}}},
        {"two leaders in turn", {1, 1}, {{"Cole", "8"}, {"Dunn", "14"}, {"Eyre", "5"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fall);
        battle_test::FrameHarness h;
        const char* names[] = {"Ash", "Bly", "Cole", "Dunn", "Eyre"};
        const char* before[] = {"", "3", "0", "10", "5"};
        for (int k = 1; k <= 5; ++k)
            h.game.Roster[k] = {"", names[k - 1], before[k - 1]};
        h.game.NameCount = 5;
        const battle_test::MissionText mission; // a troop of four
        h.start(mission);
        BattleState& s = h.s();
        const int kills[] = {1, 2, 8, 4};
        for (int k = 1; k <= 4; ++k)
            s.Kills[k] = kills[k - 1];
        for (int slot : c.fallen)
            KillDoll(h.battle, slot);

        tolvar::compactRoster(h.game);
        h.start(mission); // the next mission
        EXPECT_EQ(talliesByName(h.game), c.tallies);
        for (int k = 1; k <= s.TroopCount; ++k)
            EXPECT_EQ(s.MedalLevel[k], medalLevelFor(h.game.Roster[k][tolvar::RosterKills]))
                << s.SoldierName[k];
    }
}

TEST(KillTallies, TwoSoldiersOfOneNameKeepTheirOwnTallies)
{
    battle_test::FrameHarness h;
    h.game.Roster[1] = {"", "Ash", ""};
    h.game.Roster[2] = {"", "Ash", "8"};
    h.game.NameCount = 2;
    battle_test::MissionText mission;
    mission.troop = battle_test::troopAt(2, 2, 2);
    h.start(mission);
    h.s().Kills[1] = 1;
    h.s().Kills[2] = 2;
    h.start(mission);
    EXPECT_EQ(h.game.Roster[1][tolvar::RosterKills], "1");
    EXPECT_EQ(h.game.Roster[2][tolvar::RosterKills], "10");
}

// Kills of a campaign left through the menu's QUIT are not credited to a soldier of the same name
// in the campaign started next, be it the same one or another.
TEST(KillTallies, ACampaignStartedAfterQuittingBeginsWithNoKills)
{
    auto campaign = [](const std::string& name) {
        return battle_test::crlf({"<Campanha>", battle_test::quoted(name), battle_test::quoted("Bo"), " 1 ",
                                  "True", "<-Campanha>", "<Miss>", "mission", "<-Miss>", "<Nomes>", "Ash",
                                  "Bly", "<-Nomes>"});
    };
    for (const char* next : {"Alpha", "Beta"}) {
        SCOPED_TRACE(next);
        battle_test::FrameHarness h;
        ASSERT_TRUE(tolvar::startCampaign(h.game, campaign("Alpha"), false).ok);
        battle_test::MissionText mission;
        mission.troop = battle_test::troopAt(2, 2, 2);
        const double mx = menuOriginX(h.game), my = menuOriginY(h.game);
        const Handover quit = h.play(mission, [&](int n) {
            if (n == 2)
                h.s().Kills[1] = 9; // the leader's kills before the player quits
            if (n == 5)
                h.key(27);
            if (n == 20) {
                h.cursor = {static_cast<long>((mx + 64 + 30) * 2), static_cast<long>((my + 10 + 8) * 2)};
                h.press(1);
            }
        });
        ASSERT_EQ(quit.next, Screen::Title);

        ASSERT_TRUE(tolvar::startCampaign(h.game, campaign(next), false).ok);
        h.start(mission);
        EXPECT_EQ(h.game.Roster[1][tolvar::RosterName], "Ash");
        EXPECT_EQ(h.game.Roster[1][tolvar::RosterKills], "");
        EXPECT_EQ(h.s().MedalLevel[1], 1);
    }
}

TEST_F(MissionDriverTest, MissionStartResetsTheBattleAndReadiesTheTroop)
{
    BattleState& s = *battle.state;
    s.BulletIndex = 40;
    s.Bullet[7][0] = 1;
    s.BulletPrev[7][1] = 3;
    s.FireMode = 2;
    s.PointerMode = "14";
    s.InputLocked = true;
    s.ShotsFired = 9;
    s.DefeatFlag = true;
    game.InGame = false;
    // Left by the last mission: its menu closing after QUIT, its frame counters.
    s.MenuOpen = true;
    s.MenuStage = "17";
    s.IdleFrames = 70;
    s.FramesSinceMove = 90;
    s.TrailTimer = 7;

    hooks.frame = [&] {
        // What the first frame sees.
        EXPECT_TRUE(game.InGame);
        EXPECT_EQ(s.BulletIndex, 0);
        EXPECT_EQ(s.Bullet[7][0], 0);
        EXPECT_EQ(s.BulletPrev[7][1], 0);
        EXPECT_EQ(s.FireMode, 1);
        EXPECT_EQ(s.PointerMode, "13");
        EXPECT_EQ(s.PointerKind, 2);
        EXPECT_EQ(s.MoveMarkFrame, 6);
        EXPECT_FALSE(s.InputLocked);
        EXPECT_FALSE(s.DefeatFlag);
        EXPECT_EQ(s.ShotsFired, 0);
        EXPECT_EQ(s.BulletRange, 120);
        EXPECT_EQ(s.BulletSpeed, 10);
        EXPECT_FLOAT_EQ(s.ViewScaleX, 2);
        EXPECT_FLOAT_EQ(s.ViewScaleY, 2);
        EXPECT_FALSE(s.MenuOpen);
        EXPECT_EQ(s.MenuStage, "");
        EXPECT_EQ(s.IdleFrames, 0);
        EXPECT_EQ(s.FramesSinceMove, 0);
        EXPECT_EQ(s.TrailTimer, 0);
        for (int k = 1; k <= 10; ++k) {
            EXPECT_FLOAT_EQ(s.LeaderTrail[k][1], s.SoldierX[k]);
            EXPECT_FLOAT_EQ(s.LeaderTrail[k][2], s.SoldierY[k]);
            EXPECT_GE(s.FireDelay[k], 4);
            EXPECT_LE(s.FireDelay[k], 6);
        }
        s.DefeatFlag = true;
        game.MissionOver = true;
    };
    play();
    EXPECT_FALSE(game.MissionOver);
    EXPECT_FALSE(game.MissionWon);
    EXPECT_FALSE(s.DefeatFlag);
}

TEST_F(MissionDriverTest, HandOverFollowsTheOutcome)
{
    struct Case
    {
        const char* outcome;
        bool won, quit;
        Screen next;
        int mission;
    };
    const Case cases[] = {{"won", true, false, Screen::Briefing, 2},
                          {"lost", false, false, Screen::Briefing, 1},
                          {"quit", false, true, Screen::Title, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.outcome);
        game.CurrentMission = 1;
        game.MissionOver = false;
        hooks.frame = [&] {
            if (c.won)
                ++game.CurrentMission;
            if (c.quit)
                game.InGame = false;
            game.MissionOver = true;
        };
        const Handover h = play();
        EXPECT_EQ(h.next, c.next);
        EXPECT_TRUE(h.message.empty());
        EXPECT_EQ(game.CurrentMission, c.mission);
    }
}

TEST_F(MissionDriverTest, TrackIsLoadedAfterTheSettingsAndPausedAtTheHandOver)
{
    struct Case
    {
        int track;
        const char* avail;
        bool loaded;
    };
    const Case cases[] = {{3, "on", true}, {10, "on", true}, {4, "off", false}, {0, "on", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.track);
        log.clear();
        game.CurrentMission = 1;
        game.CurrentTrack = c.track;
        game.TrackAvail[c.track] = c.avail;
        play();
        std::vector<std::string> expected = {"settings"};
        if (c.loaded)
            expected.push_back("track " + std::to_string(c.track));
        expected.insert(expected.end(), {"frame", "pause"});
        EXPECT_EQ(log, expected);
    }
}

TEST_F(MissionDriverTest, FramesArePacedThirtyMillisecondsFromTheStartOfThePrevious)
{
    // Frames lasting 50, 5, 0 and 31 ms.
    const Tick durations[] = {50, 5, 0, 31, 0};
    std::vector<Tick> starts;
    game.InGame = true;
    hooks.frame = [&] {
        starts.push_back(clock.tickCount());
        battle.state->FrameStart = clock.tickCount();
        clock.advance(durations[starts.size() - 1]);
        game.MissionOver = starts.size() == 5;
    };
    const Tick begin = clock.tickCount();
    ASSERT_TRUE(runFrames(battle, hooks));
    // A late frame is followed at once; a short one waits out the rest of its 30 ms.
    const std::vector<Tick> expected = {begin + 30, begin + 80, begin + 110, begin + 140, begin + 171};
    EXPECT_EQ(starts, expected);
    EXPECT_GE(pumps, 5);
}

TEST_F(MissionDriverTest, RealFrameStampsItsStartAndPresentsTheView)
{
    ASSERT_EQ(play().next, Screen::Briefing);
    hooks.frame = nullptr;
    game.InGame = true;
    game.MissionOver = false;
    int frames = 0;
    hooks.pumpEvents = [&] {
        // Frames take no time; the third one is the last.
        game.MissionOver = ++frames >= 3;
    };
    BattleState& s = *battle.state;
    s.CameraX = 0;
    s.CameraY = 0;
    const Tick begin = clock.tickCount();
    runFrames(battle, hooks);
    EXPECT_EQ(s.FrameStart, begin + 90);
    // The view's top-left map pixel, tile "6e", fills the top-left window pixels.
    EXPECT_EQ(battle.GameScreen.pixel(0, 0), battle_test::tileColour(110));
    EXPECT_EQ(battle.GameScreen.pixel(639, 479), battle_test::tileColour(1));
}

TEST_F(MissionDriverTest, MissingMissionGivesAMessageAndRunsNoFrame)
{
    game.CurrentMission = 2;
    const Handover h = play();
    EXPECT_EQ(h.next, Screen::Briefing);
    EXPECT_NE(h.message.find("second.cfm"), std::string::npos);
    EXPECT_EQ(log, std::vector<std::string>{"pause"});
    EXPECT_FALSE(game.MissionOver);
}

TEST_F(MissionDriverTest, ClosingTheProgramEndsTheLoop)
{
    hooks.frame = [] {};
    hooks.programEnding = [this] { return pumps > 3; };
    EXPECT_EQ(play().next, Screen::Quit);

    // The key "E" during a frame.
    hooks.programEnding = nullptr;
    int frames = 0;
    hooks.frame = [&] { battle.state->EndProgram = ++frames == 2; };
    EXPECT_EQ(play().next, Screen::Quit);
    EXPECT_EQ(frames, 2);
}

TEST(BattleSheets, MissingBitmapIsNamedAndAllLoad)
{
    battle_test::ProgramFolder folder;
    GameState game;
    game.programFolder = folder.path();
    ManualClock clock;
    Battle battle(game, clock);
    EXPECT_NE(prepareBattle(battle).find("map.bmp"), std::string::npos);

    const char* files[] = {"map.bmp",     "soldiers.bmp",  "fire.bmp",    "cursor.bmp",
                           "anim.bmp",    "mapobjts.bmp",  "efeitos.bmp", "showbar.bmp",
                           "menubar.bmp", "qualifica.bmp", "pmp.bmp"};
    for (const char* file : files) {
        if (std::string(file) != "qualifica.bmp") {
            ASSERT_TRUE(platform::gfx::Picture(4, 3).save(folder.path() + "/arquivos/grafico/" + file));
        }
    }
    const std::string error = prepareBattle(battle);
    EXPECT_NE(error.find("qualifica.bmp"), std::string::npos) << error;

    ASSERT_TRUE(platform::gfx::Picture(4, 3).save(folder.path() + "/arquivos/grafico/qualifica.bmp"));
    EXPECT_EQ(prepareBattle(battle), "");
    const BattleState& s = *battle.state;
    EXPECT_EQ(battle.sheets.Medals.width(), 4);
    EXPECT_FLOAT_EQ(s.SinTable[90], 1);
    EXPECT_FLOAT_EQ(s.CosTable[180], -1);
    EXPECT_NEAR(s.CosTable[360], 1, 1e-6);
    EXPECT_NEAR(s.SinTable[30], 0.5, 1e-6);
    EXPECT_EQ(s.MiniGet.width(), 320);
    EXPECT_EQ(s.MiniGetCopy.height(), 240);
    EXPECT_EQ(s.SpriteOffsetY, -17);
}

} // namespace
