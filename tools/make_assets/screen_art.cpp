#include "tools/make_assets/screen_art.h"

#include "tools/make_assets/battle_sheets.h"
#include "tools/make_assets/hud_sheets.h"
#include "tools/make_assets/pixel_font.h"
#include "tools/make_assets/sheet.h"
#include "tools/make_assets/soldier_art.h"

#include <cmath>
#include <string>
#include <vector>

namespace assets {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Ordered dithering between two colours, for the painted backgrounds.
Colour dither(Colour a, Colour b, double t, int x, int y)
{
    static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    double threshold = (bayer[y & 3][x & 3] + 0.5) / 16.0;
    return t > threshold ? b : a;
}

// A colour ramp read at t in [0, 1], dithered between its neighbouring steps.
Colour ramp(const std::vector<Colour>& steps, double t, int x, int y)
{
    t = std::fmin(std::fmax(t, 0.0), 0.9999);
    double pos = t * (steps.size() - 1);
    int i = int(pos);
    return dither(steps[i], steps[i + 1], pos - i, x, y);
}

Canvas bevel(int w, int h, Colour face)
{
    Canvas c(w, h, face);
    c.line(0, 0, w - 1, 0, shade(face, 1.5));
    c.line(0, 0, 0, h - 1, shade(face, 1.5));
    c.line(0, h - 1, w - 1, h - 1, shade(face, 0.4));
    c.line(w - 1, 0, w - 1, h - 1, shade(face, 0.4));
    c.line(1, h - 2, w - 2, h - 2, shade(face, 0.7));
    c.line(w - 2, 1, w - 2, h - 2, shade(face, 0.7));
    return c;
}

// --- in-game menu buttons --------------------------------------------------------------------

void noteIcon(Canvas& c, int x, int y, Colour col)
{
    c.rect(x + 9, y, 2, 14, col);
    c.rect(x + 11, y, 6, 2, col);
    c.rect(x + 15, y, 2, 12, col);
    c.ellipse(x + 4, y + 11, x + 10, y + 16, col);
    c.ellipse(x + 11, y + 9, x + 17, y + 14, col);
}

void speakerIcon(Canvas& c, int x, int y, Colour col, bool waves)
{
    c.rect(x + 2, y + 5, 5, 7, col);
    for (int i = 0; i < 6; ++i)
        c.line(x + 7 + i, y + 5 - i, x + 7 + i, y + 11 + i, col);
    if (waves) {
        for (int r : {4, 7})
            for (int a = -40; a <= 40; a += 5) {
                double rad = a * kPi / 180;
                c.set(x + 14 + int(std::lround(std::cos(rad) * r)),
                      y + 8 + int(std::lround(std::sin(rad) * r)), col);
            }
    }
}

void cassetteIcon(Canvas& c, int x, int y, Colour body, Colour label)
{
    c.rect(x, y, 23, 15, body);
    c.frame(x, y, 23, 15, shade(body, 0.5));
    c.rect(x + 3, y + 2, 17, 6, label);
    c.disc(x + 7.5, y + 5.5, 2.2, 0x202020);
    c.disc(x + 15.5, y + 5.5, 2.2, 0x202020);
    c.rect(x + 5, y + 10, 13, 4, shade(body, 0.7));
}

void diceIcon(Canvas& c, int x, int y, Colour face, Colour pip)
{
    c.rect(x, y, 15, 15, face);
    c.frame(x, y, 15, 15, shade(face, 0.5));
    for (auto [px, py] : {std::pair{3, 3}, {10, 3}, {6, 6}, {3, 10}, {10, 10}})
        c.rect(x + px, y + py, 2, 2, pip);
    c.rect(x + 8, y + 8, 15, 15, shade(face, 0.85));
    c.frame(x + 8, y + 8, 15, 15, shade(face, 0.45));
    for (auto [px, py] : {std::pair{3, 3}, {10, 10}})
        c.rect(x + 8 + px, y + 8 + py, 2, 2, pip);
}

void cross(Canvas& c, int x, int y, int size, Colour col)
{
    for (int i = 0; i < size; ++i)
        for (int w = 0; w < 2; ++w) {
            c.set(x + i + w, y + i, col);
            c.set(x + size - 1 - i + w, y + i, col);
        }
}

Canvas menuButton(int cell)
{
    const Colour face = 0x3A4230, dim = 0x6A6E60, lit = 0xE8F0C8;
    Canvas c = bevel(37, 48, face);
    auto led = [&](bool on) {
        c.rect(15, 38, 7, 5, 0x101010);
        c.rect(16, 39, 5, 3, on ? 0x50F040 : 0x8A1A10);
        if (on)
            c.set(17, 39, 0xD0FFD0);
    };
    auto label = [&](const char* text, Colour col) {
        int w = textWidth(text);
        printText(c, (37 - w) / 2, 29, text, col);
    };
    switch (cell) {
    case 1:
    case 2: {
        bool on = cell == 2;
        noteIcon(c, 9, 6, on ? lit : dim);
        if (!on)
            cross(c, 8, 5, 20, 0xC83020);
        label("MUSIC", on ? lit : dim);
        led(on);
        break;
    }
    case 3:
    case 4: {
        bool on = cell == 4;
        speakerIcon(c, 8, 5, on ? lit : dim, on);
        if (!on)
            cross(c, 8, 5, 20, 0xC83020);
        label("SOUND", on ? lit : dim);
        led(on);
        break;
    }
    case 5:
        cassetteIcon(c, 7, 8, 0x5A5A54, 0xC8B070);
        label("TRACK", lit);
        led(true);
        break;
    case 6:
        c = bevel(37, 48, 0x6A6220);
        c.frame(2, 2, 33, 44, 0xF8E040);
        cassetteIcon(c, 7, 8, 0x7A7468, 0xF8E060);
        label("TRACK", 0xFFF8C0);
        c.rect(15, 38, 7, 5, 0x101010);
        c.rect(16, 39, 5, 3, 0xF8E040);
        break;
    case 7:
        c = bevel(37, 48, 0x2A2C26);
        cassetteIcon(c, 7, 8, 0x3A3A36, 0x4A4A44);
        label("EMPTY", 0x5A5C54);
        break;
    case 8:
    case 9: {
        bool on = cell == 8;
        diceIcon(c, 6, 3, on ? 0xE8E8E0 : 0x7A7A74, on ? 0xB02020 : 0x3A3A36);
        label("RANDOM", on ? lit : dim);
        led(on);
        break;
    }
    default:
        break;
    }
    return c;
}

Canvas textStrip(const char* text)
{
    Canvas c = bevel(75, 16, 0x5A3A20);
    c.rect(2, 2, 71, 12, 0x6E4828);
    int w = textWidth(text);
    printText(c, (75 - w) / 2 + 1, 5, text, 0x201008);
    printText(c, (75 - w) / 2, 4, text, 0xF8E8B0);
    return c;
}

// --- title -----------------------------------------------------------------------------------

Canvas logo()
{
    // The game's name in chunky metal letters with a dark rim, on a transparent ground.
    const char* name = "TOLVAR";
    const int scale = 5;
    Canvas letters(247, 206, kClear);
    int w = textWidth(name, scale);
    int x0 = 47 + (200 - w) / 2, y0 = 8;
    // Extruded shadow first, then the face.
    for (int d = 4; d >= 1; --d)
        for (int bold = 0; bold <= 2; ++bold)
            printText(letters, x0 + d + bold, y0 + d, name, mix(0x3A1A0A, 0x1A0A04, d / 4.0), scale);
    Canvas face(247, 206, kClear);
    for (int bold = 0; bold <= 2; ++bold) // heavier strokes than the plain letters
        printText(face, x0 + bold, y0, name, 0xFFFFFF, scale);
    for (int y = 0; y < 206; ++y)
        for (int x = 0; x < 247; ++x)
            if (face.at(x, y) != kClear) {
                double t = double(y - y0) / (7 * scale);
                std::vector<Colour> metal = {0xFFF4C0, 0xF0C850, 0xC88A28, 0xE8B040, 0x8A5A1A};
                letters.set(x, y, ramp(metal, t, x, y));
            }
    letters.outline(0x140A04);
    return letters;
}

} // namespace

