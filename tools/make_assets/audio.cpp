#include "tools/make_assets/audio.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace assets {

namespace {

constexpr double kPi = 3.14159265358979323846;

void put16(std::vector<std::uint8_t>& out, unsigned v)
{
    out.push_back(std::uint8_t(v & 0xFF));
    out.push_back(std::uint8_t((v >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, unsigned v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

} // namespace

Biquad Biquad::lowPass(double freq, double q)
{
    Biquad f;
    double w = 2 * kPi * freq / kSampleRate, a = std::sin(w) / (2 * q), c = std::cos(w);
    double a0 = 1 + a;
    f.b0 = (1 - c) / 2 / a0;
    f.b1 = (1 - c) / a0;
    f.b2 = (1 - c) / 2 / a0;
    f.a1 = -2 * c / a0;
    f.a2 = (1 - a) / a0;
    return f;
}

Biquad Biquad::highPass(double freq, double q)
{
    Biquad f;
    double w = 2 * kPi * freq / kSampleRate, a = std::sin(w) / (2 * q), c = std::cos(w);
    double a0 = 1 + a;
    f.b0 = (1 + c) / 2 / a0;
    f.b1 = -(1 + c) / a0;
    f.b2 = (1 + c) / 2 / a0;
    f.a1 = -2 * c / a0;
    f.a2 = (1 - a) / a0;
    return f;
}

Biquad Biquad::bandPass(double freq, double q)
{
    Biquad f;
    double w = 2 * kPi * freq / kSampleRate, a = std::sin(w) / (2 * q), c = std::cos(w);
    double a0 = 1 + a;
    f.b0 = a / a0;
    f.b1 = 0;
    f.b2 = -a / a0;
    f.a1 = -2 * c / a0;
    f.a2 = (1 - a) / a0;
    return f;
}

void Biquad::retuneBandPass(double freq, double q)
{
    Biquad f = bandPass(freq, q);
    b0 = f.b0;
    b1 = f.b1;
    b2 = f.b2;
    a1 = f.a1;
    a2 = f.a2;
}

float Biquad::run(float x)
{
    double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return float(y);
}

int samplesFor(double seconds)
{
    return int(std::lround(seconds * kSampleRate));
}

double noteFrequency(int midiNote)
{
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

void normalise(Samples& s, float peak)
{
    float top = 0;
    for (float v : s)
        top = std::max(top, std::fabs(v));
    if (top <= 0)
        return;
    for (float& v : s)
        v *= peak / top;
}

void fadeEdges(Samples& s, double seconds)
{
    std::size_t n = std::min(s.size() / 2, std::size_t(samplesFor(seconds)));
    for (std::size_t i = 0; i < n; ++i) {
        float g = float(i) / float(n);
        s[i] *= g;
        s[s.size() - 1 - i] *= g;
    }
}

std::vector<std::uint8_t> encodeWav(const Samples& s)
{
    const unsigned dataBytes = unsigned(s.size()) * 2;
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    for (char c : {'R', 'I', 'F', 'F'})
        out.push_back(std::uint8_t(c));
    put32(out, 36 + dataBytes);
    for (char c : {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '})
        out.push_back(std::uint8_t(c));
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, kSampleRate);
    put32(out, kSampleRate * 2);
    put16(out, 2);  // block align
    put16(out, 16); // bits
    for (char c : {'d', 'a', 't', 'a'})
        out.push_back(std::uint8_t(c));
    put32(out, dataBytes);
    for (float v : s) {
        long q = std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f);
        put16(out, unsigned(std::uint16_t(std::int16_t(q))));
    }
    return out;
}

bool writeWav(const Samples& s, const std::string& path)
{
    std::vector<std::uint8_t> bytes = encodeWav(s);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

} // namespace assets
