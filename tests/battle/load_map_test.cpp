// Loading missions into the battle's records.

#include "battle_test_support.h"

#include "game/battle/battle_form.h"
#include "game/battle/load_map.h"
#include "platform/text/text_file.h"
#include "platform/text/vb.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <string_view>

using namespace tolvar::battle;
using battle_test::MissionText;
using battle_test::quoted;
using battle_test::tileColour;
using platform::gfx::kBlack;
using platform::gfx::kWhite;

namespace {

class LoadMapTest : public ::testing::Test
{
protected:
    LoadMapTest() : state(std::make_unique<BattleState>()), sheet(battle_test::tileSheet())
    {
        buildAngleTables(*state);
    }

    LoadResult loadFixture(const std::string& name)
    {
        return LoadMap(*state, battle_test::fixturePath(name), sheet, random, fixedSeed());
    }
    void loadBytes(const std::string& bytes) { loadMapBytes(*state, bytes, sheet, random, fixedSeed()); }
    static LoadOptions fixedSeed()
    {
        LoadOptions options;
        options.seedRandom = false;
        return options;
    }

    std::unique_ptr<BattleState> state;
    platform::gfx::Picture sheet;
    platform::clock::Random random{7};
};

TEST_F(LoadMapTest, FullMissionFillsObjectsEnemiesAndScripts)
{
    ASSERT_TRUE(loadFixture("full.cfm"));
    const BattleState& s = *state;
    EXPECT_EQ(s.MapCols, 25);
    EXPECT_EQ(s.MapRows, 25);

    // Objects: barrel, mine, suitcase, crate, then empty slots.
    EXPECT_DOUBLE_EQ(s.ObjX[0], 30);
    EXPECT_DOUBLE_EQ(s.ObjY[0], 50);
    const int sprites[] = {1, 6, 7, 8};
    for (int o = 0; o < 4; ++o) {
        EXPECT_EQ(s.ObjState[o], ObjectOnMap);
        EXPECT_DOUBLE_EQ(s.ObjKind[o], o + 1);
        EXPECT_EQ(s.ObjSprite[o], sprites[o]);
    }
    EXPECT_EQ(s.ObjState[4], ObjectEmpty);
    EXPECT_EQ(s.ObjectRaw[4].kind, "04");
    EXPECT_EQ(s.ObjectRaw[4].col, "08");
    EXPECT_EQ(s.ObjectRaw[4].row, "09");
    EXPECT_EQ(s.ObjectRaw[4].mark, 3);

    // Enemies: the AI name and whether its animation starts at once.
    struct Expected
    {
        const char* name;
        bool pending;
    };
    const Expected enemies[] = {
        {"None", false}, {"", false}, {"Guard", true}, {"Guard", false}, {"Guard", true}};
    for (int e = 1; e <= 5; ++e) {
        SCOPED_TRACE(e);
        const DollRecord& d = s.Dolls[e];
        EXPECT_EQ(d.State, DollActive);
        EXPECT_EQ(d.AiName, enemies[e - 1].name);
        EXPECT_EQ(d.AiStartPending, enemies[e - 1].pending);
        EXPECT_FLOAT_EQ(d.X, (e + 3) * 20 + 10);
        EXPECT_FLOAT_EQ(d.Y, 90);
        EXPECT_FLOAT_EQ(d.TargetX, d.X + 6);
        EXPECT_FLOAT_EQ(d.TargetY, d.Y + 13);
        EXPECT_GE(d.AimFacing, 0);
        EXPECT_LE(d.AimFacing, 358);
        EXPECT_EQ(d.Heading, d.AimFacing);
        EXPECT_FLOAT_EQ(d.Speed, 1.0f);
    }
    EXPECT_EQ(s.Dolls[4].Team, 5);
    EXPECT_EQ(s.Dolls[3].ItemText, "04,07,05,Guard");
    EXPECT_EQ(s.Dolls[6].State, DollEmpty);

    // Two animation blocks of the same name take two slots, in file order.
    EXPECT_EQ(s.AnimState[1], 4);
    EXPECT_EQ(s.AnimState[2], 4);
    EXPECT_EQ(s.AnimState[3], 0);
    EXPECT_EQ(s.MissionAnimName[1], "patrol");
    EXPECT_EQ(s.MissionAnimName[2], "patrol");
    EXPECT_EQ(s.MissionAnimTask[1][2], "0010,03,06,06");
    EXPECT_EQ(s.MissionAnimTask[2][1], "Fim ,06");
    EXPECT_EQ(s.AnimTaskPending[1][2], "1");
    EXPECT_EQ(s.AnimTaskPending[1][3], "5");
    EXPECT_EQ(s.MissionAiName[1], "guard");
    EXPECT_EQ(s.MissionAiTask[1][1], "0005,05");
    EXPECT_EQ(s.AiTaskPending[1][1], 1);
    EXPECT_EQ(s.AiTaskPending[1][2], 0);
    EXPECT_EQ(s.EnemyAiPending[50][50], "5");

    // A condition without If lines is never evaluated, though it has Do lines.
    EXPECT_EQ(s.CondState[3], 0);
    EXPECT_EQ(s.MissionCondOnce[3], 1);
    EXPECT_EQ(s.MissionCondDo[3][1], "03");
    EXPECT_EQ(s.CondState[7], 4);
    EXPECT_EQ(s.MissionCondOnce[7], 0);
    EXPECT_EQ(s.MissionCondIf[7][1], "06,00");
    EXPECT_EQ(s.MissionCondIf[7][2], "02,03,04");
    EXPECT_EQ(s.MissionCondDo[7][1], "04");
}

TEST_F(LoadMapTest, TroopStandsInFormationAndCameraStartsUpAndLeft)
{
    ASSERT_TRUE(loadFixture("full.cfm"));
    const BattleState& s = *state;
    EXPECT_EQ(s.TroopCount, 10);
    EXPECT_EQ(s.TroopStartCount, 10);
    EXPECT_EQ(s.TroopTeam, 2);
    // Leader on cell 03,04; alignment 01 lines the troop up eastwards, 8 pixels apart.
    for (int i = 1; i <= 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(s.Alive[i]);
        EXPECT_NEAR(s.SoldierX[i], 50 + 8 * (i - 1), 1e-4);
        EXPECT_NEAR(s.SoldierY[i], 70, 1e-4);
        EXPECT_FLOAT_EQ(s.Facing[i], 90);
        EXPECT_EQ(s.MoveDir[i], 90);
        EXPECT_EQ(s.TargetX[i], 50);
        EXPECT_EQ(s.TargetY[i], 70);
        EXPECT_FLOAT_EQ(s.LeaderTrail[i][1], 50);
        EXPECT_FLOAT_EQ(s.LeaderTrail[i][2], 70);
        EXPECT_EQ(s.TerrainKind[i], 1);
        EXPECT_EQ(s.Clips[i], 2);
        EXPECT_EQ(s.Rounds[i], 22);
    }
    EXPECT_NEAR(s.SoldierX[10] - s.SoldierX[1], 72, 1e-4);
    EXPECT_FALSE(s.Alive[0]);
    EXPECT_EQ(s.MouseMapPoint[0], 50);
    EXPECT_EQ(s.MouseMapPoint[1], 70);
    EXPECT_EQ(s.CameraX, -80);
    EXPECT_EQ(s.CameraY, -60);
}

TEST_F(LoadMapTest, FormationDirectionsFollowTheAlignmentCode)
{
    struct Case
    {
        const char* code;
        double dx, dy; // step from one soldier to the next
    };
    const Case cases[] = {{"01", 8, 0}, {"03", 0, -8}, {"05", -8, 0},
                          {"07", 0, 8}, {"09", 8, 0},  {"00", 5.657, 5.657}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        MissionText m;
        m.troop = {quoted("10,10"), quoted("3 "), quoted("01"), quoted(c.code), quoted("01"), quoted("0")};
        loadBytes(m.bytes());
        EXPECT_NEAR(state->SoldierX[3] - state->SoldierX[1], 2 * c.dx, 1e-2);
        EXPECT_NEAR(state->SoldierY[3] - state->SoldierY[1], 2 * c.dy, 1e-2);
        EXPECT_EQ(state->Rounds[1], 0); // no clips, no rounds
    }
}

TEST_F(LoadMapTest, TilesAreDrawnAndOnlyUpperCaseBlockingCodesBlock)
{
    ASSERT_TRUE(loadFixture("full.cfm"));
    const BattleState& s = *state;
    ASSERT_EQ(s.MainMap.width(), 501);
    ASSERT_EQ(s.MainMap.height(), 501);
    ASSERT_EQ(s.ColMap.width(), 501);
    // Row 1 holds "6e", "6E", "11", then "01".
    EXPECT_EQ(s.MainMap.pixel(5, 5), tileColour(110));
    EXPECT_EQ(s.MainMap.pixel(25, 5), tileColour(110));
    EXPECT_EQ(s.MainMap.pixel(45, 5), tileColour(17));
    EXPECT_EQ(s.MainMap.pixel(65, 19), tileColour(1));
    EXPECT_EQ(s.MainMap.pixel(499, 499), tileColour(1));
    EXPECT_EQ(s.ColMap.pixel(5, 5), kWhite); // lower-case code does not block
    EXPECT_EQ(s.ColMap.pixel(25, 5), kBlack);
    EXPECT_EQ(s.ColMap.pixel(45, 5), kBlack);
    EXPECT_EQ(s.ColMap.pixel(65, 5), kWhite);
    // Neighbouring boxes share an edge; the later box wins it.
    EXPECT_EQ(s.ColMap.pixel(20, 5), kBlack);
    EXPECT_EQ(s.ColMap.pixel(60, 5), kWhite);
    EXPECT_EQ(s.ColMap.pixel(25, 20), kWhite);
    EXPECT_EQ(s.ColMap.pixel(500, 500), kWhite);
}

// The map and collision pictures, pixel for pixel, against drawing them cell by cell: each cell's
// 20 x 20 tile copied from the sheet, then a 21 x 21 box on the collision picture, later boxes
// over earlier ones. The sheet's tiles are shaded so that a row or column taken from the wrong
// place shows; a sheet cut short gives only what it holds.
TEST_F(LoadMapTest, MapPicturesMatchDrawingCellByCell)
{
    platform::gfx::Picture shaded(463, 106, 0x808080);
    for (int y = 0; y < shaded.height(); ++y)
        for (int x = 0; x < shaded.width(); ++x)
            if (x % 21 != 0 && y % 21 != 0)
                shaded.setPixel(x, y,
                                static_cast<platform::gfx::Rgb>(0x010000 * (x / 21 + 22 * (y / 21)) +
                                                                0x100 * (x % 21) + (y % 21)));
    platform::gfx::Picture cutShort(330, 50); // tile 16 is 14 pixels wide, tiles 45 .. 59 7 high
    platform::gfx::bitBlt(cutShort, 0, 0, 330, 50, shaded, 0, 0);

    const std::vector<std::string> codes = {"01", "6E", "6e", "11", "1B", "1b", "52", "00", "6F", "FF",
                                            "1",  "",   "zz", "2A", "5A", "6D", "16", "40", "10", "2D"};
    std::mt19937 pick(3);
    auto mapOf = [&](int cols, int rows) {
        std::vector<std::string> map;
        for (int y = 0; y < rows; ++y) {
            std::string row;
            for (int x = 0; x < cols; ++x) {
                // Row 5 is one tile throughout; row 7 runs of one tile grow longer along it.
                const std::size_t index = y == 5   ? 13
                                          : y == 7 ? static_cast<std::size_t>(std::sqrt(x))
                                                   : pick();
                const std::string& code = codes[index % codes.size()];
                row += code.size() == 2 ? code : code + std::string(2 - code.size(), '0');
            }
            // Short rows and codes that are not hexadecimal leave cells with no tile.
            map.push_back(y == 3 ? row.substr(0, row.size() / 2 + 1) : row);
        }
        return map;
    };

    struct Case
    {
        int cols, rows;
        const platform::gfx::Picture* sheet;
    };
    const Case cases[] = {{50, 50, &shaded}, {25, 25, &shaded}, {31, 27, &shaded}, {26, 40, &cutShort}};
    for (const Case& c : cases) {
        MissionText mission;
        mission.cols = c.cols;
        mission.rows = c.rows;
        mission.map = mapOf(c.cols, c.rows);
        loadMapBytes(*state, mission.bytes(), *c.sheet, random, fixedSeed());
        const BattleState& s = *state;

        platform::gfx::Picture map(20 * c.cols + 1, 20 * c.rows + 1);
        platform::gfx::Picture collision(20 * c.cols + 1, 20 * c.rows + 1, 0x123456);
        for (int y = 0; y < c.rows; ++y) {
            for (int x = 0; x < c.cols; ++x) {
                const std::string& code = s.TileGrid[x][y];
                const long long k = vb::hexValue(code);
                if (k >= 1 && k <= 110)
                    platform::gfx::bitBlt(map, 20 * x, 20 * y, 20, 20, *c.sheet, 1 + 21 * ((k - 1) % 22),
                                          1 + 21 * ((k - 1) / 22));
                const bool blocks = std::string_view(BlockCodes).find("*" + code + "*") != std::string::npos;
                collision.fillBox(20 * x, 20 * y, 20 * x + 20, 20 * y + 20, blocks ? kBlack : kWhite);
            }
        }
        ASSERT_EQ(s.MainMap.width(), map.width());
        ASSERT_EQ(s.MainMap.height(), map.height());
        EXPECT_TRUE(s.MainMap.image() == map.image()) << c.cols << " x " << c.rows;
        EXPECT_TRUE(s.ColMap.image() == collision.image()) << c.cols << " x " << c.rows;
    }
}

TEST_F(LoadMapTest, MissionEndingAfterItsObjectsHasNoEnemiesTroopOrScripts)
{
    state->TroopCount = 3;
    state->TroopTeam = 5;
    ASSERT_TRUE(loadFixture("full.cfm"));
    state->TroopCount = 3;
    ASSERT_TRUE(loadFixture("objects_only.cfm"));
    const BattleState& s = *state;
    for (int e = 1; e <= MaxEnemies; ++e)
        ASSERT_EQ(s.Dolls[e].State, DollEmpty) << e;
    for (int i = 0; i <= MaxSoldiers; ++i)
        EXPECT_FALSE(s.Alive[i]) << i;
    EXPECT_EQ(s.TroopCount, 3); // left as it was
    EXPECT_EQ(s.TroopTeam, 2);
    EXPECT_EQ(s.AnimState[1], 0);
    EXPECT_EQ(s.MissionAnimName[1], "");
    EXPECT_EQ(s.MissionAiName[1], "");
    EXPECT_EQ(s.CondState[7], 0);
    EXPECT_EQ(s.MissionCondIf[7][1], "");
    EXPECT_EQ(s.AnimTaskPending[1][1], "5");
    EXPECT_EQ(s.ObjState[3], ObjectOnMap);
    EXPECT_EQ(s.MapCols, 30);
    EXPECT_EQ(s.MapRows, 26);
    EXPECT_EQ(s.MainMap.width(), 601);
    EXPECT_EQ(s.MainMap.height(), 521);
    EXPECT_EQ(s.ColMap.pixel(25, 5), kWhite);
    EXPECT_EQ(s.MainMap.pixel(25, 5), tileColour(1));
}

TEST_F(LoadMapTest, MinesLieWithinFivePixelsOfTheirCellOthersOnIt)
{
    int lowX = 0, highX = 0, lowY = 0, highY = 0;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        random.seed(seed);
        ASSERT_TRUE(loadFixture("objects_only.cfm"));
        const double dx = state->ObjX[1] - 70;
        const double dy = state->ObjY[1] - 90;
        ASSERT_GE(dx, -5);
        ASSERT_LE(dx, 4);
        ASSERT_GE(dy, -5);
        ASSERT_LE(dy, 4);
        ASSERT_EQ(dx, static_cast<int>(dx));
        lowX = std::min(lowX, static_cast<int>(dx));
        highX = std::max(highX, static_cast<int>(dx));
        lowY = std::min(lowY, static_cast<int>(dy));
        highY = std::max(highY, static_cast<int>(dy));
        ASSERT_DOUBLE_EQ(state->ObjX[2], 110);
        ASSERT_DOUBLE_EQ(state->ObjY[3], 170);
    }
    EXPECT_EQ(lowX, -5);
    EXPECT_EQ(highX, 4);
    EXPECT_EQ(lowY, -5);
    EXPECT_EQ(highY, 4);
}

