// Review pictures for the art: each bitmap enlarged with a pixel grid, a sample map painted from
// the tiles, and a battle scene drawn with the game's own raster operations.

#include "tools/make_assets/battle_sheets.h"
#include "tools/make_assets/catalogue.h"
#include "tools/make_assets/hud_sheets.h"
#include "tools/make_assets/pixel_font.h"
#include "tools/make_assets/screen_art.h"
#include "tools/make_assets/soldier_art.h"
#include "tools/make_assets/tile_art.h"

#include <QImage>

#include <cstdio>
#include <filesystem>
#include <iostream>

namespace assets {

namespace {

bool savePng(const Canvas& c, const std::string& path)
{
    QImage img(c.width(), c.height(), QImage::Format_RGB32);
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            Colour p = c.at(x, y);
            img.setPixel(x, y, 0xFF000000u | (p == kClear ? 0xFF00FFu : p));
        }
    return img.save(QString::fromStdString(path), "PNG");
}

Canvas enlarged(const Canvas& c, int factor)
{
    Canvas out = c.scaled(factor);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if (x % factor == 0 || y % factor == 0)
                out.set(x, y, mix(out.at(x, y), 0x808080, 0.18));
    return out;
}

enum class Op { Copy, And, Or };

void blit(Canvas& dst, int x, int y, int w, int h, const Canvas& src, int sx, int sy, Op op)
{
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            if (!dst.inside(x + i, y + j) || !src.inside(sx + i, sy + j))
                continue;
            Colour s = src.at(sx + i, sy + j), d = dst.at(x + i, y + j);
            dst.set(x + i, y + j, op == Op::Copy ? s : op == Op::And ? (s & d) : (s | d));
        }
}

// The game's figure drawing: silhouette ORed, then the team's sprite ANDed.
void drawDoll(Canvas& dst, const Canvas& spp, int x, int y, int team, int c, int mode, int terrain)
{
    if (c > 8 && (mode == 0 || mode == 1))
        c = 1;
    int sx = (c - 1) * 15 + 1, sy = (team - 1) * 21 + 1;
    int dx = x - 6, dy = y - 17;
    if (terrain == 1 && (mode == 0 || mode == 1)) {
        int off = mode == 1 ? 120 : 0;
        blit(dst, dx, dy, 14, 20, spp, sx + off, 1, Op::Or);
        blit(dst, dx, dy, 14, 20, spp, sx + off, sy + 21, Op::And);
    }
    if (terrain == 2) {
        blit(dst, dx, dy, 14, 20, spp, sx + 285, 1, Op::Or);
        blit(dst, dx, dy, 14, 20, spp, sx + 285, sy + 21, Op::And);
    }
    if (mode == 2) {
        blit(dst, dx, dy, 14, 20, spp, sx, 1, Op::Or);
        blit(dst, dx, dy, 14, 20, spp, sx, sy + 21, Op::And);
    }
}

void drawMasked(Canvas& dst, const Canvas& sheet, int x, int y, int w, int h, int sx, int sy, int mx, int my)
{
    blit(dst, x, y, w, h, sheet, mx, my, Op::And);
    blit(dst, x, y, w, h, sheet, sx, sy, Op::Or);
}

Canvas paintMap(const std::vector<std::vector<int>>& grid)
{
    Canvas sheet = tileSheet();
    int rows = int(grid.size()), cols = int(grid[0].size());
    Canvas map(cols * 20, rows * 20);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < cols; ++x) {
            int k = grid[y][x];
            blit(map, x * 20, y * 20, 20, 20, sheet, 1 + 21 * ((k - 1) % 22), 1 + 21 * ((k - 1) / 22),
                 Op::Copy);
        }
    return map;
}

