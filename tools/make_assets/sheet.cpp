#include "tools/make_assets/sheet.h"

#include <cmath>
#include <cstdint>

namespace assets {

Colour spriteBackground(Style style)
{
    return style == Style::MaskThenSprite ? kBlack : kWhite;
}

Colour maskBackground(Style style)
{
    return style == Style::MaskThenSprite ? kWhite : kBlack;
}

void placeShaped(Canvas& sheet, const Canvas& sprite, int sx, int sy, int mx, int my, Style style)
{
    const Colour shape = style == Style::MaskThenSprite ? kBlack : kWhite;
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x) {
            Colour c = sprite.at(x, y);
            bool solid = c != kClear;
            sheet.set(sx + x, sy + y, solid ? c : spriteBackground(style));
            sheet.set(mx + x, my + y, solid ? shape : maskBackground(style));
        }
}

double hash01(int x, int y, int seed)
{
    std::uint32_t h =
        std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u + std::uint32_t(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / double(0x1000000);
}

double smoothNoise(double x, double y, int cell, int period, int seed)
{
    int cells = period / cell;
    double gx = x / cell, gy = y / cell;
    int x0 = int(std::floor(gx)), y0 = int(std::floor(gy));
    double fx = gx - x0, fy = gy - y0;
    auto wrap = [cells](int v) { return ((v % cells) + cells) % cells; };
    auto corner = [&](int i, int j) { return hash01(wrap(i), wrap(j), seed); };
    auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    double sx = smooth(fx), sy = smooth(fy);
    double top = corner(x0, y0) + (corner(x0 + 1, y0) - corner(x0, y0)) * sx;
    double bottom = corner(x0, y0 + 1) + (corner(x0 + 1, y0 + 1) - corner(x0, y0 + 1)) * sx;
    return top + (bottom - top) * sy;
}

} // namespace assets