TEST_F(LoadMapTest, CellsOutsideASmallerMapKeepTheirCodeButAreNotDrawn)
{
    MissionText wide;
    wide.cols = 30;
    wide.map.assign(25, std::string(60, '1')); // every cell "11", blocking
    loadBytes(wide.bytes());
    ASSERT_TRUE(loadFixture("full.cfm"));
    EXPECT_EQ(state->TileGrid[27][0], "11");
    EXPECT_EQ(state->ColMap.width(), 501);
    EXPECT_EQ(state->ColMap.pixel(499, 5), kWhite);
}

TEST_F(LoadMapTest, MissingFileFailsAndLeavesTheRecords)
{
    ASSERT_TRUE(loadFixture("full.cfm"));
    const LoadResult result = loadFixture("nothere.cfm");
    EXPECT_FALSE(result);
    EXPECT_NE(result.message.find("nothere.cfm"), std::string::npos);
    EXPECT_EQ(state->Dolls[1].State, DollActive);
    EXPECT_EQ(state->TroopCount, 10);
}

// Files that break the format's limits keep what fits and still find the sections after the excess.
TEST_F(LoadMapTest, ExcessObjectsAndEnemiesAreSkipped)
{
    MissionText m;
    for (int i = 0; i < 60; ++i) {
        m.objects.push_back("01,03,04");
        m.enemies.push_back("04,05,06,None,0");
    }
    m.troop[1] = quoted("15");
    loadBytes(m.bytes());
    EXPECT_EQ(state->ObjState[49], ObjectOnMap);
    EXPECT_EQ(state->ObjectRaw[50].kind, "01");
    EXPECT_EQ(state->Dolls[50].State, DollActive);
    EXPECT_EQ(state->TroopCount, 10);
    EXPECT_FLOAT_EQ(state->SoldierX[1], 30);
    EXPECT_EQ(state->Clips[10], 1);
}

