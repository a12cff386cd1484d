#pragma once
// Tile numbers of the palette (map.bmp) that the demo maps are painted with.

namespace make_demo::tile {

inline constexpr int Grass = 1, Water = 2, Sand = 3, Asphalt = 4, Flowers = 5, Pebbles = 6, Tufts = 7,
                     DryGrass = 8, Mud = 9, Puddles = 10, Marsh = 11, Rubble = 12, Earth = 13, Ploughed = 14,
                     Crater = 15, ForestFloor = 16;
// Blocking.
inline constexpr int Tree = 17, Pine = 18, Bush = 19, Boulder = 20, SandRocks = 21, Palm = 22,
                     WaterRocks = 23, DeadTree = 24, Sandbags = 25, Wire = 26, Crates = 27;
// One-tile roads on grass, named by the sides they join (N, E, S, W).
inline constexpr int RoadEW = 28, RoadNS = 29, RoadES = 30, RoadSW = 31, RoadNE = 32, RoadNW = 33,
                     RoadNESW = 34, RoadESW = 36, RoadNEW = 37, RoadNES = 38, RoadNSW = 39, RoadE = 40,
                     RoadW = 41, RoadS = 42, RoadN = 43;
inline constexpr int Scorched = 35, BridgeAcross = 44, BridgeUp = 45, Concrete = 46, Meadow = 49,
                     WoodFloor = 56, StoneFloor = 57, Carpet = 58, Cobbles = 59, Helipad = 60,
                     RailAcross = 61, RailUp = 62, DoorAcross = 63, DoorUp = 64, WideRoadAcross = 65,
                     WideRoadUp = 66, SteelDeck = 77, Wheat = 78, CrackedConcrete = 79, DarkWood = 80,
                     WhiteTiles = 81;
// Blocking.
inline constexpr int StoneWall = 82, BrickWall = 83, Bunker = 84, Container = 85, FuelDrums = 86,
                     BurntCar = 87, Tent = 88;
// The first tile of the 3 x 3 buildings (rows of three, top row first).
inline constexpr int House = 89, Barracks = 98;

// True for the tiles that stop soldiers and bullets.
constexpr bool blocks(int t)
{
    return (t >= Tree && t <= Crates) || t >= StoneWall;
}

} // namespace make_demo::tile
