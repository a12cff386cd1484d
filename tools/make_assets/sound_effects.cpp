#include "tools/make_assets/sound_effects.h"

#include <algorithm>
#include <cmath>

namespace assets {

namespace {

constexpr double kPi = 3.14159265358979323846;

double t(int i)
{
    return double(i) / kSampleRate;
}

// A short tail of echoes, as from the walls of a valley.
void echo(Samples& s, double delay, float gain, int repeats)
{
    int d = samplesFor(delay);
    for (int r = 0; r < repeats; ++r)
        for (int i = int(s.size()) - 1; i >= d; --i)
            s[i] += s[i - d] * gain;
}

Samples shot()
{
    Samples s(samplesFor(0.7), 0.0f);
    Noise noise(101);
    Biquad crackHp = Biquad::highPass(1200), bodyLp = Biquad::lowPass(900), tailLp = Biquad::lowPass(500);
    double phase = 0;
    for (int i = 0; i < int(s.size()); ++i) {
        double x = t(i);
        float n = noise.next();
        float crack = crackHp.run(n) * float(std::exp(-x / 0.006)) * 1.6f;
        float body = bodyLp.run(n) * float(std::exp(-x / 0.05)) * 1.2f;
        phase += 2 * kPi * (60 + 140 * std::exp(-x / 0.02)) / kSampleRate;
        float thump = float(std::sin(phase) * std::exp(-x / 0.06)) * 0.9f;
        float tail = tailLp.run(n) * float(std::exp(-x / 0.18)) * 0.35f;
        s[i] = crack + body + thump + tail;
    }
    echo(s, 0.11, 0.25f, 1);
    normalise(s, 0.95f);
    fadeEdges(s, 0.002);
    return s;
}

Samples footstep()
{
    Samples s(samplesFor(0.16), 0.0f);
    Noise noise(202);
    Biquad thud = Biquad::lowPass(220), crunch = Biquad::bandPass(2500, 1.2);
    for (int i = 0; i < int(s.size()); ++i) {
        double x = t(i);
        float n = noise.next();
        float heel = thud.run(n) * float(std::exp(-x / 0.025)) * 3.0f;
        double grit = x > 0.015 ? std::exp(-(x - 0.015) / 0.03) : 0.0;
        float gravel = crunch.run(n * (noise.unit() > 0.7 ? 1.0f : 0.2f)) * float(grit) * 1.2f;
        s[i] = heel + gravel;
    }
    normalise(s, 0.6f);
    fadeEdges(s, 0.003);
    return s;
}

Samples explosion()
{
    Samples s(samplesFor(2.2), 0.0f);
    Noise noise(303);
    Biquad rumble = Biquad::lowPass(180), mid = Biquad::lowPass(900), debrisBp = Biquad::bandPass(3000, 2);
    double phase = 0;
    for (int i = 0; i < int(s.size()); ++i) {
        double x = t(i);
        float n = noise.next();
        double env = x < 0.01 ? x / 0.01 : std::exp(-(x - 0.01) / 0.65);
        float low = rumble.run(n) * float(env) * 4.0f;
        float blast = mid.run(n) * float(std::exp(-x / 0.12)) * 2.0f;
        phase += 2 * kPi * (30 + 80 * std::exp(-x / 0.15)) / kSampleRate;
        float sub = float(std::sin(phase) * std::exp(-x / 0.4)) * 1.2f;
        float debris = x > 0.15 && noise.unit() > 0.9985 ? 1.0f : 0.0f;
        debris = debrisBp.run(debris * 1.5f) * float(std::exp(-x / 0.6));
        s[i] = low + blast + sub + debris;
    }
    normalise(s, 0.98f);
    fadeEdges(s, 0.003);
    return s;
}

Samples wreckLanding()
{
    Samples s(samplesFor(0.8), 0.0f);
    Noise noise(404);
    Biquad thud = Biquad::lowPass(300);
    // Inharmonic partials of a struck steel drum.
    const double partials[] = {182, 431, 697, 1043, 1511};
    for (int bounce = 0; bounce < 3; ++bounce) {
        int start = samplesFor(bounce * 0.14 * (1 + bounce * 0.3));
        float g = std::pow(0.45f, float(bounce));
        for (int i = start; i < int(s.size()); ++i) {
            double x = t(i - start);
            double v = 0;
            for (int k = 0; k < 5; ++k)
                v += std::sin(2 * kPi * partials[k] * (1 + bounce * 0.02) * x) *
                     std::exp(-x / (0.25 / (k + 1))) / (k + 1);
            s[i] += float(v) * g * 0.8f;
        }
    }
    for (int i = 0; i < int(s.size()); ++i)
        s[i] += thud.run(noise.next()) * float(std::exp(-t(i) / 0.04)) * 3.0f;
    normalise(s, 0.9f);
    fadeEdges(s, 0.003);
    return s;
}

// A voice: a glottal pulse train through three formant resonators.
struct Vowel
{
    double f1, f2, f3;
};

void voice(Samples& s, int start, double seconds, double pitchFrom, double pitchTo, Vowel from, Vowel to,
           float gain, std::uint32_t seed, double breath = 0.15)
{
    Noise noise(seed);
    int n = samplesFor(seconds);
    double phase = 0;
    Biquad f1 = Biquad::bandPass(from.f1, 6), f2 = Biquad::bandPass(from.f2, 8),
           f3 = Biquad::bandPass(from.f3, 10);
    for (int i = 0; i < n && start + i < int(s.size()); ++i) {
        double p = double(i) / n;
        if (i % 64 == 0) {
            Vowel v{from.f1 + (to.f1 - from.f1) * p, from.f2 + (to.f2 - from.f2) * p,
                    from.f3 + (to.f3 - from.f3) * p};
            f1.retuneBandPass(v.f1, 6);
            f2.retuneBandPass(v.f2, 8);
            f3.retuneBandPass(v.f3, 10);
        }
        double pitch = pitchFrom + (pitchTo - pitchFrom) * p;
        pitch *= 1 + noise.next() * 0.02; // roughness
        phase += pitch / kSampleRate;
        if (phase >= 1)
            phase -= 1;
        // A sawtooth-like pulse rich in harmonics, plus breath.
        double src = (1 - 2 * phase) * 0.8 + noise.next() * breath;
        double env = std::min(1.0, p * 12) * std::min(1.0, (1 - p) * 5);
        float y = f1.run(float(src)) * 1.0f + f2.run(float(src)) * 0.6f + f3.run(float(src)) * 0.3f;
        s[start + i] += y * float(env) * gain;
    }
}

Samples laugh()
{
    Samples s(samplesFor(1.5), 0.0f);
    const Vowel a{750, 1150, 2600};
    Noise noise(505);
    for (int k = 0; k < 5; ++k) {
        int start = samplesFor(0.05 + k * 0.24);
        // The breathy "h" before each "a".
        Biquad h = Biquad::bandPass(1400, 1.5);
        for (int i = 0; i < samplesFor(0.05); ++i)
            s[start + i] += h.run(noise.next()) * 0.25f * float(i) / samplesFor(0.05);
        double pitch = 170 - k * 12;
        voice(s, start + samplesFor(0.04), 0.16, pitch, pitch * 0.9, a, a, 1.0f, 510 + k, 0.25);
    }
    normalise(s, 0.85f);
    fadeEdges(s, 0.005);
    return s;
}

Samples deathCry(int which)
{
    struct Cry
    {
        double seconds, pitchFrom, pitchTo;
        Vowel from, to;
    };
    const Cry cries[5] = {
        {0.55, 190, 110, {800, 1200, 2500}, {600, 1000, 2400}}, // "aargh"
        {0.45, 150, 95, {500, 900, 2400}, {350, 700, 2300}},    // "uhh"
        {0.70, 240, 130, {700, 1800, 2700}, {750, 1100, 2500}}, // "yaah"
        {0.50, 130, 85, {450, 800, 2300}, {600, 1000, 2400}},   // "ohh"
        {0.60, 280, 160, {400, 2100, 2900}, {700, 1300, 2600}}, // "eeah"
    };
    const Cry& c = cries[which];
    Samples s(samplesFor(c.seconds + 0.1), 0.0f);
    voice(s, samplesFor(0.01), c.seconds, c.pitchFrom, c.pitchTo, c.from, c.to, 1.0f, 600 + which, 0.3);
    normalise(s, 0.85f);
    fadeEdges(s, 0.005);
    return s;
}

Samples applause()
{
    Samples s(samplesFor(3.0), 0.0f);
    Noise noise(1100);
    for (int k = 0; k < 260; ++k) {
        int start = int(noise.unit() * (s.size() - samplesFor(0.05)));
        double centre = 900 + noise.unit() * 1800;
        Biquad bp = Biquad::bandPass(centre, 1.5);
        float g = 0.4f + float(noise.unit()) * 0.6f;
        for (int i = 0; i < samplesFor(0.03); ++i)
            s[start + i] += bp.run(noise.next()) * g * float(std::exp(-t(i) / 0.006));
    }
    // Swell and die away.
    for (int i = 0; i < int(s.size()); ++i) {
        double p = double(i) / s.size();
        s[i] *= float(std::min(1.0, p * 6) * std::min(1.0, (1 - p) * 2.5));
    }
    normalise(s, 0.8f);
    return s;
}

void click(Samples& s, double at, double freq, double decay, float gain, std::uint32_t seed)
{
    Noise noise(seed);
    Biquad bp = Biquad::bandPass(freq, 3);
    int start = samplesFor(at);
    for (int i = 0; start + i < int(s.size()) && i < samplesFor(decay * 8); ++i) {
        double x = t(i);
        float tone = float(std::sin(2 * kPi * freq * 0.5 * x));
        s[start + i] += (bp.run(noise.next()) * 2.0f + tone * 0.5f) * gain * float(std::exp(-x / decay));
    }
}

Samples reload()
{
    Samples s(samplesFor(0.6), 0.0f);
    click(s, 0.0, 2200, 0.008, 0.7f, 1201); // magazine out
    click(s, 0.06, 1500, 0.01, 0.5f, 1202);
    click(s, 0.26, 1800, 0.012, 1.0f, 1203); // magazine home
    click(s, 0.42, 3000, 0.006, 0.8f, 1204); // bolt back
    click(s, 0.47, 2400, 0.01, 1.0f, 1205);  // bolt forward
    normalise(s, 0.8f);
    fadeEdges(s, 0.002);
    return s;
}

Samples typingClick()
{
    Samples s(samplesFor(0.04), 0.0f);
    click(s, 0.0, 3500, 0.003, 1.0f, 1301);
    normalise(s, 0.5f);
    fadeEdges(s, 0.001);
    return s;
}

Samples ricochet()
{
    Samples s(samplesFor(0.75), 0.0f);
    Noise noise(1401);
    Biquad ping = Biquad::highPass(2000);
    double phase = 0;
    for (int i = 0; i < int(s.size()); ++i) {
        double x = t(i);
        double f = 2600 * std::exp(-x / 0.5) + 900 + 60 * std::sin(2 * kPi * 9 * x);
        phase += 2 * kPi * f / kSampleRate;
        double env = std::min(1.0, x / 0.01) * std::exp(-x / 0.22);
        s[i] =
            float(std::sin(phase) * env) * 0.6f + ping.run(noise.next()) * float(std::exp(-x / 0.004)) * 1.2f;
    }
    normalise(s, 0.7f);
    fadeEdges(s, 0.003);
    return s;
}

Samples menuClick()
{
    Samples s(samplesFor(0.09), 0.0f);
    for (int i = 0; i < int(s.size()); ++i) {
        double x = t(i);
        double f = x < 0.03 ? 1320 : 1760;
        double sq = std::sin(2 * kPi * f * x) > 0 ? 1.0 : -1.0;
        s[i] = float(sq * std::exp(-x / 0.03)) * 0.3f;
    }
    Biquad soft = Biquad::lowPass(4000);
    for (float& v : s)
        v = soft.run(v);
    normalise(s, 0.5f);
    fadeEdges(s, 0.002);
    return s;
}

} // namespace

std::vector<Effect> soundEffects()
{
    std::vector<Effect> out;
    out.push_back({"rifle3.wav", shot()});
    out.push_back({"foot.wav", footstep()});
    out.push_back({"bomb.wav", explosion()});
    out.push_back({"cai.wav", wreckLanding()});
    out.push_back({"haha.wav", laugh()});
    for (int k = 0; k < 5; ++k)
        out.push_back({"grunt" + std::to_string(k + 1) + ".wav", deathCry(k)});
    out.push_back({"palmas.wav", applause()});
    out.push_back({"recharge.wav", reload()});
    out.push_back({"click.wav", typingClick()});
    out.push_back({"ricochet.wav", ricochet()});
    out.push_back({"menu.wav", menuClick()});
    return out;
}

} // namespace assets
