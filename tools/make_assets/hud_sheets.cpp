#include "tools/make_assets/hud_sheets.h"

#include <cmath>
#include <string>
#include <vector>

namespace assets {

namespace {

// --- medals -----------------------------------------------------------------------------------

// The shield shape that every rank shares (11 x 11).
bool inShield(int x, int y)
{
    if (y < 0 || y > 10 || x < 0 || x > 10)
        return false;
    if (y <= 6)
        return !(y == 0 && (x == 0 || x == 10));
    int inset = y - 6; // the point narrows towards the bottom
    return x >= inset && x <= 10 - inset;
}

Canvas medal(int rank)
{
    // Ranks climb in six groups of three: chevrons, chevrons with a rocker, silver bars,
    // gold bars, silver stars, gold stars.
    int group = (rank - 1) / 3, count = (rank - 1) % 3 + 1;
    const Colour fields[6] = {0x3A5A2A, 0x2A4A6A, 0x3A3A5A, 0x5A2A2A, 0x2A2A3A, 0x6A1A1A};
    const Colour gold = 0xF0C840, silver = 0xD8DCE0;
    Colour field = fields[group];
    Canvas c(11, 11, kClear);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 11; ++x)
            if (inShield(x, y)) {
                bool rim =
                    !inShield(x - 1, y) || !inShield(x + 1, y) || !inShield(x, y - 1) || !inShield(x, y + 1);
                c.set(x, y, rim ? (group >= 3 ? gold : 0x1A1A14) : field);
            }
    Colour mark = (group == 2 || group == 4) ? silver : gold;
    if (group <= 1) {
        // Chevrons, nested one above the other; the second group adds a rocker under them.
        int top = (group == 1 ? 1 : 2) + (3 - count) * 3 / 2;
        for (int i = 0; i < count; ++i) {
            int y0 = top + i * 3;
            for (int x = 4; x <= 6; ++x)
                c.set(x, y0, mark);
            c.set(3, y0 + 1, mark);
            c.set(4, y0 + 1, mark);
            c.set(6, y0 + 1, mark);
            c.set(7, y0 + 1, mark);
            c.set(2, y0 + 2, mark);
            c.set(3, y0 + 2, mark);
            c.set(7, y0 + 2, mark);
            c.set(8, y0 + 2, mark);
        }
        if (group == 1) {
            for (int x = 3; x <= 7; ++x)
                c.set(x, 9, silver);
            c.set(2, 8, silver);
            c.set(8, 8, silver);
        }
    } else if (group <= 3) {
        int top = 2 + (3 - count) * 3 / 2;
        for (int i = 0; i < count; ++i) {
            c.rect(2, top + i * 3, 7, 2, mark);
            c.rect(2, top + i * 3 + 1, 7, 1, shade(mark, 0.75));
        }
    } else {
        auto small = [&](int cx, int cy) {
            c.set(cx, cy - 1, mark);
            c.set(cx - 1, cy, mark);
            c.set(cx, cy, kWhite);
            c.set(cx + 1, cy, mark);
            c.set(cx, cy + 1, mark);
        };
        if (count == 1) {
            const char* star[5] = {"..#..", ".###.", "#####", ".###.", ".#.#."};
            for (int y = 0; y < 5; ++y)
                for (int x = 0; x < 5; ++x)
                    if (star[y][x] == '#')
                        c.set(3 + x, 2 + y, mark);
            c.set(5, 4, kWhite);
        } else if (count == 2) {
            small(3, 4);
            small(7, 4);
        } else {
            small(3, 3);
            small(7, 3);
            small(5, 6);
        }
    }
    // Keep every mark inside the shared shield.
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 11; ++x)
            if (!inShield(x, y))
                c.set(x, y, kClear);
    return c;
}

// --- status bar and panel ---------------------------------------------------------------------

Canvas clipGlyph()
{
    // A curved rifle magazine, brass rounds showing at the top.
    // clang-format off
    const std::vector<std::string> rows = {
        ".gGGg...",
        "xxxxxx..",
        "xMMmmx..",
        "xMMmmx..",
        "xMMmmx..",
        ".xMMmmx.",
        ".xMMmmx.",
        "..xMMmx.",
        "..xxxxx.",
        "........",
    };
    // clang-format on
    auto pal = [](char m) -> Colour {
        switch (m) {
        case 'g':
            return 0xC8A040;
        case 'G':
            return 0xF0D070;
        case 'x':
            return 0xA8A8B0;
        case 'm':
            return 0x4A4A54;
        case 'M':
            return 0x70707C;
        default:
            return kBlack;
        }
    };
    Canvas c(8, 10, kBlack);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 8; ++x)
            c.set(x, y, pal(rows[y][x]));
    return c;
}

struct BadgeColours
{
    Colour helmet, light, dark;
};
const BadgeColours kBadge[5] = {
    {0x4C6A24, 0x7C9C48, 0x2A3A14}, // green
    {0x2C4C9C, 0x5C88E0, 0x18285A}, // blue
    {0xB02828, 0xE86050, 0x601010}, // elite: red beret
    {0x5A6066, 0x8A9298, 0x3A3E42}, // gray: steel helmet
    {0x5A3820, 0x8A6040, 0x2A1A0E}, // hooded
};