// A village by a river: roads, houses, a bridge, woods, a compound with sandbags.
std::vector<std::vector<int>> sampleMap()
{
    // clang-format off
    return {
        { 1, 1, 1,17, 1, 5, 1, 1,29, 1, 1, 1,89,90,91, 1, 1,18,18, 1},
        { 1,18, 1, 1, 1, 1, 1, 1,29, 1, 7, 1,92,93,94, 1,19, 1,18, 1},
        { 1, 1,20, 1, 6, 1, 1, 1,29, 1, 1, 1,95,96,97, 1, 1, 1, 1, 1},
        {28,28,28,28,28,28,28,28,34,28,28,28,28,28,28,28,28,28,28,28},
        { 1, 1, 1, 1, 1,49, 1, 1,29, 1, 1, 1, 1,98,99,100, 1, 8, 8, 8},
        { 3, 3, 1, 1, 1, 1, 1, 1,29, 1,13,13, 1,101,102,103, 1,8,24, 8},
        { 2, 3, 3, 1,15, 1, 1, 1,29, 1,13,14, 1,104,105,106, 1, 8, 8, 8},
        { 2, 2, 3, 3, 1, 1, 1, 1,29, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
        { 2, 2, 2, 3, 3, 3, 3, 3,45, 3, 3, 3, 1,52,47,47,53, 1,25,25},
        { 2,23, 2, 2, 2, 2, 2, 2,45, 2, 2, 3, 1,50,46,60,51, 1,25,86},
        { 2, 2, 2, 2, 2, 2, 2, 2,45, 2, 2, 2, 3,54,48,48,55, 1,27, 1},
        { 2, 2, 2, 2,11,11, 2, 2,45, 2, 2, 2, 3, 3, 1, 1, 1, 1, 1,26},
        { 3, 3, 9, 9,11,10, 3, 3,29, 3, 2, 2, 2, 3, 1, 1,17, 1, 1,26},
        {21, 3, 3, 9, 9, 3, 3, 1,29, 1, 3, 2, 2, 3, 1, 1, 1, 1,16,16},
        {22, 3, 1, 1, 1, 1, 1, 1,43, 1, 3, 3,23, 3, 1,19, 1,16,18,16},
    };
    // clang-format on
}

// Soldiers of every team in every direction and pose, objects and effects, on the sample map.
Canvas battleScene()
{
    Canvas scene = paintMap(sampleMap());
    Canvas spp = soldierSheet(), objects = objectSheet(), blasts = blastSheet(), fire = fireSheet(),
           medals = medalSheet(), cursor = cursorSheet(), marker = moveMarkSheet();
    for (int team = 1; team <= 5; ++team)
        for (int dir = 1; dir <= 8; ++dir) {
            int x = 16 + (dir - 1) * 16, y = 28 + (team - 1) * 26;
            drawDoll(scene, spp, x, y, team, dir, (team % 2), 1);
        }
    // Wading soldiers in the river, bodies and victory poses.
    for (int dir = 1; dir <= 8; ++dir)
        drawDoll(scene, spp, 12 + dir * 16, 212, 1 + dir % 5, dir, 1, 2);
    drawDoll(scene, spp, 150, 160, 4, 17, 2, 1);
    drawDoll(scene, spp, 172, 162, 4, 18, 2, 1);
    drawDoll(scene, spp, 194, 160, 1, 19, 2, 1);
    for (int k = 0; k < 7; ++k)
        drawDoll(scene, spp, 220 + k * 16, 190, 2, 28 + k, 2, 1);
    drawDoll(scene, spp, 60, 250, 3, 35, 2, 2);
    drawDoll(scene, spp, 80, 250, 3, 42, 2, 1);
    drawDoll(scene, spp, 100, 250, 3, 18, 2, 2);
    // Objects in a row, then blasts and the fire flash.
    for (int cell = 1; cell <= 9; ++cell)
        drawMasked(scene, objects, 150 + cell * 16 - 6, 226 - 8, 14, 14, 1 + 15 * (cell - 1), 1,
                   1 + 15 * (cell - 1), 16);
    for (int stage = 1; stage <= 4; ++stage)
        drawMasked(scene, blasts, 250 + stage * 34 - 10 - 120, 290 - 24, 32, 32, 1 + 33 * (stage - 1), 1,
                   1 + 33 * (stage - 1), 34);
    drawMasked(scene, fire, 16 + 10 - 2, 28 - 2 - 10, 7, 7, 1, 1, 9, 1);
    // A medal over the first soldier, a pointer and a move marker.
    blit(scene, 16 - 5, 28 - 34 + 20, 11, 11, medals, 1, 1, Op::Or);
    blit(scene, 16 - 5, 28 - 34 + 20, 11, 11, medals, 1 + 12 * 5, 1, Op::And);
    drawMasked(scene, cursor, 300 - 14, 120 - 14, 29, 29, 31, 1, 1, 1);
    drawMasked(scene, cursor, 340, 140, 29, 29, 91, 1, 61, 1);
    drawMasked(scene, marker, 320 - 6, 200 - 6, 12, 12, 1 + 13 * 2, 1, 1 + 13 * 2, 14);
    return scene;
}

// Every tile enlarged 4 x, labelled with its map code (hexadecimal, as a map row writes it), its
// number in the sheet and what the battle does with it, to judge each tile against its kind.
Canvas tileReview()
{
    constexpr int kScale = 4, kCols = 11, kCell = kTileSize * kScale, kPitchX = kCell + 8,
                  kPitchY = kCell + 24;
    Canvas sheet(8 + kCols * kPitchX, 8 + (kTileCount + kCols - 1) / kCols * kPitchY, 0x303030);
    for (int t = 1; t <= kTileCount; ++t) {
        int x = 8 + (t - 1) % kCols * kPitchX, y = 8 + (t - 1) / kCols * kPitchY;
        sheet.draw(tileImage(t).scaled(kScale), x, y);
        char code[16];
        std::snprintf(code, sizeof code, "%02X  %d", t, t);
        printText(sheet, x, y + kCell + 3, code, kWhite);
        const char* word = "WALK";
        Colour colour = 0xC0C0C0;
        switch (tileKind(t)) {
        case TileKind::Blocking:
            word = "BLOCKS";
            colour = 0xFF6050;
            break;
        case TileKind::Water:
            word = "WATER";
            colour = 0x70B0FF;
            break;
        case TileKind::Slow:
            word = "SLOW";
            colour = 0xE0C070;
            break;
        case TileKind::Fast:
            word = "FAST";
            break;
        case TileKind::Normal:
            break;
        }
        printText(sheet, x, y + kCell + 12, word, colour);
    }
    return sheet;
}

// The in-game menu as the battle lays it out: a black 200 x 200 panel with a white frame.
Canvas menuPreview()
{
    Canvas pmp = menuButtons();
    Canvas menu(202, 202, kWhite);
    menu.rect(1, 1, 200, 200, kBlack);
    auto button = [&](int cell, int x, int y) {
        blit(menu, 1 + x, 1 + y, 37, 48, pmp, 1 + 38 * (cell - 1), 1, Op::Copy);
    };
    auto strip = [&](int row, int x, int y) {
        blit(menu, 1 + x, 1 + y, 75, 16, pmp, 343, 1 + 16 * (row - 1), Op::Copy);
    };
    for (int k = 1; k <= 10; ++k) {
        int cell = k == 3 ? 6 : k == 8 || k == 9 ? 7 : 5;
        button(cell, 9 + 37 * ((k - 1) % 5), k <= 5 ? 50 : 98);
    }
    button(2, 9, 1);
    button(4, 157, 1);
    button(8, 157, 147);
    strip(1, 64, 10);
    strip(3, 10, 150);
    strip(2, 64, 183);
    return menu;
}

} // namespace

bool writeContactSheets(const std::string& dir)
{
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    bool ok = true;
    for (const BitmapFile& b : bitmapFiles()) {
        std::string name = b.name.substr(0, b.name.size() - 4) + ".png";
        Canvas pic = b.draw();
        if (!savePng(enlarged(pic, 4), dir + "/" + name)) {
            std::cerr << "make_assets: cannot write " << dir << "/" << name << "\n";
            ok = false;
        }
    }
    ok = savePng(paintMap(sampleMap()).scaled(2), dir + "/sample_map.png") && ok;
    ok = savePng(battleScene().scaled(3), dir + "/battle_scene.png") && ok;
    ok = savePng(menuPreview().scaled(3), dir + "/menu_preview.png") && ok;
    ok = savePng(tileReview(), dir + "/tiles.png") && ok;
    return ok;
}

} // namespace assets
