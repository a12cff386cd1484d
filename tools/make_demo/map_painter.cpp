#include "tools/make_demo/map_painter.h"

#include "tools/make_demo/tiles.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace make_demo {

MapPainter::MapPainter(int width, int height)
    : m_width(width), m_height(height), m_tiles(static_cast<std::size_t>(width) * height, tile::Grass),
      m_road(static_cast<std::size_t>(width) * height, false),
      m_roadEnd(static_cast<std::size_t>(width) * height, false)
{
}

int MapPainter::index(int x, int y) const
{
    if (!inside(x, y)) {
        throw std::out_of_range("cell " + std::to_string(x) + "," + std::to_string(y) + " is off the map");
    }
    return (y - 1) * m_width + (x - 1);
}

int MapPainter::at(int x, int y) const
{
    return m_tiles[static_cast<std::size_t>(index(x, y))];
}

void MapPainter::set(int x, int y, int t)
{
    m_tiles[static_cast<std::size_t>(index(x, y))] = t;
}

void MapPainter::fill(int t)
{
    std::fill(m_tiles.begin(), m_tiles.end(), t);
}

void MapPainter::rect(int x1, int y1, int x2, int y2, int t)
{
    for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y) {
        for (int x = std::min(x1, x2); x <= std::max(x1, x2); ++x) {
            set(x, y, t);
        }
    }
}

void MapPainter::scatter(int x1, int y1, int x2, int y2, std::initializer_list<int> tiles, int percent,
                         std::uint32_t seed, std::initializer_list<int> over)
{
    const std::vector<int> choices(tiles);
    std::uint32_t state = seed * 2654435761u + 12345u;
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y) {
        for (int x = std::min(x1, x2); x <= std::max(x1, x2); ++x) {
            const std::uint32_t roll = next() % 100;
            const std::uint32_t pick = next();
            if (roll >= static_cast<std::uint32_t>(percent) || isRoad(x, y)) {
                continue;
            }
            if (std::find(over.begin(), over.end(), at(x, y)) == over.end()) {
                continue;
            }
            set(x, y, choices[pick % choices.size()]);
        }
    }
}

void MapPainter::road(int x1, int y1, int x2, int y2)
{
    if (x1 != x2 && y1 != y2) {
        throw std::invalid_argument("a road stroke runs along one row or one column");
    }
    for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y) {
        for (int x = std::min(x1, x2); x <= std::max(x1, x2); ++x) {
            m_road[static_cast<std::size_t>(index(x, y))] = true;
        }
    }
}

void MapPainter::roadEnd(int x, int y)
{
    m_roadEnd[static_cast<std::size_t>(index(x, y))] = true;
}

void MapPainter::building(int firstTile, int x, int y)
{
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            set(x + column, y + row, firstTile + 3 * row + column);
        }
    }
}

bool MapPainter::isRoad(int x, int y) const
{
    return inside(x, y) && m_road[static_cast<std::size_t>(index(x, y))];
}

bool MapPainter::joinsRoad(int x, int y) const
{
    return isRoad(x, y) || (inside(x, y) && m_roadEnd[static_cast<std::size_t>(index(x, y))]);
}

void MapPainter::finish()
{
    for (int y = 1; y <= m_height; ++y) {
        for (int x = 1; x <= m_width; ++x) {
            if (!isRoad(x, y)) {
                continue;
            }
            // A road that reaches the map's edge runs on beyond it.
            const bool n = joinsRoad(x, y - 1) || (y == 1 && isRoad(x, y + 1));
            const bool s = joinsRoad(x, y + 1) || (y == m_height && isRoad(x, y - 1));
            const bool w = joinsRoad(x - 1, y) || (x == 1 && isRoad(x + 1, y));
            const bool e = joinsRoad(x + 1, y) || (x == m_width && isRoad(x - 1, y));
            const int here = at(x, y);
            if (here == tile::Water || here == tile::BridgeAcross || here == tile::BridgeUp) {
                set(x, y, (e || w) ? tile::BridgeAcross : tile::BridgeUp);
                continue;
            }
            const int mask = (n ? 8 : 0) | (e ? 4 : 0) | (s ? 2 : 0) | (w ? 1 : 0);
            static constexpr int byMask[16] = {
                tile::RoadEW, tile::RoadW,   tile::RoadS,   tile::RoadSW,   tile::RoadE,  tile::RoadEW,
                tile::RoadES, tile::RoadESW, tile::RoadN,   tile::RoadNW,   tile::RoadNS, tile::RoadNSW,
                tile::RoadNE, tile::RoadNEW, tile::RoadNES, tile::RoadNESW,
            };
            set(x, y, byMask[mask]);
        }
    }
}

} // namespace make_demo
