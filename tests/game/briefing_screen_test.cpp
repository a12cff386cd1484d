// The briefing screen: the mission read for it, the roster compaction, the three text sequences
// with their timing, clicks and sounds, a missing mission, and the window's pacing.

#include "game/briefing_screen.h"

#include "platform/clock/clock.h"
#include "platform/ui/user_actions.h"
#include "program_folder_fixture.h"
#include "tests/platform_sound/wav_fixture.h"

#include <QApplication>
#include <map>
#include <string>
#include <vector>

using namespace tolvar;

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

std::string missionBytes(const std::string& title, const std::string& author, const std::string& troop,
                         const std::string& summary)
{
    std::string bytes =
        "<Info>\r\n\"" + title + "\"\r\n\"" + author + "\"\r\n25\r\n25\r\n<-Info>\r\n<Map>\r\n";
    for (int row = 0; row < 25; ++row)
        bytes += std::string(50, '1') + "\r\n";
    bytes += "<-Map>\r\n<Objts>\r\n<-Objts>\r\n<Inimigos>\r\n\"01,05,05,None,0\"\r\n<-Inimigos>\r\n"
             "<Tropa>\r\n\"03,03\"\r\n\"" +
             troop + "\"\r\n\"01\"\r\n\"01\"\r\n\"01\"\r\n\"3\"\r\n<-Tropa>\r\n";
    if (!summary.empty())
        bytes += "<Resumo>\r\n\"" + summary + "\"\r\n<-Resumo>\r\n";
    return bytes + "<Fim>\r\n";
}

TEST(MissionBrief, TitleAuthorTroopSizeAndSummary)
{
    const MissionBrief brief =
        readMissionBrief(missionBytes("Beach, at dawn", "Bo", "10", "Take the dunes."));
    EXPECT_EQ(brief.title, "Beach, at dawn");
    EXPECT_EQ(brief.author, "Bo");
    EXPECT_EQ(brief.troopSize, 10);
    EXPECT_EQ(brief.summary, "Take the dunes.");

    const MissionBrief none = readMissionBrief(missionBytes("T", "A", "x ", ""));
    EXPECT_EQ(none.troopSize, 0);
    EXPECT_EQ(none.summary, "");
    EXPECT_EQ(readMissionBrief(std::string("\0\xff\r\n<", 5)).title, "");
}

TEST(RosterCompaction, FallenRowsGoAndEachSoldierKeepsItsTally)
{
    GameState state;
    state.Roster[1] = {"", "A", "3"};
    state.Roster[2] = {"", "", "9"};
    state.Roster[3] = {"", "", ""};
    state.Roster[4] = {"", "B", "12"};
    state.NameCount = 4;
    compactRoster(state);
    EXPECT_EQ(state.NameCount, 2);
    EXPECT_EQ(state.Roster[1][RosterName], "A");
    EXPECT_EQ(state.Roster[1][RosterKills], "3");
    EXPECT_EQ(state.Roster[2][RosterName], "B");
    EXPECT_EQ(state.Roster[2][RosterKills], "12");
    for (int row = 3; row <= 4; ++row)
        EXPECT_EQ(state.Roster[row], (std::array<std::string, 3>{})) << row;
}

// The sequence on its own, ticked by the test, recording what it prints and plays.
class Sequence : public ProgramFolderTest
{
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        seq.print = [this](int, int y, const std::string& text) {
            lines[y] = text;
            ++prints;
        };
        seq.playSound = [this](int n) { sounds.push_back(n); };
        state.CampAuthor = "Bo";
    }
    void campaign(const std::vector<std::string>& missions, int soldiers)
    {
        for (std::size_t i = 0; i < missions.size(); ++i)
            state.MissionName[i + 1] = missions[i];
        for (int k = 1; k <= soldiers; ++k)
            state.Roster[k][RosterName] = "S" + std::to_string(k);
        state.NameCount = soldiers;
    }
    int ticksUntil(const std::function<bool()>& done, int limit = 100000)
    {
        int ticks = 0;
        while (!done() && ticks < limit) {
            seq.BmainLoop();
            ++ticks;
        }
        return ticks;
    }

    BriefingSequence seq{state};
    std::map<int, std::string> lines;
    std::vector<int> sounds;
    int prints = 0;
};

