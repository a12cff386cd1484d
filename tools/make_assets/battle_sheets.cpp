#include "tools/make_assets/battle_sheets.h"

#include "tools/make_assets/sheet.h"

#include <cmath>
#include <string>
#include <vector>

namespace assets {

namespace {

constexpr double kPi = 3.14159265358979323846;

// A sprite from rows of palette letters; '.' is see-through.
Canvas fromRows(const std::vector<std::string>& rows, Colour (*palette)(char))
{
    int h = int(rows.size()), w = h ? int(rows[0].size()) : 0;
    Canvas c(w, h, kClear);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w && x < int(rows[y].size()); ++x)
            c.set(x, y, rows[y][x] == '.' ? kClear : palette(rows[y][x]));
    return c;
}

Colour firePalette(char m)
{
    switch (m) {
    case 'w':
        return 0xFFFFE0;
    case 'y':
        return 0xFFE040;
    case 'o':
        return 0xFF9020;
    case 'r':
        return 0xC83010;
    default:
        return kClear;
    }
}

Colour objectPalette(char m)
{
    switch (m) {
    case 'x':
        return 0x141410; // outline
    case 'r':
        return 0xB02A1A; // barrel red
    case 'R':
        return 0xE05A30;
    case 'q':
        return 0x701A10;
    case 'y':
        return 0xF0C830; // hazard band
    case 'm':
        return 0x4A4E44; // mine metal
    case 'M':
        return 0x7A8070;
    case 'n':
        return 0x2A2C26;
    case 'a':
        return 0xE83020; // armed light
    case 'b':
        return 0x5A3A1E; // leather
    case 'B':
        return 0x8A5A30;
    case 'g':
        return 0xD0B050; // brass
    case 'c':
        return 0x9A7038; // crate wood
    case 'C':
        return 0xC09050;
    case 'd':
        return 0x5A3E1C;
    case 'k':
        return 0x3A3A36; // charred
    case 'K':
        return 0x5A5650;
    case 'e':
        return 0xE87020; // embers
    default:
        return kClear;
    }
}

// clang-format off
const std::vector<std::string> kFlash = {
    "..o.o..",
    ".oyyyo.",
    "oywwwyo",
    ".ywwwy.",
    "oywwwyo",
    ".oyyyo.",
    "..o.o..",
};

const std::vector<std::string> kObjects[9] = {
    {   // 1: barrel
        "..............",
        "...xxxxxxxx...",
        "..xqRRRRRrqx..",
        "..xqrRRrrrqx..",
        "..xqrrrrrrqx..",
        "..xyyyyyyyyx..",
        "..xqrRrrrrqx..",
        "..xqrRrrrrqx..",
        "..xyyyyyyyyx..",
        "..xqrRrrrrqx..",
        "..xqrrrrrrqx..",
        "..xqqqqqqqqx..",
        "...xxxxxxxx...",
        "..............",
    },
    {   // 2: crushed barrel, lying (also the landed wreck)
        "..............",
        "..............",
        "..............",
        "..............",
        "....xxxxxxx...",
        "..xxkqrkkqxx..",
        ".xkqrRkyrrqkx.",
        ".xkKrkyyqkkKx.",
        ".xqkkrrkqkqkx.",
        "..xxkqkkkqxx..",
        "...exxxxxxe...",
        "..............",
        "..............",
        "..............",
    },
    {   // 3: tumbling, tilted right
        "..............",
        "......xxx.....",
        ".....xRrqx....",
        "....xrRrkqx...",
        "...xyyrrkkqx..",
        "..xqrryykqx...",
        "..xkrrrkyyx...",
        "...xkqrkqx....",
        "....xkkqx.....",
        ".....xxx......",
        "..............",
        "..............",
        "..............",
        "..............",
    },
    {   // 4: tumbling, on its end, torn
        "..............",
        "....xxxxxx....",
        "...xkKkkKkx...",
        "...xqrRrkqx...",
        "...xyyyyyyx...",
        "...xqkrRrqx...",
        "...xqrkrkqx...",
        "...xyykyyyx...",
        "...xqrrkrqx...",
        "....xxxxxx....",
        "..............",
        "..............",
        "..............",
        "..............",
    },
    {   // 5: tumbling, tilted left
        "..............",
        ".....xxx......",
        "....xqrRx.....",
        "...xqkrRrx....",
        "..xqkkrryyx...",
        "...xqkyyrrqx..",
        "...xyykrrrkx..",
        "....xqkrqkx...",
        ".....xqkkx....",
        "......xxx.....",
        "..............",
        "..............",
        "..............",
        "..............",
    },
    {   // 6: land mine
        "..............",
        "..............",
        "..............",
        "..............",
        "....xxxxxx....",
        "...xMMMMMmx...",
        "..xMmmxxmmnx..",
        "..xMmxaaxmnx..",
        "..xmmmxxmmnx..",
        "...xnnnnnnx...",
        "....xxxxxx....",
        "..............",
        "..............",
        "..............",
    },
    {   // 7: suitcase
        "..............",
        "..............",
        ".....xxxx.....",
        ".....x..x.....",
        "..xxxxxxxxxx..",
        "..xBBBBBBBbx..",
        "..xBbbggbbbx..",
        "..xBbbggbbbx..",
        "..xBbbbbbbbx..",
        "..xBbbbbbbbx..",
        "..xbbbbbbbbx..",
        "..xxxxxxxxxx..",
        "..............",
        "..............",
    },
    {   // 8: wooden crate of ammunition, cross-braced
        "..............",
        "..xxxxxxxxxx..",
        ".xCCCCCCCCCCx.",
        ".xCcCCcCCcCCx.",
        ".xCCCCCCCCCCx.",
        ".xxxxxxxxxxxx.",
        ".xdCccccccCdx.",
        ".xdcCccccCcdx.",
        ".xdccCyyCccdx.",
        ".xdccyCCyccdx.",
        ".xdcCccccCcdx.",
        ".xdCccccccCdx.",
        ".xxxxxxxxxxxx.",
        "..............",
    },
    {   // 9: spent crate, lid gone and empty
        "..............",
        "..............",
        "..............",
        ".xxxxxxxxxxxx.",
        ".xCCCCCCCCCCx.",
        ".xCnkkkkkknCx.",
        ".xCnkkkkkknCx.",
        ".xxxxxxxxxxxx.",
        ".xdccccccccdx.",
        ".xdccccccccdx.",
        ".xddddddddddx.",
        ".xdccccccccdx.",
        ".xxxxxxxxxxxx.",
        "..............",
    },
};
// clang-format on

void placeRow(Canvas& sheet, const Canvas& sprite, int cell, int pitch, int spriteY, int maskY)
{
    int x = 1 + pitch * (cell - 1);
    placeShaped(sheet, sprite, x, spriteY, x, maskY, Style::MaskThenSprite);
}

// A sheet whose sprite row sits at y 1 and mask row at y 1 + pitch, gaps in the rows' colours.
Canvas maskedSheet(int cells, int pitch)
{
    Canvas sheet(1 + pitch * cells, 1 + pitch * 2, kBlack);
    sheet.rect(0, pitch, sheet.width(), pitch + 1, kWhite);
    return sheet;
}

// --- pointers ---------------------------------------------------------------------------------

Canvas firePointer()
{
    Canvas c(29, 29, kClear);
    const Colour dark = 0x101010, red = 0xF03020, light = 0xFFE0D0;
    c.ring(14.5, 14.5, 9.5, 3.0, dark);
    c.ring(14.5, 14.5, 8.5, 1.0, red);
    for (int i = 0; i < 29; ++i) {
        bool gap = i >= 10 && i <= 18;
        if (gap)
            continue;
        for (int w : {13, 15})
            c.set(i, w, dark), c.set(w, i, dark);
        c.set(i, 14, red);
        c.set(14, i, red);
    }
    for (int i : {0, 28}) {
        c.set(i, 14, dark);
        c.set(14, i, dark);
    }
    c.set(14, 14, light);
    c.set(13, 14, dark);
    c.set(15, 14, dark);
    c.set(14, 13, dark);
    c.set(14, 15, dark);
    return c;
}

Canvas movePointer()
{
    // An arrow whose tip is the top-left pixel, the point of the move order.
    // clang-format off
    const std::vector<std::string> rows = {
        "x..........",
        "xx.........",
        "xwx........",
        "xwwx.......",
        "xwwgx......",
        "xwwggx.....",
        "xwwgggx....",
        "xwwggggx...",
        "xwwgggggx..",
        "xwwggggggx.",
        "xwwgggxxxxx",
        "xwwgxgx....",
        "xwgx.xgx...",
        "xgx..xggx..",
        "xx....xgx..",
        "x.....xxx..",
    };
    // clang-format on
    auto pal = [](char m) -> Colour {
        switch (m) {
        case 'x':
            return 0x101010;
        case 'w':
            return 0xF0FFF0;
        case 'g':
            return 0x60D040;
        default:
            return kClear;
        }
    };
    Canvas c(29, 29, kClear);
    for (int y = 0; y < int(rows.size()); ++y)
        for (int x = 0; x < int(rows[y].size()); ++x)
            if (rows[y][x] != '.')
                c.set(x, y, pal(rows[y][x]));
    return c;
}

// --- blasts -----------------------------------------------------------------------------------

Canvas blast(int stage)
{
    // The point of the blast lies at (10, 24) of the cell; the fireball rises above it.
    Canvas c(32, 32, kClear);
    const double cx = 11.5, cy = 17.0;
    auto noise = [](int x, int y, int s) { return hash01(x, y, 700 + s); };
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            double dx = x + 0.5 - cx, dy = (y + 0.5 - cy) * 1.1;
            double d = std::hypot(dx, dy);
            double ragged = (noise(x / 2, y / 2, stage) - 0.5) * 3.0;
            Colour col = kClear;
            switch (stage) {
            case 1: // the flash
                if (d + ragged < 5.5)
                    col = 0xFFFFF0;
                else if (d + ragged < 8.0)
                    col = 0xFFE860;
                else if (d + ragged < 9.5)
                    col = 0xFF9A20;
                break;
            case 2: // the fireball
                if (d + ragged < 5.0)
                    col = 0xFFF8C0;
                else if (d + ragged < 9.0)
                    col = 0xFFC830;
                else if (d + ragged < 12.0)
                    col = 0xF07818;
                else if (d + ragged < 13.5)
                    col = 0xA83010;
                break;
            case 3: { // burning out, smoke rising
                double sd = std::hypot(dx, dy + 3.0);
                if (sd + ragged < 13.5)
                    col = noise(x, y, 9) > 0.5 ? 0x5A524A : 0x4A423C;
                if (d + ragged < 9.0)
                    col = 0xD85A18;
                if (d + ragged < 5.5)
                    col = 0xFFB030;
                if (d + ragged < 2.5)
                    col = 0xFFF0A0;
                break;
            }
            default: { // puffs of smoke drifting apart
                const double puffs[5][3] = {
                    {8, 12, 5.5}, {15, 10, 6.0}, {12, 5, 5.0}, {20, 15, 4.5}, {6, 19, 4.0}};
                for (const auto& p : puffs) {
                    double pd = std::hypot(x + 0.5 - p[0], y + 0.5 - p[1]) + (noise(x, y, 13) - 0.5) * 1.2;
                    if (pd < p[2] && noise(x, y, 11) > 0.12) {
                        double lit = (p[0] - x) + (p[1] - y);
                        col = lit > 2 ? 0x9A928A : lit > -2 ? 0x6E6660 : 0x4A4440;
                    }
                }
                break;
            }
            }
            c.set(x, y, col);
        }
    // Flying sparks in the first two stages.
    if (stage <= 2)
        for (int i = 0; i < 10; ++i) {
            double a = i * 2 * kPi / 10 + 0.2 * stage;
            double r = stage == 1 ? 11.5 : 14.5;
            int x = int(std::lround(cx + std::cos(a) * r)), y = int(std::lround(cy + std::sin(a) * r * 0.9));
            c.set(x, y, 0xFFD040);
        }
    return c;
}

} // namespace

