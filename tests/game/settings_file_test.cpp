#include "game/settings_file.h"

#include "game/briefing_screen.h"
#include "program_folder_fixture.h"

#include <csignal>
#include <map>
#include <set>
#include <sys/resource.h>

using namespace tolvar;

namespace {

const std::string ConfigFile = "arquivos/config.cfg";

void makeTracksAvailable(GameState& state, std::set<int> tracks)
{
    for (int t = 1; t <= TrackCount; ++t)
        state.TrackAvail[static_cast<std::size_t>(t)] = tracks.count(t) ? "on" : "off";
}

class SettingsFile : public ProgramFolderTest
{
};

// A disk that takes no more bytes, for the superuser too: the process may not grow any file.
class FullDisk
{
public:
    FullDisk()
    {
        ::getrlimit(RLIMIT_FSIZE, &m_before);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit none = m_before;
        none.rlim_cur = 0;
        ::setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FullDisk()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_signal);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit m_before{};
    void (*m_signal)(int) = SIG_DFL;
};

} // namespace

TEST_F(SettingsFile, WritesTheFourLinesByteForByte)
{
    state.RandomTrack = true;
    state.CurrentTrack = 4;
    state.SoundOn = true;
    state.MusicOn = false;
    ASSERT_TRUE(writeSettings(state).ok);
    EXPECT_EQ(read(ConfigFile), "Rnd=True\r\nTrack=3\r\nSom=True\r\nM\xFAsica=False\r\n");

    state.RandomTrack = false;
    state.CurrentTrack = 0; // no track: a minus sign and 1
    state.SoundOn = false;
    state.MusicOn = true;
    ASSERT_TRUE(writeSettings(state).ok);
    EXPECT_EQ(read(ConfigFile), "Rnd=False\r\nTrack=-1\r\nSom=False\r\nM\xFAsica=True\r\n");
}

