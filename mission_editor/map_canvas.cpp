#include "mission_editor/map_canvas.h"

#include "platform/text/vb.h"

#include <algorithm>

namespace plotwright {

namespace {

constexpr int MarkerSize = 10;
constexpr int TroopMarker = 0;
constexpr int FirstObjectMarker = 5; // object kind c uses marker c + 5

int cellTile(const MissionModel& model, int x, int y)
{
    return static_cast<int>(vb::hexValue(model.Map(x, y).view()));
}

int fieldValue(const std::string& item, int start)
{
    return static_cast<int>(vb::val(vb::mid(item, start, 2)));
}

// A cell that holds no palette tile: a magenta and black check with a white frame, which no
// tile of the palette looks like.
gfx::Picture noTilePattern()
{
    gfx::Picture pattern(TileStepX, TileStepY, 0x000000);
    for (int y = 0; y < TileStepY; ++y) {
        for (int x = 0; x < TileStepX; ++x) {
            if (((x / 5) + (y / 5)) % 2 == 0) {
                pattern.setPixel(x, y, 0xFF00FF);
            }
        }
    }
    pattern.box(0, 0, TileStepX - 1, TileStepY - 1, 0xFFFFFF);
    return pattern;
}

} // namespace

std::string windowCaption(const MissionModel& model)
{
    return "VEDE Gorsefield - Mission Editor - " + model.MissionFile + ".cfm as " + model.MissionTitle +
           " (" + std::to_string(model.MapWidth) + " x " + std::to_string(model.MapHeight) + ")";
}

int paletteTileAt(int x, int y, int currentTile)
{
    const int row = static_cast<int>(vb::intFloor(static_cast<double>(y) / CellPitch));
    const int column = static_cast<int>(vb::intFloor(static_cast<double>(x) / CellPitch));
    int tile = currentTile;
    if (row >= 0 && row < PaletteRows) {
        tile = row * PaletteColumns + column + 1;
    }
    if (tile > LastPickableTile) {
        tile = 1;
    }
    return tile;
}

PalettePoint paletteTileMiddle(int tile)
{
    const int row = (tile - 1) / PaletteColumns;
    const int column = (tile - 1) % PaletteColumns;
    return {1 + column * CellPitch + TileStepX / 2, 1 + row * CellPitch + TileStepY / 2};
}

bool onPaletteTile(PalettePoint point, int tile)
{
    if (!onPalette(tile) || point.x < 0 || point.y < 0) {
        return false;
    }
    return (tile - 1) / PaletteColumns == point.y / CellPitch &&
           (tile - 1) % PaletteColumns == point.x / CellPitch;
}

MapCanvas::MapCanvas(MissionModel& model) : m_model(model), m_noTile(noTilePattern())
{
    fitQuadro();
}

void MapCanvas::fitQuadro()
{
    const int width = quadroSize(m_model.MapWidth);
    const int height = quadroSize(m_model.MapHeight);
    if (Quadro.isNull()) {
        Quadro = gfx::Picture(width, height, GridColour);
    } else if (Quadro.width() != width || Quadro.height() != height) {
        Quadro.resize(width, height, GridColour);
    }
}

void MapCanvas::DrawTile(int px, int py, int code)
{
    if (code < 1 || code > PaletteColumns * PaletteRows) {
        gfx::bitBlt(Quadro, px, py, TileStepX, TileStepY, m_noTile, 0, 0);
        return;
    }
    const int row = (code - 1) / PaletteColumns;
    const int column = (code - 1) % PaletteColumns;
    gfx::bitBlt(Quadro, px, py, TileStepX, TileStepY, Paleta, 1 + column * CellPitch, 1 + row * CellPitch);
}

void MapCanvas::RefreshPoint(int dx, int dy)
{
    m_model.NeedRedraw = false;
    m_drawnValid = false;
    fitQuadro();
    if (dx < 1 || dx > MapColumns || dy < 1 || dy > MapColumns) {
        return;
    }
    DrawTile(1 + CellPitch * (dx - 1), 1 + CellPitch * (dy - 1), cellTile(m_model, dx, dy));
}

void MapCanvas::takeState(DrawnState& state, int x0, int y0, bool showObjects, bool showEnemies) const
{
    state.x0 = x0;
    state.y0 = y0;
    state.width = m_model.MapWidth;
    state.height = m_model.MapHeight;
    state.showObjects = showObjects;
    state.showEnemies = showEnemies;
    state.cells.clear();
    const int lastX = std::min({x0 + VisibleColumns - 1, m_model.MapWidth, MapColumns});
    const int lastY = std::min({y0 + VisibleRows - 1, m_model.MapHeight, MapColumns});
    for (int y = std::max(1, y0); y <= lastY; ++y) {
        for (int x = std::max(1, x0); x <= lastX; ++x) {
            state.cells.push_back(m_model.Map(x, y));
        }
    }
    state.objects = m_model.ObjList.items();
    state.enemies = m_model.DollList.items();
    state.troop = m_model.TroopPos;
    state.paleta = Paleta.image().cacheKey();
    state.markers = ObjtPic.image().cacheKey();
}

bool MapCanvas::RefreshArea(int hScrollValue, int vScrollValue, bool showObjects, bool showEnemies)
{
    m_model.NeedRedraw = false;
    const int oldWidth = Quadro.width();
    const int oldHeight = Quadro.height();
    fitQuadro();
    const int x0 = firstVisibleCell(hScrollValue);
    const int y0 = firstVisibleCell(vScrollValue);
    takeState(m_scratch, x0, y0, showObjects, showEnemies);
    if (m_drawnValid && m_scratch == m_drawn && Quadro.width() == oldWidth && Quadro.height() == oldHeight) {
        return false;
    }
    std::swap(m_drawn, m_scratch);
    m_drawnValid = true;
    // Cells past the map lie outside Quadro and leave no trace; the table ends at 100.
    const int lastX = std::min({x0 + VisibleColumns - 1, m_model.MapWidth, MapColumns});
    const int lastY = std::min({y0 + VisibleRows - 1, m_model.MapHeight, MapColumns});
    for (int y = std::max(1, y0); y <= lastY; ++y) {
        for (int x = std::max(1, x0); x <= lastX; ++x) {
            DrawTile(1 + (x - 1) * CellPitch, 1 + (y - 1) * CellPitch, cellTile(m_model, x, y));
        }
    }
    if (showObjects) {
        for (const std::string& item : m_model.ObjList.items()) {
            drawMarker(fieldValue(item, 1) + FirstObjectMarker, fieldValue(item, 4), fieldValue(item, 7));
        }
    }
    if (showEnemies) {
        for (const std::string& item : m_model.DollList.items()) {
            drawMarker(fieldValue(item, 1), fieldValue(item, 4), fieldValue(item, 7));
        }
    }
    if (m_model.TroopPos.size() == 15) {
        drawMarker(TroopMarker, fieldValue(m_model.TroopPos, 11), fieldValue(m_model.TroopPos, 14));
    }
    return true;
}

void MapCanvas::drawMarker(int marker, int x, int y)
{
    gfx::bitBlt(Quadro, CellPitch * x - TileStepX, CellPitch * y - TileStepY, MarkerSize, MarkerSize, ObjtPic,
                marker * (MarkerSize + 1) + 1, 1);
}

void MapCanvas::copyView(gfx::Picture& view, int scrollX, int scrollY) const
{
    if (Quadro.width() - scrollX < view.width() || Quadro.height() - scrollY < view.height() || scrollX < 0 ||
        scrollY < 0) {
        view.clear(GridColour);
    }
    gfx::bitBlt(view, 0, 0, ViewCopySize, ViewCopySize, Quadro, scrollX, scrollY);
}

} // namespace plotwright
