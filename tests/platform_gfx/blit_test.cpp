#include "platform/gfx/picture.h"

#include <gtest/gtest.h>

#include <array>

using namespace platform::gfx;

namespace {

// A picture whose every pixel has a colour of its own, so a misplaced copy shows.
Picture numbered(int w, int h, Rgb base)
{
    Picture p(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            p.setPixel(x, y, base + static_cast<Rgb>(y * 512 + x));
        }
    }
    return p;
}

bool inside(const Picture& p, long long x, long long y)
{
    return x >= 0 && y >= 0 && x < p.width() && y < p.height();
}

} // namespace

TEST(BitBlt, RasterOpsCombineEachPixelOnItsRgbBits)
{
    const std::array<Rgb, 4> dstColours{0x000000, 0xFFFFFF, 0x12F0A5, 0x808080};
    const std::array<Rgb, 4> srcColours{0xFFFFFF, 0x0F0F0F, 0x000000, 0x7F00FF};
    Picture src(4, 1);
    for (int i = 0; i < 4; ++i) {
        src.setPixel(i, 0, srcColours[i]);
    }
    struct Case
    {
        RasterOp op;
        Rgb (*expected)(Rgb d, Rgb s);
    };
    const Case cases[] = {
        {RasterOp::Copy, [](Rgb, Rgb s) { return s; }},
        {RasterOp::And, [](Rgb d, Rgb s) { return d & s; }},
        {RasterOp::Or, [](Rgb d, Rgb s) { return d | s; }},
    };
    for (const Case& c : cases) {
        Picture dst(4, 1);
        for (int i = 0; i < 4; ++i) {
            dst.setPixel(i, 0, dstColours[i]);
        }
        bitBlt(dst, 0, 0, 4, 1, src, 0, 0, c.op);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(dst.pixel(i, 0), c.expected(dstColours[i], srcColours[i]))
                << "op " << static_cast<int>(c.op) << " pixel " << i;
            // The stored pixel stays a valid opaque RGB32 value for the image library.
            EXPECT_EQ(dst.image().pixel(i, 0) >> 24, 0xFFu);
        }
    }
}

TEST(BitBlt, RectangleIsClippedAgainstBothPictures)
{
    const Picture sheet = numbered(30, 25, 0x100000);
    struct Case
    {
        const char* where;
        int x, y, w, h, sx, sy;
    };
    // A 14 x 20 cell onto a 40 x 30 frame.
    const Case cases[] = {
        {"inside", 5, 4, 14, 20, 1, 1},
        {"left edge", -5, 4, 14, 20, 1, 1},
        {"right edge", 33, 4, 14, 20, 1, 1},
        {"top edge", 5, -7, 14, 20, 1, 1},
        {"bottom edge", 5, 22, 14, 20, 1, 1},
        {"top-left corner", -6, -9, 14, 20, 1, 1},
        {"bottom-right corner", 31, 25, 14, 20, 1, 1},
        {"wholly left", -14, 4, 14, 20, 1, 1},
        {"wholly below", 5, 30, 14, 20, 1, 1},
        {"source left of sheet", 5, 4, 14, 20, -4, 1},
        {"source past sheet's bottom right", 5, 4, 14, 20, 20, 10},
        {"zero width", 5, 4, 0, 20, 1, 1},
        {"negative height", 5, 4, 14, -3, 1, 1},
    };
    for (const Case& c : cases) {
        Picture frame(40, 30, 0x00FF00);
        bitBlt(frame, c.x, c.y, c.w, c.h, sheet, c.sx, c.sy);
        for (int py = 0; py < frame.height(); ++py) {
            for (int px = 0; px < frame.width(); ++px) {
                const long long sx = c.sx + px - c.x;
                const long long sy = c.sy + py - c.y;
                const bool covered = px >= c.x && px < c.x + c.w && py >= c.y && py < c.y + c.h;
                const Rgb expected = covered && inside(sheet, sx, sy)
                                         ? sheet.pixel(static_cast<int>(sx), static_cast<int>(sy))
                                         : 0x00FF00;
                ASSERT_EQ(frame.pixel(px, py), expected) << c.where << " at " << px << "," << py;
            }
        }
    }
}

TEST(BitBlt, CopyWithinOnePictureBetweenSeparateRectangles)
{
    Picture p = numbered(10, 4, 0);
    const Picture before = p;
    bitBlt(p, 6, 0, 3, 2, p, 0, 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(p.pixel(6 + x, y), before.pixel(x, 2 + y));
        }
    }
    // The copy that `before` shares with `p` is not touched by drawing on `p`.
    EXPECT_EQ(before.pixel(6, 0), static_cast<Rgb>(6));
}

