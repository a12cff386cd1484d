#include "tools/make_assets/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace assets {

Colour rgb(int r, int g, int b)
{
    auto clamp = [](int v) { return std::clamp(v, 0, 255); };
    return (Colour(clamp(r)) << 16) | (Colour(clamp(g)) << 8) | Colour(clamp(b));
}

Colour mix(Colour a, Colour b, double t)
{
    auto lerp = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return rgb(lerp(red(a), red(b)), lerp(green(a), green(b)), lerp(blue(a), blue(b)));
}

Colour shade(Colour c, double f)
{
    if (f <= 1.0)
        return rgb(int(std::lround(red(c) * f)), int(std::lround(green(c) * f)),
                   int(std::lround(blue(c) * f)));
    return mix(c, kWhite, std::min(1.0, f - 1.0));
}

Canvas::Canvas(int width, int height, Colour fill)
    : m_width(width), m_height(height), m_pixels(std::size_t(width) * height, fill)
{
}

void Canvas::fill(Colour c)
{
    std::fill(m_pixels.begin(), m_pixels.end(), c);
}

void Canvas::rect(int x, int y, int w, int h, Colour c)
{
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            plot(i, j, c);
}

void Canvas::frame(int x, int y, int w, int h, Colour c)
{
    for (int i = x; i < x + w; ++i) {
        plot(i, y, c);
        plot(i, y + h - 1, c);
    }
    for (int j = y; j < y + h; ++j) {
        plot(x, j, c);
        plot(x + w - 1, j, c);
    }
}

void Canvas::line(int x1, int y1, int x2, int y2, Colour c)
{
    int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        plot(x1, y1, c);
        if (x1 == x2 && y1 == y2)
            break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x1 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y1 += sy;
        }
    }
}

void Canvas::ellipse(int x1, int y1, int x2, int y2, Colour c)
{
    double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0;
    double rx = (x2 - x1 + 1) / 2.0, ry = (y2 - y1 + 1) / 2.0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) {
            double u = (x - cx) / rx, v = (y - cy) / ry;
            if (u * u + v * v <= 1.0)
                plot(x, y, c);
        }
}

void Canvas::disc(double cx, double cy, double r, Colour c)
{
    for (int y = int(std::floor(cy - r)); y <= int(std::ceil(cy + r)); ++y)
        for (int x = int(std::floor(cx - r)); x <= int(std::ceil(cx + r)); ++x) {
            double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            if (dx * dx + dy * dy <= r * r)
                plot(x, y, c);
        }
}

void Canvas::ring(double cx, double cy, double r, double width, Colour c)
{
    for (int y = int(std::floor(cy - r - 1)); y <= int(std::ceil(cy + r + 1)); ++y)
        for (int x = int(std::floor(cx - r - 1)); x <= int(std::ceil(cx + r + 1)); ++x) {
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d <= r && d > r - width)
                plot(x, y, c);
        }
}

void Canvas::draw(const Canvas& src, int x, int y)
{
    for (int j = 0; j < src.height(); ++j)
        for (int i = 0; i < src.width(); ++i)
            plot(x + i, y + j, src.at(i, j));
}

void Canvas::copy(const Canvas& src, int sx, int sy, int w, int h, int x, int y)
{
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            if (src.inside(sx + i, sy + j))
                set(x + i, y + j, src.at(sx + i, sy + j));
}

Canvas Canvas::crop(int x, int y, int w, int h) const
{
    Canvas out(w, h, kClear);
    out.copy(*this, x, y, w, h, 0, 0);
    return out;
}

Canvas Canvas::mirrored() const
{
    Canvas out(m_width, m_height, kClear);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            out.set(m_width - 1 - x, y, at(x, y));
    return out;
}

Canvas Canvas::scaled(int factor) const
{
    Canvas out(m_width * factor, m_height * factor, kClear);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.set(x, y, at(x / factor, y / factor));
    return out;
}

void Canvas::outline(Colour c)
{
    Canvas before = *this;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            if (before.at(x, y) != kClear)
                continue;
            auto solid = [&](int i, int j) { return before.inside(i, j) && before.at(i, j) != kClear; };
            if (solid(x - 1, y) || solid(x + 1, y) || solid(x, y - 1) || solid(x, y + 1))
                set(x, y, c);
        }
}

namespace {

void put16(std::vector<std::uint8_t>& out, unsigned v)
{
    out.push_back(std::uint8_t(v & 0xFF));
    out.push_back(std::uint8_t((v >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, unsigned v)
{
    put16(out, v & 0xFFFF);
    put16(out, (v >> 16) & 0xFFFF);
}

} // namespace

std::vector<std::uint8_t> encodeBmp(const Canvas& canvas)
{
    const unsigned rowBytes = (unsigned(canvas.width()) * 3 + 3) & ~3u;
    const unsigned imageBytes = rowBytes * unsigned(canvas.height());
    std::vector<std::uint8_t> out;
    out.reserve(54 + imageBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, 54 + imageBytes); // file size
    put32(out, 0);               // reserved
    put32(out, 54);              // offset of the pixels
    put32(out, 40);              // BITMAPINFOHEADER
    put32(out, unsigned(canvas.width()));
    put32(out, unsigned(canvas.height())); // positive: bottom-up rows
    put16(out, 1);                         // planes
    put16(out, 24);                        // bits per pixel
    put32(out, 0);                         // BI_RGB
    put32(out, imageBytes);
    put32(out, 2835); // 72 dpi
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    for (int y = canvas.height() - 1; y >= 0; --y) {
        unsigned written = 0;
        for (int x = 0; x < canvas.width(); ++x) {
            Colour c = canvas.at(x, y);
            if (c == kClear)
                c = kBlack;
            out.push_back(std::uint8_t(blue(c)));
            out.push_back(std::uint8_t(green(c)));
            out.push_back(std::uint8_t(red(c)));
            written += 3;
        }
        for (; written < rowBytes; ++written)
            out.push_back(0);
    }
    return out;
}

bool writeBmp(const Canvas& canvas, const std::string& path)
{
    std::vector<std::uint8_t> bytes = encodeBmp(canvas);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

} // namespace assets