TEST_F(LoadMapTest, ExcessAnimationsLinesAndConditionsAreSkipped)
{
    MissionText m;
    for (int a = 1; a <= 45; ++a) {
        m.scripts.push_back("<Anim-a" + std::to_string(a) + ">");
        const int lines = a == 1 ? 60 : 1;
        for (int j = 1; j <= lines; ++j)
            m.scripts.push_back(quoted("0000,09," + std::to_string(j)));
        m.scripts.push_back("<-Anim>");
    }
    for (int k = 1; k <= 42; ++k)
        m.scripts.insert(m.scripts.end(),
                         {"<AniAI-b" + std::to_string(k) + ">", quoted("0000,08"), "<-AniAI>"});
    for (const char* number : {"000", "101", "150", "abc", "005"}) {
        m.scripts.insert(m.scripts.end(), {std::string("<Cond ") + number + ">", " 1 ", "<Se>"});
        for (int j = 1; j <= 12; ++j)
            m.scripts.push_back(quoted("06," + std::to_string(j)));
        m.scripts.insert(m.scripts.end(), {"<-Se>", "<Faz>"});
        for (int j = 1; j <= 12; ++j)
            m.scripts.push_back(quoted("02,d" + std::to_string(j)));
        m.scripts.insert(m.scripts.end(), {"<-Faz>", "<-Cond>"});
    }
    loadBytes(m.bytes());
    const BattleState& s = *state;
    EXPECT_EQ(s.MissionAnimTask[1][50], "0000,09,50");
    EXPECT_EQ(s.MissionAnimName[2], "a2");
    EXPECT_EQ(s.MissionAnimName[40], "a40");
    EXPECT_EQ(s.AnimState[40], 4);
    EXPECT_EQ(s.MissionAiName[40], "b40");
    EXPECT_EQ(s.AiTaskPending[40][1], 1);
    // Only condition 5 is inside 1..100; its first ten lines are kept.
    EXPECT_EQ(s.CondState[5], 4);
    EXPECT_EQ(s.MissionCondIf[5][10], "06,10");
    EXPECT_EQ(s.MissionCondDo[5][10], "02,d10");
    EXPECT_EQ(s.MissionCondOnce[5], 1);
    EXPECT_EQ(s.CondState[0], 0);
    EXPECT_EQ(s.CondState[100], 0);
    EXPECT_EQ(s.MissionCondIf[0][1], "");
}

