#include "tools/make_assets/tile_painters.h"

#include "tools/make_assets/sheet.h"

#include <cmath>
#include <utility>

namespace assets::tiles {

namespace {

constexpr double kPi = 3.14159265358979323846;

Colour withGrassAround(int x, int y, bool inside, const Texture& t)
{
    return inside ? t(x, y) : grass(x, y);
}

} // namespace

Canvas fromTexture(const Texture& t)
{
    Canvas c(kSize, kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            c.set(x, y, t(x, y));
    return c;
}

double n(int x, int y, int seed)
{
    return hash01(((x % 20) + 20) % 20, ((y % 20) + 20) % 20, seed);
}
double sn(int x, int y, int cell, int seed)
{
    return smoothNoise(x, y, cell, 20, seed);
}

// Ground textures; every one repeats every 20 pixels so that tiles join without seams.
Colour grass(int x, int y)
{
    double v = sn(x, y, 5, 11) * 0.6 + n(x, y, 12) * 0.4;
    Colour c = mix(0x3E7A2A, 0x5C9A38, v);
    if (n(x, y, 13) > 0.93)
        c = 0x6EAE44; // lit blade
    else if (n(x, y, 14) > 0.94)
        c = 0x2E6020; // shadowed blade
    return c;
}

Colour dryGrass(int x, int y)
{
    double v = sn(x, y, 5, 21) * 0.6 + n(x, y, 22) * 0.4;
    Colour c = mix(0x8A8A3A, 0xA8A24E, v);
    if (n(x, y, 23) > 0.92)
        c = 0xC0B860;
    return c;
}

Colour sand(int x, int y)
{
    double v = sn(x, y, 4, 31) * 0.5 + n(x, y, 32) * 0.5;
    Colour c = mix(0xCDB070, 0xE2C888, v);
    if (n(x, y, 33) > 0.95)
        c = 0xA88C50;
    return c;
}

Colour earth(int x, int y)
{
    double v = sn(x, y, 4, 41) * 0.5 + n(x, y, 42) * 0.5;
    Colour c = mix(0x7A5A34, 0x94703E, v);
    if (n(x, y, 43) > 0.94)
        c = 0x5E4426;
    return c;
}

Colour mud(int x, int y)
{
    double v = sn(x, y, 5, 51) * 0.7 + n(x, y, 52) * 0.3;
    Colour c = mix(0x4A3420, 0x6A4C2C, v);
    if (n(x, y, 53) > 0.93)
        c = 0x7C5C36;
    return c;
}

Colour water(int x, int y)
{
    double wave = std::sin(2 * kPi * (x + 2 * y) / 20.0 + sn(x, y, 5, 61) * 3.0);
    double v = sn(x, y, 10, 62) * 0.5 + 0.5 * (wave * 0.5 + 0.5);
    Colour c = mix(0x1E4E96, 0x2E68B4, v);
    if (wave > 0.93 && n(x, y, 63) > 0.3)
        c = 0x7AAEE6; // glint on a wave crest
    return c;
}

Colour asphalt(int x, int y)
{
    double v = n(x, y, 71) * 0.6 + sn(x, y, 5, 72) * 0.4;
    Colour c = mix(0x44484C, 0x585C60, v);
    if (n(x, y, 73) > 0.95)
        c = 0x6C7074;
    return c;
}

Colour concrete(int x, int y)
{
    double v = n(x, y, 81) * 0.5 + sn(x, y, 5, 82) * 0.5;
    Colour c = mix(0x9A9890, 0xB2B0A6, v);
    int lx = ((x % 20) + 20) % 20, ly = ((y % 20) + 20) % 20;
    if (lx == 0 || ly == 0)
        c = 0x84827A; // slab joint
    return c;
}

// --- small painters -------------------------------------------------------------------------

void shadowDisc(Canvas& c, double cx, double cy, double r)
{
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d <= r)
                c.set(x, y, shade(c.at(x, y), 0.6));
        }
}

// A round canopy lit from the top left, with leafy speckles and a dark rim.
void canopy(Canvas& c, double cx, double cy, double r, Colour dark, Colour mid, Colour light, int seed)
{
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            double wobble = (hash01(x, y, seed) - 0.5) * 1.6;
            double d = std::hypot(dx, dy) + wobble * 0.6;
            if (d > r)
                continue;
            double lit = -(dx + dy) / (r * 1.6) + hash01(x, y, seed + 1) * 0.5 - 0.1;
            Colour col = lit > 0.35 ? light : lit > -0.25 ? mid : dark;
            if (d > r - 1.0)
                col = shade(dark, 0.75);
            c.set(x, y, col);
        }
}

void rock(Canvas& c, double cx, double cy, double rx, double ry, int seed)
{
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            double d = std::sqrt(dx * dx + dy * dy) + (hash01(x, y, seed) - 0.5) * 0.15;
            if (d > 1.0)
                continue;
            double lit = -(dx + dy * 1.2);
            Colour col = lit > 0.5 ? 0xB4B0A8 : lit > -0.2 ? 0x8E8A82 : 0x68645E;
            if (hash01(x, y, seed + 3) > 0.85)
                col = shade(col, 0.88);
            if (d > 0.86)
                col = 0x4A4642;
            c.set(x, y, col);
        }
}

