#include "game/battle/sprite_drawing.h"

#include "sprite_test_sheets.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using namespace tolvar::battle;
using namespace sprite_test;
using platform::gfx::kBlack;
using platform::gfx::kWhite;

struct DollCase
{
    int team, c, mode, terrain;
    int leftColumn;  // column shown in the cell's left half; 0 = nothing drawn
    int rightColumn; // water column shown in its right half; 0 = background
};

class DrawDollTest : public ::testing::TestWithParam<DollCase>
{
};

TEST_P(DrawDollTest, DrawsTheCellOfColumnModeAndTerrain)
{
    const DollCase k = GetParam();
    const BattleSheets sheets = makeSheets();
    Picture frame(120, 80, Background);
    DrawDoll(frame, sheets, 50.5, 40, k.team, k.c, k.mode, k.terrain); // x rounds to 50
    if (k.leftColumn == 0) {
        expectOnlyRect(frame, 0, 0, 0, 0);
        return;
    }
    const Rgb right = k.rightColumn ? cellColour(SPP, k.team, k.rightColumn) : Background;
    expectRect(frame, 44, 23, 14, 20, 7, cellColour(SPP, k.team, k.leftColumn), right);
    expectOnlyRect(frame, 44, 23, 14, 20);
}

INSTANTIATE_TEST_SUITE_P(Cells, DrawDollTest,
                         ::testing::Values(DollCase{2, 3, 0, 1, 3, 0},   // first block
                                           DollCase{2, 3, 1, 1, 11, 0},  // second block
                                           DollCase{1, 9, 0, 1, 1, 0},   // past 8 wraps to 1
                                           DollCase{1, 9, 1, 1, 9, 0},   // wraps, then the second block
                                           DollCase{1, 9, 2, 1, 9, 0},   // the plain column, no wrap
                                           DollCase{5, 17, 2, 1, 17, 0}, // a body on land
                                           DollCase{3, 3, 0, 2, 22, 22}, // in water only the water cell
                                           DollCase{3, 3, 1, 2, 22, 22}, DollCase{3, 3, 3, 2, 22, 22},
                                           DollCase{4, 17, 2, 2, 17, 36}, // the body over its water cell
                                           DollCase{2, 3, 3, 1, 0, 0},    // mode 3 on land draws nothing
                                           DollCase{2, 3, 0, 0, 0, 0}));  // no terrain, no block

TEST(DrawDoll, RoundsThePointHalfToEven)
{
    const BattleSheets sheets = makeSheets();
    Picture frame(120, 80, Background);
    DrawDoll(frame, sheets, 51.5, 40.5, 1, 1, 0, 1); // (52, 40)
    expectRect(frame, 46, 23, 14, 20, 7, cellColour(SPP, 1, 1), Background);
    expectOnlyRect(frame, 46, 23, 14, 20);
}

TEST(DrawPointer, KindOneIsCentredOtherKindsHangFromThePoint)
{
    const BattleSheets sheets = makeSheets();
    for (int kind : {1, 2, 0}) {
        SCOPED_TRACE(kind);
        Picture frame(160, 160, Background);
        DrawPointer(frame, sheets, 100, 100, kind);
        const int corner = kind == 1 ? 86 : 100; // covers 86..114 or 100..128
        const int cell = kind == 1 ? 2 : 4;
        expectRect(frame, corner, corner, 29, 29, 14, cellColour(Ponteiro, 0, cell), Background);
        expectOnlyRect(frame, corner, corner, 29, 29);
    }
}

TEST(DrawPointer, ClippedAtTheFrameEdge)
{
    const BattleSheets sheets = makeSheets();
    Picture frame(40, 40, Background);
    DrawPointer(frame, sheets, 2, 3, 1); // top-left at (-12, -12)
    expectRect(frame, 0, 0, 2, 17, 2, cellColour(Ponteiro, 0, 2), Background);
    EXPECT_EQ(frame.pixel(2, 0), Background);
    EXPECT_EQ(frame.pixel(0, 17), Background);
}

TEST(DrawDoll, PointsFarOutsideTheFrameDrawNothing)
{
    const BattleSheets sheets = makeSheets();
    Picture frame(40, 40, Background);
    // 2^32 + 20 would wrap round to 20 in a 32-bit pixel.
    for (double far : {1e12, -1e12, 4294967316.0, -4294967276.0}) {
        DrawDoll(frame, sheets, far, 20, 1, 1, 0, 1);
        DrawDoll(frame, sheets, 20, far, 1, 1, 0, 1);
        DrawPointer(frame, sheets, far, far, 1);
    }
    expectOnlyRect(frame, 0, 0, 0, 0);
}

