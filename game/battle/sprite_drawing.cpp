#include "game/battle/sprite_drawing.h"

#include "platform/text/vb.h"

#include <algorithm>
#include <cmath>

namespace tolvar::battle {

using platform::gfx::Picture;
using platform::gfx::RasterOp;

namespace {

// Far enough outside every picture, near enough that adding a cell size cannot overflow.
constexpr long long PixelLimit = 1 << 24;

// Cell layouts.
constexpr int DollWidth = 14, DollHeight = 20, DollPitchX = 15, DollPitchY = 21;
constexpr int DollSecondBlock = 120; // eight columns on
constexpr int DollWaterCell = 285;   // nineteen columns on
constexpr int FireSize = 7;
constexpr int PointerSize = 29;
constexpr int MarkerSize = 12, MarkerPitch = 13;
constexpr int MedalSize = 11, MedalPitch = 12;
constexpr int ObjectSize = 14, ObjectPitch = 15;
constexpr int EffectSize = 32, EffectPitch = 33;
constexpr int ButtonWidth = 37, ButtonHeight = 48, ButtonPitch = 38;
constexpr int StripWidth = 75, StripHeight = 16;
constexpr int BarWidth = 8, BarHeight = 10, BarPitch = 9;
constexpr int MenuGlyphWidth = 17, MenuGlyphHeight = 18, MenuGlyphPitch = 18;

// Cell n's left edge on a sheet of the given pitch.
constexpr int cellX(int n, int pitch)
{
    return 1 + pitch * (n - 1);
}

// Two copies of the same cell size at the same place: the shaping one, then the sprite.
void shaped(Picture& dst, int x, int y, int w, int h, const Picture& sheet, int sx1, int sy1, RasterOp op1,
            int sx2, int sy2, RasterOp op2)
{
    platform::gfx::bitBlt(dst, x, y, w, h, sheet, sx1, sy1, op1);
    platform::gfx::bitBlt(dst, x, y, w, h, sheet, sx2, sy2, op2);
}

} // namespace

int toPixel(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(vb::nearest(value), -PixelLimit, PixelLimit));
}

void DrawDoll(Picture& MainFrame, const BattleSheets& sheets, double x, double y, int team, int c, int mode,
              int terrain)
{
    if (c > 8 && (mode == 0 || mode == 1))
        c = 1;
    const int sx = (c - 1) * DollPitchX + 1;
    const int sy = (team - 1) * DollPitchY + 1;
    const int left = toPixel(x) + sheets.SpriteOffsetX;
    const int top = toPixel(y) + sheets.SpriteOffsetY;
    auto cell = [&](int cellLeft) {
        shaped(MainFrame, left, top, DollWidth, DollHeight, sheets.SPP, cellLeft, 1, RasterOp::Or, cellLeft,
               sy + DollPitchY, RasterOp::And);
    };
    if (terrain == 1) {
        if (mode == 0)
            cell(sx);
        else if (mode == 1)
            cell(sx + DollSecondBlock);
    } else if (terrain == 2) {
        cell(sx + DollWaterCell);
    }
    if (mode == 2)
        cell(sx);
}

void DrawFire(Picture& MainFrame, const BattleSheets& sheets, double x, double y)
{
    shaped(MainFrame, toPixel(x) - 2, toPixel(y) - 2 + sheets.FireOffsetY, FireSize, FireSize, sheets.Fires,
           9, 1, RasterOp::And, 1, 1, RasterOp::Or);
}

void DrawPointer(Picture& MainFrame, const BattleSheets& sheets, double x, double y, int kind)
{
    if (kind == 1) {
        shaped(MainFrame, toPixel(x - 14.5), toPixel(y - 14.5), PointerSize, PointerSize, sheets.Ponteiro, 1,
               1, RasterOp::And, 31, 1, RasterOp::Or);
    } else {
        shaped(MainFrame, toPixel(x), toPixel(y), PointerSize, PointerSize, sheets.Ponteiro, 61, 1,
               RasterOp::And, 91, 1, RasterOp::Or);
    }
}

