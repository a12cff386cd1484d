#pragma once
// A 32-bit RGB pixel surface with the raster operations the programs draw with.

#include <QImage>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform::gfx {

// Colours are 0xRRGGBB.
using Rgb = std::uint32_t;

constexpr Rgb kBlack = 0x000000;
constexpr Rgb kWhite = 0xFFFFFF;
// What a pixel outside a picture reads as: neither black nor white, nor any colour a picture holds.
constexpr Rgb kInvalidColour = 0xFFFFFFFF;

// The files' and scripts' 24-bit colour values hold red in the low byte (255 red, 65535 yellow,
// 16711680 blue); this turns one into 0xRRGGBB.
Rgb fromBgrValue(long long value);

enum class RasterOp {
    Copy,  // destination = source
    And,   // destination = destination AND source, bit by bit
    Or,    // destination = destination OR source, bit by bit
};

// A font for text printing. `family` "pixel" selects the built-in 6-pixel-cell pixel font
// (5 x 7 glyphs) of the battle's texts; any other family is an installed font. The designs' font
// names are mapped: "Terminal" is the pixel font, "Arial Black" DejaVu Sans bold, "MS Sans Serif"
// DejaVu Sans. Point sizes are taken at 96 pixels per inch. Without a running QGuiApplication no
// installed font can be used and the pixel font stands in.
struct Font {
    std::string family = "DejaVu Sans";
    int pointSize = 8;
    bool bold = false;
};

// A rectangle of pixels: its top-left corner and its size.
struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

class Picture {
public:
    Picture() = default;
    Picture(int width, int height, Rgb fill = kBlack);

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    bool isNull() const { return m_image.isNull(); }

    // New size; the pixels that fit are kept, new ones take `fill`.
    void resize(int width, int height, Rgb fill = kBlack);
    void clear(Rgb colour = kBlack);

    // Limits drawing into the picture (blits and stretches into it, boxes, lines, text, pixels)
    // to the w x h rectangle at (x, y): what falls outside is dropped, as outside the picture.
    // clear(), resize() and reading pixels still reach the whole picture. clearClip() lifts it.
    void setClip(int x, int y, int w, int h);
    void clearClip();
    // Where drawing lands: the whole picture, or the part of it inside the clip rectangle.
    Rect drawArea() const;

    // kInvalidColour outside the picture.
    Rgb pixel(int x, int y) const;
    void setPixel(int x, int y, Rgb colour);  // ignored outside

    // Filled box and outline between two corners, both included, in any order; clipped.
    void fillBox(int x1, int y1, int x2, int y2, Rgb colour);
    void box(int x1, int y1, int x2, int y2, Rgb colour);
    // Line between two points, both included; clipped.
    void line(int x1, int y1, int x2, int y2, Rgb colour);
    // Prints Windows-1252 text with its top-left corner at (x, y); clipped.
    void print(int x, int y, std::string_view text, const Font& font, Rgb colour);
    // Width in pixels that print() would use for the text.
    static int textWidth(std::string_view text, const Font& font);

    // Loads a BMP (or any format the image library reads). False when it cannot be read (no
    // regular file, or damaged: a BMP holding fewer pixel bytes than its header declares is);
    // the picture is then unchanged.
    bool load(const std::string& path);
    bool save(const std::string& path) const;

    QImage& image() { return m_image; }
    const QImage& image() const { return m_image; }

private:
    QImage m_image;  // always Format_RGB32 when not null
    bool m_clipped = false;
    Rect m_clip;
};

// Copies the w x h rectangle at (sx, sy) of `src` to (x, y) of `dst` with the raster operation.
// The rectangle is clipped once against both pictures; what lies outside either is dropped.
// `dst` and `src` may be the same picture only when the rectangles do not overlap.
void bitBlt(Picture& dst, int x, int y, int w, int h, const Picture& src, int sx, int sy,
            RasterOp op = RasterOp::Copy);

// Scales the sw x sh rectangle at (sx, sy) of `src` onto the w x h rectangle at (x, y) of `dst`,
// nearest pixel, plain copy; clipped.
void stretchBlt(Picture& dst, int x, int y, int w, int h, const Picture& src, int sx, int sy, int sw,
                int sh);

} // namespace platform::gfx