TEST_F(Sequence, MissionBriefingLinesInOrder)
{
    campaign({"first", "beach"}, 7);
    write("arquivos/campanha/beach.cfm", missionBytes("Beach", "Ann Author", "3 ", "Land and dig in."));
    state.CurrentMission = 2;
    seq.BmainDo();
    EXPECT_FALSE(state.CampaignOver);
    EXPECT_EQ(seq.kind(), BriefingSequence::Kind::Briefing);

    ticksUntil([&] { return seq.CanLeave; });
    EXPECT_EQ(lines[10], "Mission 2 - Beach      (ARMY = 7)");
    EXPECT_EQ(lines[100], "Land and dig in.");
    EXPECT_EQ(lines[130], "You will have 3 soldiers.");
    EXPECT_EQ(lines[400], "Mission by Ann Author");
    EXPECT_EQ(lines.count(420), 0u) << "the last line has only begun";

    ticksUntil([&] { return lines[420] == "Click/Any key to continue."; });
    EXPECT_FALSE(seq.Done);
    seq.Form_Click();
    EXPECT_TRUE(seq.Done);
}

TEST_F(Sequence, TroopSizeLine)
{
    const std::pair<const char*, const char*> cases[] = {
        {"1 ", "You will have only one soldier."}, {"3 ", "You will have 3 soldiers."}, {"x ", ""}};
    for (const auto& [troop, line] : cases) {
        lines.clear();
        campaign({"m"}, 5);
        write("arquivos/campanha/m.cfm", missionBytes("T", "A", troop, "S"));
        state.CurrentMission = 1;
        seq.BmainDo();
        ticksUntil([&] { return seq.LineStage[5]; });
        EXPECT_EQ(lines[130], line) << troop;
    }
}

TEST_F(Sequence, TooFewSoldiersEndsTheCampaignAndTheScreenByItself)
{
    campaign({"m", "n"}, 3);
    write("arquivos/campanha/m.cfm", missionBytes("T", "A", "4 ", "S"));
    state.CurrentMission = 1;
    seq.BmainDo();
    EXPECT_TRUE(seq.NotEnoughSoldiers);
    EXPECT_TRUE(state.CampaignOver);
    EXPECT_FALSE(seq.endMusicWanted());
    ticksUntil([&] { return seq.Done; });
    EXPECT_TRUE(seq.Done) << "ends once the last line is out";
    EXPECT_EQ(lines[10], "Sorry commander, we don't have the necessary soldiers...");
    EXPECT_EQ(lines[40], "...we can't continue... It's our end...");
    EXPECT_EQ(lines[300], "This campaign is over. It was made by Bo.");
    EXPECT_EQ(lines[420], CreditLine);
}

TEST_F(Sequence, AfterTheLastMissionTheCampaignIsCompletedHoweverFewAreLeft)
{
    campaign({"m"}, 0);
    state.CurrentMission = 2;
    seq.BmainDo();
    EXPECT_TRUE(state.CampaignOver);
    EXPECT_EQ(seq.kind(), BriefingSequence::Kind::Completed);
    EXPECT_TRUE(seq.endMusicWanted());
    ticksUntil([&] { return seq.waitingForPlayer(); });
    EXPECT_EQ(lines[450], "Click/Any key to continue.");
    EXPECT_EQ(lines[10], "This campaign, made by Bo was completed!");
    EXPECT_EQ(lines[320], CreditLine);
    EXPECT_TRUE(seq.CanLeave);
    EXPECT_TRUE(seq.waitingForPlayer());
    EXPECT_FALSE(seq.Done);
}

