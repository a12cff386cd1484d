#include "game/battle/status_display.h"

#include "game/battle/battle_numbers.h"
#include "game/battle/sprite_drawing.h"
#include "platform/text/vb.h"

#include <algorithm>

namespace tolvar::battle {

namespace {

using platform::gfx::kBlack;

constexpr platform::gfx::Rgb RosterTextColour = 0xFFFF00; // yellow

const platform::gfx::Font& rosterFont()
{
    static const platform::gfx::Font font{"Terminal", 6, true};
    return font;
}

// Glyph cells of the status bar and the menu bar.
constexpr int ClipGlyph = 1;
constexpr int ButtonClosedGlyph = 4;
constexpr int ButtonOpenGlyph = 5;

// Menu buttons: row 0 cells, and the text strips of cell 10.
constexpr int MusicOffCell = 1, MusicOnCell = 2;
constexpr int SoundOffCell = 3, SoundOnCell = 4;
constexpr int TrackCell = 5, CurrentTrackCell = 6, MissingTrackCell = 7;
constexpr int RandomOnCell = 8, RandomOffCell = 9;
constexpr int TextStrips = 10;
constexpr int QuitRow = 1, ResumeRow = 2, PlayTrackRow = 3;

// The button of track k, or 0 when the track shows none.
int trackCell(const GameState& game, int k)
{
    if (k == game.CurrentTrack)
        return CurrentTrackCell;
    const std::string& avail = game.TrackAvail[static_cast<std::size_t>(k)];
    if (avail == "on")
        return TrackCell;
    if (avail == "off")
        return MissingTrackCell;
    return 0;
}

} // namespace

void drawRosterDisplay(Battle& battle, const BattleSheets& sheets)
{
    BattleState& s = *battle.state;
    platform::gfx::Picture& frame = s.MainFrame;
    const int count = std::clamp(s.TroopCount, 0, MaxSoldiers);
    const int cx = s.CameraX;
    const int cy = s.CameraY;
    frame.fillBox(cx + 10, cy + 15, cx + 208, cy + 16 + 12 * count, kBlack);
    for (int i = 1; i <= count; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        const int yi = 12 * (i - 1);
        DrawBarOBJT(frame, sheets, cx + 12, cy + 17 + yi, s.TroopTeam + 2, 1);
        DrawMedal(frame, sheets, cx + 28, cy + 50 + yi, toInteger(s.MedalLevel[slot] + 1));
        for (int j = 1; j <= s.Clips[slot]; ++j) {
            const int x = cx + 152 + 10 * (j - 1);
            if (x >= frame.width())
                break; // the rest would fall outside the frame
            DrawBarOBJT(frame, sheets, x, cy + 17 + yi, ClipGlyph, 1);
        }
        frame.print(cx + 37, cy + 19 + yi, s.SoldierName[slot], rosterFont(), RosterTextColour);
        frame.print(cx + 132, cy + 19 + yi, vb::printNumber(s.Rounds[slot]), rosterFont(), RosterTextColour);
    }
}

void drawStatusBarDisplay(Battle& battle, const BattleSheets& sheets)
{
    BattleState& s = *battle.state;
    platform::gfx::Picture& frame = s.MainFrame;
    const int cx = s.CameraX;
    const int cy = s.CameraY;
    if (s.PointerMode == "13") {
        DrawMenuOBJT(frame, sheets, cx + 10, cy, ButtonClosedGlyph, 2);
    } else if (s.PointerMode == "14") {
        frame.fillBox(cx + 8, cy + 18, cx + 29, cy + 79, kBlack);
        DrawMenuOBJT(frame, sheets, cx + 10, cy, ButtonOpenGlyph, 2);
        for (int k = 1; k <= 3; ++k)
            DrawMenuOBJT(frame, sheets, cx + 10, cy + 20 * k, k, 1);
    }
}

void drawMenuDisplay(Battle& battle, const BattleSheets& sheets, double mx, double my)
{
    BattleState& s = *battle.state;
    const GameState& game = battle.game;
    platform::gfx::Picture& frame = s.MainFrame;
    const double ox = s.CameraX + mx;
    const double oy = s.CameraY + my;
    for (int k = 1; k <= TrackCount; ++k) {
        const int cell = trackCell(game, k);
        if (cell == 0)
            continue;
        const int column = k <= 5 ? k - 1 : k - 6;
        DrawPmP(frame, sheets, ox + 9 + 37 * column, oy + (k <= 5 ? 50 : 98), cell, 0);
    }
    DrawPmP(frame, sheets, ox + 9, oy + 1, game.MusicOn ? MusicOnCell : MusicOffCell, 0);
    DrawPmP(frame, sheets, ox + 157, oy + 1, game.SoundOn ? SoundOnCell : SoundOffCell, 0);
    DrawPmP(frame, sheets, ox + 157, oy + 147, game.RandomTrack ? RandomOnCell : RandomOffCell, 0);
    DrawPmP(frame, sheets, ox + 64, oy + 10, TextStrips, QuitRow);
    DrawPmP(frame, sheets, ox + 10, oy + 150, TextStrips, PlayTrackRow);
    DrawPmP(frame, sheets, ox + 64, oy + 183, TextStrips, ResumeRow);
}

} // namespace tolvar::battle