void DrawMoveAnim(Picture& MainFrame, const BattleSheets& sheets, double x, double y, int frame)
{
    const int sx = cellX(frame, MarkerPitch);
    shaped(MainFrame, toPixel(x) - 6, toPixel(y) - 6, MarkerSize, MarkerSize, sheets.MoveAnim, sx,
           1 + MarkerPitch, RasterOp::And, sx, 1, RasterOp::Or);
}

void DrawMedal(Picture& MainFrame, const BattleSheets& sheets, double x, double y, int cell)
{
    shaped(MainFrame, toPixel(x) + sheets.SpriteOffsetX + 1, toPixel(y) + 2 * sheets.SpriteOffsetY, MedalSize,
           MedalSize, sheets.Medals, 1, 1, RasterOp::Or, cellX(cell, MedalPitch), 1, RasterOp::And);
}

void DrawMapOBJT(Picture& MainFrame, const BattleSheets& sheets, double x, double y, int cell)
{
    const int sx = cellX(cell, ObjectPitch);
    shaped(MainFrame, toPixel(x) - 6, toPixel(y) - 8, ObjectSize, ObjectSize, sheets.MapObjts, sx,
           1 + ObjectPitch, RasterOp::And, sx, 1, RasterOp::Or);
}

void DrawEfect(Picture& MainFrame, const BattleSheets& sheets, double x, double y, int cell)
{
    const int sx = cellX(cell, EffectPitch);
    shaped(MainFrame, toPixel(x) - 10, toPixel(y) - 24, EffectSize, EffectSize, sheets.Efect, sx,
           1 + EffectPitch, RasterOp::And, sx, 1, RasterOp::Or);
}

void DrawPmP(Picture& MainFrame, const BattleSheets& sheets, double x, double y, int cell, int row)
{
    const int sx = cellX(cell, ButtonPitch);
    if (row == 0) {
        platform::gfx::bitBlt(MainFrame, toPixel(x), toPixel(y), ButtonWidth, ButtonHeight, sheets.PmP, sx,
                              1);
    } else if (row > 0) {
        platform::gfx::bitBlt(MainFrame, toPixel(x), toPixel(y), StripWidth, StripHeight, sheets.PmP, sx,
                              (row - 1) * StripHeight + 1);
    }
}

void DrawBarOBJT(Picture& MainFrame, const BattleSheets& sheets, double x, double y, int cell, int mode)
{
    const int sx = cellX(cell, BarPitch);
    const int left = toPixel(x), top = toPixel(y);
    switch (mode) {
    case 1:
        platform::gfx::bitBlt(MainFrame, left, top, BarWidth, BarHeight, sheets.ShowBar, sx, 1);
        break;
    case 2:
        platform::gfx::bitBlt(MainFrame, left, top, BarWidth, BarHeight, sheets.ShowBar, sx, 1, RasterOp::Or);
        break;
    case 3:
        shaped(MainFrame, left, top, BarWidth, BarHeight, sheets.ShowBar, sx, 10, RasterOp::And, sx, 1,
               RasterOp::Or);
        break;
    default:
        break;
    }
}

void DrawMenuOBJT(Picture& MainFrame, const BattleSheets& sheets, double x, double y, int cell, int mode)
{
    const int sx = cellX(cell, MenuGlyphPitch);
    const int left = toPixel(x), top = toPixel(y);
    switch (mode) {
    case 1:
        platform::gfx::bitBlt(MainFrame, left, top, MenuGlyphWidth, MenuGlyphHeight, sheets.MenuBar, sx, 1);
        break;
    case 2:
        platform::gfx::bitBlt(MainFrame, left, top, MenuGlyphWidth, MenuGlyphHeight, sheets.MenuBar, sx, 1,
                              RasterOp::And);
        break;
    case 3:
        shaped(MainFrame, left, top, MenuGlyphWidth, MenuGlyphHeight, sheets.MenuBar, sx, 10, RasterOp::And,
               sx, 1, RasterOp::Or);
        break;
    default:
        break;
    }
}

} // namespace tolvar::battle