TEST_F(Sequence, AClickDuringTheFirstLineShowsTheRestAtOnceAndSilently)
{
    campaign({"m"}, 2);
    write("arquivos/campanha/m.cfm", missionBytes("Yard", "A", "2 ", "Hold."));
    state.CurrentMission = 1;
    seq.BmainDo();
    ticksUntil([&] { return lines[10] == "Mis"; });
    const std::size_t soundsBefore = sounds.size();
    EXPECT_EQ(soundsBefore, 3u) << "one click per letter";
    seq.Form_Click();
    EXPECT_FALSE(seq.Done) << "the first click only hurries the text";
    ticksUntil([&] { return seq.waitingForPlayer(); });
    EXPECT_EQ(lines[420], "Click/Any key to continue.");
    EXPECT_EQ(sounds.size(), soundsBefore);
    seq.Form_Click();
    EXPECT_TRUE(seq.Done);
}

TEST_F(Sequence, A26CharacterLineTakes297Ticks)
{
    campaign({"m"}, 2);
    write("arquivos/campanha/m.cfm", missionBytes("Yard", "A", "2 ", "Hold."));
    state.CurrentMission = 1;
    seq.BmainDo();
    ticksUntil([&] { return seq.LineStage[5]; });
    const int before = ticksUntil([&] { return seq.LineStage[6]; });
    EXPECT_GT(before, 0);
    // The tick that enters the line is also its first tick.
    const int typing = 1 + ticksUntil([&] { return !seq.LineStage[6]; });
    EXPECT_EQ(typing, 297);
}

TEST_F(Sequence, AMissingMissionIsToldAndLeadsBackToTheTitleScreenRosterKept)
{
    campaign({"gone", "m"}, 3);
    state.Roster[2][RosterKills] = "5";
    state.CurrentMission = 1;
    seq.BmainDo();
    EXPECT_TRUE(state.CampaignOver);
    EXPECT_EQ(seq.kind(), BriefingSequence::Kind::Problem);
    ticksUntil([&] { return seq.waitingForPlayer(); });
    EXPECT_EQ(lines[10], "The mission \"gone\" of this campaign is missing.");
    EXPECT_EQ(lines[420], "Click/Any key to continue.");
    EXPECT_EQ(state.NameCount, 3);
    EXPECT_EQ(state.Roster[2][RosterKills], "5");

    // A message from the battle screen is shown the same way.
    lines.clear();
    seq.BmainDo("Cannot read the mission m");
    ticksUntil([&] { return seq.waitingForPlayer(); });
    EXPECT_EQ(lines[10], "Cannot read the mission m");
}

