// The generated bitmaps: sizes and cell layouts as the game and the editors read them, masks
// that agree with their sprites, and a tile sheet whose blocking tiles stand out.

#include "asset_files.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

using asset_test::Bitmap;
using asset_test::loadBmp;

namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

struct Size
{
    const char* file;
    int width, height;
};

// Every picture the programs load, with the size its cell layout needs.
const Size kSizes[] = {
    {"map.bmp", 463, 106},      // 22 x 5 tiles of 20 on a 21 pitch
    {"soldiers.bmp", 901, 127}, // 60 columns of 15, silhouette row and five team rows of 21
    {"fire.bmp", 17, 9},        // two 7 x 7 cells on an 8 pitch
    {"cursor.bmp", 121, 31},    // four 29 x 29 cells on a 30 pitch
    {"anim.bmp", 66, 27},       // five 12 x 12 frames, mask row at y 14
    {"mapobjts.bmp", 136, 31},  // nine 14 x 14 cells, mask row at y 16
    {"efeitos.bmp", 133, 67},   // four 32 x 32 stages, mask row at y 34
    {"showbar.bmp", 64, 12},    // seven 8 x 10 glyphs
    {"menubar.bmp", 91, 20},    // five 17 x 18 glyphs
    {"qualifica.bmp", 229, 13}, // nineteen 11 x 11 cells on a 12 pitch
    {"pmp.bmp", 419, 50},       // eleven 37 x 48 buttons
    {"titlefundo.bmp", 501, 465}, {"titulo.bmp", 494, 206},
    {"objtpic.bmp", 122, 12}, // 10 x 10 markers at 1 + 11 k
    {"btnadd.bmp", 36, 28},       {"btnremove.bmp", 36, 28},
    {"btnup.bmp", 36, 28},        {"btndown.bmp", 36, 28},
};

TEST(Bitmaps, EveryFileIsA24BitBitmapOfItsLayoutSize)
{
    for (const Size& s : kSizes) {
        SCOPED_TRACE(s.file);
        Bitmap b = loadBmp(s.file);
        ASSERT_EQ(b.bitsPerPixel, 24);
        EXPECT_EQ(b.width, s.width);
        EXPECT_EQ(b.height, s.height);
        // The game loads them through the image library: it must read the same picture.
        QImage img(QString::fromStdString(asset_test::dataPath(std::string("grafico/") + s.file)));
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.width(), s.width);
        EXPECT_EQ(img.height(), s.height);
        EXPECT_EQ(img.pixel(s.width / 2, s.height / 2) & 0xFFFFFF, b.at(s.width / 2, s.height / 2));
    }
}

// How a sheet draws a shaped cell, and where its cells lie.
enum class Style { MaskThenSprite, SilhouetteThenSprite };
struct Shaped
{
    int sx, sy, mx, my; // sprite and mask (or silhouette) corners
};
struct ShapedSheet
{
    const char* file;
    Style style;
    int w, h;
    std::vector<Shaped> cells;
};

std::vector<Shaped> row(int count, int pitch, int spriteY, int maskY)
{
    std::vector<Shaped> out;
    for (int c = 0; c < count; ++c)
        out.push_back({1 + pitch * c, spriteY, 1 + pitch * c, maskY});
    return out;
}

std::vector<ShapedSheet> shapedSheets()
{
    std::vector<ShapedSheet> sheets = {
        {"fire.bmp", Style::MaskThenSprite, 7, 7, {{1, 1, 9, 1}}},
        {"cursor.bmp", Style::MaskThenSprite, 29, 29, {{31, 1, 1, 1}, {91, 1, 61, 1}}},
        {"anim.bmp", Style::MaskThenSprite, 12, 12, row(5, 13, 1, 14)},
        {"mapobjts.bmp", Style::MaskThenSprite, 14, 14, row(9, 15, 1, 16)},
        {"efeitos.bmp", Style::MaskThenSprite, 32, 32, row(4, 33, 1, 34)},
    };
    ShapedSheet medals{"qualifica.bmp", Style::SilhouetteThenSprite, 11, 11, {}};
    for (int cell = 2; cell <= 19; ++cell)
        medals.cells.push_back({1 + 12 * (cell - 1), 1, 1, 1});
    sheets.push_back(medals);
    ShapedSheet soldiers{"soldiers.bmp", Style::SilhouetteThenSprite, 14, 20, {}};
    for (int team = 1; team <= 5; ++team)
        for (int column = 1; column <= 60; ++column)
            soldiers.cells.push_back({1 + 15 * (column - 1), 1 + 21 * team, 1 + 15 * (column - 1), 1});
    sheets.push_back(soldiers);
    return sheets;
}

