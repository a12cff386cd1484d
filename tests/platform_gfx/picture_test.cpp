#include "platform/gfx/picture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

using namespace platform::gfx;

namespace {

int countOf(const Picture& p, Rgb colour)
{
    int n = 0;
    for (int y = 0; y < p.height(); ++y) {
        for (int x = 0; x < p.width(); ++x) {
            n += p.pixel(x, y) == colour;
        }
    }
    return n;
}

} // namespace

TEST(Picture, PixelOutsideReadsAsInvalidColourThatIsNeitherBlackNorWhite)
{
    Picture p(5, 4, kWhite);
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {5, 0}, {0, 4}, {INT_MIN, INT_MAX}}) {
        EXPECT_EQ(p.pixel(x, y), kInvalidColour) << x << "," << y;
        p.setPixel(x, y, kBlack); // ignored
    }
    EXPECT_EQ(countOf(p, kWhite), 20);
    EXPECT_EQ(p.pixel(4, 3), kWhite);
    EXPECT_NE(kInvalidColour, kBlack);
    EXPECT_NE(kInvalidColour, kWhite);
    EXPECT_EQ(Picture().pixel(0, 0), kInvalidColour);
}

TEST(Picture, ResizeKeepsThePixelsThatFit)
{
    Picture p(3, 2, 0x111111);
    p.setPixel(2, 1, 0xABCDEF);
    p.resize(5, 4, 0x222222);
    EXPECT_EQ(p.width(), 5);
    EXPECT_EQ(p.height(), 4);
    EXPECT_EQ(p.pixel(2, 1), 0xABCDEFu);
    EXPECT_EQ(p.pixel(0, 0), 0x111111u);
    EXPECT_EQ(p.pixel(3, 0), 0x222222u);
    EXPECT_EQ(p.pixel(0, 2), 0x222222u);
    p.resize(3, 2);
    EXPECT_EQ(p.pixel(2, 1), 0xABCDEFu);
    EXPECT_EQ(p.pixel(3, 0), kInvalidColour);
}

TEST(Picture, FillBoxAndBoxIncludeBothCornersInAnyOrder)
{
    for (auto [x1, y1, x2, y2] : {std::array{2, 3, 5, 7}, {5, 7, 2, 3}, {5, 3, 2, 7}}) {
        Picture filled(10, 10);
        filled.fillBox(x1, y1, x2, y2, kWhite);
        Picture outline(10, 10);
        outline.box(x1, y1, x2, y2, kWhite);
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 10; ++x) {
                const bool in = x >= 2 && x <= 5 && y >= 3 && y <= 7;
                const bool edge = in && (x == 2 || x == 5 || y == 3 || y == 7);
                ASSERT_EQ(filled.pixel(x, y), in ? kWhite : kBlack) << x << "," << y;
                ASSERT_EQ(outline.pixel(x, y), edge ? kWhite : kBlack) << x << "," << y;
            }
        }
    }
    // Corners outside the picture: what lies inside is filled.
    Picture p(4, 4);
    p.fillBox(-10, 2, 100, 100, kWhite);
    EXPECT_EQ(countOf(p, kWhite), 8);
    p.box(-1, -1, 4, 4, 0x00FF00); // every edge outside
    EXPECT_EQ(countOf(p, 0x00FF00), 0);
}

TEST(Picture, LineIncludesBothEnds)
{
    struct Case
    {
        int x1, y1, x2, y2;
    };
    const Case cases[] = {{2, 3, 8, 3}, {4, 9, 4, 1}, {0, 0, 5, 5}, {9, 1, 1, 4}, {3, 2, 5, 9}, {6, 6, 6, 6}};
    for (const Case& c : cases) {
        Picture p(10, 10);
        p.line(c.x1, c.y1, c.x2, c.y2, kWhite);
        EXPECT_EQ(p.pixel(c.x1, c.y1), kWhite);
        EXPECT_EQ(p.pixel(c.x2, c.y2), kWhite);
        const int steps = std::max(std::abs(c.x2 - c.x1), std::abs(c.y2 - c.y1));
        EXPECT_EQ(countOf(p, kWhite), steps + 1) << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2;
    }
}

TEST(Picture, LineIsClippedWithoutWalkingOutsidePixels)
{
    Picture p(20, 10);
    p.line(-1000000, 5, 1000000, 5, kWhite);
    EXPECT_EQ(countOf(p, kWhite), 20);
    // Extreme ends neither overflow nor take long: the diagonal inside is drawn.
    Picture q(8, 8);
    q.line(INT_MIN + 1, INT_MIN + 1, INT_MAX, INT_MAX, kWhite);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(q.pixel(i, i), kWhite) << i;
    }
    EXPECT_EQ(countOf(q, kWhite), 8);
}