// --- roads ------------------------------------------------------------------------------------

// A one-tile road: a 12-pixel band of asphalt from the centre to each connected edge.
Canvas road(bool north, bool east, bool south, bool west)
{
    Canvas c = fromTexture(grass);
    constexpr int a = 4, b = 15; // band from column/row 4 to 15
    auto inRoad = [&](int x, int y) {
        bool centre = x >= a && x <= b && y >= a && y <= b;
        bool n = north && x >= a && x <= b && y < a;
        bool s = south && x >= a && x <= b && y > b;
        bool w = west && y >= a && y <= b && x < a;
        bool e = east && y >= a && y <= b && x > b;
        return centre || n || s || w || e;
    };
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            if (inRoad(x, y))
                c.set(x, y, asphalt(x, y));
    // Kerbs: a light edge where asphalt meets grass, and a soft shadow on the grass side.
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            if (!inRoad(x, y))
                continue;
            bool edge = false;
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                int nx = x + dx, ny = y + dy;
                if (nx < 0 || ny < 0 || nx >= kSize || ny >= kSize)
                    continue;
                if (!inRoad(nx, ny))
                    edge = true;
            }
            if (edge)
                c.set(x, y, 0x8C8C84);
        }
    // Centre line dashes along each arm.
    const Colour paint = 0xE8D060;
    auto dashX = [&](int x0, int x1) {
        for (int x = x0; x <= x1; ++x)
            if (((x + 20) % 8) < 4) {
                c.set(x, 9, paint);
                c.set(x, 10, paint);
            }
    };
    auto dashY = [&](int y0, int y1) {
        for (int y = y0; y <= y1; ++y)
            if (((y + 20) % 8) < 4) {
                c.set(9, y, paint);
                c.set(10, y, paint);
            }
    };
    int arms = int(north) + int(east) + int(south) + int(west);
    bool straightH = east && west && !north && !south;
    bool straightV = north && south && !east && !west;
    if (straightH)
        dashX(0, 19);
    else if (straightV)
        dashY(0, 19);
    else if (arms == 1) {
        if (east)
            dashX(12, 19);
        if (west)
            dashX(0, 7);
        if (north)
            dashY(0, 7);
        if (south)
            dashY(12, 19);
    } else {
        if (east)
            dashX(16, 19);
        if (west)
            dashX(0, 3);
        if (north)
            dashY(0, 3);
        if (south)
            dashY(16, 19);
    }
    return c;
}

// A paved area with its border towards grass on the given sides (n, e, s, w) and, for an
// outer corner, the rounded grass corner.
Canvas pavedEdge(const Texture& pave, bool n, bool e, bool s, bool w)
{
    Canvas c(kSize, kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            int border = 5;
            bool grassy = (n && y < border) || (s && y >= kSize - border) || (w && x < border) ||
                          (e && x >= kSize - border);
            bool inPave = !grassy;
            if (n && w && x < 11 && y < 11)
                inPave = std::hypot(x + 0.5 - 11, y + 0.5 - 11) <= 6.0;
            if (n && e && x >= 9 && y < 11)
                inPave = std::hypot(x + 0.5 - 9, y + 0.5 - 11) <= 6.0;
            if (s && w && x < 11 && y >= 9)
                inPave = std::hypot(x + 0.5 - 11, y + 0.5 - 9) <= 6.0;
            if (s && e && x >= 9 && y >= 9)
                inPave = std::hypot(x + 0.5 - 9, y + 0.5 - 9) <= 6.0;
            c.set(x, y, withGrassAround(x, y, inPave, pave));
        }
    // A kerb line along the border of the paving.
    Canvas base = c;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            Colour me = base.at(x, y);
            if (me == grass(x, y))
                continue;
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                int nx = x + dx, ny = y + dy;
                if (nx < 0 || ny < 0 || nx >= kSize || ny >= kSize)
                    continue;
                if (base.at(nx, ny) == grass(nx, ny)) {
                    c.set(x, y, 0x7A7870);
                    break;
                }
            }
        }
    return c;
}

// --- buildings --------------------------------------------------------------------------------

