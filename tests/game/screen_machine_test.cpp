// The screen machine: the hand-over between the title, briefing and battle screens, and whole
// campaigns played through the real screens on a clock that jumps to every wait.

#include "game/screen_machine.h"

#include "game/battle/battle.h"
#include "game/battle/driver_wiring.h"
#include "game/battle/frmmain.h"
#include "game/battle/main_loop.h"
#include "game/briefing_screen.h"
#include "game/sound_bank.h"
#include "game/title_screen.h"
#include "platform/ui/user_actions.h"
#include "program_folder_fixture.h"

#include <QApplication>
#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace tolvar;
namespace fs = std::filesystem;

namespace {

void ensureQt()
{
    if (QApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "test_game";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
}

TEST(ScreenMachine, HandsOverAsEachScreenSaysAndCarriesTheBattlesMessage)
{
    GameState state;
    std::vector<std::string> log;
    std::vector<battle::Handover> battles = {
        {Screen::Briefing, {}},                       // won or lost: the next briefing
        {Screen::Briefing, "Cannot read mission x"},  // could not be loaded
        {Screen::Title, {}},                          // quit from the menu
        {Screen::Quit, "Cannot load the picture y"}}; // the key E or a missing picture
    std::size_t battle = 0;
    int titles = 0;
    ScreenDrivers drivers;
    drivers.title = [&] {
        log.push_back("title");
        return ++titles < 4 ? Screen::Briefing : Screen::Quit;
    };
    drivers.briefing = [&](const std::string& message) {
        log.push_back("briefing " + message);
        return message.empty() ? Screen::Battle : Screen::Title;
    };
    drivers.battle = [&] {
        log.push_back("battle");
        return battles.at(battle++);
    };

    EXPECT_EQ(runScreens(state, drivers), "Cannot load the picture y");
    EXPECT_EQ(log, (std::vector<std::string>{"title", "briefing ", "battle", "briefing ", "battle",
                                             "briefing Cannot read mission x", "title", "briefing ", "battle",
                                             "title", "briefing ", "battle"}));
    EXPECT_EQ(state.screen, Screen::Quit);
}

// A clock for whole campaigns: every wait jumps to its tick; a run that never ends is stopped by
// closing the window in front, so a test fails instead of hanging.
class JumpingClock final : public platform::clock::Clock
{
public:
    platform::clock::Tick tickCount() override { return m_now; }
    void waitUntil(platform::clock::Tick tick, const std::function<void()>& whileWaiting) override
    {
        if (whileWaiting)
            whileWaiting();
        m_now = std::max(m_now, tick);
        if (++m_waits == limit) {
            overran = true;
            if (platform::ui::Form* front = platform::ui::Form::activeForm())
                front->unload();
        }
    }
    long long limit = 100'000;
    bool overran = false;

private:
    platform::clock::Tick m_now = 0;
    long long m_waits = 0;
};

// A campaign played from the title screen to its end: Play, the pick, Play, then every briefing
// left with a click once its text is out, and every battle played by the mission's own scripts.
class WholeCampaign : public ProgramFolderTest
{
protected:
    void SetUp() override
    {
        ensureQt();
        ProgramFolderTest::SetUp();
        const fs::path pictures = fs::path(SUITE_DATA_DIR) / "grafico";
        if (!fs::exists(pictures / "map.bmp") || !fs::exists(pictures / "titlefundo.bmp"))
            GTEST_SKIP() << "the game's pictures are not built: " << pictures;
        fs::create_directory_symlink(pictures, path("arquivos/grafico"));
    }

    void copyCampaignFolder(const fs::path& from)
    {
        for (const auto& entry : fs::directory_iterator(from))
            if (entry.is_regular_file())
                fs::copy_file(entry.path(), path("arquivos/campanha") / entry.path().filename(),
                              fs::copy_options::overwrite_existing);
    }

    struct Played
    {
        std::vector<std::string> screens;
        std::vector<BriefingSequence::Kind> briefings;
        std::vector<std::string> briefedTitles;
        std::vector<std::string> briefedProblems;
        std::string message;
        std::vector<std::string> battleMessages;
    };

    Played play(const std::string& campaignFile)
    {
        Played played;
        sound.InitSound(platform::sound::SoundDevice::Mode::NoOutput);
        Title title(state, &sound, clock);
        EXPECT_EQ(title.Form_Load(), "");
        battle::Battle fight(state, clock);
        battle::Frmmain frmmain(fight, battle::settingsAndMusicHooks(state, sound));
        EXPECT_EQ(frmmain.Form_Load(), "");
        BriefWindow brief(state, &sound, clock);

        int turn = 0;
        title.pumpEvents = [&] {
            QApplication::processEvents();
            ++turn;
            if (turn == 5)
                platform::ui::user::click(title.runGame());
            if (turn == 60) {
                const auto& items = title.campainList().items();
                const auto at = std::find(items.begin(), items.end(), campaignFile);
                ASSERT_NE(at, items.end()) << campaignFile;
                platform::ui::user::click(title.campainList(), static_cast<int>(at - items.begin()));
            }
            if (turn == 80)
                platform::ui::user::click(title.runGame());
        };
        brief.pumpEvents = [&] {
            QApplication::processEvents();
            if (brief.sequence().waitingForPlayer())
                brief.Form_Click();
        };

        int titles = 0;
        ScreenDrivers drivers;
        drivers.title = [&] {
            played.screens.push_back("title");
            turn = 0;
            return ++titles == 1 ? title.Form_Activate() : Screen::Quit;
        };
        drivers.briefing = [&](const std::string& problem) {
            played.screens.push_back("briefing");
            const Screen next = brief.Form_Activate(problem);
            played.briefings.push_back(brief.sequence().kind());
            played.briefedTitles.push_back(brief.sequence().BriefTitle);
            played.briefedProblems.push_back(brief.sequence().problemText);
            return next;
        };
        drivers.battle = [&] {
            played.screens.push_back("battle " + state.MissionName[state.CurrentMission]);
            if (!declareWins)
                return frmmain.run();
            // The mission is loaded and its frames run for real, its scripts included, with the
            // victory declared from the first frame.
            battle::DriverHooks hooks = battle::settingsAndMusicHooks(state, sound);
            hooks.pumpEvents = [] { QApplication::processEvents(); };
            hooks.frame = [&] {
                state.MissionWon = true;
                battle::MainLoop(fight);
            };
            const battle::Handover handover = battle::MainDo(fight, hooks, false);
            if (!handover.message.empty())
                played.battleMessages.push_back(handover.message);
            return handover;
        };
        played.message = runScreens(state, drivers);
        return played;
    }

    JumpingClock clock;
    SoundBank sound{state};
    bool declareWins = false; // battles are won by declaration instead of by the missions' scripts
};

TEST_F(WholeCampaign, TheDrillCampaignIsPlayedToItsCompletion)
{
    copyCampaignFolder(fs::path(SUITE_FIXTURES) / "campanha");
    const Played played = play("drill.cfc");
    ASSERT_FALSE(clock.overran) << "the campaign did not come to its end";
    EXPECT_EQ(played.message, "");
    EXPECT_EQ(played.screens, (std::vector<std::string>{"title", "briefing", "battle drill_range", "briefing",
                                                        "battle drill_yard", "briefing", "title"}));
    EXPECT_EQ(played.briefedTitles[0], "Range");
    EXPECT_EQ(played.briefedTitles[1], "Yard");
    EXPECT_EQ(played.briefings.back(), BriefingSequence::Kind::Completed);
    EXPECT_EQ(state.CurrentMission, 3);
    EXPECT_EQ(state.CampAuthor, "Sgt Kell");
    // Nobody fell in a mission without enemies: the whole roster is kept, in the file's order.
    EXPECT_EQ(state.NameCount, 3);
    EXPECT_EQ(state.Roster[1][RosterName], "Ann");
    EXPECT_EQ(state.Roster[3][RosterName], "Cid");
}

TEST_F(WholeCampaign, AMissingMissionShowsItsMessageAndLeadsBackToTheTitleScreen)
{
    copyCampaignFolder(fs::path(SUITE_FIXTURES) / "campanha");
    fs::remove(path("arquivos/campanha/Drill_Yard.cfm"));
    const Played played = play("drill.cfc");
    ASSERT_FALSE(clock.overran);
    EXPECT_EQ(played.screens,
              (std::vector<std::string>{"title", "briefing", "battle drill_range", "briefing", "title"}));
    EXPECT_EQ(played.briefings.back(), BriefingSequence::Kind::Problem);
    EXPECT_EQ(state.NameCount, 3);
}

// A mission file the battle cannot play (here emptied) is told on the briefing screen and never
// reaches the battle screen; the campaign is left from there with the roster kept.
TEST_F(WholeCampaign, AMissionThatCannotBePlayedIsToldAndNeverBattled)
{
    copyCampaignFolder(fs::path(SUITE_FIXTURES) / "campanha");
    write("arquivos/campanha/Drill_Yard.cfm", "");
    const Played played = play("drill.cfc");
    ASSERT_FALSE(clock.overran);
    EXPECT_EQ(played.screens,
              (std::vector<std::string>{"title", "briefing", "battle drill_range", "briefing", "title"}));
    EXPECT_EQ(played.briefings.back(), BriefingSequence::Kind::Problem);
    EXPECT_EQ(played.briefedProblems.back(),
              "The mission \"drill_yard\" of this campaign can't be played: it isn't a mission.");
    EXPECT_EQ(state.NameCount, 3);
}

// The campaigns shipped in the data folder: picked on the title screen, every mission briefed,
// loaded and run, to the completed sequence. Their battles need a player, so the victory is
// declared; the fixture campaign above is the one won by its own scripts.
TEST_F(WholeCampaign, EveryShippedCampaignIsBriefedAndLoadedToItsEnd)
{
    const fs::path shipped = fs::path(SUITE_SOURCE_DIR) / "arquivos" / "campanha";
    std::vector<std::string> campaigns;
    if (fs::exists(shipped))
        for (const auto& entry : fs::directory_iterator(shipped))
            if (entry.path().extension() == ".cfc")
                campaigns.push_back(entry.path().filename().string());
    if (campaigns.empty())
        GTEST_SKIP() << "no campaign is shipped yet";
    copyCampaignFolder(shipped);
    declareWins = true;
    for (const std::string& campaign : campaigns) {
        SCOPED_TRACE(campaign);
        const Played played = play(campaign);
        ASSERT_FALSE(clock.overran);
        EXPECT_EQ(played.battleMessages, std::vector<std::string>{});
        ASSERT_GE(played.briefings.size(), 2u);
        for (std::size_t i = 0; i + 1 < played.briefings.size(); ++i) {
            EXPECT_EQ(played.briefings[i], BriefingSequence::Kind::Briefing) << "briefing " << i + 1;
            EXPECT_NE(played.briefedTitles[i], "") << "briefing " << i + 1;
        }
        EXPECT_EQ(played.briefings.back(), BriefingSequence::Kind::Completed);
    }
}

} // namespace
