#include "tools/make_assets/soldier_art.h"

#include "tools/make_assets/sheet.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace assets {

namespace {

// A figure is drawn in material letters; a team's colours turn the letters into pixels, so that
// every uniform has the same outline and the sheet's one silhouette row fits them all.
//   h H k  helmet (or hood): base, light, dark     s S e  skin, shaded skin, eye
//   u U d  jacket: base, light, dark               b      belt and webbing
//   l L    trousers, shaded trousers               o      boots
//   g G w  rifle: metal, light metal, wooden stock c      magazine
//   r R    blood                                   x      outline (added around every figure)
//   ~ = *  water: surface, light ripple, foam
using Rows = std::vector<std::string>;

// Upper bodies, rows 0..13, 14 columns; the base directions. West-facing ones are mirrors.
// clang-format off
const Rows kUpperEast = {
    "..............",
    "..............",
    ".....hhhh.....",
    "....hHHhhh....",
    "....hhhhhhhh..",
    ".....kkssse...",
    ".....kdsss....",
    "......dss.....",
    ".....uUUu.....",
    "....wuUUugGGGG",
    "...wwuuusgg...",
    "....duuud.....",
    ".....bbbb.....",
    ".....uuud.....",
};
const Rows kUpperNorthEast = {
    "..............",
    "..............",
    ".....hhhh.....",
    "....hHHhhh....",
    "....hhhhhhh...",
    "....kkkkksk...",
    ".....ddsSd..gG",
    "......ddd..gG.",
    "....uUUuuugg..",
    "...uUUuuusg...",
    "...uuuuuud....",
    "...dduuudd....",
    "....bbbbb.....",
    "....uuuud.....",
};
const Rows kUpperNorth = {
    "..............",
    "..........G...",
    ".....hhhh.g...",
    "....hHHhhhg...",
    "....hhhhhhg...",
    "....kkkkkkg...",
    ".....dSSd.s...",
    "...uUUuuuus...",
    "...uUUuuuud...",
    "..uuuuuuuudu..",
    "..uduuuuuudu..",
    "..s.duuuud.s..",
    "....bbbbbb....",
    "....uuuuuu....",
};
const Rows kUpperSouthEast = {
    "..............",
    "..............",
    ".....hhhh.....",
    "....hHHhhh....",
    "....hhhhhhh...",
    "....ksesesk...",
    ".....sssss....",
    "......sss.....",
    "....uUUuuuu...",
    "...uUUuuuswg..",
    "...uuuuuuugGg.",
    "...dsuuuud.Gg.",
    "....bbbbbb..g.",
    "....uuuuuu....",
};
const Rows kUpperSouth = {
    "..............",
    "..............",
    ".....hhhh.....",
    "....hHHhhh....",
    "....hhhhhh....",
    "....kSeeSk....",
    ".....ssss.....",
    "......ss......",
    "....uUUuuu....",
    "...uUUuuuuw...",
    "...uuuuusgu...",
    "...suuuuugGs..",
    "....bbbbbgG...",
    "....uuuuugG...",
};

// Legs, rows 14..19, for the two walking phases of each kind of view.
const Rows kLegsFrontA = {
    "....llLLll....",
    "....ll..LL....",
    "....ll..LL....",
    "....oo..oo....",
    "....oo........",
    "..............",
};
const Rows kLegsFrontB = {
    "....llLLll....",
    "....ll..LL....",
    "....ll..LL....",
    "....oo..oo....",
    "........oo....",
    "..............",
};
const Rows kLegsSideA = {
    ".....lLLl.....",
    "....ll..LL....",
    "...ll....LL...",
    "..ooo....ooo..",
    "..............",
    "..............",
};
const Rows kLegsSideB = {
    ".....lLLl.....",
    ".....lLLl.....",
    ".....lLL......",
    ".....oooo.....",
    "..............",
    "..............",
};
const Rows kLegsDiagA = {
    "....llLLl.....",
    "....ll..LL....",
    "...ll....LL...",
    "...oo.....oo..",
    "...oo.........",
    "..............",
};
const Rows kLegsDiagB = {
    "....llLLl.....",
    ".....lLLl.....",
    ".....lLLl.....",
    ".....ooLo.....",
    ".......oo.....",
    "..............",
};
const Rows kLegsStand = {
    "....llLLll....",
    "....ll..LL....",
    "....ll..LL....",
    "....oo..oo....",
    "....oo..oo....",
    "..............",
};

// Reload poses, columns 28..34, the soldier facing the viewer (legs: kLegsStand).
const Rows kReload[7] = {
    {   // 28: rifle swung across the chest
        "..............",
        "..............",
        ".....hhhh.....",
        "....hHHhhh....",
        "....hhhhhh....",
        "....kSeeSk....",
        ".....ssss.....",
        "......ss......",
        "....uUUuuu.g..",
        "...uUUuuugG...",
        "...uuuusgu....",
        "..wsuugguu....",
        "..wwbgbbbb....",
        "....uuuuuu....",
    },
    {   // 29: muzzle down, the empty magazine drops out
        "..............",
        "..............",
        ".....hhhh.....",
        "....hHHhhh....",
        "....hhhhhh....",
        "....kSeeSk....",
        ".....ssss.....",
        "......ss......",
        "....uUUuuu....",
        "...uUUuuuuu...",
        "..wwsuuuuuu...",
        "...uggguuuu...",
        "....bbbsggg...",
        "....uucuuuGg..",
    },
    {   // 30: rifle level, hand at the belt pouch
        "..............",
        "..............",
        ".....hhhh.....",
        "....hHHhhh....",
        "....hhhhhh....",
        "....kSeeSk....",
        ".....ssss.....",
        "......ss......",
        "....uUUuuu....",
        "...uUUuuuuu...",
        "..wwggggggG...",
        "...suuuuuuu...",
        "....bbbbbsb...",
        "....uuuuuu....",
    },
    {   // 31: a fresh magazine comes up
        "..............",
        "..............",
        ".....hhhh.....",
        "....hHHhhh....",
        "....hhhhhh....",
        "....kSeeSk....",
        ".....ssss.....",
        "......ss......",
        "....uUUuuu....",
        "...uUUuuuucs..",
        "..wwggggggc...",
        "...suuuuuuu...",
        "....bbbbbbb...",
        "....uuuuuu....",
    },
    {   // 32: the magazine is pushed home
        "..............",
        "..............",
        ".....hhhh.....",
        "....hHHhhh....",
        "....hhhhhh....",
        "....kSeeSk....",
        ".....ssss.....",
        "......ss......",
        "....uUUuuu....",
        "...uUUuuuuu...",
        "..wwggggggG...",
        "...suucsuuu...",
        "....bbbbbbb...",
        "....uuuuuu....",
    },
    {   // 33: pulling the cocking handle
        "..............",
        "..............",
        ".....hhhh.....",
        "....hHHhhh....",
        "....hhhhhh....",
        "....kSeeSk....",
        ".....ssss.....",
        "......ss......",
        "....uUUuuu....",
        "...uUUuuuuu...",
        "..wwggggggGus.",
        "...suuuuuud...",
        "....bbbbbbb...",
        "....uuuuuu....",
    },
    {   // 34: rifle brought up, ready
        "..............",
        "..............",
        ".....hhhh.....",
        "....hHHhhh....",
        "....hhhhhh....",
        "....kSeeSk....",
        ".....ssss.....",
        "......ss...G..",
        "....uUUuuugg..",
        "...uUUuuusg...",
        "..wwsuuuuug...",
        "...uuuuuud....",
        "....bbbbbb....",
        "....uuuuuu....",
    },
};

// Victory: both arms up, rifle held high over the head.
const Rows kVictory = {
    ".gGGGGGGGGgw..",
    "..s.......s...",
    "..s..hhhh.s...",
    "..shhHHhhhs...",
    "..uhhhhhhhu...",
    "..ukSeeSkuu...",
    "...usssssu....",
    "....usssu.....",
    "....uUUuuu....",
    "....uUUuuu....",
    "....uuuuuu....",
    "....uuuuuu....",
    "....bbbbbb....",
    "....uuuuuu....",
    "....llLLll....",
    "....ll..LL....",
    "....ll..LL....",
    "....oo..oo....",
    "....oo..oo....",
    "..............",
};

// A body flung back by a hit: arms thrown up, the rifle flying out of the hands.
const Rows kFalling = {
    "..............",
    ".s.......gG...",
    ".su.....g.....",
    "..uu..hhhh....",
    "...uhhHHhhh...",
    "....hhhhhhuu..",
    "....kSeeSk.us.",
    ".....ssss.....",
    "....uUUuuu....",
    "...uUUuuuuu...",
    "...uuuuuuuu...",
    "....uuuuuu....",
    "....bbbbbb....",
    "....uuuuuu....",
    "....llLLll....",
    "...ll...LL....",
    "..ll.....LL...",
    ".oo.......oo..",
    "..............",
    "..............",
};

// A body lying on its back in a pool of blood, the rifle dropped beside it.
const Rows kLying = {
    "..............",
    "..............",
    "..............",
    "..............",
    "..............",
    "..............",
    "..............",
    "..............",
    "..............",
    "...wgGGGGg....",
    "......su......",
    "..hhh..u......",
    ".hSssduuuulllo",
    ".hseSduUUb....",
    ".hSssduuuulllo",
    "..hhh.uu......",
    ".rr...su.rRr..",
    "..rRRrrrrrr...",
    "...rrrRrr.....",
    "..............",
};
// clang-format on

struct Team
{
    Colour helmet, helmetLight, helmetDark;
    Colour skin, skinShade, eye;
    Colour jacket, jacketLight, jacketDark;
    Colour belt, trousers, trousersShade, boots;
};

// Green, blue, elite, gray, hooded.
const Team kTeamColours[kTeams] = {
    {0x4C6A24, 0x6E8E3A, 0x34491A, 0xE0A878, 0xB07850, 0x201810, 0x5E7E30, 0x7C9C48, 0x405824, 0x4A3A20,
     0x4A6024, 0x364818, 0x3A2A18},
    {0x2C4C9C, 0x5078C8, 0x1C3070, 0xE0A878, 0xB07850, 0x201810, 0x3A64C0, 0x5C88E0, 0x284890, 0x2A2A3A,
     0x2C4A8A, 0x203466, 0x1E1E2A},
    {0xB02828, 0xD85040, 0x701818, 0xD8A070, 0xA87048, 0x201810, 0x3C3C46, 0x5A5A66, 0x26262E, 0x8A2020,
     0x30303A, 0x202028, 0x141418},
    {0x5A6066, 0x7E868C, 0x3A3E42, 0xE0A878, 0xB07850, 0x201810, 0x8C8C90, 0xB0B0B4, 0x646468, 0x4A4038,
     0x6C6C70, 0x505054, 0x2E2A28},
    {0x5A3820, 0x7C5030, 0x3A2414, 0x9A6A48, 0x6A4430, 0xF0E0A0, 0x6A4A2A, 0x8A6A40, 0x4A321C, 0x2A1E14,
     0x3C2A1A, 0x2A1C12, 0x1A120C},
};

constexpr Colour kOutline = 0x14140F;

Colour materialColour(char m, const Team& t)
{
    switch (m) {
    case 'h':
        return t.helmet;
    case 'H':
        return t.helmetLight;
    case 'k':
        return t.helmetDark;
    case 's':
        return t.skin;
    case 'S':
        return t.skinShade;
    case 'e':
        return t.eye;
    case 'u':
        return t.jacket;
    case 'U':
        return t.jacketLight;
    case 'd':
        return t.jacketDark;
    case 'b':
        return t.belt;
    case 'l':
        return t.trousers;
    case 'L':
        return t.trousersShade;
    case 'o':
        return t.boots;
    case 'g':
        return 0x2E2E32;
    case 'G':
        return 0x6A6A72;
    case 'w':
        return 0x6A4424;
    case 'c':
        return 0x9A8A30;
    case 'r':
        return 0x8A1010;
    case 'R':
        return 0xB82020;
    case '~':
        return 0x3070B8;
    case '=':
        return 0x78B0E8;
    case '*':
        return 0xE0F0FF;
    case 'x':
        return kOutline;
    default:
        return kClear;
    }
}

// A figure in material letters, 14 x 20, '.' = nothing.
struct Figure
{
    std::array<std::string, kSoldierCellH> rows;