// One tile of a 3 x 3 building seen from above: a pitched roof with its ridge across the middle,
// the front wall with windows and a door showing under the eaves of the bottom row.
Canvas roof(int col, int row, const RoofColours& k)
{
    Canvas c(kSize, kSize);
    const int wallTop = 12; // in the bottom row, the front wall starts here
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            int gx = col * 20 + x, gy = row * 20 + y; // position in the whole 60 x 60 building
            Colour base = gy < 28 ? k.light : k.base;
            Colour v = base;
            if (k.metal) {
                int p = gx % 4;
                v = p == 0 ? shade(base, 1.2) : p == 3 ? shade(base, 0.72) : base;
            } else {
                int course = gy / 4, ly = gy % 4;
                int lx = (gx + (course % 2) * 2) % 4;
                if (ly == 3)
                    v = shade(base, 0.62);
                else if (ly == 0)
                    v = shade(base, 1.18);
                if (lx == 0 && ly != 3)
                    v = shade(v, 0.82);
            }
            if (hash01(gx, gy, 95) > 0.93)
                v = shade(v, 0.9);
            if (gy == 27 || gy == 28)
                v = gy == 27 ? shade(k.ridge, 1.3) : k.ridge;
            c.set(x, y, v);
        }
    if (row == 2) {
        // Front wall: plaster, with a window or a door.
        for (int y = wallTop; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                c.set(x, y,
                      y == wallTop              ? shade(k.wallDark, 0.7)
                      : hash01(x, y, 96) > 0.85 ? k.wallDark
                                                : k.wall);
        if (col == 1) {
            c.rect(7, wallTop + 2, 6, 6, 0x3A2412);
            c.rect(8, wallTop + 3, 4, 5, 0x6A4424);
            c.set(11, wallTop + 5, 0xD8B050);
        } else {
            int wx = col == 0 ? 8 : 6;
            c.rect(wx, wallTop + 2, 6, 4, 0x20262E);
            c.rect(wx + 1, wallTop + 3, 4, 2, k.window);
            c.set(wx + 2, wallTop + 3, kWhite);
            c.rect(wx - 1, wallTop + 6, 8, 1, shade(k.wallDark, 0.8));
        }
        c.rect(0, wallTop + 1, kSize, 1, shade(k.dark, 0.8)); // shadow of the eaves
    }
    // Eaves: a dark rim along the building's outer edges.
    const int rim = 2;
    if (row == 0)
        c.rect(0, 0, kSize, rim, k.dark);
    if (col == 0)
        c.rect(0, 0, rim, row == 2 ? wallTop : kSize, k.dark);
    if (col == 2)
        c.rect(kSize - rim, 0, rim, row == 2 ? wallTop : kSize, k.dark);
    if (row == 2) {
        if (col == 0)
            c.rect(0, wallTop, 1, kSize - wallTop, shade(k.wallDark, 0.6));
        if (col == 2)
            c.rect(kSize - 1, wallTop, 1, kSize - wallTop, shade(k.wallDark, 0.6));
        c.rect(0, kSize - 1, kSize, 1, shade(k.wallDark, 0.5));
        c.rect(0, wallTop - 1, kSize, 1, k.dark);
    }
    return c;
}

namespace {

// A wall as the buildings are drawn: seen from above and a little from the south, so its lit top
// shows on the upper rows, ending in a bright front edge over a line of shadow, and its face, in
// its own shade, fills the rows below. Along a wall the courses run on unbroken; down a wall each
// tile stands out as a block of its own.
Canvas raisedWall(const Texture& top, const Texture& face, int faceTop)
{
    Canvas c(kSize, kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            Colour col;
            if (y < faceTop - 2)
                col = top(x, y);
            else if (y == faceTop - 2)
                col = shade(top(x, y), 1.35); // the front edge catching the light
            else if (y == faceTop - 1)
                col = 0x24221E; // the shadow under it
            else
                col = face(x, y - faceTop);
            c.set(x, y, col);
        }
    return c;
}

// Courses of stones or bricks seen side on: `height` pixel rows per course (the last one the
// joint), stones `length` pixels long with the joints of every other course shifted by `stagger`.
Colour masonry(int x, int y, int height, int length, int stagger, Colour dim, Colour bright, Colour joint,
               int seed)
{
    int course = y / height, ly = y % height;
    int lx = ((x + (course % 2) * stagger) % length + length) % length;
    int stone = ((x + (course % 2) * stagger) / length) % (kSize / length);
    Colour col = mix(dim, bright, hash01(stone, course, seed));
    if (hash01(x, y, seed + 1) > 0.88)
        col = shade(col, 0.9);
    if (ly == 0)
        col = shade(col, 1.18);
    else if (ly == height - 2)
        col = shade(col, 0.85);
    if (lx == length - 1 || ly == height - 1)
        col = joint;
    return col;
}

} // namespace

Canvas brickWall()
{
    // Header bricks along the top, red brick courses on the face.
    return raisedWall(
        [](int x, int y) { return masonry(x, y + 1, 3, 5, 0, 0xB05436, 0xC4643E, 0x6A3424, 93); },
        [](int x, int y) { return masonry(x, y, 3, 10, 5, 0x6E2818, 0x84321E, 0x2E221C, 91); }, 11);
}

Canvas stoneWall()
{
    // Rough stones along the top, darker courses of stone on the face.
    return raisedWall(
        [](int x, int y) { return masonry(x, y + 1, 5, 10, 5, 0x827E74, 0x9A968A, 0x46433D, 103); },
        [](int x, int y) { return masonry(x, y, 4, 10, 4, 0x56544E, 0x6C6860, 0x22201C, 101); }, 12);
}

} // namespace assets::tiles