Canvas menuButtons()
{
    Canvas sheet(419, 50, kBlack);
    for (int cell = 1; cell <= 9; ++cell)
        sheet.draw(menuButton(cell), 1 + 38 * (cell - 1), 1);
    const char* texts[3] = {"QUIT", "RESUME", "PLAY TRACK"};
    for (int row = 1; row <= 3; ++row)
        sheet.draw(textStrip(texts[row - 1]), 1 + 38 * 9, 1 + 16 * (row - 1));
    return sheet;
}

Canvas titleBackground()
{
    // Dusk over a battlefield: a dithered sky, far hills, a line of trees and a wire fence.
    const int W = 501, H = 465;
    Canvas c(W, H);
    const std::vector<Colour> sky = {0x0E1430, 0x1E2450, 0x3A3060, 0x7A4058, 0xC86040, 0xF0A050};
    const int horizon = 300;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            c.set(x, y, ramp(sky, double(y) / horizon, x, y));
    // Stars in the high sky.
    for (int i = 0; i < 90; ++i) {
        int x = int(hash01(i, 1, 901) * W), y = int(hash01(i, 2, 901) * 150);
        c.set(x, y, hash01(i, 3, 901) > 0.7 ? 0xFFFFFF : 0x9AA0C8);
    }
    // A low moon.
    c.disc(400, 110, 22, 0xF0E0B0);
    c.disc(392, 104, 20, shade(ramp(sky, 104.0 / horizon, 0, 0), 1.0));
    // Three ranges of hills, far to near.
    struct Range
    {
        double base, amp, freq;
        int seed;
        Colour col;
    };
    const Range ranges[] = {
        {250, 40, 0.012, 911, 0x4A2E4A}, {285, 30, 0.02, 912, 0x2E2436}, {320, 24, 0.03, 913, 0x1C1A22}};
    for (const Range& r : ranges)
        for (int x = 0; x < W; ++x) {
            double h = r.base - r.amp * (0.5 + 0.5 * std::sin(x * r.freq + r.seed)) -
                       r.amp * 0.4 * smoothNoise(x, 0, 16, 512, r.seed);
            for (int y = int(h); y < H; ++y)
                c.set(x, y, r.col);
        }
    // Ground: dark grass darkening towards the viewer.
    const std::vector<Colour> ground = {0x1C1A22, 0x1A2418, 0x16200F, 0x0E160A};
    for (int y = 330; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            double t = (y - 330) / double(H - 330);
            Colour g = ramp(ground, t, x, y);
            if (hash01(x, y, 921) > 0.96)
                g = shade(g, 0.6);
            else if (hash01(x, y, 922) > 0.985)
                g = shade(g, 1.3);
            c.set(x, y, g);
        }
    // Tree line silhouettes on the middle range.
    for (int i = 0; i < 26; ++i) {
        int x = int(hash01(i, 1, 931) * W);
        int base = 300 + int(hash01(i, 2, 931) * 30);
        int h = 18 + int(hash01(i, 3, 931) * 22);
        for (int y = 0; y < h; ++y) {
            int half = int((y * 0.35) + 1);
            for (int dx = -half; dx <= half; ++dx)
                c.set(x + dx, base - h + y, 0x0E0E12);
        }
        c.rect(x, base, 2, 6, 0x0E0E12);
    }
    // Barbed-wire fence across the foreground.
    for (int x = 0; x < W; ++x) {
        int y1 = 372 + int(std::lround(std::sin(x * 0.07) * 2));
        int y2 = 386 + int(std::lround(std::sin(x * 0.05 + 1) * 2));
        c.set(x, y1, 0x2A2A2E);
        c.set(x, y2, 0x2A2A2E);
        if (x % 9 == 0) {
            c.set(x, y1 - 1, 0x3A3A40);
            c.set(x + 1, y1 + 1, 0x3A3A40);
            c.set(x, y2 - 1, 0x3A3A40);
        }
    }
    for (int x = 14; x < W; x += 62) {
        c.rect(x, 362, 3, 36, 0x1A120C);
        c.set(x, 362, 0x3A2A1A);
    }
    // A patrol of five soldiers walking along the far ridge, black against the sky.
    for (int i = 0; i < 5; ++i) {
        Canvas s = soldierCell(4, i % 2 ? 1 : 9);
        int x = 236 + i * 17;
        int ridge = H;
        for (int y = 0; y < H; ++y)
            if (c.at(x + 7, y) == ranges[0].col || c.at(x + 7, y) == ranges[1].col) {
                ridge = y;
                break;
            }
        for (int yy = 0; yy < s.height(); ++yy)
            for (int xx = 0; xx < s.width(); ++xx)
                if (s.at(xx, yy) != kClear)
                    c.set(x + xx, ridge - 19 + yy, 0x120C18);
    }
    return c;
}

