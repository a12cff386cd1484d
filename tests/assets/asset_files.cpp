#include "asset_files.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace asset_test {

namespace {

unsigned u16(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return at + 2 <= b.size() ? unsigned(b[at]) | unsigned(b[at + 1]) << 8 : 0;
}

unsigned u32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return at + 4 <= b.size() ? u16(b, at) | u16(b, at + 2) << 16 : 0;
}

bool tag(const std::vector<std::uint8_t>& b, std::size_t at, const char* t)
{
    return at + 4 <= b.size() && std::memcmp(b.data() + at, t, 4) == 0;
}

} // namespace

std::string dataPath(const std::string& relative)
{
    return std::string(SUITE_DATA_DIR) + "/" + relative;
}

std::vector<std::uint8_t> readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Bitmap parseBmp(const std::vector<std::uint8_t>& b)
{
    Bitmap bmp;
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || u32(b, 14) < 40 || u32(b, 30) != 0)
        return bmp;
    const int width = int(u32(b, 18));
    const int rawHeight = int(u32(b, 22));
    const int bpp = int(u16(b, 28));
    if (width <= 0 || rawHeight == 0 || bpp != 24)
        return bmp;
    const bool bottomUp = rawHeight > 0;
    const int height = bottomUp ? rawHeight : -rawHeight;
    const std::size_t offset = u32(b, 10);
    const std::size_t rowBytes = (std::size_t(width) * 3 + 3) & ~std::size_t(3);
    if (offset + rowBytes * height > b.size())
        return bmp;
    bmp.width = width;
    bmp.height = height;
    bmp.bitsPerPixel = bpp;
    bmp.pixels.resize(std::size_t(width) * height);
    for (int y = 0; y < height; ++y) {
        std::size_t row = offset + rowBytes * std::size_t(bottomUp ? height - 1 - y : y);
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = b.data() + row + std::size_t(x) * 3;
            bmp.pixels[std::size_t(y) * width + x] =
                std::uint32_t(p[2]) << 16 | std::uint32_t(p[1]) << 8 | p[0];
        }
    }
    return bmp;
}

Bitmap loadBmp(const std::string& relative)
{
    return parseBmp(readBytes(dataPath("grafico/" + relative)));
}

Wave parseWav(const std::vector<std::uint8_t>& b)
{
    Wave w;
    if (!tag(b, 0, "RIFF") || !tag(b, 8, "WAVE") || u32(b, 4) + 8 != b.size())
        return w;
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::size_t size = u32(b, at + 4);
        const std::size_t body = at + 8;
        if (body + size > b.size())
            return Wave{};
        if (tag(b, at, "fmt ") && size >= 16) {
            w.format = int(u16(b, body));
            w.channels = int(u16(b, body + 2));
            w.sampleRate = int(u32(b, body + 4));
            w.bitsPerSample = int(u16(b, body + 14));
            haveFormat = u32(b, body + 8) == unsigned(w.sampleRate * w.channels * w.bitsPerSample / 8) &&
                         int(u16(b, body + 12)) == w.channels * w.bitsPerSample / 8;
        } else if (tag(b, at, "data") && haveFormat && w.bitsPerSample == 16) {
            w.samples.resize(size / 2);
            for (std::size_t i = 0; i < w.samples.size(); ++i)
                w.samples[i] = std::int16_t(u16(b, body + 2 * i));
            w.valid = w.format == 1 && w.channels >= 1 && size % (2 * std::size_t(w.channels)) == 0;
            return w;
        }
        at = body + size + (size & 1);
    }
    return w;
}

Wave loadWav(const std::string& relative)
{
    return parseWav(readBytes(dataPath(relative)));
}

} // namespace asset_test
