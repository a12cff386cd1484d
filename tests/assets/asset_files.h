#pragma once
// Readers for the generated files, written independently of the generator so that the tests
// check the bytes the game will load.

#include <cstdint>
#include <string>
#include <vector>

namespace asset_test {

std::string dataPath(const std::string& relative); // under the generated data folder
std::vector<std::uint8_t> readBytes(const std::string& path);

// A 24-bit uncompressed Windows bitmap; pixels 0xRRGGBB, top row first.
struct Bitmap
{
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};
// Empty bitmap (width 0) when the bytes are not a bitmap this reader understands.
Bitmap parseBmp(const std::vector<std::uint8_t>& bytes);
Bitmap loadBmp(const std::string& relative);

// A PCM wave file.
struct Wave
{
    bool valid = false;
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples; // interleaved
    double seconds() const { return channels ? double(samples.size()) / channels / sampleRate : 0; }
};
Wave parseWav(const std::vector<std::uint8_t>& bytes);
Wave loadWav(const std::string& relative);

} // namespace asset_test
