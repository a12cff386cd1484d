#include "platform/gfx/picture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <fstream>

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