// Shaped sprites: the background around the shape stays, the shape takes the sprite's colours.
TEST(BitBlt, ShapedSpritesKeepTheBackgroundAroundTheShape)
{
    constexpr int kW = 14, kH = 20;
    auto inShape = [](int x, int y) { return (x - 7) * (x - 7) * 4 + (y - 10) * (y - 10) < 100; };
    auto spriteColour = [](int x, int y) { return static_cast<Rgb>(0x402000 + x * 16 + y); };

    // Sheet row 0: mask (black shape on white) or silhouette (white shape on black);
    // row 1: sprite (shape on black, or shape on white).
    auto sheetFor = [&](Rgb shapeOfFirst, Rgb aroundFirst, Rgb aroundSprite) {
        Picture sheet(kW, 2 * kH);
        for (int y = 0; y < kH; ++y) {
            for (int x = 0; x < kW; ++x) {
                sheet.setPixel(x, y, inShape(x, y) ? shapeOfFirst : aroundFirst);
                sheet.setPixel(x, kH + y, inShape(x, y) ? spriteColour(x, y) : aroundSprite);
            }
        }
        return sheet;
    };
    struct Case
    {
        const char* name;
        Picture sheet;
        RasterOp first, second;
    };
    const Case cases[] = {
        {"mask then sprite", sheetFor(kBlack, kWhite, kBlack), RasterOp::And, RasterOp::Or},
        {"silhouette then sprite", sheetFor(kWhite, kBlack, kWhite), RasterOp::Or, RasterOp::And},
    };
    for (const Case& c : cases) {
        for (const int left : {3, -5}) { // wholly inside, and clipped at the frame's left edge
            Picture frame = numbered(30, 30, 0x0A0B00);
            const Picture background = frame;
            bitBlt(frame, left, 4, kW, kH, c.sheet, 0, 0, c.first);
            bitBlt(frame, left, 4, kW, kH, c.sheet, 0, kH, c.second);
            for (int y = 0; y < frame.height(); ++y) {
                for (int x = 0; x < frame.width(); ++x) {
                    const int cx = x - left, cy = y - 4;
                    const bool shape = cx >= 0 && cx < kW && cy >= 0 && cy < kH && inShape(cx, cy);
                    ASSERT_EQ(frame.pixel(x, y), shape ? spriteColour(cx, cy) : background.pixel(x, y))
                        << c.name << " left " << left << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST(StretchBlt, ViewDoublesOntoTheWindowInTwoByTwoBlocks)
{
    const Picture view = numbered(320, 240, 0);
    Picture window(640, 480, 0x123456);
    stretchBlt(window, 0, 0, 640, 480, view, 0, 0, 320, 240);
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            ASSERT_EQ(window.pixel(x, y), view.pixel(x / 2, y / 2)) << x << "," << y;
        }
    }
}

// Destination pixel i of a run of n takes the source pixel under its centre, whatever the factor:
// the doubling of a view taken out of a larger picture, an odd-sized doubling with its own
// offsets, other factors, and a doubling into a clipped destination.
TEST(StretchBlt, EveryDestinationPixelTakesTheSourcePixelUnderItsCentre)
{
    const Picture src = numbered(400, 300, 0x400000);
    struct Case
    {
        const char* name;
        int x, y, w, h, sx, sy, sw, sh;
        bool clipped;
    };
    const Case cases[] = {
        {"view of the map doubled onto the window", 0, 0, 640, 480, 37, 11, 320, 240, false},
        {"odd size doubled", 3, 2, 14, 10, 5, 9, 7, 5, false},
        {"three times", 1, 1, 21, 15, 0, 0, 7, 5, false},
        {"one and a half", 2, 3, 6, 9, 10, 10, 4, 6, false},
        {"halved", 0, 0, 5, 5, 20, 20, 10, 10, false},
        {"doubled into a clipped picture", 0, 0, 640, 480, 37, 11, 320, 240, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Picture dst(640, 480, 0x00FF00);
        if (c.clipped)
            dst.setClip(101, 50, 300, 201);
        stretchBlt(dst, c.x, c.y, c.w, c.h, src, c.sx, c.sy, c.sw, c.sh);
        const Rect area = dst.drawArea();
        for (int y = 0; y < dst.height(); ++y) {
            for (int x = 0; x < dst.width(); ++x) {
                const long long i = x - c.x, j = y - c.y;
                const bool covered = i >= 0 && i < c.w && j >= 0 && j < c.h && x >= area.x &&
                                     x < area.x + area.w && y >= area.y && y < area.y + area.h;
                const long long sx = c.sx + ((2 * i + 1) * c.sw) / (2 * c.w);
                const long long sy = c.sy + ((2 * j + 1) * c.sh) / (2 * c.h);
                const Rgb expected =
                    covered ? src.pixel(static_cast<int>(sx), static_cast<int>(sy)) : 0x00FF00;
                ASSERT_EQ(dst.pixel(x, y), expected) << x << "," << y;
            }
        }
    }
}

TEST(StretchBlt, ClippedAgainstBothPictures)
{
    const Picture src = numbered(10, 10, 0x200000);
    struct Case
    {
        int x, y, sx, sy;
    };
    // A 10 x 10 rectangle doubled onto a 30 x 30 picture: hanging off the left and bottom, and a
    // source rectangle that reaches past the source's right and top edges.
    const Case cases[] = {{-5, 15, 0, 0}, {4, 4, 6, -3}};
    for (const Case& c : cases) {
        Picture dst(30, 30, 0x00FF00);
        stretchBlt(dst, c.x, c.y, 20, 20, src, c.sx, c.sy, 10, 10);
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 30; ++x) {
                const bool covered = x >= c.x && x < c.x + 20 && y >= c.y && y < c.y + 20;
                const int sx = c.sx + (x - c.x) / 2;
                const int sy = c.sy + (y - c.y) / 2;
                const Rgb expected = covered && inside(src, sx, sy) ? src.pixel(sx, sy) : 0x00FF00;
                ASSERT_EQ(dst.pixel(x, y), expected) << x << "," << y;
            }
        }
    }
}