    Figure() { rows.fill(std::string(kSoldierCellW, '.')); }
    char at(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < kSoldierCellW && y < kSoldierCellH ? rows[y][x] : '.';
    }
    void set(int x, int y, char m)
    {
        if (x >= 0 && y >= 0 && x < kSoldierCellW && y < kSoldierCellH)
            rows[y][x] = m;
    }
};

Figure compose(const Rows& upper, const Rows& legs)
{
    Figure f;
    for (int y = 0; y < 14 && y < int(upper.size()); ++y)
        f.rows[y] = upper[y];
    for (int y = 0; y < int(legs.size()) && y + 14 < kSoldierCellH; ++y)
        f.rows[y + 14] = legs[y];
    return f;
}

Figure whole(const Rows& rows)
{
    Figure f;
    for (int y = 0; y < kSoldierCellH && y < int(rows.size()); ++y)
        f.rows[y] = rows[y];
    return f;
}

Figure mirrored(const Figure& f)
{
    Figure m;
    for (int y = 0; y < kSoldierCellH; ++y)
        m.rows[y] = std::string(f.rows[y].rbegin(), f.rows[y].rend());
    return m;
}

// Dark rim around the figure so that it reads on every ground.
Figure outlined(const Figure& f)
{
    Figure o = f;
    for (int y = 0; y < kSoldierCellH; ++y)
        for (int x = 0; x < kSoldierCellW; ++x) {
            if (f.at(x, y) != '.')
                continue;
            if (f.at(x - 1, y) != '.' || f.at(x + 1, y) != '.' || f.at(x, y - 1) != '.' ||
                f.at(x, y + 1) != '.')
                o.set(x, y, 'x');
        }
    return o;
}

// The soldier in water: the upper body sinks by `sink` rows and a ring of ripples closes round
// it at the waterline.
Figure wading(const Figure& f, int sink = 3)
{
    constexpr int waterline = 14; // first row under water, after sinking
    Figure w;
    for (int y = 0; y + sink < waterline; ++y)
        w.rows[y + sink] = f.rows[y];
    // Width of the body at the waterline decides the ring's extent.
    int left = kSoldierCellW, right = -1;
    for (int y = waterline - 3; y < waterline; ++y)
        for (int x = 0; x < kSoldierCellW; ++x)
            if (w.at(x, y) != '.' && w.at(x, y) != 'g' && w.at(x, y) != 'G' && w.at(x, y) != 'w') {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    if (right < 0) {
        left = 4;
        right = 9;
    }
    for (int x = left - 2; x <= right + 2; ++x) {
        bool edge = x < left || x > right;
        w.set(x, waterline, edge ? '=' : '*');
        w.set(x, waterline + 1, edge ? '~' : '=');
    }
    w.set(left - 3, waterline + 1, '=');
    w.set(right + 3, waterline + 1, '=');
    for (int x = left - 1; x <= right + 1; ++x)
        w.set(x, waterline + 2, (x + waterline) % 2 ? '=' : '~');
    return w;
}

Figure direction(int dir, int phase)
{
    // dir 1 east, then anticlockwise: 2 NE, 3 N, 4 NW, 5 W, 6 SW, 7 S, 8 SE.
    switch (dir) {
    case 1:
        return compose(kUpperEast, phase ? kLegsSideB : kLegsSideA);
    case 2:
        return compose(kUpperNorthEast, phase ? kLegsDiagB : kLegsDiagA);
    case 3:
        return compose(kUpperNorth, phase ? kLegsFrontB : kLegsFrontA);
    case 4:
        return mirrored(compose(kUpperNorthEast, phase ? kLegsDiagB : kLegsDiagA));
    case 5:
        return mirrored(compose(kUpperEast, phase ? kLegsSideB : kLegsSideA));
    case 6:
        return mirrored(compose(kUpperSouthEast, phase ? kLegsDiagB : kLegsDiagA));
    case 7:
        return compose(kUpperSouth, phase ? kLegsFrontB : kLegsFrontA);
    default:
        return compose(kUpperSouthEast, phase ? kLegsDiagB : kLegsDiagA);
    }
}

// The figure that a column of the sheet shows; empty for the columns the game never reads.
Figure figureForColumn(int column)
{
    if (column >= 1 && column <= 8)
        return direction(column, 0); // striding: one walking phase (modes 0 and 2)
    if (column >= 9 && column <= 16)
        return direction(column - 8, 1); // legs together: standing and the other phase (mode 1)
    if (column == 17)
        return whole(kFalling);
    if (column == 18)
        return whole(kLying);
    if (column == 19)
        return whole(kVictory);
    if (column >= 20 && column <= 27)
        return wading(direction(column - 19, 1));
    if (column >= 28 && column <= 34)
        return compose(kReload[column - 28], kLegsStand);
    if (column >= 35 && column <= 41)
        // Reloading in water the soldier ducks to the shoulders. These cells are also what the
        // game draws under a body lying in water (columns 17 and 18 plus 19), where the low
        // figure mostly hides under the body and its ripples read as the splash round it.
        return wading(compose(kReload[column - 35], kLegsStand), 5);
    if (column == 42)
        return wading(whole(kVictory));
    return Figure();
}

Canvas render(const Figure& f, const Team& team)
{
    Canvas c(kSoldierCellW, kSoldierCellH, kClear);
    for (int y = 0; y < kSoldierCellH; ++y)
        for (int x = 0; x < kSoldierCellW; ++x)
            c.set(x, y, materialColour(f.at(x, y), team));
    return c;
}

} // namespace

Canvas soldierCell(int team, int column)
{
    Figure f = figureForColumn(column);
    bool empty = true;
    for (const std::string& row : f.rows)
        if (row.find_first_not_of('.') != std::string::npos)
            empty = false;
    if (!empty)
        f = outlined(f);
    return render(f, kTeamColours[(team - 1) % kTeams]);
}

Canvas soldierSheet()
{
    const int width = 1 + kSoldierPitchX * kSoldierColumns;
    const int height = 1 + kSoldierPitchY * (kTeams + 1);
    Canvas sheet(width, height, kWhite);
    sheet.rect(0, 0, width, kSoldierPitchY, kBlack); // the silhouette row's band
    for (int column = 1; column <= kSoldierColumns; ++column) {
        int x = 1 + kSoldierPitchX * (column - 1);
        for (int team = 1; team <= kTeams; ++team) {
            Canvas cell = soldierCell(team, column);
            // Every team shares the silhouette row, and every team's figure has the same shape.
            placeShaped(sheet, cell, x, 1 + kSoldierPitchY * team, x, 1, Style::SilhouetteThenSprite);
        }
    }
    return sheet;
}

} // namespace assets