TEST(Bitmaps, MasksAgreeWithTheirSprites)
{
    // Mask then sprite: AND the mask (black shape on white), OR the sprite; wherever the mask
    // keeps the ground, the sprite must be black. Silhouette then sprite: OR the silhouette
    // (white shape on black), AND the sprite; wherever the silhouette keeps the ground, the
    // sprite must be white. Masks are pure black and white, or they would tint the ground.
    for (const ShapedSheet& sheet : shapedSheets()) {
        SCOPED_TRACE(sheet.file);
        Bitmap b = loadBmp(sheet.file);
        ASSERT_GT(b.width, 0);
        const std::uint32_t keep = sheet.style == Style::MaskThenSprite ? kWhite : kBlack;
        const std::uint32_t neutral = sheet.style == Style::MaskThenSprite ? kBlack : kWhite;
        int faults = 0;
        for (const Shaped& c : sheet.cells)
            for (int y = 0; y < sheet.h; ++y)
                for (int x = 0; x < sheet.w; ++x) {
                    std::uint32_t m = b.at(c.mx + x, c.my + y), s = b.at(c.sx + x, c.sy + y);
                    if (m != kBlack && m != kWhite)
                        ++faults;
                    else if (m == keep && s != neutral)
                        ++faults;
                }
        EXPECT_EQ(faults, 0);
    }
}

// Number of pixels that a shaped cell draws.
int shapePixels(const Bitmap& b, Style style, int mx, int my, int w, int h)
{
    const std::uint32_t shape = style == Style::MaskThenSprite ? kBlack : kWhite;
    int n = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            n += b.at(mx + x, my + y) == shape;
    return n;
}

TEST(Bitmaps, EveryCellTheGameDrawsShowsSomething)
{
    struct Used
    {
        const char* file;
        Style style;
        int w, h;
        std::vector<std::pair<int, int>> masks;
    };
    std::vector<std::pair<int, int>> soldierColumns;
    for (int c = 1; c <= 42; ++c) // directions, bodies, victory, water, reloads
        soldierColumns.push_back({1 + 15 * (c - 1), 1});
    const std::vector<Used> used = {
        {"soldiers.bmp", Style::SilhouetteThenSprite, 14, 20, soldierColumns},
        {"qualifica.bmp", Style::SilhouetteThenSprite, 11, 11, {{1, 1}}},
        {"fire.bmp", Style::MaskThenSprite, 7, 7, {{9, 1}}},
        {"cursor.bmp", Style::MaskThenSprite, 29, 29, {{1, 1}, {61, 1}}},
        {"anim.bmp", Style::MaskThenSprite, 12, 12, {{1, 14}, {14, 14}, {27, 14}, {40, 14}, {53, 14}}},
        {"mapobjts.bmp",
         Style::MaskThenSprite,
         14,
         14,
         {{1, 16}, {16, 16}, {31, 16}, {46, 16}, {61, 16}, {76, 16}, {91, 16}, {106, 16}, {121, 16}}},
        {"efeitos.bmp", Style::MaskThenSprite, 32, 32, {{1, 34}, {34, 34}, {67, 34}, {100, 34}}},
    };
    for (const Used& u : used) {
        Bitmap b = loadBmp(u.file);
        ASSERT_GT(b.width, 0) << u.file;
        for (auto [mx, my] : u.masks)
            EXPECT_GT(shapePixels(b, u.style, mx, my, u.w, u.h), 12)
                << u.file << " cell at " << mx << "," << my;
    }
    // The game places a figure's cell 6 pixels left of and 17 above the soldier's point: every
    // upright figure stands there, its feet at rows 16..19 and its body over column 6. The water
    // cells sit 285 pixels (19 columns) right of the figures they stand for.
    Bitmap spp = loadBmp("soldiers.bmp");
    for (int c = 1; c <= 16; ++c) {
        int x0 = 1 + 15 * (c - 1), lowest = -1;
        bool overPoint = false;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 14; ++x)
                if (spp.at(x0 + x, 1 + y) == kWhite) {
                    lowest = y;
                    overPoint = overPoint || x == 6;
                }
        EXPECT_GE(lowest, 16) << "column " << c;
        EXPECT_TRUE(overPoint) << "column " << c;
        int wx = 1 + 15 * ((c - 1) % 8 + 19);
        EXPECT_GT(shapePixels(spp, Style::SilhouetteThenSprite, wx, 1, 14, 20), 30)
            << "water of column " << c;
    }
}