TEST_F(LoadMapTest, MapSizesOutsideTheLimitsKeepWhatFits)
{
    struct Case
    {
        int cols, rows;
        int expectedCols, expectedRows;
    };
    for (const Case c : {Case{60, 55, 50, 50}, Case{10, 12, 10, 12}, Case{0, 0, 0, 0}, Case{-3, 30, 0, 30}}) {
        SCOPED_TRACE(testing::Message() << c.cols << " x " << c.rows);
        MissionText m;
        m.cols = c.cols;
        m.rows = c.rows;
        m.objects = {"04,02,02"};
        m.troop[0] = quoted("03,03");
        loadBytes(m.bytes());
        EXPECT_EQ(state->MapCols, c.expectedCols);
        EXPECT_EQ(state->MapRows, c.expectedRows);
        EXPECT_EQ(state->MainMap.width(), 20 * c.expectedCols + 1);
        EXPECT_EQ(state->ColMap.height(), 20 * c.expectedRows + 1);
        // The sections after the map are still found.
        EXPECT_EQ(state->ObjSprite[0], 8);
        EXPECT_EQ(state->ObjState[1], ObjectEmpty);
        EXPECT_FLOAT_EQ(state->SoldierX[1], 50);
    }
}

TEST_F(LoadMapTest, ShortLinesAndMissingSectionsLoadWithoutFailing)
{
    MissionText shortLines;
    shortLines.map.assign(25, "0");
    shortLines.objects = {"1", ""};
    shortLines.enemies = {"04", "04,05,05,Guard,"};
    shortLines.troop = {"\"", "", "\"", "x", "", ""};
    shortLines.scripts = {"<Anim", "<AniA", "<Cond", "", "<Resu"};
    const std::string cases[] = {
        shortLines.bytes(),
        "",
        "<Info>\r\n",
        battle_test::crlf({"<Info>", "\"t\"", "\"a\"", "25", "25", "<-Info>", "<Map>", "0101"}),
        battle_test::crlf({"<Info>", "\"t\"", "\"a\"", "25", "25", "<-Info>", "<Map>", "<-Map>", "<Objts>",
                           "\"01,01,01\"", "<-Objts>", "<Inimigos>", "\"04,01,01,None,0\""}),
        battle_test::crlf({"<Info>", "\"t\"", "\"a\"", "99999999999", "1e300", "<-Info>"}),
        MissionText{}.bytes() + "<Anim-x>\r\n\"0000,09\"\r\n",
        MissionText{}.bytes() + "<Cond 004>\r\n 1 \r\n<Se>\r\n\"01,03\"\r\n",
    };
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(bytes.substr(0, 40));
        loadBytes(bytes);
        EXPECT_LE(state->MapCols, MaxMapSize);
        EXPECT_LE(state->TroopCount, MaxSoldiers);
        EXPECT_EQ(state->MainMap.width(), 20 * state->MapCols + 1);
    }
    loadBytes(shortLines.bytes());
    EXPECT_EQ(state->TileGrid[0][0], "0");
    EXPECT_EQ(state->TileGrid[1][0], "");
    EXPECT_EQ(state->Dolls[2].AiName, "Guard");
    EXPECT_TRUE(state->Dolls[2].AiStartPending);
    EXPECT_EQ(state->ColMap.pixel(5, 5), kWhite);
}