Canvas titlePicture()
{
    // Left half: the mask (black where the picture shows); right half: the picture on black.
    Canvas pic(247, 206, kClear);
    // Crossed rifles behind a helmet badge, under the name.
    auto rifle = [&](int x1, int y1, int x2, int y2) {
        for (int w = -2; w <= 1; ++w)
            pic.line(x1, y1 + w, x2, y2 + w, 0x2A2A2E);
        pic.line(x1, y1 - 2, x2, y2 - 2, 0x6A6A72);
        // Wooden stock at the lower end.
        int sx = x2 + (x1 < x2 ? -14 : 14);
        int sy = y2 - 12;
        for (int w = -3; w <= 3; ++w)
            pic.line(sx, sy + w, x2, y2 + w, w < -1 ? 0x9A6A3A : 0x7A4A22);
    };
    rifle(92, 62, 206, 148);
    rifle(202, 62, 88, 148);
    pic.outline(0x101010);
    // The helmet badge.
    const int ex = 147, ey = 102;
    pic.disc(ex, ey, 34, 0x101010);
    pic.disc(ex, ey, 31, 0x3A4A22);
    pic.disc(ex, ey, 27, 0x4C6A24);
    for (int y = ey - 28; y < ey + 28; ++y)
        for (int x = ex - 29; x < ex + 29; ++x) {
            double d = std::hypot(x - double(ex), y - double(ey));
            if (d < 27 && (x - ex) + (y - ey) < -4 && hash01(x, y, 941) > 0.4)
                pic.set(x, y, 0x6E8E3A);
        }
    Canvas head = teamBadge(1, 14, 12).scaled(3);
    pic.draw(head, ex - head.width() / 2, ey - head.height() / 2 - 2);
    pic.ring(ex, ey, 31, 1.5, 0xC8A040);
    pic.draw(logo(), 0, 0);
    // Stars of rank on the ribbon below.
    for (int i = -1; i <= 1; ++i) {
        int cx = 147 + i * 18, cy = 150;
        pic.disc(cx, cy, 5, 0x101010);
        for (int a = 0; a < 5; ++a) {
            double ang = -kPi / 2 + a * 2 * kPi / 5;
            pic.line(cx, cy, cx + int(std::lround(std::cos(ang) * 4)),
                     cy + int(std::lround(std::sin(ang) * 4)), 0xF0D060);
        }
    }
    Canvas sheet(494, 206, kBlack);
    for (int y = 0; y < 206; ++y)
        for (int x = 0; x < 247; ++x) {
            Colour p = pic.at(x, y);
            sheet.set(x, y, p == kClear ? kWhite : kBlack);
            sheet.set(247 + x, y, p == kClear ? kBlack : p);
        }
    return sheet;
}

