#pragma once
// Paints a mission's map from the tile palette: areas, scattered trees and grass, roads that
// join up by themselves (with bridges where they cross water), rivers, walls and buildings.

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace make_demo {

class MapPainter
{
public:
    MapPainter(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool inside(int x, int y) const { return x >= 1 && x <= m_width && y >= 1 && y <= m_height; }

    // Tile number of cell (x, y), 1-based. The road tiles are settled by `finish`.
    int at(int x, int y) const;
    void set(int x, int y, int tile);
    void fill(int tile);
    void rect(int x1, int y1, int x2, int y2, int tile);
    // Replaces about `percent` of the cells of the area that hold `over` by tiles drawn from
    // `tiles`; the same seed paints the same cells.
    void scatter(int x1, int y1, int x2, int y2, std::initializer_list<int> tiles, int percent,
                 std::uint32_t seed, std::initializer_list<int> over = {1});
    // A road along a straight row or column; roads that meet are joined when the map is finished,
    // and a road over water becomes a bridge.
    void road(int x1, int y1, int x2, int y2);
    // A cell that roads run up to and join, keeping its own tile (a door, a gate).
    void roadEnd(int x, int y);
    // A 3 x 3 building whose top-left cell is (x, y).
    void building(int firstTile, int x, int y);

    // Settles the road tiles. Call once, after the last stroke.
    void finish();

private:
    bool isRoad(int x, int y) const;
    bool joinsRoad(int x, int y) const;
    int index(int x, int y) const;

    int m_width;
    int m_height;
    std::vector<int> m_tiles;
    std::vector<bool> m_road;
    std::vector<bool> m_roadEnd;
};

} // namespace make_demo
