// Whole battle frames as the player sees them: a skirmish composed headless with the game's own
// generated art (troop, enemies, objects, a blast, a firefight, a soldier falling under fire, the
// roster panel, the soldier panel, the open menu), each `GameScreen` compared pixel by pixel with
// a reference picture in tests/battle/golden/. A frame that differs is written to
// <build>/tests/golden_actual/.
// TOLVAR_UPDATE_GOLDEN=1 rewrites the references (see tests/battle/golden/README.md).

#include "frame_harness.h"

#include "game/battle/battle_sheets.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

using namespace tolvar::battle;
using battle_test::FrameHarness;
namespace fs = std::filesystem;

namespace {

constexpr int KeyEscape = 27;
constexpr int LeftButton = 1;
constexpr int RightButton = 2;

const fs::path GraficoFolder = fs::path(SUITE_DATA_DIR) / "grafico";
const fs::path GoldenFolder = fs::path(SUITE_SOURCE_DIR) / "tests" / "battle" / "golden";
const fs::path ActualFolder = fs::path(SUITE_BIN_DIR).parent_path() / "tests" / "golden_actual";

bool updatingReferences()
{
    const char* update = std::getenv("TOLVAR_UPDATE_GOLDEN");
    return update && std::string(update) == "1";
}

std::string fileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The skirmish fixture (or another mission) with the real sheets, a named squad of mixed ranks and three
// tracks.
struct Skirmish : FrameHarness
{
    explicit Skirmish(const std::string& fixture = "golden_skirmish.cfm")
    {
        const std::string grafico = GraficoFolder.string() + "/";
        loadError = loadBattleSheets(battle.sheets, grafico);
        const char* names[] = {"Harlan", "Voss", "Brandt", "Keel"};
        const char* tallies[] = {"", "9", "30", "140"};
        for (int k = 1; k <= 4; ++k) {
            game.Roster[k][tolvar::RosterName] = names[k - 1];
            game.Roster[k][tolvar::RosterKills] = tallies[k - 1];
        }
        game.NameCount = 4;
        for (int k = 1; k <= 3; ++k)
            game.TrackAvail[k] = "on";
        game.CurrentTrack = 2;
        start(fileBytes(battle_test::fixturePath(fixture)));
    }

    // A button held for one frame: the frame acts on the order, then the button is let go.
    void click(int button)
    {
        press(button);
        frames(1);
        release(button);
    }

    // Frames until `done` holds, at most `limit`; false when it never did.
    bool framesUntil(const std::function<bool()>& done, int limit = 200)
    {
        for (int i = 0; i < limit; ++i) {
            if (done())
                return true;
            frames(1);
        }
        return done();
    }

    std::string loadError;
};

// How many pixels of two equally sized pictures differ in their colour.
long differingPixels(const QImage& a, const QImage& b)
{
    long count = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            if ((ra[x] & 0xFFFFFF) != (rb[x] & 0xFFFFFF))
                ++count;
    }
    return count;
}

// Compares the battle window's picture with its reference, or rewrites the reference on request.
void expectGolden(const platform::gfx::Picture& screen, const std::string& name)
{
    ASSERT_EQ(screen.width(), 640);
    ASSERT_EQ(screen.height(), 480);
    const QImage actual = screen.image().convertToFormat(QImage::Format_RGB32);
    const fs::path reference = GoldenFolder / (name + ".png");
    if (updatingReferences()) {
        fs::create_directories(GoldenFolder);
        ASSERT_TRUE(actual.save(QString::fromStdString(reference.string()), "PNG")) << reference;
        return;
    }
    const auto writeActual = [&] {
        fs::create_directories(ActualFolder);
        const fs::path path = ActualFolder / (name + ".png");
        actual.save(QString::fromStdString(path.string()), "PNG");
        return path.string();
    };
    QImage expected(QString::fromStdString(reference.string()));
    if (expected.isNull())
        FAIL() << "no reference picture " << reference << "; this frame is at " << writeActual()
               << " (TOLVAR_UPDATE_GOLDEN=1 writes the references)";
    expected = expected.convertToFormat(QImage::Format_RGB32);
    if (expected.size() != actual.size())
        FAIL() << reference << " is " << expected.width() << " x " << expected.height()
               << "; this frame is at " << writeActual();
    const long differing = differingPixels(expected, actual);
    if (differing != 0)
        FAIL() << differing << " pixels differ from " << reference << "; this frame is at " << writeActual();
}

class GoldenFrames : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!fs::exists(GraficoFolder / "soldiers.bmp") || !fs::exists(GraficoFolder / "pmp.bmp"))
            GTEST_SKIP() << "the game's pictures are not built: " << GraficoFolder;
        battle = std::make_unique<Skirmish>();
        ASSERT_EQ(battle->loadError, "");
    }

    std::unique_ptr<Skirmish> battle;
};