TEST_F(LoadMapTest, BinaryGarbageLoadsWithoutFailing)
{
    std::mt19937 engine(11);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(engine() % 3000, '\0');
        for (char& c : bytes)
            c = static_cast<char>(engine() % 256);
        // Some rounds keep the skeleton of a mission so the readers past the header run too.
        if (round % 2 == 0)
            bytes = MissionText{}.bytes().substr(0, engine() % 1800) + bytes;
        loadBytes(bytes);
        ASSERT_LE(state->MapCols, MaxMapSize);
        ASSERT_LE(state->TroopCount, MaxSoldiers);
        ASSERT_GE(state->TroopCount, 0);
    }
}

// A mission the battle cannot play is told by its reason, section by section; every valid mission
// passes, as does one of map and objects only.
TEST(MissionCheck, TellsWhyAMissionCannotBePlayed)
{
    const auto sized = [](int cols, int rows) {
        MissionText m;
        m.cols = cols;
        m.rows = rows;
        return m.bytes();
    };
    const auto withTroopLine = [](std::size_t line, const std::string& text) {
        MissionText m;
        m.troop[line] = quoted(text);
        return m.bytes();
    };
    const std::vector<std::string> lines = platform::text::splitLines(MissionText{}.bytes());
    const auto withoutLine = [&lines](std::size_t index) {
        std::vector<std::string> kept = lines;
        kept.erase(kept.begin() + static_cast<std::ptrdiff_t>(index));
        return battle_test::crlf(kept);
    };
    const auto without = [&](const std::string& line) {
        return withoutLine(
            static_cast<std::size_t>(std::find(lines.begin(), lines.end(), line) - lines.begin()));
    };
    std::mt19937 engine(5);
    std::string random(2000, '\0');
    for (char& c : random)
        c = static_cast<char>(engine() % 256);
    MissionText shortMap;
    shortMap.map.assign(24, std::string(50, '1'));
    std::string objectsOnly;
    ASSERT_TRUE(platform::text::readFile(battle_test::fixturePath("objects_only.cfm"), objectsOnly));

    const std::string header = "its header can't be read";
    const std::string troop = "its troop can't be read";
    const struct
    {
        std::string name, bytes, reason; // an empty reason: the mission can be played
    } cases[] = {
        {"25 x 25", sized(25, 25), ""},
        {"50 x 50", sized(50, 50), ""},
        {"31 x 27", sized(31, 27), ""},
        {"map and objects only", objectsOnly, ""},
        {"empty", "", "it isn't a mission"},
        {"random bytes", random, "it isn't a mission"},
        {"0 x 0", sized(0, 0), "its map is 0 x 0 cells, not 25 to 50 a side"},
        {"5 x 5", sized(5, 5), "its map is 5 x 5 cells, not 25 to 50 a side"},
        {"24 wide", sized(24, 30), "its map is 24 x 30 cells, not 25 to 50 a side"},
        {"24 high", sized(30, 24), "its map is 30 x 24 cells, not 25 to 50 a side"},
        {"51 x 51", sized(51, 51), "its map is 51 x 51 cells, not 25 to 50 a side"},
        {"99 high", sized(25, 99), "its map is 25 x 99 cells, not 25 to 50 a side"},
        {"no <Info>", withoutLine(0), "it isn't a mission"},
        {"no title", withoutLine(1), header},
        {"no author", withoutLine(2), header},
        {"no width", withoutLine(3), header},
        {"no height", withoutLine(4), header},
        {"no <-Info>", withoutLine(5), header},
        {"no <Map>", withoutLine(6), header},
        {"a map row short", shortMap.bytes(), "its map can't be read"},
        {"no <-Objts>", without("<-Objts>"), "its objects can't be read"},
        {"no <Inimigos>", without("<Inimigos>"), "its enemies can't be read"},
        {"no <-Inimigos>", without("<-Inimigos>"), "its enemies can't be read"},
        {"no <Tropa>", without("<Tropa>"), troop},
        {"no <-Tropa>", without("<-Tropa>"), troop},
        {"leader left of the map", withTroopLine(0, "00,05"), troop},
        {"leader below the map", withTroopLine(0, "05,26"), troop},
        {"no soldier", withTroopLine(1, "0 "), troop},
        {"eleven soldiers", withTroopLine(1, "11"), troop},
        {"team 6", withTroopLine(2, "06"), troop},
        {"alignment 9", withTroopLine(3, "09"), troop},
        {"view 0", withTroopLine(4, "00"), troop},
        {"8 clips", withTroopLine(5, "8"), troop},
        {"no <Fim>", without("<Fim>"), "it ends before its last line, <Fim>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(unplayableReason(c.bytes).value_or(""), c.reason);
    }

    // A whole mission with scripts passes; cut anywhere before its last line, it does not.
    std::string full;
    ASSERT_TRUE(platform::text::readFile(battle_test::fixturePath("full.cfm"), full));
    EXPECT_EQ(unplayableReason(full), std::nullopt);
    const std::size_t last = full.rfind("<Fim>");
    for (std::size_t cut = 0; cut < last + 5; ++cut)
        ASSERT_NE(unplayableReason(full.substr(0, cut)), std::nullopt) << "cut after " << cut << " bytes";
}

// The battle never loads what the check refuses: the load fails with the briefing's words and
// leaves the last mission's records as they were.
TEST_F(LoadMapTest, AMissionThatCannotBePlayedIsNotLoaded)
{
    ASSERT_TRUE(loadFixture("full.cfm"));
    battle_test::ProgramFolder folder;
    MissionText tiny;
    tiny.cols = tiny.rows = 5;
    tiny.troop[0] = quoted("01,01");
    folder.write("tiny.cfm", tiny.bytes());
    const LoadResult result = LoadMap(*state, folder.path() + "/tiny.cfm", sheet, random, fixedSeed());
    EXPECT_FALSE(result);
    EXPECT_EQ(result.message, "The mission \"tiny\" of this campaign can't be played: its map is 5 x 5 "
                              "cells, not 25 to 50 a side.");
    EXPECT_EQ(state->MapCols, 25);
    EXPECT_EQ(state->Dolls[1].State, DollActive);
    EXPECT_EQ(state->MainMap.width(), 501);
}

} // namespace
