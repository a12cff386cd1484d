#include "tools/make_demo/scenery.h"

#include "tools/make_demo/tiles.h"

namespace make_demo {

void meadow(MapPainter& map, int x1, int y1, int x2, int y2, std::uint32_t seed)
{
    map.scatter(
        x1, y1, x2, y2,
        {tile::Flowers, tile::Pebbles, tile::Tufts, tile::Tufts, tile::Tufts, tile::Flowers, tile::DryGrass},
        20, seed);
}

void forest(MapPainter& map, int x1, int y1, int x2, int y2, int percent, std::uint32_t seed)
{
    map.rect(x1, y1, x2, y2, tile::ForestFloor);
    map.scatter(x1, y1, x2, y2, {tile::Tree, tile::Tree, tile::Pine, tile::Pine, tile::Bush}, percent, seed,
                {tile::ForestFloor});
}

void riverDown(MapPainter& map, int y1, int y2, int width, int (*left)(int y))
{
    for (int y = y1; y <= y2; ++y) {
        for (int x = left(y); x < left(y) + width; ++x) {
            if (map.inside(x, y)) {
                map.set(x, y, tile::Water);
            }
        }
    }
}

void wallBox(MapPainter& map, int x1, int y1, int x2, int y2, int wallTile)
{
    for (int x = x1; x <= x2; ++x) {
        map.set(x, y1, wallTile);
        map.set(x, y2, wallTile);
    }
    for (int y = y1; y <= y2; ++y) {
        map.set(x1, y, wallTile);
        map.set(x2, y, wallTile);
    }
}

} // namespace make_demo
