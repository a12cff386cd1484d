#include "tools/make_assets/tile_art.h"

#include "tools/make_assets/sheet.h"
#include "tools/make_assets/tile_painters.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

namespace assets {

namespace {

constexpr double kPi = 3.14159265358979323846;

bool listed(const char* list, int tile)
{
    char code[8];
    std::snprintf(code, sizeof code, "*%02X*", tile);
    return std::string(list).find(code) != std::string::npos;
}

// The battle's own tables: which codes block, which slow down and which speed up.
const char* const kBlocking =
    "*11*12*13*14*15*16*17*18*19*1A*1B*52*53*54*55*56*57*58*59*5A*5B*5C*5D*5E*5F*60*"
    "61*62*63*64*65*66*67*68*69*6A*6B*6C*6D*6E*";
const char* const kSlow = "*03*09*0A*0B*0C*";
const char* const kFast =
    "*04*1C*1D*1E*1F*20*21*21*22*24*25*26*27*28*29*2A*2B*2C*2D*2E*2F*30*32*33*34*35*36*"
    "37*38*39*3A*3B*3C*3D*3E*3F*40*41*42*43*44*45*46*47*48*49*4A*4B*4C*4D*4F*50*51*52*53*";

} // namespace

using namespace tiles;

TileKind tileKind(int tile)
{
    if (listed(kBlocking, tile))
        return TileKind::Blocking;
    if (tile == 2)
        return TileKind::Water;
    if (listed(kSlow, tile))
        return TileKind::Slow;
    if (listed(kFast, tile))
        return TileKind::Fast;
    return TileKind::Normal;
}

Canvas tileImage(int tile)
{
    switch (tile) {
    case 1:
        return fromTexture(grass);
    case 2:
        return fromTexture(water);
    case 3:
        return fromTexture(sand);
    case 4:
        return fromTexture(asphalt);
    case 5: { // flowers
        Canvas c = fromTexture(grass);
        const Colour petals[] = {0xF0E050, 0xF0F0F0, 0xE86070, 0xB080E0};
        for (int i = 0; i < 9; ++i) {
            int x = 1 + int(hash01(i, 1, 111) * 18), y = 1 + int(hash01(i, 2, 111) * 18);
            Colour p = petals[i % 4];
            c.set(x, y, p);
            c.set(x + 1, y, shade(p, 0.8));
            c.set(x, y + 1, 0x2E6020);
        }
        return c;
    }
    case 6: { // pebbles
        Canvas c = fromTexture(grass);
        for (int i = 0; i < 7; ++i) {
            int x = 1 + int(hash01(i, 1, 121) * 17), y = 1 + int(hash01(i, 2, 121) * 17);
            c.set(x, y, 0xB0ACA0);
            c.set(x + 1, y, 0x8E8A80);
            c.set(x, y + 1, 0x6E6A60);
            c.set(x + 1, y + 1, 0x5A564E);
        }
        return c;
    }
    case 7: { // tall grass tufts
        Canvas c = fromTexture(grass);
        for (int i = 0; i < 8; ++i) {
            int x = 1 + int(hash01(i, 1, 131) * 17), y = 3 + int(hash01(i, 2, 131) * 15);
            c.line(x, y, x - 1, y - 3, 0x2C5E1E);
            c.line(x + 1, y, x + 1, y - 4, 0x74B24A);
            c.line(x + 2, y, x + 3, y - 3, 0x4E8C30);
        }
        return c;
    }
    case 8:
        return fromTexture(dryGrass);
    case 9:
        return fromTexture(mud);
    case 10: { // mud with puddles
        Canvas c = fromTexture(mud);
        c.ellipse(3, 4, 10, 8, 0x3A4A5A);
        c.ellipse(4, 5, 8, 6, 0x5A7088);
        c.ellipse(11, 12, 17, 16, 0x3A4A5A);
        c.set(12, 13, 0x7A90A8);
        c.set(13, 13, 0x7A90A8);
        return c;
    }
    case 11: { // marsh with reeds
        // Sodden ground, not open water: mud and dark grass with a few small pools.
        Canvas c = fromTexture([](int x, int y) {
            Colour ground = mix(mud(x, y), shade(grass(x, y), 0.8), 0.45);
            return sn(x, y, 5, 142) > 0.78 ? mix(water(x, y), mud(x, y), 0.35) : ground;
        });
        for (int i = 0; i < 9; ++i) {
            int x = 1 + int(hash01(i, 1, 141) * 17), y = 4 + int(hash01(i, 2, 141) * 14);
            c.line(x, y, x, y - 4, 0x5E8A34);
            c.set(x, y - 4, 0x8A6A3A);
            c.set(x + 1, y, 0x3E6A24);
        }
        return c;
    }
    case 12: { // rubble
        Canvas c = fromTexture(earth);
        for (int i = 0; i < 12; ++i) {
            int x = int(hash01(i, 1, 151) * 18), y = int(hash01(i, 2, 151) * 18);
            Colour s = mix(0x6A6660, 0xA8A49A, hash01(i, 3, 151));
            c.rect(x, y, 2 + (i % 2), 2, s);
            c.set(x, y, shade(s, 1.2));
            c.set(x + 1, y + 2, 0x3E3020);
        }
        return c;
    }
    case 13:
        return fromTexture(earth);
    case 14: { // ploughed field
        return fromTexture([](int x, int y) {
            Colour c = earth(x, y);
            int r = y % 5;
            if (r == 0)
                c = shade(c, 0.7);
            else if (r == 1)
                c = shade(c, 1.12);
            return c;
        });
    }
    case 15: { // shell crater in the grass
        Canvas c = fromTexture(grass);
        c.ellipse(2, 3, 17, 16, 0x6A5030);
        c.ellipse(4, 5, 15, 14, 0x4A3822);
        c.ellipse(6, 7, 13, 12, 0x3A2C1A);
        for (int x = 4; x < 16; ++x)
            if (hash01(x, 0, 161) > 0.4)
                c.set(x, 4, 0x8A6C44);
        return c;
    }
    case 16: { // forest floor with fallen leaves
        return fromTexture([](int x, int y) {
            Colour c = mix(0x3A5A22, 0x5A4A26, sn(x, y, 5, 171));
            double h = n(x, y, 172);
            if (h > 0.9)
                c = 0xB07A30;
            else if (h > 0.82)
                c = 0x8A5A24;
            return c;
        });
    }
    case 17: { // broad-leaved tree
        Canvas c = fromTexture(grass);
        shadowDisc(c, 12.5, 12.5, 8.5);
        canopy(c, 9.5, 9.5, 9.0, 0x1E4A18, 0x2E6E22, 0x4E9A34, 181);
        return c;
    }
    case 18: { // pine seen from above: a star of branches, darker towards the trunk
        Canvas c = fromTexture(grass);
        shadowDisc(c, 12, 13, 8.0);
        const double cx = 9.5, cy = 9.5;
        for (int y = 0; y < kTileSize; ++y)
            for (int x = 0; x < kTileSize; ++x) {
                double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
                double d = std::hypot(dx, dy), a = std::atan2(dy, dx);
                double reach =
                    9.3 * (0.72 + 0.28 * std::fabs(std::cos(4 * a + 0.4))) + (hash01(x, y, 181) - 0.5);
                if (d > reach)
                    continue;
                double lit = -(dx + dy) / 12 + hash01(x, y, 182) * 0.35;
                Colour col = lit > 0.25 ? 0x3A8048 : lit > -0.2 ? 0x25603A : 0x17442A;
                if (std::fmod(d, 3.0) < 0.8)
                    col = shade(col, 0.8); // tiers of branches
                if (d > reach - 1.0)
                    col = 0x0E3020;
                c.set(x, y, col);
            }
        c.set(9, 9, 0x5A3A1A);
        return c;
    }
    case 19: { // thick bush
        Canvas c = fromTexture(grass);
        shadowDisc(c, 11.5, 12.5, 8.5);
        canopy(c, 6.5, 8.5, 6.0, 0x2A5A1A, 0x3E7E26, 0x62A23E, 201);
        canopy(c, 13.5, 8.0, 6.0, 0x2A5A1A, 0x3E7E26, 0x62A23E, 202);
        canopy(c, 10.0, 13.5, 6.5, 0x2A5A1A, 0x3E7E26, 0x62A23E, 203);
        return c;
    }
    case 20: { // boulder on grass
        Canvas c = fromTexture(grass);
        shadowDisc(c, 11.5, 12.5, 8.0);
        rock(c, 9.5, 9.5, 9.0, 8.0, 211);
        return c;
    }
    case 21: { // rocks on sand
        Canvas c = fromTexture(sand);
        shadowDisc(c, 8.5, 9.5, 6.0);
        rock(c, 7.5, 8.0, 7.0, 6.5, 221);
        rock(c, 14.0, 13.5, 5.5, 5.0, 222);
        return c;
    }
    case 22: { // palm on sand
        Canvas c = fromTexture(sand);
        shadowDisc(c, 12, 13, 7);
        for (int a = 0; a < 7; ++a) {
            double ang = a * 2 * kPi / 7 + 0.3;
            for (int r = 1; r <= 9; ++r) {
                int x = int(std::lround(9.5 + std::cos(ang) * r)),
                    y = int(std::lround(9.5 + std::sin(ang) * r));
                c.set(x, y, r > 6 ? 0x3E7A26 : 0x2E6A1E);
                c.set(x + 1, y, r > 7 ? 0x2A5A18 : 0x5A9A34);
            }
        }
        c.disc(10, 10, 2.2, 0x7A5A2A);
        return c;
    }
    case 23: { // rocks standing in water
        Canvas c = fromTexture(water);
        c.ellipse(1, 2, 18, 18, 0x5A8AC4);
        rock(c, 8.5, 9.0, 8.0, 7.0, 231);
        rock(c, 15.0, 14.0, 4.5, 4.0, 232);
        return c;
    }
    case 24: { // dead tree
        Canvas c = fromTexture(dryGrass);
        shadowDisc(c, 11.5, 12.5, 7.0);
        const Colour bark = 0x4A3420, barkLight = 0x7A5A38;
        c.disc(10, 10, 3.5, bark);
        for (int a = 0; a < 6; ++a) {
            double ang = a * kPi / 3 + 0.4;
            int x1 = int(std::lround(10 + std::cos(ang) * 9)), y1 = int(std::lround(10 + std::sin(ang) * 9));
            c.line(10, 10, x1, y1, bark);
            c.line(10, 9, x1, y1 - 1, barkLight);
        }
        c.disc(9.5, 9.5, 1.5, barkLight);
        return c;
    }
    case 25: { // sandbag wall: khaki bags in staggered rows, each bulging, with deep shadow under it
        Canvas c = fromTexture([](int x, int y) { return shade(earth(x, y), 0.45); });
        for (int row = 0; row < 4; ++row)
            for (int i = -1; i < 4; ++i) {
                int x = i * 6 + (row % 2) * 3, y = row * 5;
                c.ellipse(x, y, x + 6, y + 3, 0x7A7048);
                c.ellipse(x + 1, y, x + 5, y + 1, 0xA89C68);
                c.set(x + 2, y, 0xC4B880);
                c.line(x + 1, y + 3, x + 5, y + 3, 0x4A4228);
            }
        return c;
    }
    case 26: { // coils of barbed wire between stakes
        Canvas c = fromTexture(grass);
        for (int band : {6, 15}) {
            for (int x = 0; x < kTileSize; ++x)
                c.set(x, band + 2, shade(c.at(x, band + 2), 0.65)); // shadow under the coil
            for (int k = -1; k < 6; ++k) {
                double cx = k * 4 + 2 + (band == 15 ? 2 : 0);
                for (int a = 0; a < 24; ++a) {
                    double ang = a * 2 * kPi / 24;
                    int x = int(std::lround(cx + std::cos(ang) * 2.6)),
                        y = int(std::lround(band + std::sin(ang) * 3.2));
                    if (x >= 0 && x < kTileSize)
                        c.set(x, y, std::sin(ang) < 0 ? 0xB4B4BA : 0x5A5A60);
                }
            }
            for (int x = 1; x < kTileSize; x += 4)
                c.set(x, band - 3, 0xE0E0E6); // barbs catching the light
        }
        for (int sx : {3, 13}) {
            c.rect(sx, 1, 2, 18, 0x4A3018);
            c.rect(sx, 1, 1, 18, 0x7A5A34);
        }
        return c;
    }
    case 27: { // stacked crates
        Canvas c = fromTexture(earth);
        auto crate = [&](int x, int y, int w, int h) {
            for (int j = 0; j < h; ++j) // the crate's shadow on what lies below it
                for (int i = 0; i < w; ++i)
                    c.set(x + i + 2, y + j + 2, shade(c.at(x + i + 2, y + j + 2), 0.5));
            c.rect(x, y, w, h, 0x9A7038);
            c.frame(x, y, w, h, 0x5A3E1C);
            c.line(x, y, x + w - 1, y + h - 1, 0x6A4A24);
            c.line(x + 1, y + 1, x + w - 2, y + 1, 0xC09050);
        };
        crate(0, 0, 11, 10);
        crate(9, 2, 11, 10);
        crate(2, 9, 12, 11);
        return c;
    }
    // Roads: 28..34 and 36..43.
    case 28:
        return road(false, true, false, true);
    case 29:
        return road(true, false, true, false);
    case 30:
        return road(false, true, true, false);
    case 31:
        return road(false, false, true, true);
    case 32:
        return road(true, true, false, false);
    case 33:
        return road(true, false, false, true);
    case 34:
        return road(true, true, true, true);
    case 35: { // scorched earth
        return fromTexture([](int x, int y) {
            Colour c = mix(0x2E2A24, 0x5A4A34, sn(x, y, 5, 351) * 0.7 + n(x, y, 352) * 0.3);
            if (n(x, y, 353) > 0.95)
                c = 0xA04A1A; // embers
            return c;
        });
    }
    case 36:
        return road(false, true, true, true);
    case 37:
        return road(true, true, false, true);
    case 38:
        return road(true, true, true, false);
    case 39:
        return road(true, false, true, true);
    case 40:
        return road(false, true, false, false);
    case 41:
        return road(false, false, false, true);
    case 42:
        return road(false, false, true, false);
    case 43:
        return road(true, false, false, false);
    case 44:
    case 45: { // wooden bridge over water, across (44) and up (45)
        bool across = tile == 44;
        Canvas c = fromTexture(water);
        for (int y = 0; y < kTileSize; ++y)
            for (int x = 0; x < kTileSize; ++x) {
                int along = across ? x : y, side = across ? y : x;
                if (side < 3 || side > 16)
                    continue;
                Colour col = mix(0x8A6A3A, 0xA8844A, hash01(along / 4, 0, 441 + tile));
                if (along % 4 == 3)
                    col = 0x4A3420; // gap between planks
                if (side == 3 || side == 16)
                    col = 0x5A3E1E; // rail
                if (side == 4)
                    col = shade(col, 1.15);
                c.set(x, y, col);
            }
        return c;
    }
    case 46:
        return fromTexture(concrete);
    case 47:
        return pavedEdge(concrete, true, false, false, false);
    case 48:
        return pavedEdge(concrete, false, false, true, false);
    case 49: { // flower meadow
        Canvas c = fromTexture(grass);
        for (int i = 0; i < 16; ++i) {
            int x = int(hash01(i, 1, 491) * 19), y = int(hash01(i, 2, 491) * 19);
            c.set(x, y, i % 2 ? 0xD83030 : 0xF0F0F0);
            c.set(x, y + 1, 0x2E6020);
        }
        return c;
    }
    case 50:
        return pavedEdge(concrete, false, false, false, true);
    case 51:
        return pavedEdge(concrete, false, true, false, false);
    case 52:
        return pavedEdge(concrete, true, false, false, true);
    case 53:
        return pavedEdge(concrete, true, true, false, false);
    case 54:
        return pavedEdge(concrete, false, false, true, true);
    case 55:
        return pavedEdge(concrete, false, true, true, false);
    case 56:
    case 80: { // wooden floor boards, light (56) and dark (80)
        Colour a = tile == 56 ? 0x9A7040 : 0x6A4A2A, b = tile == 56 ? 0xB08450 : 0x7E5A34;
        return fromTexture([a, b](int x, int y) {
            // Long boards four pixels wide, one butt joint per board, staggered.
            int board = y / 4;
            int joint = (board * 7) % 20;
            int piece = ((x - joint) % 20 + 20) % 20 < 10 ? 0 : 1;
            Colour c = mix(a, b, hash01(board, piece, 561) * 0.7 + n(x, y, 563) * 0.3);
            if (y % 4 == 3)
                c = shade(a, 0.62);
            else if (x == joint)
                c = shade(a, 0.7);
            else if ((x + board * 3) % 6 == 0 && y % 4 == 1)
                c = shade(c, 0.85); // grain
            else if (n(x, y, 562) > 0.9)
                c = shade(c, 0.88);
            return c;
        });
    }
    case 57: { // stone floor tiles
        return fromTexture([](int x, int y) {
            bool dark = ((x / 10) + (y / 10)) % 2 == 0;
            Colour c = dark ? 0x8A8478 : 0xB4AE9E;
            if (x % 10 == 0 || y % 10 == 0)
                c = 0x5A564E;
            else if (n(x, y, 571) > 0.9)
                c = shade(c, 0.9);
            return c;
        });
    }
    case 58: { // red carpet with a border pattern
        return fromTexture([](int x, int y) {
            Colour c = 0x8A1E22;
            if ((x + y) % 4 == 0)
                c = 0x9E2A2C;
            if (n(x, y, 581) > 0.92)
                c = 0x6E161A;
            return c;
        });
    }
    case 59: { // cobblestones: flat setts of warm sandstone bedded in sand, no light or shadow
        return fromTexture([](int x, int y) {
            int row = y / 5, off = (row % 2) * 2;
            int lx = (x + off) % 5, ly = y % 5;
            Colour c = mix(0xAE9C7A, 0xC6B692, hash01((x + off) / 5 % 4, row, 591));
            if (n(x, y, 592) > 0.9)
                c = shade(c, 0.94);
            bool corner = (lx == 0 || lx == 3) && (ly == 0 || ly == 3);
            if (lx == 4 || ly == 4 || corner)
                c = mix(0x8E7E60, 0x9C8C6C, n(x, y, 593));
            return c;
        });
    }
    case 60: { // helicopter pad
        Canvas c = fromTexture(concrete);
        c.ring(10, 10, 9.5, 1.5, 0xE8D060);
        c.rect(6, 5, 2, 10, 0xF0F0F0);
        c.rect(12, 5, 2, 10, 0xF0F0F0);
        c.rect(8, 9, 4, 2, 0xF0F0F0);
        return c;
    }
    case 61:
    case 62: { // railway across (61) and up (62)
        bool across = tile == 61;
        Canvas c = fromTexture([](int x, int y) { return mix(0x6A6256, 0x8A8272, n(x, y, 611)); });
        for (int y = 0; y < kTileSize; ++y)
            for (int x = 0; x < kTileSize; ++x) {
                int along = across ? x : y, side = across ? y : x;
                if (along % 5 < 2 && side >= 3 && side <= 16)
                    c.set(x, y, 0x5A3C22); // sleepers
                if (side == 6 || side == 13)
                    c.set(x, y, 0xA8A8B0); // rails
                if (side == 7 || side == 14)
                    c.set(x, y, 0x5A5A62);
            }
        return c;
    }
    case 63:
    case 64: { // doorway in a wall running across (63) or up (64): posts of the wall, an open door
        Canvas c = tileImage(56);
        bool across = tile == 63;
        Canvas wall = stoneWall();
        for (int y = 0; y < kTileSize; ++y)
            for (int x = 0; x < kTileSize; ++x) {
                int along = across ? x : y, side = across ? y : x;
                (void)side;
                if (along < 3 || along > 16)
                    c.set(x, y, wall.at(x, y));
                if (along == 3 || along == 16)
                    c.set(x, y, 0x2A2824);
            }
        // The door leaf swung open against the left (or upper) post.
        for (int i = 0; i < 12; ++i) {
            int along = 4 + i / 6, side = 2 + i;
            int x = across ? along : side, y = across ? side : along;
            c.set(x, y, 0x5A3A1A);
            c.set(across ? x + 1 : x, across ? y : y + 1, 0x8A6A3A);
        }
        return c;
    }
    case 65:
    case 66: { // wide road: lane line across (65) or up (66)
        Canvas c = fromTexture(asphalt);
        for (int i = 0; i < kTileSize; ++i)
            if (i % 10 < 6)
                for (int w : {9, 10}) {
                    if (tile == 65)
                        c.set(i, w, 0xF0F0E8);
                    else
                        c.set(w, i, 0xF0F0E8);
                }
        return c;
    }
    case 67:
        return pavedEdge(asphalt, true, false, false, false);
    case 68:
        return pavedEdge(asphalt, false, false, true, false);
    case 69:
        return pavedEdge(asphalt, false, false, false, true);
    case 70:
        return pavedEdge(asphalt, false, true, false, false);
    case 71:
        return pavedEdge(asphalt, true, false, false, true);
    case 72:
        return pavedEdge(asphalt, true, true, false, false);
    case 73:
        return pavedEdge(asphalt, false, false, true, true);
    case 74:
        return pavedEdge(asphalt, false, true, true, false);
    case 75:
    case 76: { // zebra crossing
        Canvas c = fromTexture(asphalt);
        for (int y = 0; y < kTileSize; ++y)
            for (int x = 0; x < kTileSize; ++x) {
                int stripe = tile == 75 ? x : y, side = tile == 75 ? y : x;
                if (stripe % 5 < 3 && side >= 2 && side <= 17)
                    c.set(x, y, 0xE8E8E0);
            }
        return c;
    }
    case 77: { // steel deck plates
        return fromTexture([](int x, int y) {
            Colour c = 0x6E747A;
            if ((x % 4 == 1 && y % 4 == 1) || (x % 4 == 3 && y % 4 == 3))
                c = 0x9AA0A6;
            if (x % 10 == 0 || y % 10 == 0)
                c = 0x44484C;
            return c;
        });
    }
    case 78: { // wheat field
        return fromTexture([](int x, int y) {
            Colour c = mix(0xB89A3E, 0xD8BC58, n(x, y, 781));
            if ((x + (y / 4)) % 4 == 0)
                c = 0x9A7E2E;
            return c;
        });
    }
    case 79: { // cracked concrete
        Canvas c = fromTexture(concrete);
        c.line(2, 3, 8, 9, 0x5A5850);
        c.line(8, 9, 7, 15, 0x5A5850);
        c.line(8, 9, 16, 12, 0x5A5850);
        return c;
    }
    case 81: { // white tiled floor
        return fromTexture([](int x, int y) {
            Colour c = ((x / 5) + (y / 5)) % 2 ? 0xD8DCE0 : 0xB8C4D0;
            if (x % 5 == 0 || y % 5 == 0)
                c = 0x8A929A;
            return c;
        });
    }
    case 82:
        return stoneWall();
    case 83:
        return brickWall();
    case 84: { // concrete bunker with a firing slit
        Canvas c(kTileSize, kTileSize, 0x7A7A72);
        c.rect(1, 1, 18, 18, 0x8E8E86);
        c.rect(2, 2, 16, 2, 0xA8A8A0);
        c.rect(2, 16, 16, 2, 0x5E5E58);
        c.rect(4, 8, 12, 3, 0x1A1A18);
        c.frame(0, 0, 20, 20, 0x4A4A44);
        return c;
    }
    case 85: { // shipping container
        Canvas c(kTileSize, kTileSize, 0x2E5E8A);
        for (int x = 0; x < kTileSize; x += 3)
            c.rect(x, 1, 1, 18, 0x244A6E);
        c.frame(0, 0, 20, 20, 0x1A344E);
        c.rect(1, 1, 18, 1, 0x4A82B4);
        return c;
    }
    case 86: { // fuel drums
        Canvas c = fromTexture(concrete);
        for (int i = 0; i < 4; ++i) {
            int x = 5 + (i % 2) * 10, y = 5 + (i / 2) * 10;
            c.disc(x, y, 4.8, 0x2A3A1A);
            c.disc(x, y, 4.0, 0x4A6A2A);
            c.ring(x, y, 2.6, 0.8, 0x2A3A1A);
            c.set(x - 2, y - 2, 0x8AAA5A);
        }
        return c;
    }
    case 87: { // burnt-out car
        Canvas c = fromTexture(asphalt);
        c.rect(2, 4, 16, 12, 0x2A2622);
        c.rect(3, 5, 14, 10, 0x4A3A2E);
        c.rect(6, 6, 8, 8, 0x1E1A16);
        c.rect(1, 5, 2, 3, 0x141210);
        c.rect(17, 5, 2, 3, 0x141210);
        c.rect(1, 12, 2, 3, 0x141210);
        c.rect(17, 12, 2, 3, 0x141210);
        c.set(8, 8, 0x8A4A1A);
        c.set(11, 10, 0x6A3A18);
        return c;
    }
    case 88: { // army tent
        Canvas c = fromTexture(grass);
        for (int y = 1; y < 19; ++y)
            for (int x = 1; x < 19; ++x) {
                Colour col = y < 10 ? 0x7A8A4A : 0x5A6A36;
                if (y == 9 || y == 10)
                    col = 0x3E4A24;
                if (x == 1 || x == 18 || y == 1 || y == 18)
                    col = 0x3A4422;
                c.set(x, y, col);
            }
        c.rect(8, 14, 4, 5, 0x2A2A18);
        return c;
    }
    default:
        break;
    }
    if (tile >= 89 && tile <= 97) { // house with a red tiled roof, 3 x 3
        int i = tile - 89;
        return roof(i % 3, i / 3,
                    {0xC8623E, 0x9C4228, 0x4A1A0E, 0x6A2818, 0xD8C8A0, 0xA89A78, 0x78A8D8, false});
    }
    if (tile >= 98 && tile <= 106) { // barracks with a green metal roof, 3 x 3
        int i = tile - 98;
        return roof(i % 3, i / 3,
                    {0x6E8A4A, 0x4E6A34, 0x1E2A14, 0x3A4A2A, 0x9A9480, 0x7A7462, 0x8AB0C8, true});
    }
    switch (tile) {
    case 107: { // haystack
        Canvas c = fromTexture(dryGrass);
        shadowDisc(c, 12, 12, 8);
        canopy(c, 9.5, 9.5, 9.0, 0x9A7A2A, 0xC8A040, 0xE8C860, 1071);
        return c;
    }
    case 108: { // well
        Canvas c = fromTexture(grass);
        c.disc(10, 10, 9, 0x6A6A66);
        c.disc(10, 10, 7.5, 0x8E8C86);
        c.disc(10, 10, 5, 0x1A2A40);
        c.set(8, 8, 0x4A6A9A);
        return c;
    }
    case 109: { // hedge
        Canvas c = fromTexture(grass);
        for (int i = 0; i < 4; ++i)
            canopy(c, 2.5 + i * 5, 9.5 + (i % 2), 6.0, 0x1E4A18, 0x2A6020, 0x3E7E2A, 1091 + i);
        return c;
    }
    case 110: { // cliff rock: crags packed edge to edge, each lit from the top left, dark clefts
        // between them; the crags wrap round the tile's edges so that a cliff shows no seams.
        constexpr int kCrags = 7;
        return fromTexture([](int x, int y) {
            double best = 1e9, second = 1e9, bx = 0, by = 0;
            for (int k = 0; k < kCrags; ++k) {
                double px = hash01(k, 1, 1101) * 20, py = hash01(k, 2, 1101) * 20;
                double dx = std::remainder(x + 0.5 - px, 20.0), dy = std::remainder(y + 0.5 - py, 20.0);
                double d = std::hypot(dx, dy);
                if (d < best) {
                    second = best;
                    best = d;
                    bx = dx;
                    by = dy;
                } else if (d < second)
                    second = d;
            }
            if (second - best < 0.8)
                return Colour(0x2A2620);
            double lit = -(bx + by) / 6.0 + (n(x, y, 1102) - 0.5) * 0.3;
            return Colour(lit > 0.45 ? 0xCAC2B2 : lit > -0.1 ? 0x9A9284 : lit > -0.6 ? 0x6E685C : 0x4A453C);
        });
    }
    default:
        return Canvas(kTileSize, kTileSize, 0xFF00FF);
    }
}

Canvas tileSheet()
{
    Canvas sheet(1 + kTilePitch * kTilesPerRow, 1 + kTilePitch * kTileRows, 0x202020);
    for (int t = 1; t <= kTileCount; ++t) {
        int col = (t - 1) % kTilesPerRow, row = (t - 1) / kTilesPerRow;
        sheet.draw(tileImage(t), 1 + kTilePitch * col, 1 + kTilePitch * row);
    }
    return sheet;
}

} // namespace assets