// The squad sets out east after a move order: walking figures, the marker at the order's point,
// the move pointer, the status-bar button, the enemies at their post and in the pond, the objects.
TEST_F(GoldenFrames, MarchAfterAMoveOrder)
{
    Skirmish& b = *battle;
    b.frames(25); // the camera has settled on the leader
    b.pointAtMap(236, 214);
    b.click(RightButton);
    b.frames(2);
    ASSERT_LE(b.s().MoveMarkFrame, 5);
    ASSERT_GT(b.s().SoldierX[1], 190.0f);
    expectGolden(b.battle.GameScreen, "march");
}

// A squad left alone: the roster panel with team badges, rank medals, names, rounds and clips,
// the status-bar button over its top edge, and the leader's medal above his head.
TEST_F(GoldenFrames, RosterPanelOfAnIdleSquad)
{
    Skirmish& b = *battle;
    b.pointAtMap(250, 150);
    b.frames(45);
    ASSERT_GT(b.s().IdleFrames, 40);
    expectGolden(b.battle.GameScreen, "roster");
}

// Fire held on the barrel: the fire pointer, muzzle flashes and tracers, the blast over the
// burst barrel and its wreck tumbling away.
TEST_F(GoldenFrames, BarrelBlast)
{
    Skirmish& b = *battle;
    b.frames(25);
    b.pointAtMap(250, 268);
    b.press(LeftButton);
    ASSERT_TRUE(b.framesUntil([&] { return b.s().ObjState[0] == 10; }));
    b.frames(5); // the leader's next shot flashes beside the fireball
    ASSERT_EQ(b.s().ObjState[0], 10);
    expectGolden(b.battle.GameScreen, "blast");
}

// The squad fires at the enemy in the pond: flashes, tracers and the enemy flung up as it falls,
// the water showing under its body.
TEST_F(GoldenFrames, EnemyFallingInWater)
{
    Skirmish& b = *battle;
    b.frames(25);
    b.pointAtMap(110, 300);
    b.press(LeftButton);
    ASSERT_TRUE(b.framesUntil([&] { return b.s().Dolls[4].State == "9"; }));
    b.frames(3);
    expectGolden(b.battle.GameScreen, "firefight");
}

// The squad walks up to the sandbagged post and takes fire: the enemy's flash and tracers, and a
// fallen soldier flung up, then lying in his blood.
TEST_F(GoldenFrames, SoldierFallsUnderFire)
{
    Skirmish& b = *battle;
    b.frames(25);
    b.pointAtMap(262, 204);
    b.press(RightButton);
    b.frames(1);
    b.release(RightButton);
    ASSERT_TRUE(b.framesUntil([&] { return b.s().BodyCount > 0; }, 400));
    b.frames(16);
    expectGolden(b.battle.GameScreen, "ambush");
}

// A click on the status-bar button opens the soldier panel with its three buttons.
TEST_F(GoldenFrames, SoldierPanelOpen)
{
    Skirmish& b = *battle;
    b.frames(25);
    b.cursor = {38, 18}; // view point (19, 9), inside the button
    b.click(LeftButton);
    b.cursor = {120, 200};
    b.frames(2);
    ASSERT_EQ(b.s().PointerMode, "14");
    expectGolden(b.battle.GameScreen, "soldier_panel");
}

// Esc opens the menu: the box grows to its full size, then shows the switches, the ten track
// buttons (three available, the current one marked) and the text buttons, with the pointer.
TEST_F(GoldenFrames, MenuOpen)
{
    Skirmish& b = *battle;
    b.frames(25);
    b.cursor = {330, 250};
    b.key(KeyEscape);
    ASSERT_TRUE(b.framesUntil([&] { return b.s().MenuStage == "3"; }, 30));
    b.frames(1);
    expectGolden(b.battle.GameScreen, "menu");
}

// The menu box half open: only the growing box and the pointer, no contents yet.
TEST_F(GoldenFrames, MenuOpening)
{
    Skirmish& b = *battle;
    b.frames(25);
    b.cursor = {330, 250};
    b.key(KeyEscape);
    b.frames(6);
    ASSERT_EQ(b.s().MenuStage, "16");
    expectGolden(b.battle.GameScreen, "menu_opening");
}

// The first frame of a squad that starts in the map's far corner: the camera, placed around the
// leader by the load, jumps back inside the map, and the enemy by the view's top edge shows only
// its lower half.
TEST_F(GoldenFrames, CameraJumpAtTheMapCorner)
{
    battle = std::make_unique<Skirmish>("golden_edge.cfm");
    ASSERT_EQ(battle->loadError, "");
    Skirmish& b = *battle;
    ASSERT_GT(b.s().CameraX, 300); // around the leader, beyond the map's last view
    b.frames(1);
    ASSERT_EQ(b.s().CameraX, 180);
    ASSERT_EQ(b.s().CameraY, 260);
    expectGolden(b.battle.GameScreen, "edge_jump");
}

} // namespace
