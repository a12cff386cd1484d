// The settings file written over a link and over a read-only file.

#include "game/settings_file.h"

#include "program_folder_fixture.h"

using namespace tolvar;

namespace {

class SettingsTarget : public ProgramFolderTest
{
};

// A link stays a link, its file gets the settings; a read-only file is left as it was, and the
// settings stay in memory.
TEST_F(SettingsTarget, ALinkIsWrittenThroughAReadOnlyFileIsKept)
{
    namespace fs = std::filesystem;
    const std::string old = "Rnd=True\r\nTrack=0\r\nSom=True\r\nM\xFAsica=True\r\n";
    write("shared.cfg", old);
    fs::create_symlink(path("shared.cfg"), path("arquivos/config.cfg"));
    state.RandomTrack = true;
    state.CurrentTrack = 2;
    state.SoundOn = false;
    state.MusicOn = true;
    ASSERT_TRUE(writeSettings(state).ok);
    EXPECT_TRUE(fs::is_symlink(path("arquivos/config.cfg")));
    EXPECT_EQ(read("shared.cfg"), "Rnd=True\r\nTrack=1\r\nSom=False\r\nM\xFAsica=True\r\n");

    fs::remove(path("arquivos/config.cfg"));
    write("arquivos/config.cfg", old);
    fs::permissions(path("arquivos/config.cfg"), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(writeSettings(state).ok);
    EXPECT_EQ(read("arquivos/config.cfg"), old);
    EXPECT_FALSE(state.SoundOn);
    EXPECT_TRUE(state.settingsUnsaved);
}

} // namespace