// A mission the battle cannot play is told as a missing one is, with the reason, instead of a
// briefing with an empty title; the campaign then goes back to the title screen, roster kept.
TEST_F(Sequence, AMissionThatCannotBePlayedIsToldWithItsReason)
{
    const std::string whole = missionBytes("Beach", "Ann", "2 ", "Land.");
    std::string tiny = whole;
    tiny.replace(tiny.find("25\r\n25"), 6, "5\r\n5");
    const struct
    {
        std::string name, bytes, reason;
    } cases[] = {
        {"empty", "", "it isn't a mission"},
        {"tiny", tiny, "its map is 5 x 5 cells, not 25 to 50 a side"},
        {"cut", whole.substr(0, whole.find("<Tropa>") + 12), "its troop can't be read"},
        {"endless", whole.substr(0, whole.size() - 7), "it ends before its last line, <Fim>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        write("arquivos/campanha/" + c.name + ".cfm", c.bytes);
        campaign({c.name, "m"}, 3);
        state.Roster[2][RosterKills] = "5";
        state.CurrentMission = 1;
        state.CampaignOver = false;
        lines.clear();
        seq.BmainDo();
        EXPECT_TRUE(state.CampaignOver);
        EXPECT_EQ(seq.kind(), BriefingSequence::Kind::Problem);
        ticksUntil([&] { return seq.waitingForPlayer(); });
        EXPECT_EQ(lines[10],
                  "The mission \"" + c.name + "\" of this campaign can't be played: " + c.reason + ".");
        EXPECT_EQ(lines[420], "Click/Any key to continue.");
        EXPECT_EQ(state.NameCount, 3);
        EXPECT_EQ(state.Roster[2][RosterKills], "5");
    }
}

// A campaign's mission name is a file name in the campaign folder and nothing else: a name that
// reaches elsewhere is a missing mission, even where a file stands at the place it points to.
TEST_F(Sequence, AMissionNameReachingOutsideTheCampaignFolderIsAMissingMission)
{
    write("arquivos/secret.cfm", missionBytes("Secret", "X", "1", "Outside."));
    std::filesystem::create_directories(path("arquivos/campanha/sub"));
    const struct
    {
        std::string name;
        std::string planted; // a mission file where the name would lead
    } cases[] = {
        {"../secret", ""},
        {"..\\secret", "arquivos/campanha/..\\secret.cfm"},
        {"sub/m", "arquivos/campanha/sub/m.cfm"},
        {std::string("m\0", 2), "arquivos/campanha/m"},
        {"m\tx", "arquivos/campanha/m\tx.cfm"},
        {".", "arquivos/campanha/..cfm"},
        {"..", "arquivos/campanha/...cfm"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.planted.empty())
            write(c.planted, missionBytes("Planted", "X", "1", "Elsewhere."));
        campaign({c.name}, 2);
        state.Roster[1][RosterKills] = "4";
        state.CurrentMission = 1;
        state.CampaignOver = false;
        lines.clear();
        seq.BmainDo();
        EXPECT_TRUE(state.CampaignOver);
        EXPECT_EQ(seq.kind(), BriefingSequence::Kind::Problem);
        EXPECT_EQ(seq.BriefTitle, "");
        ticksUntil([&] { return seq.waitingForPlayer(); });
        EXPECT_EQ(lines[10], "The mission \"" + c.name + "\" of this campaign is missing.");
        EXPECT_EQ(state.NameCount, 2);
        EXPECT_EQ(state.Roster[1][RosterKills], "4");
    }
}

TEST_F(Sequence, AMissionWithAnAccentedNameIsBriefed)
{
    write("arquivos/campanha/Opera\xC3\xA7\xC3\xA3o.cfm", missionBytes("Opera\xE7\xE3o", "Z\xE9", "1",
                                                                       "Avan\xE7"
                                                                       "ar."));
    campaign({"opera\xE7\xE3o"}, 1);
    state.CurrentMission = 1;
    seq.BmainDo();
    EXPECT_EQ(seq.kind(), BriefingSequence::Kind::Briefing);
    EXPECT_EQ(seq.BriefTitle, "Opera\xE7\xE3o");
    EXPECT_EQ(seq.BriefSummary, "Avan\xE7"
                                "ar.");
}

// The window on a manual clock.
class BriefingWindow : public ProgramFolderTest
{
protected:
    void SetUp() override
    {
        ensureQt();
        ProgramFolderTest::SetUp();
        window = std::make_unique<BriefWindow>(state, nullptr, clock);
        window->pumpEvents = [this] {
            QApplication::processEvents();
            ++turns;
            if (action)
                action();
        };
        state.MissionName[1] = "m";
        state.Roster[1][RosterName] = "Ann";
        state.Roster[2][RosterName] = "Bob";
        state.NameCount = 2;
        state.CurrentMission = 1;
        write("arquivos/campanha/m.cfm", missionBytes("Yard", "A", "2 ", "Hold."));
    }
    void TearDown() override
    {
        window.reset();
        ProgramFolderTest::TearDown();
    }

    // A window that plays through `sound`.
    void brief(SoundBank& sound)
    {
        auto pump = window->pumpEvents;
        window = std::make_unique<BriefWindow>(state, &sound, clock);
        window->pumpEvents = pump;
    }

    platform::clock::ManualClock clock;
    std::unique_ptr<BriefWindow> window;
    std::function<void()> action;
    int turns = 0;
};

TEST_F(BriefingWindow, TicksArePacedAt5msAndAClickOnceAllowedLeavesToTheBattle)
{
    action = [this] {
        if (window->sequence().waitingForPlayer())
            platform::ui::user::click(window->form(), 300, 300);
    };
    state.MissionOver = true;
    EXPECT_EQ(window->Form_Activate(), Screen::Battle);
    EXPECT_FALSE(state.MissionOver);
    EXPECT_EQ(clock.tickCount(), 5 * turns);
    EXPECT_GE(clock.tickCount(), 297 * 5) << "the last line alone takes 1.485 s";
    EXPECT_FALSE(window->form().visible());
}

TEST_F(BriefingWindow, AfterAHurryingClickTheWaitForTheLastClickStaysPaced)
{
    int hurriedAt = 0;
    int waitingSince = 0;
    action = [&] {
        if (turns == 3)
            window->Form_Click();
        if (window->sequence().waitingForPlayer()) {
            if (waitingSince == 0) {
                waitingSince = turns;
                hurriedAt = static_cast<int>(clock.tickCount());
            } else if (turns == waitingSince + 100) {
                platform::ui::user::key(window->form(), 'A');
            }
        }
    };
    EXPECT_EQ(window->Form_Activate(), Screen::Battle);
    EXPECT_LT(hurriedAt, 50) << "the text came out without waiting";
    EXPECT_GE(clock.tickCount() - hurriedAt, 100 * 5 - 5) << "waiting for the player does not spin";
}

// A manual clock that records how long each wait for the player may last.
class InputRecordingClock final : public platform::clock::Clock
{
public:
    platform::clock::Tick tickCount() override { return m_time.tickCount(); }
    void waitUntil(platform::clock::Tick tick, const std::function<void()>& whileWaiting) override
    {
        m_time.waitUntil(tick, whileWaiting);
    }
    void waitForInput(platform::clock::Tick tick, const std::function<void()>& pumpEvents,
                      const std::function<void(platform::clock::Tick)>& waitForEvents) override
    {
        inputWaits.push_back(tick - m_time.tickCount());
        withEventWait = withEventWait && static_cast<bool>(waitForEvents);
        m_time.waitForInput(tick, pumpEvents, waitForEvents);
    }

    std::vector<platform::clock::Tick> inputWaits;
    bool withEventWait = true;

private:
    platform::clock::ManualClock m_time;
};

TEST_F(BriefingWindow, OnceTheTextsAreOutEachTurnWaitsForThePlayersEvents)
{
    InputRecordingClock waiting;
    const auto pump = window->pumpEvents;
    window = std::make_unique<BriefWindow>(state, nullptr, waiting);
    window->pumpEvents = pump;
    int waitingTurns = 0;
    action = [&] {
        if (window->sequence().waitingForPlayer() && ++waitingTurns == 3)
            window->Form_Click();
    };
    EXPECT_EQ(window->Form_Activate(), Screen::Battle);
    // The typing never waits for events; every turn after it does, up to a second.
    EXPECT_EQ(waiting.inputWaits, (std::vector<platform::clock::Tick>{1000, 1000, 1000}));
    EXPECT_TRUE(waiting.withEventWait);
}

TEST_F(BriefingWindow, TheEndOfTheCampaignGoesBackToTheTitleScreen)
{
    state.CurrentMission = 2;
    action = [this] {
        if (window->sequence().waitingForPlayer())
            window->Form_Click();
    };
    EXPECT_EQ(window->Form_Activate(), Screen::Title);
    EXPECT_TRUE(state.CampaignOver);
}

TEST_F(BriefingWindow, TheCompletedCampaignPlaysTheEndMusicWhenThereIsSome)
{
    SoundBank sound(state);
    sound.InitSound(platform::sound::SoundDevice::Mode::NoOutput);
    brief(sound);
    state.CurrentMission = 2;
    state.MusicOn = true;
    bool playing = false;
    action = [&] {
        playing = playing || sound.musicBuffer().isPlaying();
        if (window->sequence().waitingForPlayer())
            window->Form_Click();
    };

    // Without "fim.wav" the texts run without music.
    EXPECT_EQ(window->Form_Activate(), Screen::Title);
    EXPECT_FALSE(playing);

    write("arquivos/musica/fim.wav", wavfixture::makeFlatWav(50000, 100));
    EXPECT_EQ(window->Form_Activate(), Screen::Title);
    EXPECT_TRUE(playing);
    EXPECT_FALSE(sound.musicBuffer().isSilent());
}

} // namespace