// Drawing into a picture with a clip rectangle changes the pixels inside it exactly as without
// one, and nothing outside it; reading and clearing still reach the whole picture.
TEST(Picture, ClipRectangleLimitsEveryDrawing)
{
    Picture sheet(60, 40);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            sheet.setPixel(x, y, static_cast<Rgb>(0x10203 * (x + 1) + 0x50000 * y));
    struct Case
    {
        const char* name;
        std::function<void(Picture&)> draw;
    };
    const Case cases[] = {
        {"filled box", [](Picture& p) { p.fillBox(-5, -5, 100, 100, 0xFF0000); }},
        {"outline", [](Picture& p) { p.box(8, 3, 30, 20, 0x00FF00); }},
        {"flat line", [](Picture& p) { p.line(-4, 2, 45, 27, 0x0000FF); }},
        {"steep line", [](Picture& p) { p.line(30, -3, 12, 33, 0xFFFF00); }},
        {"text",
         [](Picture& p) {
             p.print(3, 6, "CLIPPED", Font{"pixel", 6, false}, 0xFFFFFF);
         }},
        {"pixels",
         [](Picture& p) {
             for (int y = -1; y <= 30; ++y)
                 for (int x = -1; x <= 40; ++x)
                     p.setPixel(x, y, 0x00FFFF);
         }},
        {"copy", [&](Picture& p) { bitBlt(p, -2, 1, 50, 40, sheet, 3, 0); }},
        {"and", [&](Picture& p) { bitBlt(p, 4, -3, 30, 30, sheet, 0, 0, RasterOp::And); }},
        {"or", [&](Picture& p) { bitBlt(p, 0, 0, 40, 30, sheet, 10, 5, RasterOp::Or); }},
        {"stretch", [&](Picture& p) { stretchBlt(p, 0, 0, 40, 30, sheet, 5, 5, 20, 15); }},
    };
    struct Clip
    {
        int x, y, w, h;
    };
    const Clip clips[] = {{10, 5, 15, 12}, {-3, 20, 10, 50}};
    for (const Case& c : cases) {
        for (const Clip& k : clips) {
            SCOPED_TRACE(std::string(c.name) + " clip at " + std::to_string(k.x) + "," + std::to_string(k.y));
            Picture base(40, 30, 0x404040);
            Picture whole = base;
            c.draw(whole);
            Picture clipped = base;
            clipped.setClip(k.x, k.y, k.w, k.h);
            c.draw(clipped);
            for (int y = 0; y < 30; ++y) {
                for (int x = 0; x < 40; ++x) {
                    const bool in = x >= k.x && x < k.x + k.w && y >= k.y && y < k.y + k.h;
                    ASSERT_EQ(clipped.pixel(x, y), in ? whole.pixel(x, y) : base.pixel(x, y))
                        << x << "," << y;
                }
            }
        }
    }

    Picture p(10, 10);
    p.setClip(2, 2, 3, 3);
    p.clear(0x112233);
    EXPECT_EQ(countOf(p, 0x112233), 100);
    p.clearClip();
    p.fillBox(0, 0, 9, 9, 0x445566);
    EXPECT_EQ(countOf(p, 0x445566), 100);
}

TEST(Picture, SaveAndLoadKeepPixels)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.filePath("p.bmp").toStdString();
    Picture p(3, 2, 0x102030);
    p.setPixel(1, 1, 0xFF0080);
    ASSERT_TRUE(p.save(path));
    Picture q;
    ASSERT_TRUE(q.load(path));
    EXPECT_EQ(q.width(), 3);
    EXPECT_EQ(q.height(), 2);
    EXPECT_EQ(q.image().format(), QImage::Format_RGB32);
    EXPECT_EQ(q.pixel(1, 1), 0xFF0080u);
    EXPECT_EQ(q.pixel(2, 0), 0x102030u);
}

TEST(Picture, FailedLoadLeavesThePictureUnchanged)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string garbage = dir.filePath("bad.bmp").toStdString();
    std::ofstream(garbage) << "BM this is not a bitmap";
    for (const std::string& path : {dir.filePath("missing.bmp").toStdString(), garbage}) {
        Picture p(2, 2, 0x445566);
        EXPECT_FALSE(p.load(path)) << path;
        EXPECT_EQ(p.width(), 2);
        EXPECT_EQ(p.pixel(1, 1), 0x445566u);
    }
}

TEST(Colour, FileValuesHoldRedInTheLowByte)
{
    EXPECT_EQ(fromBgrValue(255), 0xFF0000u);
    EXPECT_EQ(fromBgrValue(65535), 0xFFFF00u);
    EXPECT_EQ(fromBgrValue(16711680), 0x0000FFu);
    EXPECT_EQ(fromBgrValue(0x123456), 0x563412u);
}