Canvas bevelButton(int w, int h, Colour face)
{
    Canvas c(w, h, face);
    c.line(0, 0, w - 1, 0, shade(face, 1.45));
    c.line(0, 0, 0, h - 1, shade(face, 1.45));
    c.line(1, 1, w - 2, 1, shade(face, 1.2));
    c.line(1, 1, 1, h - 2, shade(face, 1.2));
    c.line(0, h - 1, w - 1, h - 1, shade(face, 0.45));
    c.line(w - 1, 0, w - 1, h - 1, shade(face, 0.45));
    c.line(1, h - 2, w - 2, h - 2, shade(face, 0.7));
    c.line(w - 2, 1, w - 2, h - 2, shade(face, 0.7));
    return c;
}

void bullet(Canvas& c, int x, int y)
{
    c.set(x, y, 0xF0D070);
    c.rect(x - 1, y + 1, 3, 2, 0xD8B050);
    c.rect(x - 1, y + 3, 3, 4, 0xB08A30);
    c.set(x, y + 3, 0xD8B050);
}

} // namespace

Canvas teamBadge(int team, int w, int h)
{
    // A helmeted head in the team's colour, seen from the front.
    const BadgeColours& b = kBadge[(team - 1) % 5];
    Canvas c(w, h, kClear);
    double cx = w / 2.0, top = (h - 8) / 2.0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double dx = x + 0.5 - cx, yy = y - top;
            if (yy >= 0 && yy < 4 && std::fabs(dx) <= 3.5 - (yy < 1 ? 1 : 0))
                c.set(x, y, yy < 1.5 && dx < 0 ? b.light : b.helmet);
            else if (yy >= 4 && yy < 5 && std::fabs(dx) <= 3.5)
                c.set(x, y, b.dark);
            else if (yy >= 5 && yy < 8 && std::fabs(dx) <= 2.5 - (yy >= 7 ? 1 : 0))
                c.set(x, y, team == 5 ? 0x2A1A0E : 0xE0A878);
        }
    if (team == 5) { // the hood's eye slit
        int ey = int(top) + 5;
        c.set(int(cx) - 2, ey, 0xF0E0A0);
        c.set(int(cx) + 1, ey, 0xF0E0A0);
    } else {
        int ey = int(top) + 5;
        c.set(int(cx) - 2, ey, 0x201810);
        c.set(int(cx) + 1, ey, 0x201810);
    }
    return c;
}

Canvas medalSheet()
{
    // Silhouette-then-sprite: cell 1 is the shared silhouette (white shield on black); the ranks
    // are drawn on white.
    Canvas sheet(1 + 12 * 19, 13, kWhite);
    sheet.rect(0, 0, 13, 13, kBlack);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 11; ++x)
            sheet.set(1 + x, 1 + y, inShield(x, y) ? kWhite : kBlack);
    for (int rank = 1; rank <= 18; ++rank) {
        Canvas m = medal(rank);
        int x0 = 1 + 12 * rank;
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 11; ++x)
                sheet.set(x0 + x, 1 + y, m.at(x, y) == kClear ? kWhite : m.at(x, y));
    }
    return sheet;
}

Canvas statusSheet()
{
    // Plain copies onto the black roster panel: cell 1 a spare clip, cell 2 a round,
    // cells 3..7 the team badges.
    Canvas sheet(1 + 9 * 7, 12, kBlack);
    sheet.draw(clipGlyph(), 1, 1);
    Canvas round(8, 10, kBlack);
    bullet(round, 3, 1);
    sheet.draw(round, 10, 1);
    for (int team = 1; team <= 5; ++team) {
        Canvas cell(8, 10, kBlack);
        cell.draw(teamBadge(team, 8, 10), 0, 0);
        sheet.draw(cell, 1 + 9 * (team + 1), 1);
    }
    return sheet;
}

Canvas panelSheet()
{
    Canvas sheet(1 + 18 * 5, 20, kBlack);
    auto place = [&](int cell, const Canvas& c) { sheet.draw(c, 1 + 18 * (cell - 1), 1); };
    const Colour face = 0x4A5A3A;
    // 1: the nearest soldier fires (one round).
    Canvas one = bevelButton(17, 18, face);
    bullet(one, 8, 5);
    place(1, one);
    // 2: every ready soldier fires (three rounds).
    Canvas three = bevelButton(17, 18, face);
    bullet(three, 4, 5);
    bullet(three, 8, 5);
    bullet(three, 12, 5);
    place(2, three);
    // 3: share out the clips (a magazine between two arrows).
    Canvas share = bevelButton(17, 18, face);
    share.draw(clipGlyph().crop(2, 0, 6, 10), 6, 4);
    for (int i = 0; i < 3; ++i) {
        share.set(2 + i, 9 - i, 0xE8E8D0);
        share.set(2 + i, 9 + i, 0xE8E8D0);
        share.set(14 - i, 9 - i, 0xE8E8D0);
        share.set(14 - i, 9 + i, 0xE8E8D0);
    }
    place(3, share);
    // 4 and 5: the status-bar button, drawn with AND over the map: white lets the map show and
    // black hides it (a grey would keep only some bits of every channel and tint the map).
    // Closed: a black frame around the map with three black bars; open: the same button
    // reversed, a black face with the three bars let through.
    for (int cell = 4; cell <= 5; ++cell) {
        const bool open = cell == 5;
        Canvas b(17, 18, kWhite);
        b.rect(1, 1, 15, 16, kBlack);
        b.rect(3, 3, 11, 12, open ? kBlack : kWhite);
        for (int i = 0; i < 3; ++i)
            b.rect(5, 5 + i * 3, 7, 2, open ? kWhite : kBlack);
        place(cell, b);
    }
    return sheet;
}

} // namespace assets