Canvas markerStrip()
{
    Canvas strip(122, 12, 0x202020);
    auto cell = [&](int k) { return 1 + 11 * k; };
    // 0: the troop's start, a green flag.
    Canvas troop(10, 10, 0x1E4A18);
    troop.frame(0, 0, 10, 10, 0xA8FF80);
    troop.rect(3, 2, 1, 7, 0xE8E8E0);
    troop.rect(4, 2, 4, 3, 0x50E040);
    strip.draw(troop, cell(0), 1);
    // 1..5: enemies of each team, a helmeted head on a red ground.
    for (int team = 1; team <= 5; ++team) {
        Canvas m(10, 10, 0x5A1010);
        m.frame(0, 0, 10, 10, 0xF04030);
        m.draw(teamBadge(team, 8, 8), 1, 1);
        strip.draw(m, cell(team), 1);
    }
    // 6..9: the objects, shrunk from their battle sprites onto a light ground.
    const int objectCells[4] = {1, 6, 7, 8};
    for (int kind = 0; kind < 4; ++kind) {
        Canvas m(10, 10, 0xD8D4C0);
        m.frame(0, 0, 10, 10, 0x3A3A30);
        Canvas s = objectSprite(objectCells[kind]);
        // Sample the 14 x 14 sprite down to 8 x 8.
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                Colour p = s.at(x * 14 / 8 + 1, y * 14 / 8 + 1);
                if (p != kClear)
                    m.set(1 + x, 1 + y, p);
            }
        strip.draw(m, cell(6 + kind), 1);
    }
    return strip;
}

Canvas listButton(int which)
{
    // An arrow on a plain face; the button itself draws the raised frame around the picture.
    // Add moves a mission right, into the selected list; remove takes it back out, to the left.
    struct Arrow
    {
        int dx, dy;
        Colour light, dark;
    };
    const Arrow arrows[4] = {{1, 0, 0x4ABA3A, 0x1A5A14},
                             {-1, 0, 0xE0503A, 0x701A10},
                             {0, -1, 0x4A7AD8, 0x1A2A6A},
                             {0, 1, 0x4A7AD8, 0x1A2A6A}};
    const Arrow& a = arrows[which & 3];
    Canvas c(kListButtonW, kListButtonH, 0xE4E2DC);
    Canvas icon(kListButtonW, kListButtonH, kClear);
    const double cx = kListButtonW / 2.0, cy = kListButtonH / 2.0;
    for (int y = 0; y < kListButtonH; ++y)
        for (int x = 0; x < kListButtonW; ++x) {
            // Coordinates along the arrow (u, the head towards +) and across it (v).
            double px = x + 0.5 - cx, py = y + 0.5 - cy;
            double u = px * a.dx + py * a.dy, v = std::fabs(a.dx ? py : px);
            bool shaft = u >= -9 && u < 1 && v <= 2.5;
            bool head = u >= 0 && u <= 9 && v <= 9 - u;
            if (shaft || head)
                icon.set(x, y, (a.dx ? py : px) < 0 ? shade(a.light, 1.25) : a.light);
        }
    icon.outline(a.dark);
    c.draw(icon, 0, 0);
    return c;
}

} // namespace assets
