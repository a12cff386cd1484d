// The battle window: prepares once, shows the battle stretched over its picture box, hides at the
// hand-over.

#include "battle_test_support.h"

#include "game/battle/frmmain.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace tolvar::battle;

namespace {

void ensureApplication()
{
    if (QApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "test_battle";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
}

TEST(Frmmain, MissingBitmapStopsTheBattleWithItsName)
{
    ensureApplication();
    battle_test::ProgramFolder folder;
    tolvar::GameState game;
    game.programFolder = folder.path();
    platform::clock::ManualClock clock;
    Battle battle(game, clock);
    Frmmain window(battle, {});
    const Handover h = window.run();
    EXPECT_EQ(h.next, tolvar::Screen::Quit);
    EXPECT_NE(h.message.find("map.bmp"), std::string::npos);
    EXPECT_FALSE(window.form().visible());
}

// A programs' folder with plain sheets and the tile sheet.
void writeSheets(const battle_test::ProgramFolder& folder)
{
    for (const char* file : {"soldiers.bmp", "fire.bmp", "cursor.bmp", "anim.bmp", "mapobjts.bmp",
                             "efeitos.bmp", "showbar.bmp", "menubar.bmp", "qualifica.bmp", "pmp.bmp"}) {
        ASSERT_TRUE(platform::gfx::Picture(4, 3).save(folder.path() + "/arquivos/grafico/" + file));
    }
    ASSERT_TRUE(battle_test::tileSheet().save(folder.path() + "/arquivos/grafico/map.bmp"));
}

// Counts the paint events of a widget.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// The battle window on a manual clock, for one mission of a programs' folder.
struct BattleWindow
{
    BattleWindow(const battle_test::ProgramFolder& folder, const std::string& mission)
    {
        game.programFolder = folder.path();
        game.MissionName[1] = mission;
        game.CurrentMission = 1;
    }
    tolvar::GameState game;
    platform::clock::ManualClock clock;
    Battle battle{game, clock};
    Frmmain window{battle, {}};
};

TEST(Frmmain, ShowsTheMapUntilTheWindowIsClosed)
{
    ensureApplication();
    battle_test::ProgramFolder folder;
    writeSheets(folder);
    folder.copyFixture("objects_only.cfm", "arquivos/campanha/depot.cfm");

    BattleWindow depot(folder, "depot");
    platform::clock::ManualClock& clock = depot.clock;
    Battle& battle = depot.battle;
    Frmmain& window = depot.window;
    EXPECT_EQ(window.form().caption(), "VEDE Gorsefield");

    // This mission has no troop, so the camera stays where it is put; frames do not move it yet.
    battle.state->CameraX = 1;
    battle.state->CameraY = 1;
    // Close the window once a few frames have run (each frame waits 30 ms of the manual clock).
    const platform::clock::Tick start = clock.tickCount();
    std::function<void()> closeLater = [&] {
        if (clock.tickCount() < start + 100) {
            QTimer::singleShot(0, closeLater);
            return;
        }
        EXPECT_TRUE(window.form().visible());
        window.form().unload();
    };
    QTimer::singleShot(0, closeLater);

    const Handover h = window.run();
    EXPECT_EQ(h.next, tolvar::Screen::Quit);
    EXPECT_FALSE(window.form().visible());
    const BattleState& s = *battle.state;
    EXPECT_EQ(s.WindowWidthPx, 640);
    EXPECT_EQ(s.WindowHeightPx, 480);
    const platform::gfx::Picture& shown = window.GameScreen().picture();
    ASSERT_EQ(shown.width(), 640);
    EXPECT_EQ(shown.pixel(0, 0), battle_test::tileColour(1));
    EXPECT_EQ(shown.pixel(639, 479), battle_test::tileColour(1));
}

// The window repaints when a frame or a typed character was drawn, never while a text is only
// held: a won mission with a message at its start and the end message plays through.
TEST(Frmmain, RepaintsOnlyWhatWasDrawn)
{
    ensureApplication();
    battle_test::ProgramFolder folder;
    writeSheets(folder);
    battle_test::MissionText mission;
    mission.scripts = {"<Cond 001>",     " 1 ",    "<Se>",   "\"01,99\"", "<-Se>", "<Faz>",
                       "\"02,Hold on\"", "\"03\"", "<-Faz>", "<-Cond>"};
    folder.write("arquivos/campanha/talk.cfm", mission.bytes());

    BattleWindow talk(folder, "talk");
    tolvar::GameState& game = talk.game;
    platform::clock::ManualClock& clock = talk.clock;
    Battle& battle = talk.battle;
    Frmmain& window = talk.window;
    int drawn = 0;
    const auto show = battle.showGameScreen;
    battle.showGameScreen = [&] {
        ++drawn;
        show();
    };
    PaintCounter counter;
    window.GameScreen().widget()->installEventFilter(&counter);

    const platform::clock::Tick start = clock.tickCount();
    const Handover h = window.run();
    EXPECT_EQ(h.next, tolvar::Screen::Briefing);
    EXPECT_EQ(game.CurrentMission, 2);
    EXPECT_GE(clock.tickCount() - start, 2000) << "both texts were held";
    // 51 frames, and each text shown before its first character and after each one.
    EXPECT_EQ(drawn, 51 + (7 + 1) + (17 + 1));
    EXPECT_GE(counter.paints, 10);
    EXPECT_LE(counter.paints, drawn + 2);
}

} // namespace