Canvas fireSheet()
{
    Canvas sheet(17, 9, kBlack);
    sheet.rect(8, 0, 9, 9, kWhite);
    placeShaped(sheet, fromRows(kFlash, firePalette), 1, 1, 9, 1, Style::MaskThenSprite);
    return sheet;
}

Canvas cursorSheet()
{
    Canvas sheet(121, 31, kBlack);
    sheet.rect(0, 0, 31, 31, kWhite);
    sheet.rect(60, 0, 31, 31, kWhite);
    placeShaped(sheet, firePointer(), 31, 1, 1, 1, Style::MaskThenSprite);
    placeShaped(sheet, movePointer(), 91, 1, 61, 1, Style::MaskThenSprite);
    return sheet;
}

Canvas moveMarkSheet()
{
    // Four corner brackets closing in on the point of the order, then a cross on it.
    Canvas sheet = maskedSheet(5, 13);
    for (int f = 1; f <= 5; ++f) {
        Canvas c(12, 12, kClear);
        const Colour light = 0xA8FF80, dark = 0x1A4A10;
        if (f == 5) {
            // The last frame: a small cross on the point.
            for (int i = 3; i <= 8; ++i) {
                c.set(i, i, light);
                c.set(i, 11 - i, light);
            }
            c.outline(dark);
        } else {
            // Four corner brackets closing in on the point.
            int d = 6 - f;
            for (int sx : {-1, 1})
                for (int sy : {-1, 1}) {
                    int cx = sx < 0 ? 5 - d : 6 + d, cy = sy < 0 ? 5 - d : 6 + d;
                    for (int k = 0; k < 3; ++k) {
                        c.set(cx - sx * k, cy, light);
                        c.set(cx, cy - sy * k, light);
                    }
                }
            c.outline(dark);
        }
        placeRow(sheet, c, f, 13, 1, 14);
    }
    return sheet;
}

Canvas objectSprite(int cell)
{
    return fromRows(kObjects[(cell - 1) % 9], objectPalette);
}

Canvas objectSheet()
{
    Canvas sheet = maskedSheet(9, 15);
    for (int cell = 1; cell <= 9; ++cell)
        placeRow(sheet, objectSprite(cell), cell, 15, 1, 16);
    return sheet;
}

Canvas blastSheet()
{
    Canvas sheet = maskedSheet(4, 33);
    for (int stage = 1; stage <= 4; ++stage)
        placeRow(sheet, blast(stage), stage, 33, 1, 34);
    return sheet;
}

} // namespace assets