TEST(Bitmaps, TheFiveTeamsWearDistinctUniforms)
{
    Bitmap spp = loadBmp("soldiers.bmp");
    ASSERT_GT(spp.width, 0);
    for (int column = 1; column <= 42; ++column)
        for (int a = 1; a <= 5; ++a)
            for (int b = a + 1; b <= 5; ++b) {
                int x0 = 1 + 15 * (column - 1), differ = 0, shape = 0;
                for (int y = 0; y < 20; ++y)
                    for (int x = 0; x < 14; ++x) {
                        if (spp.at(x0 + x, 1 + y) != kWhite)
                            continue;
                        ++shape;
                        differ += spp.at(x0 + x, 1 + 21 * a + y) != spp.at(x0 + x, 1 + 21 * b + y);
                    }
                EXPECT_GT(differ * 5, shape) << "column " << column << ", teams " << a << " and " << b;
            }
}

// The tile sheet.
const std::set<int>& blockingTiles()
{
    static const std::set<int> tiles = [] {
        std::set<int> s;
        for (int t = 0x11; t <= 0x1B; ++t)
            s.insert(t);
        for (int t = 0x52; t <= 0x6E; ++t)
            s.insert(t);
        return s;
    }();
    return tiles;
}

struct Tile
{
    std::vector<std::uint32_t> px;
    std::uint32_t at(int x, int y) const { return px[std::size_t(y) * 20 + x]; }
};

Tile tile(const Bitmap& map, int k)
{
    Tile t;
    int x0 = 1 + 21 * ((k - 1) % 22), y0 = 1 + 21 * ((k - 1) / 22);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            t.px.push_back(map.at(x0 + x, y0 + y));
    return t;
}

double channelDistance(std::uint32_t a, std::uint32_t b)
{
    return (std::abs(int(a >> 16 & 0xFF) - int(b >> 16 & 0xFF)) +
            std::abs(int(a >> 8 & 0xFF) - int(b >> 8 & 0xFF)) + std::abs(int(a & 0xFF) - int(b & 0xFF))) /
           3.0;
}

double tileDistance(const Tile& a, const Tile& b)
{
    double sum = 0;
    for (std::size_t i = 0; i < a.px.size(); ++i)
        sum += channelDistance(a.px[i], b.px[i]);
    return sum / double(a.px.size());
}

TEST(TileSheet, BlockingTilesLookUnlikeEveryWalkableTile)
{
    Bitmap map = loadBmp("map.bmp");
    ASSERT_EQ(map.width, 463);
    std::vector<Tile> tiles(111);
    for (int k = 1; k <= 110; ++k)
        tiles[k] = tile(map, k);
    for (int b : blockingTiles())
        for (int w = 1; w <= 110; ++w) {
            if (blockingTiles().count(w))
                continue;
            EXPECT_GT(tileDistance(tiles[b], tiles[w]), 14.0)
                << "blocking tile " << b << " against walkable " << w;
        }
    // Tiles are pictures, not flat fills, and no two tiles are the same picture.
    for (int a = 1; a <= 110; ++a) {
        std::set<std::uint32_t> colours(tiles[a].px.begin(), tiles[a].px.end());
        EXPECT_GE(colours.size(), 3u) << "tile " << a;
        for (int b = a + 1; b <= 110; ++b)
            EXPECT_GT(tileDistance(tiles[a], tiles[b]), 1.0) << "tiles " << a << " and " << b;
    }
}

// A tile at a glance, wherever its pattern lies: its average colour, how far its brightness
// spreads, and how much of it lies in deep shadow.
struct Look
{
    double r = 0, g = 0, b = 0, spread = 0, shadow = 0;
};

Look look(const Tile& t)
{
    Look l;
    double sum = 0, sumSq = 0;
    for (std::uint32_t p : t.px) {
        double r = p >> 16 & 0xFF, g = p >> 8 & 0xFF, b = p & 0xFF, y = 0.299 * r + 0.587 * g + 0.114 * b;
        l.r += r;
        l.g += g;
        l.b += b;
        sum += y;
        sumSq += y * y;
        l.shadow += y < 56 ? 1 : 0;
    }
    double count = double(t.px.size());
    l.r /= count;
    l.g /= count;
    l.b /= count;
    l.shadow /= count;
    l.spread = std::sqrt(std::max(0.0, sumSq / count - (sum / count) * (sum / count)));
    return l;
}

double lookDistance(const Look& a, const Look& b)
{
    return (std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b)) / 3 +
           std::abs(a.spread - b.spread) + 100 * std::abs(a.shadow - b.shadow);
}

