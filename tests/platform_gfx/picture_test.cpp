#include "platform/gfx/picture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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
    // A FIFO no program writes to is refused at once; the alarm ends a test that would wait.
    const std::string fifo = dir.filePath("fifo.bmp").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    // More than the image library can take at once (a sparse file: nothing of it is read).
    const std::string huge = dir.filePath("huge.bmp").toStdString();
    std::ofstream(huge) << "BM";
    std::filesystem::resize_file(huge, std::uintmax_t{INT_MAX} + 1);
    ::alarm(10);
    for (const std::string& path :
         {dir.filePath("missing.bmp").toStdString(), garbage, fifo, dir.path().toStdString(), huge}) {
        Picture p(2, 2, 0x445566);
        EXPECT_FALSE(p.load(path)) << path;
        EXPECT_EQ(p.width(), 2);
        EXPECT_EQ(p.pixel(1, 1), 0x445566u);
    }
    ::alarm(0);
}

namespace {

std::string littleEndian(std::uint32_t value, int size)
{
    std::string bytes;
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
    return bytes;
}

// The kinds of bitmap the loader reads, each as a small 5 x 3 picture of distinct colours.
struct BitmapKind {
    const char* what;
    int header;       // 12 (the old core header), 40, 124
    int bits;         // 1, 4, 8, 16, 24, 32
    int compression;  // 0 none, 1 run lengths of bytes, 2 of nibbles, 3 colour masks
    bool topDown;
};

const BitmapKind BitmapKinds[] = {
    {"1 bit", 40, 1, 0, false},         {"4 bits", 40, 4, 0, false},
    {"8 bits", 40, 8, 0, false},        {"16 bits", 40, 16, 0, false},
    {"16 bits, masks", 40, 16, 3, false}, {"24 bits", 40, 24, 0, false},
    {"32 bits", 40, 32, 0, false},      {"24 bits, top-down", 40, 24, 0, true},
    {"8 bits, core header", 12, 8, 0, false}, {"24 bits, v5 header", 124, 24, 0, false},
    {"8 bits, run lengths", 40, 8, 1, false}, {"4 bits, run lengths", 40, 4, 2, false},
};

constexpr int BitmapWidth = 5;
constexpr int BitmapHeight = 3;

std::string makeBitmap(const BitmapKind& kind)
{
    const int colours = kind.bits <= 8 ? 1 << kind.bits : 0;
    std::string table;
    if (kind.compression == 3) {
        table += littleEndian(0xF800, 4) + littleEndian(0x07E0, 4) + littleEndian(0x001F, 4);
    }
    for (int i = 0; i < colours; ++i) {
        const auto colour = static_cast<std::uint32_t>(0x302010 + i * 0x0B1D07) & 0xFFFFFF;
        table += littleEndian(colour, kind.header == 12 ? 3 : 4);
    }
    std::string pixels;
    if (kind.compression == 1) {
        for (int y = 0; y < BitmapHeight; ++y) {  // a run of 2, then 3 pixels as they stand
            pixels += std::string("\x02", 1) + char(y + 1) + std::string("\0\x03", 2) + char(y + 4) +
                      char(y + 5) + char(y + 6) + std::string("\0\0\0", 3);
        }
        pixels += std::string("\0\x01", 2);
    } else if (kind.compression == 2) {
        for (int y = 0; y < BitmapHeight; ++y) {  // 5 pixels of two alternating colours
            pixels += std::string("\x05", 1) + char(0x12 + 0x22 * y) + std::string("\0\0", 2);
        }
        pixels += std::string("\0\x01", 2);
    } else {
        for (int y = 0; y < BitmapHeight; ++y) {
            std::string row;
            unsigned packed = 0;
            int held = 0;
            for (int x = 0; x < BitmapWidth; ++x) {
                const unsigned value = static_cast<unsigned>(x + 2 * y + 1);
                if (kind.bits < 8) {
                    packed = packed << kind.bits | (value & ((1u << kind.bits) - 1));
                    held += kind.bits;
                    if (held == 8) {
                        row.push_back(static_cast<char>(packed));
                        packed = 0;
                        held = 0;
                    }
                } else {
                    row += littleEndian(value * 0x3B1F29u, kind.bits / 8);
                }
            }
            if (held > 0) {
                row.push_back(static_cast<char>(packed << (8 - held)));
            }
            row.resize((row.size() + 3) / 4 * 4, '\0');
            pixels += row;
        }
    }
    std::string info = littleEndian(static_cast<std::uint32_t>(kind.header), 4);
    if (kind.header == 12) {
        info += littleEndian(BitmapWidth, 2) + littleEndian(BitmapHeight, 2) + littleEndian(1, 2) +
                littleEndian(static_cast<std::uint32_t>(kind.bits), 2);
    } else {
        info += littleEndian(BitmapWidth, 4) +
                littleEndian(static_cast<std::uint32_t>(kind.topDown ? -BitmapHeight : BitmapHeight), 4) +
                littleEndian(1, 2) + littleEndian(static_cast<std::uint32_t>(kind.bits), 2) +
                littleEndian(static_cast<std::uint32_t>(kind.compression), 4) +
                littleEndian(static_cast<std::uint32_t>(pixels.size()), 4) + littleEndian(2835, 4) +
                littleEndian(2835, 4) + littleEndian(static_cast<std::uint32_t>(colours), 4) +
                littleEndian(0, 4);
        info.resize(static_cast<std::size_t>(kind.header), '\0');
    }
    const std::uint32_t start = static_cast<std::uint32_t>(14 + info.size() + table.size());
    return "BM" + littleEndian(start + static_cast<std::uint32_t>(pixels.size()), 4) + littleEndian(0, 4) +
           littleEndian(start, 4) + info + table + pixels;
}

std::vector<Rgb> pixelsOf(const Picture& p)
{
    std::vector<Rgb> pixels;
    for (int y = 0; y < p.height(); ++y) {
        for (int x = 0; x < p.width(); ++x) {
            pixels.push_back(p.pixel(x, y));
        }
    }
    return pixels;
}

} // namespace