struct CellCase
{
    std::string name;
    std::function<void(Picture&, const BattleSheets&)> draw;
    int x, y, w, h, shaped; // where the cell lands; w = 0: nothing drawn
    Rgb left, right;
};

TEST(SheetCells, LandOnTheirPlacesWithTheirRasterOperations)
{
    const CellCase cases[] = {
        {"fire", [](Picture& f, const BattleSheets& s) { DrawFire(f, s, 50, 40); }, 48, 28, 7, 7, 3,
         cellColour(Fires, 0, 1), Background},
        {"marker frame 3", [](Picture& f, const BattleSheets& s) { DrawMoveAnim(f, s, 50, 40, 3); }, 44, 34,
         12, 12, 6, cellColour(MoveAnim, 0, 3), Background},
        {"medal 4", [](Picture& f, const BattleSheets& s) { DrawMedal(f, s, 50, 40, 4); }, 45, 6, 11, 11, 5,
         cellColour(Medals, 0, 4), Background},
        {"medal 1 is the bare silhouette",
         [](Picture& f, const BattleSheets& s) { DrawMedal(f, s, 50, 40, 1); }, 45, 6, 11, 11, 5, kWhite,
         kBlack},
        {"map object 7", [](Picture& f, const BattleSheets& s) { DrawMapOBJT(f, s, 50, 40, 7); }, 44, 32, 14,
         14, 7, cellColour(MapObjts, 0, 7), Background},
        {"effect 2", [](Picture& f, const BattleSheets& s) { DrawEfect(f, s, 50, 40, 2); }, 40, 16, 32, 32,
         16, cellColour(Efect, 0, 2), Background},
        {"menu button 6", [](Picture& f, const BattleSheets& s) { DrawPmP(f, s, 20, 30, 6, 0); }, 20, 30, 37,
         48, 37, cellColour(PmP, 0, 6), 0},
        {"menu strip 2", [](Picture& f, const BattleSheets& s) { DrawPmP(f, s, 20, 30, 10, 2); }, 20, 30, 75,
         16, 75, cellColour(PmP, 2, 10), 0},
        {"bar copy", [](Picture& f, const BattleSheets& s) { DrawBarOBJT(f, s, 20, 30, 5, 1); }, 20, 30, 8,
         10, 4, cellColour(ShowBar, 0, 5), kBlack},
        {"bar or", [](Picture& f, const BattleSheets& s) { DrawBarOBJT(f, s, 20, 30, 5, 2); }, 20, 30, 8, 10,
         4, cellColour(ShowBar, 0, 5) | Background, Background},
        {"menu glyph copy", [](Picture& f, const BattleSheets& s) { DrawMenuOBJT(f, s, 20, 30, 4, 1); }, 20,
         30, 17, 18, 8, cellColour(MenuBar, 0, 4), kWhite},
        {"menu glyph and", [](Picture& f, const BattleSheets& s) { DrawMenuOBJT(f, s, 20, 30, 4, 2); }, 20,
         30, 17, 18, 8, cellColour(MenuBar, 0, 4) & Background, Background},
        {"bar mode 0", [](Picture& f, const BattleSheets& s) { DrawBarOBJT(f, s, 20, 30, 5, 0); }, 0, 0, 0, 0,
         0, 0, 0},
        {"bar mode 4", [](Picture& f, const BattleSheets& s) { DrawBarOBJT(f, s, 20, 30, 5, 4); }, 0, 0, 0, 0,
         0, 0, 0},
        {"menu glyph mode 0", [](Picture& f, const BattleSheets& s) { DrawMenuOBJT(f, s, 20, 30, 4, 0); }, 0,
         0, 0, 0, 0, 0, 0},
        {"menu glyph mode 7", [](Picture& f, const BattleSheets& s) { DrawMenuOBJT(f, s, 20, 30, 4, 7); }, 0,
         0, 0, 0, 0, 0, 0},
    };
    const BattleSheets sheets = makeSheets();
    for (const CellCase& k : cases) {
        SCOPED_TRACE(k.name);
        Picture frame(120, 100, Background);
        k.draw(frame, sheets);
        if (k.w > 0)
            expectRect(frame, k.x, k.y, k.w, k.h, k.shaped, k.left, k.right);
        expectOnlyRect(frame, k.x, k.y, k.w, k.h);
    }
}

} // namespace