TEST_F(SettingsFile, ReadsWhatItWrote)
{
    makeTracksAvailable(state, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    for (int track = 0; track <= TrackCount; ++track) {
        GameState written;
        written.programFolder = state.programFolder;
        written.RandomTrack = track % 2 == 0;
        written.CurrentTrack = track;
        written.SoundOn = track % 3 == 0;
        written.MusicOn = track % 4 == 0;
        ASSERT_TRUE(writeSettings(written).ok);
        ASSERT_TRUE(readSettings(state));
        EXPECT_EQ(state.RandomTrack, written.RandomTrack) << track;
        EXPECT_EQ(state.CurrentTrack, track);
        EXPECT_EQ(state.SoundOn, written.SoundOn) << track;
        EXPECT_EQ(state.MusicOn, written.MusicOn) << track;
    }
}

TEST_F(SettingsFile, ReadsValuesByPositionNotByKey)
{
    struct Case
    {
        const char* bytes;
        bool random;
        int track;
        bool sound;
        bool music;
    };
    const Case cases[] = {
        {"Rnd=FALSE\r\nTrack=9\r\nSom=false\r\nM\xFAsica=TRUE\r\n", false, 10, false, true},
        // The keys are not looked at: the first line gives the random switch whatever it says.
        {"Som=True\r\nTrack=2\r\nRnd=False\r\nM\xFAsica=yes\r\n", true, 3, false, false},
        {"Rnd=True\nTrack=0\nSom=True\nM\xFAsica=True\n", true, 1, true, true}, // LF line ends
        {"Rnd=True\r\nTrack=abc\r\nSom=1\r\nM\xFAsica=\r\n", true, 1, false, false},
        // Blanks before an item are skipped and a quoted item loses its quotes; blanks inside stay.
        {"\"Rnd=True\"\r\nTrack=-1\r\n  Som=tRuE\r\nM\xFAsica= True\r\n", true, 0, true, false},
        {"Rnd=True,Track=4,Som=True,M\xFAsica=False\r\n", true, 5, true, false}, // items split at commas
        {"Rnd=True\r\nTrack=1.5\r\nSom=True\r\nM\xFAsica=True\r\n", true, 2, true, true}, // 2.5 -> 2
        {"Rnd=True\r\nTrack=2.5\r\nSom=True\r\nM\xFAsica=True\r\n", true, 4, true, true}, // 3.5 -> 4
    };
    for (const Case& c : cases) {
        write(ConfigFile, c.bytes);
        ASSERT_TRUE(readSettings(state));
        EXPECT_EQ(state.RandomTrack, c.random) << c.bytes;
        EXPECT_EQ(state.CurrentTrack, c.track) << c.bytes;
        EXPECT_EQ(state.SoundOn, c.sound) << c.bytes;
        EXPECT_EQ(state.MusicOn, c.music) << c.bytes;
    }
}

TEST_F(SettingsFile, ADamagedFileGivesTheDefaultsForWhatIsMissing)
{
    makeTracksAvailable(state, {6});
    struct Case
    {
        std::string bytes;
        bool random;
        int track;
        bool sound;
        bool music;
    };
    const Case cases[] = {
        {"Rnd=False\r\nTrack=4\r\n", false, 5, true, true},
        {"Rnd=False", false, 6, true, true},
        {"", true, 6, true, true},
        // A track outside 0..10 would name no track: a random available one instead.
        {"Rnd=False\r\nTrack=99\r\nSom=False\r\nM\xFAsica=False\r\n", false, 6, false, false},
        {"Rnd=False\r\nTrack=-7\r\nSom=False\r\nM\xFAsica=False\r\n", false, 6, false, false},
        {"Rnd=False\r\nTrack=1E+300\r\nSom=False\r\nM\xFAsica=False\r\n", false, 6, false, false},
        {std::string("\0\xFF\x01\r\n\0\0\0", 8), false, 1, true, true},
    };
    for (const Case& c : cases) {
        state.RandomTrack = !c.random;
        state.CurrentTrack = 1;
        state.SoundOn = !c.sound;
        state.MusicOn = !c.music;
        write(ConfigFile, c.bytes);
        ASSERT_TRUE(readSettings(state));
        EXPECT_EQ(state.RandomTrack, c.random) << c.bytes;
        EXPECT_EQ(state.CurrentTrack, c.track) << c.bytes;
        EXPECT_EQ(state.SoundOn, c.sound) << c.bytes;
        EXPECT_EQ(state.MusicOn, c.music) << c.bytes;
    }
}

TEST_F(SettingsFile, AMissingFileLeavesTheSettingsAsTheyAre)
{
    state.RandomTrack = true;
    state.CurrentTrack = 7;
    state.SoundOn = true;
    state.MusicOn = false; // the start value before any settings file was read
    EXPECT_FALSE(readSettings(state));
    EXPECT_TRUE(state.RandomTrack);
    EXPECT_EQ(state.CurrentTrack, 7);
    EXPECT_TRUE(state.SoundOn);
    EXPECT_FALSE(state.MusicOn);
}

TEST_F(SettingsFile, AFileNamedInAnotherLetterCaseIsFound)
{
    write("arquivos/CONFIG.CFG", "Rnd=False\r\nTrack=2\r\nSom=False\r\nM\xFAsica=False\r\n");
    ASSERT_TRUE(readSettings(state));
    EXPECT_EQ(state.CurrentTrack, 3);
    state.CurrentTrack = 5;
    ASSERT_TRUE(writeSettings(state).ok);
    EXPECT_EQ(read("arquivos/CONFIG.CFG"), "Rnd=False\r\nTrack=4\r\nSom=False\r\nM\xFAsica=False\r\n");
    EXPECT_FALSE(std::filesystem::exists(path(ConfigFile)));
}

TEST_F(SettingsFile, TheFirstMissionStartWritesTheDefaults)
{
    makeTracksAvailable(state, {3, 7});
    state.RandomTrack = true;
    state.SoundOn = true;
    state.MusicOn = false;
    loadMissionSettings(state);
    EXPECT_TRUE(state.RandomTrack);
    EXPECT_TRUE(state.SoundOn);
    EXPECT_TRUE(state.MusicOn);
    EXPECT_TRUE(state.CurrentTrack == 3 || state.CurrentTrack == 7) << state.CurrentTrack;
    const std::string file = read(ConfigFile);
    EXPECT_TRUE(file == "Rnd=True\r\nTrack=2\r\nSom=True\r\nM\xFAsica=True\r\n" ||
                file == "Rnd=True\r\nTrack=6\r\nSom=True\r\nM\xFAsica=True\r\n")
        << file;
}

TEST_F(SettingsFile, AMissionStartPicksATrackOnlyWhenRandomIsOn)
{
    makeTracksAvailable(state, {3, 7});
    const std::string fixed = "Rnd=False\r\nTrack=9\r\nSom=True\r\nM\xFAsica=True\r\n";
    write(ConfigFile, fixed);
    loadMissionSettings(state);
    EXPECT_EQ(state.CurrentTrack, 10); // the file's track, even though it is not available
    EXPECT_EQ(read(ConfigFile), fixed);

    const std::string random = "Rnd=True\r\nTrack=9\r\nSom=True\r\nM\xFAsica=True\r\n";
    write(ConfigFile, random);
    std::set<int> seen;
    for (int i = 0; i < 50; ++i) {
        loadMissionSettings(state);
        seen.insert(state.CurrentTrack);
    }
    EXPECT_EQ(seen, (std::set<int>{3, 7}));
    EXPECT_EQ(read(ConfigFile), random); // the file keeps the value it holds
}

TEST_F(SettingsFile, AFailedWriteKeepsTheSettingsInMemory)
{
    makeTracksAvailable(state, {3});
    std::filesystem::remove_all(path("arquivos")); // nowhere to write
    loadMissionSettings(state);
    EXPECT_TRUE(state.SoundOn);

    // The player switches sound and music off and the random track on; saving fails again.
    state.SoundOn = false;
    state.MusicOn = false;
    state.RandomTrack = false;
    state.CurrentTrack = 3;
    const auto result = writeSettings(state);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_FALSE(state.SoundOn);

    // The next mission start finds no file but keeps the player's settings.
    loadMissionSettings(state);
    EXPECT_FALSE(state.SoundOn);
    EXPECT_FALSE(state.MusicOn);
    EXPECT_FALSE(state.RandomTrack);
    EXPECT_EQ(state.CurrentTrack, 3);

    // Once the folder is back the settings are saved.
    std::filesystem::create_directories(path("arquivos"));
    loadMissionSettings(state);
    EXPECT_EQ(read(ConfigFile), "Rnd=False\r\nTrack=2\r\nSom=False\r\nM\xFAsica=False\r\n");
}

TEST_F(SettingsFile, SettingsThatCannotBeSavedStayInForceOverTheOldFile)
{
    makeTracksAvailable(state, {3, 7});
    const std::string old = "Rnd=True\r\nTrack=2\r\nSom=True\r\nM\xFAsica=True\r\n";
    write(ConfigFile, old);
    loadMissionSettings(state);

    // In the menu the player turns sound, music and the random track off and picks track 7;
    // RESUME cannot save it.
    state.SoundOn = false;
    state.MusicOn = false;
    state.RandomTrack = false;
    state.CurrentTrack = 7;
    {
        FullDisk full;
        EXPECT_FALSE(writeSettings(state).ok);
        EXPECT_EQ(read(ConfigFile), old);

        // The next briefing and mission start find the old file but keep the player's choice.
        state.MissionName[1] = "next";
        state.CurrentMission = 2;
        BriefingSequence(state).BmainDo();
        loadMissionSettings(state);
        EXPECT_FALSE(state.SoundOn);
        EXPECT_FALSE(state.MusicOn);
        EXPECT_FALSE(state.RandomTrack);
        EXPECT_EQ(state.CurrentTrack, 7);
        EXPECT_EQ(read(ConfigFile), old);
    }

    // Once the disk takes bytes again the next mission start saves the choice, and from then on
    // the file is read as before.
    loadMissionSettings(state);
    EXPECT_EQ(read(ConfigFile), "Rnd=False\r\nTrack=6\r\nSom=False\r\nM\xFAsica=False\r\n");
    write(ConfigFile, old);
    BriefingSequence(state).BmainDo();
    EXPECT_TRUE(state.SoundOn);
    EXPECT_EQ(state.CurrentTrack, 3);
}

TEST(RandomTrack, ChoosesOnlyAmongTheAvailableTracks)
{
    GameState state;
    makeTracksAvailable(state, {3, 7});
    std::map<int, int> count;
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
        state.random.seed(seed);
        pickRandomTrack(state);
        ++count[state.CurrentTrack];
    }
    EXPECT_EQ(count.size(), 2u);
    EXPECT_GT(count[3], 120);
    EXPECT_GT(count[7], 120);

    makeTracksAvailable(state, {10});
    pickRandomTrack(state);
    EXPECT_EQ(state.CurrentTrack, 10);

    makeTracksAvailable(state, {});
    pickRandomTrack(state);
    EXPECT_EQ(state.CurrentTrack, 0);
}