// A bitmap whose file holds fewer pixel bytes than its header declares is as damaged as any
// other: it does not load, rather than load with black rows. Cut anywhere, each kind of bitmap
// either is refused or loads whole (a run-length picture loses nothing without its end code);
// cut in half, or with a dimension doubled in its header, it is refused.
TEST(Picture, ABitmapHoldingFewerPixelsThanItsHeaderDeclaresIsRefused)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.filePath("sheet.bmp").toStdString();
    const auto load = [&](const std::string& bytes, Picture& p) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        return p.load(path);
    };
    for (const BitmapKind& kind : BitmapKinds) {
        const std::string bytes = makeBitmap(kind);
        Picture whole;
        ASSERT_TRUE(load(bytes, whole)) << kind.what;
        ASSERT_EQ(whole.width(), BitmapWidth) << kind.what;
        ASSERT_EQ(whole.height(), BitmapHeight) << kind.what;
        const std::vector<Rgb> expected = pixelsOf(whole);
        EXPECT_EQ(std::count(expected.begin(), expected.end(), kBlack), 0) << kind.what;

        for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
            Picture p(2, 2, 0x445566);
            if (load(bytes.substr(0, cut), p)) {
                EXPECT_EQ(pixelsOf(p), expected) << kind.what << ", cut to " << cut << " bytes";
            } else {
                EXPECT_EQ(p.pixel(1, 1), 0x445566u) << kind.what;
            }
        }
        Picture p;
        EXPECT_FALSE(load(bytes.substr(0, bytes.size() / 2), p)) << kind.what << ", cut in half";
        if (kind.compression == 0 || kind.compression == 3) {
            const std::size_t widthAt = 18;
            const std::size_t heightAt = kind.header == 12 ? 20 : 22;
            for (const std::size_t at : {widthAt, heightAt}) {
                if (at == widthAt && kind.bits == 1) {
                    continue;  // ten 1-bit pixels still fit in the rows' four bytes
                }
                std::string doubled = bytes;
                doubled[at] = static_cast<char>(doubled[at] * 2);
                EXPECT_FALSE(load(doubled, p)) << kind.what << ", a dimension doubled at byte " << at;
            }
        }
    }
}

TEST(Colour, FileValuesHoldRedInTheLowByte)
{
    EXPECT_EQ(fromBgrValue(255), 0xFF0000u);
    EXPECT_EQ(fromBgrValue(65535), 0xFFFF00u);
    EXPECT_EQ(fromBgrValue(16711680), 0x0000FFu);
    EXPECT_EQ(fromBgrValue(0x123456), 0x563412u);
}