TEST(TileSheet, GroundAPlayerCrossesReadsApartFromTheObstaclesBesideIt)
{
    // A walkable tile and a blocking one that maps set side by side must differ in tone, contrast
    // or shadow, not only in where their joints lie: a paved square must not read as a wall.
    struct Pair
    {
        int walkable, blocking;
        const char* what;
    };
    const Pair pairs[] = {
        {59, 82, "cobbled square, stone wall"},
        {59, 25, "cobbled square, sandbag wall"},
        {59, 110, "cobbled square, cliff rock"},
    };
    Bitmap map = loadBmp("map.bmp");
    ASSERT_EQ(map.width, 463);
    for (const Pair& p : pairs) {
        ASSERT_EQ(blockingTiles().count(p.walkable), 0u) << p.what;
        ASSERT_EQ(blockingTiles().count(p.blocking), 1u) << p.what;
        EXPECT_GT(lookDistance(look(tile(map, p.walkable)), look(tile(map, p.blocking))), 30.0) << p.what;
    }
}

TEST(TileSheet, GroundTilesJoinWithoutSeams)
{
    // Painting a field of one ground tile must not show the tile grid: the step from a tile's
    // last column to its first (and last row to first) is no larger than the largest step
    // between two neighbouring columns (rows) inside it, such as the joints of a floor pattern.
    Bitmap map = loadBmp("map.bmp");
    ASSERT_GT(map.width, 0);
    for (int k : {1, 2, 3, 4, 8, 9, 13, 16, 46, 56, 57, 59, 77, 80, 81, 82, 83, 110}) {
        Tile t = tile(map, k);
        auto columnStep = [&](int a, int b) {
            double sum = 0;
            for (int i = 0; i < 20; ++i)
                sum += channelDistance(t.at(a, i), t.at(b, i));
            return sum / 20;
        };
        auto rowStep = [&](int a, int b) {
            double sum = 0;
            for (int i = 0; i < 20; ++i)
                sum += channelDistance(t.at(i, a), t.at(i, b));
            return sum / 20;
        };
        double widestColumn = 0, widestRow = 0;
        for (int j = 0; j < 19; ++j) {
            widestColumn = std::max(widestColumn, columnStep(j, j + 1));
            widestRow = std::max(widestRow, rowStep(j, j + 1));
        }
        EXPECT_LE(columnStep(19, 0), widestColumn * 1.15 + 2.0) << "tile " << k << " across";
        EXPECT_LE(rowStep(19, 0), widestRow * 1.15 + 2.0) << "tile " << k << " down";
    }
}

TEST(Bitmaps, MarkerStripAndMenuButtonsAreFilledWhereTheyAreRead)
{
    // The editor copies 10 x 10 markers from (1 + 11 k, 1); the menu copies 37 x 48 buttons and
    // three 75 x 16 strips; none of them may be a blank block.
    auto varied = [](const Bitmap& b, int x0, int y0, int w, int h) {
        std::set<std::uint32_t> colours;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                colours.insert(b.at(x0 + x, y0 + y));
        return colours.size();
    };
    Bitmap markers = loadBmp("objtpic.bmp");
    ASSERT_GT(markers.width, 0);
    for (int k = 0; k <= 9; ++k)
        EXPECT_GE(varied(markers, 1 + 11 * k, 1, 10, 10), 3u) << "marker " << k;
    Bitmap pmp = loadBmp("pmp.bmp");
    ASSERT_GT(pmp.width, 0);
    for (int cell = 1; cell <= 9; ++cell)
        EXPECT_GE(varied(pmp, 1 + 38 * (cell - 1), 1, 37, 48), 4u) << "button " << cell;
    for (int row = 1; row <= 3; ++row)
        EXPECT_GE(varied(pmp, 343, 1 + 16 * (row - 1), 75, 16), 3u) << "strip " << row;
    // Switch pictures differ between their two states.
    for (auto [a, b] : {std::pair{1, 2}, {3, 4}, {8, 9}, {5, 6}, {5, 7}}) {
        int differ = 0;
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 37; ++x)
                differ += pmp.at(1 + 38 * (a - 1) + x, 1 + y) != pmp.at(1 + 38 * (b - 1) + x, 1 + y);
        EXPECT_GT(differ, 40) << "buttons " << a << " and " << b;
    }
}

TEST(Bitmaps, TitlePictureMaskCoversItsPicture)
{
    // Left half: mask ANDed (black where the picture shows); right half: picture ORed.
    Bitmap t = loadBmp("titulo.bmp");
    ASSERT_EQ(t.width, 494);
    int faults = 0, shown = 0;
    for (int y = 0; y < t.height; ++y)
        for (int x = 0; x < 247; ++x) {
            std::uint32_t m = t.at(x, y), p = t.at(247 + x, y);
            if (m != kBlack && m != kWhite)
                ++faults;
            else if (m == kWhite && p != kBlack)
                ++faults;
            shown += m == kBlack;
        }
    EXPECT_EQ(faults, 0);
    EXPECT_GT(shown, 247 * 206 / 10);
}

} // namespace
