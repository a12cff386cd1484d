// The title screen: its slides turn by turn, the two "Play" clicks, the campaign pick, the
// picture drawing, and the window driven as a player drives it.

#include "game/title_screen.h"

#include "platform/clock/clock.h"
#include "platform/text/file_names.h"
#include "platform/ui/keys.h"
#include "platform/ui/user_actions.h"
#include "program_folder_fixture.h"
#include "tests/platform_sound/wav_fixture.h"
#include "tests/platform_text/program_folders.h"

#include <QApplication>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>

using namespace tolvar;

namespace {

constexpr int W = 501;
constexpr int H = 465;

void ensureQt()
{
    if (QApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "test_game";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
}

struct Animation : ::testing::Test
{
    Animation() { anim.reset(W, H); }
    void turns(int n)
    {
        for (int i = 0; i < n; ++i)
            anim.TMainLoop();
    }
    TitleAnimation anim;
};

TEST_F(Animation, BeforePlayOnlyTheButtonRisesFromTurnTen)
{
    EXPECT_FALSE(anim.CampainList.visible || anim.CampInfo.visible || anim.CampTitle.visible);
    EXPECT_EQ(anim.CampainList.left, W);
    EXPECT_EQ(anim.CampTitle.top, -17);
    EXPECT_EQ(anim.CampInfo.left, -217);
    EXPECT_EQ(anim.RunGame.top, H + 33);

    turns(9);
    EXPECT_EQ(anim.RunGame.top, H + 33);
    turns(1);
    EXPECT_TRUE(anim.RunGame.visible);
    EXPECT_EQ(anim.RunGame.top, H + 28);
    turns(100);
    EXPECT_LT(anim.RunGame.top, 430);
    EXPECT_GE(anim.RunGame.top, 425);
    EXPECT_TRUE(anim.TitleFlags[6]);
    // Waiting: nothing else moved, the picture stays at its start corner.
    EXPECT_EQ(anim.PicX, -247);
    EXPECT_EQ(anim.PicY, H);
    EXPECT_FALSE(anim.CampainList.visible);
}

TEST_F(Animation, FirstPlayStartsTheSlidesASecondWithoutAPickDoesNothing)
{
    turns(20);
    int starts = 0;
    std::vector<int> sounds;
    anim.playSound = [&](int n) { sounds.push_back(n); };
    const auto start = [&] {
        ++starts;
        return true;
    };

    anim.RunGame_Click(false, start);
    EXPECT_TRUE(anim.TitleFlags[0] && anim.PicMoving);
    EXPECT_TRUE(anim.CampainList.visible && anim.CampTitle.visible);
    EXPECT_EQ(sounds, std::vector<int>{12});

    anim.RunGame_Click(false, start);
    turns(100);
    anim.RunGame_Click(true, start); // a selection without a pick click cannot start either
    EXPECT_EQ(starts, 0);
    EXPECT_FALSE(anim.Started);

    // Where the slides end.
    EXPECT_EQ(anim.PicX, -47);
    EXPECT_EQ(anim.PicY, H - 200);
    EXPECT_LE(anim.CampainList.left, 312);
    EXPECT_GT(anim.CampainList.left, 307);
    EXPECT_EQ(anim.CampTitle.top, 158);
    EXPECT_EQ(anim.RunGame.left, 420);
}

TEST_F(Animation, APickSlidesTheInformationBoxInBy20AndPlayThenStarts)
{
    anim.RunGame_Click(false, {});
    turns(60);
    anim.CampainList_Click();
    EXPECT_TRUE(anim.CampInfo.visible);
    std::vector<double> lefts;
    for (int i = 0; i < 16; ++i) {
        anim.TMainLoop();
        lefts.push_back(anim.CampInfo.left);
    }
    EXPECT_EQ(lefts.front(), -197);
    EXPECT_EQ(lefts[14], 83);
    EXPECT_EQ(lefts[15], 83);

    // Another pick slides it in again.
    anim.CampainList_Click();
    EXPECT_EQ(anim.CampInfo.left, -217);

    bool refuse = true;
    anim.RunGame_Click(true, [&] { return !refuse; });
    EXPECT_FALSE(anim.Started) << "a file that cannot be started leaves the screen as it is";
    refuse = false;
    anim.RunGame_Click(true, [&] { return !refuse; });
    EXPECT_TRUE(anim.Started);
    EXPECT_FALSE(anim.CampainList.visible || anim.CampInfo.visible || anim.CampTitle.visible);
}

TEST(TitleSurface, TheBackgroundWipesThePictureBeforeItIsDrawnAgain)
{
    using platform::gfx::Picture;
    Picture background(40, 30, 0x336699);
    Picture ferrand(494, 206, 0xFFFFFF);         // mask: white keeps the background
    ferrand.fillBox(0, 0, 9, 9, 0x000000);       // a 10 x 10 hole in the mask ...
    ferrand.fillBox(247, 0, 493, 205, 0x000000); // ... filled by the picture's red square
    ferrand.fillBox(247, 0, 256, 9, 0xFF0000);
    Picture surface;

    drawTitleSurface(surface, background, ferrand, 2, 3);
    EXPECT_EQ(surface.pixel(2, 3), 0xFF0000u);
    EXPECT_EQ(surface.pixel(11, 12), 0xFF0000u);
    EXPECT_EQ(surface.pixel(12, 12), 0x336699u);

    drawTitleSurface(surface, background, ferrand, 20, 15);
    EXPECT_EQ(surface.pixel(2, 3), 0x336699u) << "the earlier position is wiped";
    EXPECT_EQ(surface.pixel(20, 15), 0xFF0000u);
}

// The window, on a manual clock, with the player's actions delivered while a turn waits.
class TitleWindow : public ProgramFolderTest
{
protected:
    void SetUp() override
    {
        ensureQt();
        ProgramFolderTest::SetUp();
        std::filesystem::create_directories(path("arquivos/grafico"));
        platform::gfx::Picture(W, H, 0x204060).save(path("arquivos/grafico/titlefundo.bmp").string());
        platform::gfx::Picture(494, 206, 0xFFFFFF).save(path("arquivos/grafico/titulo.bmp").string());
        write("arquivos/campanha/alpha.cfc",
              "<Campanha>\r\n\"Alpha\"\r\n\"Bo\"\r\n 1 \r\nTrue\r\n<-Campanha>\r\n"
              "<Miss>\r\nm1\r\n<-Miss>\r\n<Nomes>\r\nAnn\r\n<-Nomes>\r\n");
        write("arquivos/campanha/broken.cfc", std::string("\0\0\xff\x10garbage", 11));
        title = std::make_unique<Title>(state, nullptr, clock);
        ASSERT_EQ(title->Form_Load(), "");
        title->pumpEvents = [this] {
            QApplication::processEvents();
            ++turn;
            if (auto action = actions.find(turn); action != actions.end())
                action->second();
        };
    }
    void TearDown() override
    {
        title.reset();
        ProgramFolderTest::TearDown();
    }

    int entry(const std::string& fileName)
    {
        auto& items = title->campainList().items();
        return static_cast<int>(std::find(items.begin(), items.end(), fileName) - items.begin());
    }

    platform::clock::ManualClock clock;
    std::unique_ptr<Title> title;
    std::map<int, std::function<void()>> actions;
    int turn = 0;
};

// A background that is a FIFO, a folder, or a bitmap cut short by a row or more is a
// picture that cannot be loaded, refused at once: the alarm ends a test that would wait.
TEST_F(TitleWindow, AFifoOrACutPictureCannotBeLoaded)
{
    const std::filesystem::path background = path("arquivos/grafico/titlefundo.bmp");
    const std::string whole = read("arquivos/grafico/titlefundo.bmp");
    const std::string message = "Cannot load the picture " + background.string();
    for (const char* kind : {"fifo", "folder", "cut"}) {
        std::filesystem::remove(background);
        if (kind == std::string("fifo"))
            ASSERT_EQ(::mkfifo(background.c_str(), 0644), 0);
        else if (kind == std::string("folder"))
            std::filesystem::create_directory(background);
        else
            write("arquivos/grafico/titlefundo.bmp", whole.substr(0, whole.size() - W * 4));
        ::alarm(10);
        EXPECT_EQ(Title(state, nullptr, clock).Form_Load(), message) << kind;
        ::alarm(0);
    }
}

TEST_F(TitleWindow, PickShowsNameAndAuthorABrokenFileIsRefusedPlayStarts)
{
    using namespace platform::ui;
    actions[5] = [this] { user::click(title->runGame()); };
    actions[40] = [this] { user::click(title->campainList(), entry("broken.cfc")); };
    actions[41] = [this] {
        EXPECT_EQ(title->campInfo().text(), "Not a campaign file:\r\nbroken.cfc");
        user::click(title->runGame());
    };
    actions[42] = [this] {
        EXPECT_FALSE(title->animation().Started);
        user::click(title->campainList(), entry("alpha.cfc"));
        EXPECT_EQ(title->campInfo().text(), "Alpha\r\nBo");
        EXPECT_EQ(state.CampAuthor, "Bo");
    };
    actions[80] = [this] {
        EXPECT_EQ(title->campInfo().left(), 83);
        EXPECT_TRUE(title->campTitle().visible());
        user::click(title->runGame());
    };
    actions[200] = [this] { title->form().unload(); }; // never reached when Play works

    EXPECT_EQ(title->Form_Activate(), Screen::Briefing);
    EXPECT_LT(turn, 200);
    EXPECT_EQ(state.MissionName[1], "m1");
    EXPECT_EQ(state.Roster[1][RosterName], "Ann");
    EXPECT_FALSE(title->form().visible());
    EXPECT_EQ(clock.tickCount(), 10 * (turn - 1)) << "one turn every 10 ms after the first pump";
}

// The list shows what the folder holds, accents and all; a name the game cannot use is refused
// rather than read as another file's.
TEST_F(TitleWindow, AccentedNamesAreListedAndStartedNamesWithoutWesternLettersAreRefused)
{
    using namespace platform::ui;
    write("arquivos/campanha/miss\xC3\xA3o.cfc",
          "<Campanha>\r\n\"Opera\xE7\xE3o\"\r\n\"Z\xE9\"\r\n 1 \r\nTrue\r\n<-Campanha>\r\n"
          "<Miss>\r\nmiss\xE3o 1\r\n<-Miss>\r\n<Nomes>\r\nZo\xE9\r\n<-Nomes>\r\n");
    write("arquivos/campanha/\xE4\xBB\xBB\xE5\x8A\xA1.cfc", "<Campanha>\r\n\"Chinese\"\r\n");
    write("arquivos/campanha/??.cfc", "<Campanha>\r\n\"Marks\"\r\n\"Q\"\r\n");
    write("arquivos/campanha/gone.cfc", "<Campanha>\r\n\"Gone\"\r\n");
    title->campainList().refresh();
    EXPECT_EQ(title->campainList().items(),
              (std::vector<std::string>{"??.cfc", "??.cfc", "alpha.cfc", "broken.cfc", "gone.cfc",
                                        "miss\xE3o.cfc"}));

    actions[5] = [this] { user::click(title->runGame()); };
    actions[40] = [this] { user::click(title->campainList(), 1); };
    actions[41] = [this] {
        EXPECT_EQ(title->campInfo().text(), "Not a usable file name:\r\n??.cfc");
        user::click(title->runGame());
    };
    actions[42] = [this] {
        EXPECT_FALSE(title->animation().Started);
        user::click(title->campainList(), 0);
        EXPECT_EQ(title->campInfo().text(), "Marks\r\nQ");
        std::filesystem::remove(path("arquivos/campanha/gone.cfc")); // gone since it was listed
        user::click(title->campainList(), entry("gone.cfc"));
        EXPECT_EQ(title->campInfo().text(), "Cannot read the file:\r\ngone.cfc");
        user::click(title->campainList(), entry("miss\xE3o.cfc"));
        EXPECT_EQ(title->campInfo().text(), "Opera\xE7\xE3o\r\nZ\xE9");
    };
    actions[80] = [this] { user::click(title->runGame()); };
    actions[200] = [this] { title->form().unload(); }; // never reached when Play works

    EXPECT_EQ(title->Form_Activate(), Screen::Briefing);
    EXPECT_EQ(state.MissionName[1], "miss\xE3o 1");
    EXPECT_EQ(state.Roster[1][RosterName], "Zo\xE9");
}

// The programs' folder is the system's path, whatever letters it holds: the title finds its
// pictures and lists the campaigns from it.
TEST_F(TitleWindow, StartsFromAProgramsFolderOfAnyLetters)
{
    QTemporaryDir parent;
    ASSERT_TRUE(parent.isValid());
    for (const QString& name : program_folders::names()) {
        const QString folder =
            program_folders::copyInto(QString::fromStdString(m_folder.string()), parent.path(), name);
        ASSERT_FALSE(folder.isEmpty()) << name.toStdString();
        GameState there;
        there.programFolder = platform::text::systemPath(folder);
        Title copy(there, nullptr, clock);
        EXPECT_EQ(copy.Form_Load(), "") << name.toStdString();
        const auto& listed = copy.campainList().items();
        EXPECT_NE(std::find(listed.begin(), listed.end(), "alpha.cfc"), listed.end()) << name.toStdString();
    }
}

TEST_F(TitleWindow, EscapeEndsTheProgramLettersDoNothingAndAReturnStartsAfresh)
{
    using namespace platform::ui;
    actions[3] = [this] { user::click(title->runGame()); };
    actions[30] = [this] { user::key(title->form(), 'A'); };
    actions[31] = [this] {
        EXPECT_TRUE(title->form().visible());
        user::key(title->form(), kKeyEscape);
    };
    EXPECT_EQ(title->Form_Activate(), Screen::Quit);
    EXPECT_EQ(turn, 31);

    // The next showing restarts from the hidden state.
    actions.clear();
    actions[turn + 1] = [this] {
        EXPECT_FALSE(title->campainList().visible());
        EXPECT_FALSE(title->animation().TitleFlags[0]);
        EXPECT_EQ(title->animation().PicX, -247);
        title->Form_KeyDown(kKeyEscape, 0);
    };
    EXPECT_EQ(title->Form_Activate(), Screen::Quit);
}

TEST_F(TitleWindow, TheTitleMusicLoopsWhileItIsThereAndIsSimplyAbsentOtherwise)
{
    SoundBank sound(state);
    sound.InitSound(platform::sound::SoundDevice::Mode::NoOutput);
    title = std::make_unique<Title>(state, &sound, clock);
    ASSERT_EQ(title->Form_Load(), "");
    title->pumpEvents = [this] { title->Form_KeyDown(platform::ui::kKeyEscape, 0); };
    EXPECT_EQ(title->Form_Activate(), Screen::Quit);
    EXPECT_TRUE(sound.musicBuffer().isSilent());

    write("arquivos/musica/title.wav", wavfixture::makeFlatWav(1000, 100));
    EXPECT_EQ(title->Form_Activate(), Screen::Quit);
    EXPECT_TRUE(sound.musicBuffer().isPlaying());
}

} // namespace
