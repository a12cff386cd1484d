#pragma once
// Sound synthesis for the effects and the music: a seeded noise source, filters, a few
// instruments, and the 16-bit PCM wave writer.

#include <cstdint>
#include <string>
#include <vector>

namespace assets {

constexpr int kSampleRate = 22050;
using Samples = std::vector<float>; // mono, nominally -1 .. 1

// A small seeded generator; identical sequences on every run.
class Noise
{
public:
    explicit Noise(std::uint32_t seed) : m_state(seed * 2654435761u + 12345u) {}
    float next() // uniform in -1 .. 1
    {
        m_state = m_state * 1664525u + 1013904223u;
        return float((m_state >> 8) & 0xFFFFFF) / float(0x800000) - 1.0f;
    }
    double unit() { return (next() + 1.0) * 0.5; } // 0 .. 1

private:
    std::uint32_t m_state;
};

// Two-pole filter (the common audio "biquad"), one sample at a time.
class Biquad
{
public:
    static Biquad lowPass(double freq, double q = 0.707);
    static Biquad highPass(double freq, double q = 0.707);
    static Biquad bandPass(double freq, double q);
    float run(float x);
    // New band-pass coefficients, keeping the filter's state so that a sweep does not click.
    void retuneBandPass(double freq, double q);

private:
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

int samplesFor(double seconds);
double noteFrequency(int midiNote);

// Scales the peak to `peak` (no change for silence).
void normalise(Samples& s, float peak);
// Fades the first and last `seconds` linearly.
void fadeEdges(Samples& s, double seconds);

// Writes 16-bit PCM mono at kSampleRate; samples are clipped to -1 .. 1.
bool writeWav(const Samples& s, const std::string& path);
std::vector<std::uint8_t> encodeWav(const Samples& s);

} // namespace assets
