#pragma once
// Small synthetic sprite sheets for pixel checks of the battle's drawing: every cell is one flat
// colour that names its sheet, row and column, shaped in its left half (the right half is
// transparent), with a green border and green gaps between the cells.

#include "game/battle/battle_sheets.h"
#include "platform/gfx/picture.h"

#include <gtest/gtest.h>

namespace sprite_test {

using platform::gfx::Picture;
using platform::gfx::Rgb;

constexpr Rgb Background = 0x5A5A5A; // the frame under the sprites
constexpr Rgb Gap = 0x00FF00;

enum Sheet { SPP = 1, Fires, Ponteiro, MoveAnim, Medals, MapObjts, Efect, PmP, ShowBar, MenuBar };

// The colour of a cell: its sheet, row (0 = first sprite row, for SPP the team code) and column.
inline Rgb cellColour(int sheet, int row, int column)
{
    return 0x800000u + static_cast<Rgb>(sheet) * 0x10000u + static_cast<Rgb>(row) * 0x100u +
           static_cast<Rgb>(column);
}

// Paints a w x h rectangle: the left `shaped` columns in `inside`, the rest in `outside`.
inline void paint(Picture& sheet, int x, int y, int w, int h, int shaped, Rgb inside, Rgb outside)
{
    if (shaped > 0)
        sheet.fillBox(x, y, x + shaped - 1, y + h - 1, inside);
    if (shaped < w)
        sheet.fillBox(x + shaped, y, x + w - 1, y + h - 1, outside);
}

// A mask-then-sprite cell: the sprite (shape on black) at (x, spriteY), the mask (black shape on
// white) at (x, maskY).
inline void maskedCell(Picture& sheet, int x, int spriteY, int maskY, int w, int h, Rgb colour)
{
    paint(sheet, x, spriteY, w, h, w / 2, colour, platform::gfx::kBlack);
    paint(sheet, x, maskY, w, h, w / 2, platform::gfx::kBlack, platform::gfx::kWhite);
}

// All ten sheets in their cell layouts.
inline tolvar::battle::BattleSheets makeSheets()
{
    using platform::gfx::kBlack;
    using platform::gfx::kWhite;
    tolvar::battle::BattleSheets s;

    // Soldiers: 61 columns, silhouette row and five team rows. Columns 20 and on are the water
    // cells, shaped over the whole cell; the others in their left half.
    s.SPP = Picture(1 + 15 * 61, 1 + 21 * 6, Gap);
    for (int col = 1; col <= 61; ++col) {
        const int x = 1 + 15 * (col - 1);
        const int shaped = col >= 20 ? 14 : 7;
        paint(s.SPP, x, 1, 14, 20, shaped, kWhite, kBlack);
        for (int team = 1; team <= 5; ++team)
            paint(s.SPP, x, 1 + 21 * team, 14, 20, shaped, cellColour(SPP, team, col), kWhite);
    }

    s.Fires = Picture(16, 9, Gap);
    paint(s.Fires, 1, 1, 7, 7, 3, cellColour(Fires, 0, 1), kBlack);
    paint(s.Fires, 9, 1, 7, 7, 3, kBlack, kWhite);

    s.Ponteiro = Picture(1 + 30 * 4, 31, Gap);
    for (int kind = 0; kind < 2; ++kind) {
        const int maskX = 1 + 60 * kind;
        paint(s.Ponteiro, maskX, 1, 29, 29, 14, kBlack, kWhite);
        paint(s.Ponteiro, maskX + 30, 1, 29, 29, 14, cellColour(Ponteiro, 0, 2 + 2 * kind), kBlack);
    }

    s.MoveAnim = Picture(1 + 13 * 5, 27, Gap);
    for (int f = 1; f <= 5; ++f)
        maskedCell(s.MoveAnim, 1 + 13 * (f - 1), 1, 14, 12, 12, cellColour(MoveAnim, 0, f));

    // Medals: cell 1 is the silhouette (white shape on black), the medals are shapes on white.
    s.Medals = Picture(1 + 12 * 19, 13, Gap);
    paint(s.Medals, 1, 1, 11, 11, 5, kWhite, kBlack);
    for (int c = 2; c <= 19; ++c)
        paint(s.Medals, 1 + 12 * (c - 1), 1, 11, 11, 5, cellColour(Medals, 0, c), kWhite);

    s.MapObjts = Picture(1 + 15 * 9, 31, Gap);
    for (int c = 1; c <= 9; ++c)
        maskedCell(s.MapObjts, 1 + 15 * (c - 1), 1, 16, 14, 14, cellColour(MapObjts, 0, c));

    s.Efect = Picture(1 + 33 * 4, 67, Gap);
    for (int c = 1; c <= 4; ++c)
        maskedCell(s.Efect, 1 + 33 * (c - 1), 1, 34, 32, 32, cellColour(Efect, 0, c));

    // Menu buttons 1..9 on row 0, the three text strips at cell 10.
    s.PmP = Picture(419, 50, Gap);
    for (int c = 1; c <= 9; ++c)
        s.PmP.fillBox(1 + 38 * (c - 1), 1, 37 + 38 * (c - 1), 48, cellColour(PmP, 0, c));
    for (int row = 1; row <= 3; ++row)
        s.PmP.fillBox(343, 1 + 16 * (row - 1), 343 + 74, 16 * row, cellColour(PmP, row, 10));

    // Status-bar glyphs are shapes on black, menu-bar glyphs shapes on white.
    s.ShowBar = Picture(1 + 9 * 7, 20, Gap);
    for (int c = 1; c <= 7; ++c)
        paint(s.ShowBar, 1 + 9 * (c - 1), 1, 8, 10, 4, cellColour(ShowBar, 0, c), kBlack);
    s.MenuBar = Picture(1 + 18 * 5, 20, Gap);
    for (int c = 1; c <= 5; ++c)
        paint(s.MenuBar, 1 + 18 * (c - 1), 1, 17, 18, 8, cellColour(MenuBar, 0, c), kWhite);
    return s;
}

// Checks that the w x h rectangle at (x, y) shows `left` in its first `shaped` columns and
// `right` in the rest.
inline void expectRect(const Picture& frame, int x, int y, int w, int h, int shaped, Rgb left, Rgb right)
{
    for (int dy = 0; dy < h; ++dy)
        for (int dx = 0; dx < w; ++dx) {
            const Rgb want = dx < shaped ? left : right;
            if (frame.pixel(x + dx, y + dy) != want) {
                ADD_FAILURE() << "pixel (" << x + dx << ", " << y + dy << ") is " << std::hex
                              << frame.pixel(x + dx, y + dy) << ", expected " << want;
                return;
            }
        }
}

// Checks that nothing but the w x h rectangle at (x, y) differs from the background.
inline void expectOnlyRect(const Picture& frame, int x, int y, int w, int h)
{
    for (int py = 0; py < frame.height(); ++py)
        for (int px = 0; px < frame.width(); ++px) {
            if (px >= x && px < x + w && py >= y && py < y + h)
                continue;
            if (frame.pixel(px, py) != Background) {
                ADD_FAILURE() << "pixel (" << px << ", " << py << ") outside the cell was drawn";
                return;
            }
        }
}

} // namespace sprite_test
