#include "platform/gfx/picture.h"

#include <algorithm>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform::gfx {

Rgb fromBgrValue(long long value)
{
    const auto v = static_cast<unsigned long long>(value);
    const Rgb red = v & 0xFF;
    const Rgb green = (v >> 8) & 0xFF;
    const Rgb blue = (v >> 16) & 0xFF;
    return (red << 16) | (green << 8) | blue;
}

namespace {

// A rectangle copy reduced to the part that lies inside both pictures.
struct ClippedCopy
{
    int x, y, w, h, sx, sy;
};

// Clips one axis: the run of `size` pixels from `src` (inside 0..srcEnd) onto `dst` (inside
// dstStart..dstEnd); false when nothing is left.
bool clipAxis(long long& dst, long long& src, long long& size, long long dstStart, long long dstEnd,
              long long srcEnd)
{
    if (src < 0) {
        dst -= src;
        size += src;
        src = 0;
    }
    if (dst < dstStart) {
        src += dstStart - dst;
        size -= dstStart - dst;
        dst = dstStart;
    }
    size = std::min({size, dstEnd - dst, srcEnd - src});
    return size > 0;
}

bool clip(const Picture& dst, int x, int y, int w, int h, const Picture& src, int sx, int sy,
          ClippedCopy& out)
{
    if (dst.isNull() || src.isNull() || w <= 0 || h <= 0) {
        return false;
    }
    const Rect area = dst.drawArea();
    long long cx = x, cy = y, cw = w, ch = h, csx = sx, csy = sy;
    if (!clipAxis(cx, csx, cw, area.x, static_cast<long long>(area.x) + area.w, src.width()) ||
        !clipAxis(cy, csy, ch, area.y, static_cast<long long>(area.y) + area.h, src.height())) {
        return false;
    }
    out = {static_cast<int>(cx), static_cast<int>(cy),  static_cast<int>(cw),
           static_cast<int>(ch), static_cast<int>(csx), static_cast<int>(csy)};
    return true;
}

// One row of a combining raster operation; the rows of a copy never overlap.
template <typename Combine>
inline void combineRow(std::uint32_t* __restrict d, const std::uint32_t* __restrict s, int n, Combine combine)
{
    for (int i = 0; i < n; ++i) {
        d[i] = combine(d[i], s[i]);
    }
}

// The usual stretch of the battle's view onto its window: every source pixel becomes a 2 x 2 block.
// Taken only when the whole rectangle lies inside the source and the destination's drawing area,
// where it gives exactly what the general nearest-pixel path gives: each source row is written
// once, doubled, and its second row is a copy of the first.
bool stretchDouble(Picture& dst, int x, int y, int w, int h, const Picture& src, int sx, int sy, int sw,
                   int sh)
{
    if (static_cast<long long>(w) != 2LL * sw || static_cast<long long>(h) != 2LL * sh) {
        return false;
    }
    const Rect area = dst.drawArea();
    const long long right = static_cast<long long>(x) + w;
    const long long bottom = static_cast<long long>(y) + h;
    if (x < area.x || y < area.y || right > static_cast<long long>(area.x) + area.w ||
        bottom > static_cast<long long>(area.y) + area.h || sx < 0 || sy < 0 ||
        static_cast<long long>(sx) + sw > src.width() || static_cast<long long>(sy) + sh > src.height()) {
        return false;
    }
    uchar* dstBits = dst.image().bits();
    const uchar* srcBits = src.image().constBits();
    const qsizetype dstStride = dst.image().bytesPerLine();
    const qsizetype srcStride = src.image().bytesPerLine();
    const size_t rowBytes = static_cast<size_t>(w) * 4;
    for (int row = 0; row < sh; ++row) {
        const auto* __restrict s =
            reinterpret_cast<const std::uint32_t*>(srcBits + (sy + row) * srcStride) + sx;
        auto* __restrict d = reinterpret_cast<std::uint32_t*>(dstBits + (y + 2 * row) * dstStride) + x;
        int i = 0;
#if defined(__SSE2__)
        // Four source pixels at a time, each written twice.
        for (; i + 4 <= sw; i += 4) {
            const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d + 2 * i), _mm_unpacklo_epi32(four, four));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d + 2 * i + 4), _mm_unpackhi_epi32(four, four));
        }
#endif
        for (; i < sw; ++i) {
            d[2 * i] = s[i];
            d[2 * i + 1] = s[i];
        }
        std::memcpy(reinterpret_cast<uchar*>(d) + dstStride, d, rowBytes);
    }
    return true;
}

} // namespace

