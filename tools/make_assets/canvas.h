#pragma once
// A plain RGB pixel surface for drawing the game's art, with a transparent key for sprites.

#include <cstdint>
#include <string>
#include <vector>

namespace assets {

// 0xRRGGBB; kClear marks a pixel that a sprite leaves see-through.
using Colour = std::uint32_t;
constexpr Colour kClear = 0xFF000000u;
constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;

constexpr int red(Colour c)
{
    return (c >> 16) & 0xFF;
}
constexpr int green(Colour c)
{
    return (c >> 8) & 0xFF;
}
constexpr int blue(Colour c)
{
    return c & 0xFF;
}
Colour rgb(int r, int g, int b); // clamped to 0..255
// Mixes a towards b by t in [0, 1].
Colour mix(Colour a, Colour b, double t);
// Scales the brightness: f < 1 darkens, f > 1 lightens.
Colour shade(Colour c, double f);

class Canvas
{
public:
    Canvas() = default;
    Canvas(int width, int height, Colour fill = kBlack);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    Colour at(int x, int y) const { return inside(x, y) ? m_pixels[index(x, y)] : kClear; }
    void set(int x, int y, Colour c)
    {
        if (inside(x, y))
            m_pixels[index(x, y)] = c;
    }
    // Sets the pixel unless the colour is kClear.
    void plot(int x, int y, Colour c)
    {
        if (c != kClear)
            set(x, y, c);
    }

    void fill(Colour c);
    // Filled rectangle, w x h at (x, y).
    void rect(int x, int y, int w, int h, Colour c);
    // Outline of the w x h rectangle at (x, y).
    void frame(int x, int y, int w, int h, Colour c);
    void line(int x1, int y1, int x2, int y2, Colour c);
    // Filled ellipse inside the box from (x1, y1) to (x2, y2), both included.
    void ellipse(int x1, int y1, int x2, int y2, Colour c);
    void disc(double cx, double cy, double r, Colour c);
    void ring(double cx, double cy, double r, double width, Colour c);

    // Copies `src` with its top-left corner at (x, y); kClear pixels of the source are skipped.
    void draw(const Canvas& src, int x, int y);
    // Copies the w x h block at (sx, sy) of `src` to (x, y) as it stands, kClear included.
    void copy(const Canvas& src, int sx, int sy, int w, int h, int x, int y);
    Canvas crop(int x, int y, int w, int h) const;
    Canvas mirrored() const; // left-right
    Canvas scaled(int factor) const;

    // Gives every see-through pixel next to an opaque one (4-neighbours) the colour c.
    void outline(Colour c);

    const std::vector<Colour>& pixels() const { return m_pixels; }

private:
    std::size_t index(int x, int y) const { return std::size_t(y) * m_width + x; }
    int m_width = 0;
    int m_height = 0;
    std::vector<Colour> m_pixels;
};

// Writes a 24-bit Windows bitmap (BITMAPINFOHEADER, bottom-up rows padded to 4 bytes).
// kClear pixels are written black. False when the file cannot be written.
bool writeBmp(const Canvas& canvas, const std::string& path);
// Encodes the same bytes that writeBmp writes.
std::vector<std::uint8_t> encodeBmp(const Canvas& canvas);

} // namespace assets
