#pragma once
// Tiny WAV files written by the tests themselves.

#include <cstdint>
#include <string>
#include <vector>

namespace wavfixture {

// A PCM WAV image of the given samples (16-bit when bits is 16, unsigned 8-bit when bits is 8).
inline std::string makeWav(const std::vector<int>& samples, int rate, int channels, int bits)
{
    std::string out;
    auto put16 = [&](std::uint32_t v) {
        out.push_back(static_cast<char>(v & 0xFF));
        out.push_back(static_cast<char>((v >> 8) & 0xFF));
    };
    auto put32 = [&](std::uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    const std::uint32_t bytesPerSample = static_cast<std::uint32_t>(bits / 8);
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size()) * bytesPerSample;
    out += "RIFF";
    put32(36 + dataBytes);
    out += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(static_cast<std::uint32_t>(channels));
    put32(static_cast<std::uint32_t>(rate));
    put32(static_cast<std::uint32_t>(rate * channels) * bytesPerSample);
    put16(static_cast<std::uint32_t>(channels) * bytesPerSample);
    put16(static_cast<std::uint32_t>(bits));
    out += "data";
    put32(dataBytes);
    for (int s : samples) {
        if (bits == 8)
            out.push_back(static_cast<char>(static_cast<std::uint8_t>(s)));
        else
            put16(static_cast<std::uint32_t>(static_cast<std::uint16_t>(static_cast<std::int16_t>(s))));
    }
    return out;
}

// A 16-bit WAV at the device's own format (22050 Hz, stereo) of `frames` frames of one value.
inline std::string makeFlatWav(int frames, int value)
{
    return makeWav(std::vector<int>(static_cast<std::size_t>(frames) * 2, value), 22050, 2, 16);
}

} // namespace wavfixture