void bitBlt(Picture& dst, int x, int y, int w, int h, const Picture& src, int sx, int sy, RasterOp op)
{
    ClippedCopy c{};
    if (!clip(dst, x, y, w, h, src, sx, sy, c)) {
        return;
    }
    // The destination first: writing may give it a buffer of its own, which `src` then shares
    // when both are the same picture.
    uchar* dstBits = dst.image().bits();
    const uchar* srcBits = src.image().constBits();
    const qsizetype dstStride = dst.image().bytesPerLine();
    const qsizetype srcStride = src.image().bytesPerLine();
    auto* d = reinterpret_cast<std::uint32_t*>(dstBits + c.y * dstStride) + c.x;
    auto* s = reinterpret_cast<const std::uint32_t*>(srcBits + c.sy * srcStride) + c.sx;
    const qsizetype dStep = dstStride / 4;
    const qsizetype sStep = srcStride / 4;
    const size_t rowBytes = static_cast<size_t>(c.w) * 4;

    switch (op) {
    case RasterOp::Copy:
        for (int row = 0; row < c.h; ++row, d += dStep, s += sStep) {
            std::memmove(d, s, rowBytes);
        }
        break;
    case RasterOp::And:
        for (int row = 0; row < c.h; ++row, d += dStep, s += sStep) {
            combineRow(d, s, c.w, [](std::uint32_t a, std::uint32_t b) { return a & b; });
        }
        break;
    case RasterOp::Or:
        for (int row = 0; row < c.h; ++row, d += dStep, s += sStep) {
            combineRow(d, s, c.w, [](std::uint32_t a, std::uint32_t b) { return a | b; });
        }
        break;
    }
}

void stretchBlt(Picture& dst, int x, int y, int w, int h, const Picture& src, int sx, int sy, int sw, int sh)
{
    if (dst.isNull() || src.isNull() || w <= 0 || h <= 0 || sw <= 0 || sh <= 0) {
        return;
    }
    if (w == sw && h == sh) {
        bitBlt(dst, x, y, w, h, src, sx, sy, RasterOp::Copy);
        return;
    }
    if (stretchDouble(dst, x, y, w, h, src, sx, sy, sw, sh)) {
        return;
    }
    // Destination pixel i of a run of n takes the source pixel under its centre.
    auto sourceOf = [](long long i, long long n, long long sourceStart, long long sourceLength) {
        return sourceStart + ((2 * i + 1) * sourceLength) / (2 * n);
    };

    const Rect area = dst.drawArea();
    const long long firstCol = std::max(0LL, static_cast<long long>(area.x) - x);
    const long long endCol = std::min(static_cast<long long>(w), static_cast<long long>(area.x) + area.w - x);
    const long long firstRow = std::max(0LL, static_cast<long long>(area.y) - y);
    const long long endRow = std::min(static_cast<long long>(h), static_cast<long long>(area.y) + area.h - y);
    if (firstCol >= endCol || firstRow >= endRow) {
        return;
    }

    // Source column of every destination column that lies inside both pictures.
    thread_local std::vector<int> columns;
    columns.clear();
    long long colStart = -1;
    for (long long i = firstCol; i < endCol; ++i) {
        const long long s = sourceOf(i, w, sx, sw);
        if (s < 0) {
            continue;
        }
        if (s >= src.width()) {
            break;
        }
        if (colStart < 0) {
            colStart = i;
        }
        columns.push_back(static_cast<int>(s));
    }
    if (columns.empty()) {
        return;
    }

    uchar* dstBits = dst.image().bits();
    const uchar* srcBits = src.image().constBits();
    const qsizetype dstStride = dst.image().bytesPerLine();
    const qsizetype srcStride = src.image().bytesPerLine();
    const size_t count = columns.size();
    const int* map = columns.data();
    const long long left = x + colStart;

    long long previousSource = -1;
    const std::uint32_t* previousRow = nullptr;
    for (long long j = firstRow; j < endRow; ++j) {
        const long long t = sourceOf(j, h, sy, sh);
        if (t < 0) {
            continue;
        }
        if (t >= src.height()) {
            break;
        }
        auto* d = reinterpret_cast<std::uint32_t*>(dstBits + (y + j) * dstStride) + left;
        if (t == previousSource) {
            // Same source row as the row above: repeat it.
            std::memcpy(d, previousRow, count * 4);
        } else {
            const auto* s = reinterpret_cast<const std::uint32_t*>(srcBits + t * srcStride);
            for (size_t i = 0; i < count; ++i) {
                d[i] = s[map[i]];
            }
            previousSource = t;
        }
        previousRow = d;
    }
}

} // namespace platform::gfx
