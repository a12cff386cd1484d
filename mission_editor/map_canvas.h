#pragma once
// The map as the editor draws it: the whole map in the off-screen picture `Quadro`, one 20 x 20
// tile from the palette `Paleta` per cell at a pitch of 21 pixels (a one-pixel grid line between
// cells), with the markers of the troop's start, the enemies and the objects from the strip
// `ObjtPic` drawn over the tiles. Only the cells of the visible window are redrawn.

#include "mission_editor/files/mission_model.h"

#include "platform/gfx/picture.h"

#include <string>
#include <vector>

namespace plotwright {

namespace gfx = platform::gfx;

inline constexpr int TileStepX = 20;
inline constexpr int TileStepY = 20;
inline constexpr int CellPitch = TileStepX + 1; // map and palette cells lie 21 pixels apart
inline constexpr int ViewWidth = 484;           // the visible canvas `AreaVisivel`
inline constexpr int ViewHeight = 358;
inline constexpr int ViewCopySize = 500;  // the block copied from Quadro to the canvas
inline constexpr int VisibleColumns = 24; // cells of the drawn window
inline constexpr int VisibleRows = 20;
inline constexpr int PaletteWidth = 463; // 22 x 5 cells of 20 x 20 with 1-pixel gaps
inline constexpr int PaletteHeight = 106;
inline constexpr int PaletteColumns = 22;
inline constexpr int PaletteRows = 5;
inline constexpr int LastPickableTile = 106; // tiles 107 .. 110 cannot be picked from the palette

inline constexpr gfx::Rgb GridColour = 0x404040; // Quadro's background: the lines between tiles

// Quadro's width (height) for a map of `cells` columns (rows).
constexpr int quadroSize(int cells)
{
    return 1 + cells * CellPitch;
}
constexpr int hScrollMax(int mapWidth)
{
    return mapWidth * CellPitch - 483;
}
constexpr int vScrollMax(int mapHeight)
{
    return mapHeight * CellPitch - 399 + 2 * TileStepY;
}
// First column (row) of the drawn window for a scroll bar's value.
constexpr int firstVisibleCell(int scrollValue)
{
    return scrollValue / CellPitch + 1;
}
// The scroll bars are shown only when the map is larger than the canvas.
constexpr bool hScrollVisible(int mapWidth)
{
    return mapWidth > 23;
}
constexpr bool vScrollVisible(int mapHeight)
{
    return mapHeight > 19;
}

// The main window's caption for the mission.
std::string windowCaption(const MissionModel& model);

// The tile that a click on the palette at pixel (x, y) picks; `currentTile` when the click lies
// below the five rows. Column 22 spills into the next row; tiles past 106 fall back to tile 1.
int paletteTileAt(int x, int y, int currentTile);

// A pixel of the palette picture.
struct PalettePoint
{
    int x = 0;
    int y = 0;
};
// True when tile number `tile` has a cell on the palette (1 .. 110).
constexpr bool onPalette(int tile)
{
    return tile >= 1 && tile <= PaletteColumns * PaletteRows;
}
// The middle of the cell of tile `tile` (1 .. 110) on the palette.
PalettePoint paletteTileMiddle(int tile);
// True when `point` lies on the cell of tile `tile` or on the grid line above or left of it.
bool onPaletteTile(PalettePoint point, int tile);

class MapCanvas
{
public:
    explicit MapCanvas(MissionModel& model);

    // Quadro's size for the model's map, keeping what it holds.
    void fitQuadro();

    // Draws tile number `code` (1 .. 110) with its top-left corner at (px, py) of Quadro. Any
    // other value draws a "no tile" pattern.
    void DrawTile(int px, int py, int code);

    // Redraws cell (dx, dy), 1 .. 100; markers are left as they are. Both redraws clear the
    // model's NeedRedraw.
    void RefreshPoint(int dx, int dy);

    // Redraws the cells of the 24 x 20 window whose first cell the scroll bars' values give,
    // then every marker: objects and enemies when their boxes are checked, the troop's start
    // when it is placed. Later markers cover earlier ones. A redraw that would draw exactly what
    // the last one drew (same window, cells, markers and pictures, and no cell repainted since)
    // is skipped, since the edit loop asks for one on every turn; gives true when Quadro changed.
    bool RefreshArea(int hScrollValue, int vScrollValue, bool showObjects, bool showEnemies);
    // Makes the next RefreshArea draw whatever it finds.
    void invalidate() { m_drawnValid = false; }

    // Copies the 500 x 500 block of Quadro at (scrollX, scrollY) to the view's top-left corner.
    // What Quadro does not cover shows the grid colour.
    void copyView(gfx::Picture& view, int scrollX, int scrollY) const;

    gfx::Picture Quadro;
    gfx::Picture Paleta;  // map.bmp
    gfx::Picture ObjtPic; // the 122 x 12 marker strip

private:
    // What a RefreshArea drew from: equal states draw equal pixels.
    struct DrawnState
    {
        int x0 = 0, y0 = 0, width = 0, height = 0;
        bool showObjects = false, showEnemies = false;
        std::vector<TileText> cells;
        std::vector<std::string> objects, enemies;
        std::string troop;
        qint64 paleta = 0, markers = 0;
        bool operator==(const DrawnState&) const = default;
    };

    void drawMarker(int marker, int x, int y);
    void takeState(DrawnState& state, int x0, int y0, bool showObjects, bool showEnemies) const;

    MissionModel& m_model;
    gfx::Picture m_noTile;
    DrawnState m_drawn;
    DrawnState m_scratch;
    bool m_drawnValid = false;
};

} // namespace plotwright
