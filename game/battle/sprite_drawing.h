#pragma once
// The battle's drawing procedures: each copies one cell of one sprite sheet onto the frame being
// composed (`MainFrame`, map pixels). Points are passed as numbers and rounded to whole pixels,
// halves to the even one; what falls outside the frame is clipped, and a cell number outside its
// sheet copies whatever lies at the computed place.
//
// Shaped sprites are drawn in one of two ways: mask (black shape on white) ANDed, then sprite
// (shape on black) ORed; or silhouette (white shape on black) ORed, then sprite (shape on white)
// ANDed.

#include "game/battle/battle_sheets.h"
#include "platform/gfx/picture.h"

namespace tolvar::battle {

// A soldier or an enemy: the 14 x 20 cell of column `c` in the row of `team`, its top-left corner
// at the point plus the sprite offsets. Mode 0 and 1 are the first and second block of eight
// directions (a column past 8 wraps to 1); mode 2 is the plain column. On terrain 2 (water) the
// water cell, 19 columns on, is drawn first whatever the mode; any other mode draws only that.
void DrawDoll(platform::gfx::Picture& MainFrame, const BattleSheets& sheets, double x, double y, int team,
              int c, int mode, int terrain);

// The 7 x 7 fire flash just above the point.
void DrawFire(platform::gfx::Picture& MainFrame, const BattleSheets& sheets, double x, double y);

// A 29 x 29 mouse pointer: kind 1 is centred on the point, any other kind hangs from it.
void DrawPointer(platform::gfx::Picture& MainFrame, const BattleSheets& sheets, double x, double y, int kind);

// Frame `frame` (the battle's `MoveMarkFrame`) of the 12 x 12 move-order marker, centred.
void DrawMoveAnim(platform::gfx::Picture& MainFrame, const BattleSheets& sheets, double x, double y,
                  int frame);

// An 11 x 11 rank medal above the head of the figure at the point; cell 1 is the silhouette.
void DrawMedal(platform::gfx::Picture& MainFrame, const BattleSheets& sheets, double x, double y, int cell);

// A 14 x 14 map object or wreck.
void DrawMapOBJT(platform::gfx::Picture& MainFrame, const BattleSheets& sheets, double x, double y, int cell);

// A 32 x 32 explosion or effect.
void DrawEfect(platform::gfx::Picture& MainFrame, const BattleSheets& sheets, double x, double y, int cell);

// A menu button, plain copy with its top-left corner at the point: row 0 is the 37 x 48 button
// `cell`; row 1 or more the 75 x 16 text strip of that row starting at column `cell`.
void DrawPmP(platform::gfx::Picture& MainFrame, const BattleSheets& sheets, double x, double y, int cell,
             int row);

// An 8 x 10 status-bar glyph at the point: mode 1 copy, 2 OR, 3 mask then glyph; others nothing.
void DrawBarOBJT(platform::gfx::Picture& MainFrame, const BattleSheets& sheets, double x, double y, int cell,
                 int mode);

// A 17 x 18 menu-bar glyph at the point: mode 1 copy, 2 AND, 3 mask then glyph; others nothing.
void DrawMenuOBJT(platform::gfx::Picture& MainFrame, const BattleSheets& sheets, double x, double y, int cell,
                  int mode);

// A coordinate rounded to a whole pixel, halves to the even one; values far outside any picture
// stay far outside without overflowing.
int toPixel(double value);

} // namespace tolvar::battle