TEST(BriefingText, ALineWiderThanTheWindowGoesOnBelowAtItsBlanks)
{
    ensureQt();
    const platform::gfx::Font font{"Arial Black", 12, false};
    const std::string summary =
        "Gray troops hold the old mill past the stream. Clear them out and keep the road "
        "open for the column that follows at dawn.";
    const int width = 620;
    const std::vector<std::string> lines = tolvar::wrapToWidth(summary, font, width);
    ASSERT_GE(lines.size(), 2u);
    std::string joined;
    for (const std::string& line : lines) {
        EXPECT_LE(platform::gfx::Picture::textWidth(line, font), width) << line;
        EXPECT_NE(line.front(), ' ');
        joined += (joined.empty() ? "" : " ") + line;
    }
    EXPECT_EQ(joined, summary); // nothing lost, cut only at blanks
    EXPECT_EQ(tolvar::wrapToWidth("Short.", font, width), std::vector<std::string>{"Short."});
}

// Each print draws again only the rows of the lines that changed or moved, and repaints only
// them; the picture is always the one that drawing every line anew on a clean window gives: lines
// that grow, a summary that wraps onto more rows and pushes the line under it down, the lines at
// the foot of the window.
TEST(BriefingText, DrawingOnlyTheChangedRowsGivesTheWholePicture)
{
    ensureQt();
    tolvar::GameState state;
    platform::clock::ManualClock clock;
    tolvar::BriefWindow window(state, nullptr, clock);
    std::vector<std::pair<std::pair<int, int>, std::string>> printed;
    std::vector<tolvar::BriefLine> grown;
    int prints = 0;
    const auto type = [&](int y, const std::string& text) {
        for (std::size_t n = 1; n <= text.size(); ++n) {
            const std::string shown = text.substr(0, n);
            window.sequence().print(10, y, shown);
            const auto at = std::find_if(printed.begin(), printed.end(),
                                         [&](const auto& entry) { return entry.first.second == y; });
            if (at != printed.end())
                at->second = shown;
            else
                printed.push_back({{10, y}, shown});
            // Every line laid out and drawn anew.
            const std::vector<tolvar::BriefLine> anew = tolvar::layOutBriefing(printed, 640, 480);
            platform::gfx::Picture whole(640, 480, 0x404040);
            tolvar::drawBriefing(whole, anew, 0, 479);
            ASSERT_TRUE(window.form().picture().image() == whole.image()) << y << ": " << shown;
            // A line that grew keeps its cut rows and goes on from its last one.
            grown = tolvar::layOutBriefing(printed, 640, 480, grown);
            ASSERT_EQ(grown.size(), anew.size());
            for (std::size_t i = 0; i < anew.size(); ++i)
                ASSERT_EQ(grown[i].rows, anew[i].rows) << shown;
            ++prints;
        }
    };
    type(400, "Mission by Bo");
    type(10, "Mission 2 - Beach      (ARMY = 7)");
    type(130, "You will have 3 soldiers.");
    type(100, "Gray troops hold the old mill past the stream. Clear them out and keep the road open "
              "for the column that follows at dawn, and mind the bridge.");
    type(420, "Click/Any key to continue.");
    // Blanks where the line is cut, and a word too long for one row.
    std::string cutAtBlanks = "Hold the line at the ford until the relief column comes up the valley road, "
                              "then fall back.";
    const platform::gfx::Font font{"Arial Black", 12, false};
    cutAtBlanks.insert(tolvar::wrapToWidth(cutAtBlanks, font, 620)[0].size(), "      ");
    type(300, cutAtBlanks);
    type(330, "Gorsefieldgorsefieldgorsefieldgorsefieldgorsefieldgorsefieldgorsefieldgorsefield!");
    EXPECT_GT(prints, 300);
}
