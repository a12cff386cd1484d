#include "tools/make_assets/music.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace assets {

namespace {

constexpr double kPi = 3.14159265358979323846;

// --- the arrangement of a piece ----------------------------------------------------------------

enum class Drums { March, Rock, Tribal, Sparse, Driving, None, Ballad };
enum class Lead { Brass, Square, Pluck, Bell, Flute };

struct Song
{
    const char* file;
    bool loops;
    double bpm;
    int root;                     // MIDI note of the key's tonic (bass octave)
    std::vector<int> scale;       // seven semitone offsets
    std::vector<int> progression; // chord root as a scale degree, one per bar
    Drums drums;
    Lead lead;
    bool pad, arpeggio, pulseBass;
    double minSeconds;
    std::uint32_t seed;
};

const std::vector<int> kMajor = {0, 2, 4, 5, 7, 9, 11};
const std::vector<int> kMinor = {0, 2, 3, 5, 7, 8, 10};
const std::vector<int> kDorian = {0, 2, 3, 5, 7, 9, 10};
const std::vector<int> kPhrygian = {0, 1, 3, 5, 7, 8, 10};
const std::vector<int> kMixolydian = {0, 2, 4, 5, 7, 9, 10};
const std::vector<int> kHarmonicMinor = {0, 2, 3, 5, 7, 8, 11};
const std::vector<int> kPhrygianDominant = {0, 1, 4, 5, 7, 8, 10};

int degreeToNote(const Song& s, int degree, int octave)
{
    int oct = degree >= 0 ? degree / 7 : -((6 - degree) / 7);
    int d = degree - oct * 7;
    return s.root + 12 * (octave + oct) + s.scale[d];
}

// --- voices ----------------------------------------------------------------------------------

double polyBlep(double t, double dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1;
    }
    if (t > 1 - dt) {
        t = (t - 1) / dt;
        return t * t + t + t + 1;
    }
    return 0;
}

// Adds a sample at a position of the piece; looping pieces wrap round so that tails of the
// last notes sound at the start and the loop has no seam.
struct Mixer
{
    Samples& out;
    bool wrap;
    void add(long i, float v)
    {
        long n = long(out.size());
        if (wrap)
            i = ((i % n) + n) % n;
        if (i >= 0 && i < n)
            out[std::size_t(i)] += v;
    }
};

double adsr(double x, double dur, double a, double d, double sus, double r)
{
    if (x < a)
        return x / a;
    if (x < a + d)
        return 1 - (1 - sus) * (x - a) / d;
    if (x < dur)
        return sus;
    double e = sus * (1 - (x - dur) / r);
    return e > 0 ? e : 0;
}

void bassNote(Mixer& m, long start, double dur, double freq, float gain)
{
    const double r = 0.04;
    int n = samplesFor(dur + r);
    double phase = 0, sub = 0, dt = freq / kSampleRate;
    Biquad lp = Biquad::lowPass(freq * 5, 1.2);
    for (int i = 0; i < n; ++i) {
        double x = double(i) / kSampleRate;
        phase += dt;
        if (phase >= 1)
            phase -= 1;
        sub += dt / 2;
        if (sub >= 1)
            sub -= 1;
        double saw = 2 * phase - 1 - polyBlep(phase, dt);
        double v = saw * 0.55 + std::sin(2 * kPi * sub * 2) * 0.6;
        float y = lp.run(float(v)) * float(adsr(x, dur, 0.005, 0.12, 0.7, r));
        m.add(start + i, y * gain);
    }
}

void padChord(Mixer& m, long start, double dur, const std::vector<double>& freqs, float gain)
{
    const double r = 0.5;
    int n = samplesFor(dur + r);
    for (std::size_t k = 0; k < freqs.size(); ++k) {
        for (double detune : {0.997, 1.003}) {
            double f = freqs[k] * detune, dt = f / kSampleRate, phase = double(k) * 0.31 + detune;
            phase -= std::floor(phase);
            Biquad lp = Biquad::lowPass(1400, 0.7);
            for (int i = 0; i < n; ++i) {
                double x = double(i) / kSampleRate;
                phase += dt;
                if (phase >= 1)
                    phase -= 1;
                double saw = 2 * phase - 1 - polyBlep(phase, dt);
                float y = lp.run(float(saw)) * float(adsr(x, dur, 0.35, 0.3, 0.8, r));
                m.add(start + i, y * gain / float(freqs.size()));
            }
        }
    }
}

void leadNote(Mixer& m, long start, double dur, double freq, Lead kind, float gain, std::uint32_t seed)
{
    const double r = kind == Lead::Bell || kind == Lead::Pluck ? 0.6 : 0.08;
    int n = samplesFor(dur + r);
    double phase = 0;
    switch (kind) {
    case Lead::Pluck: {
        // A plucked string: a noise burst circulating in a damped delay line.
        int period = std::max(2, int(std::lround(kSampleRate / freq)));
        std::vector<float> line(period);
        Noise noise(seed);
        for (float& v : line)
            v = noise.next();
        float last = 0;
        for (int i = 0; i < n; ++i) {
            float v = line[i % period];
            float next = 0.5f * (v + last) * 0.996f;
            last = v;
            line[i % period] = next;
            double x = double(i) / kSampleRate;
            double env = x < dur ? 1.0 : std::max(0.0, 1 - (x - dur) / r);
            m.add(start + i, v * gain * float(env));
        }
        return;
    }
    case Lead::Bell: {
        for (int i = 0; i < n; ++i) {
            double x = double(i) / kSampleRate;
            double mod = std::sin(2 * kPi * freq * 3.5 * x) * 2.0 * std::exp(-x / 0.3);
            double v = std::sin(2 * kPi * freq * x + mod) * std::exp(-x / 0.7);
            double env = std::min(1.0, x / 0.002) * (x < dur ? 1.0 : std::max(0.0, 1 - (x - dur) / r));
            m.add(start + i, float(v * env) * gain);
        }
        return;
    }
    default:
        break;
    }
    Biquad lp = Biquad::lowPass(kind == Lead::Brass ? 2200 : kind == Lead::Flute ? 2600 : 3200, 0.9);
    Noise breath(seed);
    for (int i = 0; i < n; ++i) {
        double x = double(i) / kSampleRate;
        double vib = 1 + 0.006 * std::sin(2 * kPi * 5.5 * x) * std::min(1.0, x / 0.25);
        double dt = freq * vib / kSampleRate;
        phase += dt;
        if (phase >= 1)
            phase -= 1;
        double v = 0;
        if (kind == Lead::Brass)
            v = 2 * phase - 1 - polyBlep(phase, dt);
        else if (kind == Lead::Square) {
            double p2 = phase + 0.5 - std::floor(phase + 0.5);
            v = (phase < 0.5 ? 1 : -1) + polyBlep(phase, dt) - polyBlep(p2, dt);
            v *= 0.6;
        } else
            v = std::sin(2 * kPi * phase) + 0.15 * std::sin(4 * kPi * phase) + breath.next() * 0.05;
        double a = kind == Lead::Brass ? 0.04 : 0.01;
        float y = lp.run(float(v)) * float(adsr(x, dur, a, 0.1, 0.75, r));
        m.add(start + i, y * gain);
    }
}

void kick(Mixer& m, long start, float gain)
{
    double phase = 0;
    for (int i = 0; i < samplesFor(0.3); ++i) {
        double x = double(i) / kSampleRate;
        phase += 2 * kPi * (45 + 110 * std::exp(-x / 0.03)) / kSampleRate;
        m.add(start + i, float(std::sin(phase) * std::exp(-x / 0.12)) * gain);
    }
}

void snare(Mixer& m, long start, float gain, std::uint32_t seed, double decay = 0.09)
{
    Noise noise(seed);
    Biquad hp = Biquad::highPass(900);
    for (int i = 0; i < samplesFor(decay * 4); ++i) {
        double x = double(i) / kSampleRate;
        double tone = std::sin(2 * kPi * 190 * x) * std::exp(-x / 0.03) * 0.5;
        m.add(start + i, float((hp.run(noise.next()) + tone) * std::exp(-x / decay)) * gain);
    }
}

void hat(Mixer& m, long start, float gain, std::uint32_t seed, double decay = 0.025)
{
    Noise noise(seed);
    Biquad hp = Biquad::highPass(6000);
    for (int i = 0; i < samplesFor(decay * 5); ++i) {
        double x = double(i) / kSampleRate;
        m.add(start + i, hp.run(noise.next()) * float(std::exp(-x / decay)) * gain);
    }
}

void tom(Mixer& m, long start, double freq, float gain)
{
    double phase = 0;
    for (int i = 0; i < samplesFor(0.35); ++i) {
        double x = double(i) / kSampleRate;
        phase += 2 * kPi * freq * (1 + 0.5 * std::exp(-x / 0.02)) / kSampleRate;
        m.add(start + i, float(std::sin(phase) * std::exp(-x / 0.15)) * gain);
    }
}

// --- composition -------------------------------------------------------------------------------

struct MelodyNote
{
    int step; // in eighths from the bar's start
    int length;
    int degree;
};

// A two-bar phrase over the chords of bars b and b + 1, from a seeded choice of rhythms.
std::vector<MelodyNote> phrase(const Song& s, int chordA, int chordB, Noise& rnd)
{
    static const std::vector<std::vector<int>> rhythms = {
        {2, 2, 1, 1, 2, 4, 2, 2}, {3, 1, 2, 2, 4, 4},       {1, 1, 2, 1, 1, 2, 2, 2, 4},
        {4, 2, 2, 3, 1, 4},       {2, 1, 1, 2, 2, 2, 2, 4}, {6, 2, 4, 2, 2},
    };
    const std::vector<int>& r = rhythms[std::size_t(rnd.unit() * rhythms.size()) % rhythms.size()];
    (void)s;
    std::vector<MelodyNote> out;
    int step = 0, degree = chordA + (rnd.unit() < 0.5 ? 2 : 4);
    for (std::size_t k = 0; k < r.size() && step < 16; ++k) {
        int chord = step < 8 ? chordA : chordB;
        bool strong = step % 4 == 0;
        if (strong) {
            // Land on a chord tone near the current note.
            int best = degree, bestDist = 99;
            for (int tone : {chord, chord + 2, chord + 4, chord + 7, chord + 9, chord - 3})
                if (std::abs(tone - degree) < bestDist) {
                    bestDist = std::abs(tone - degree);
                    best = tone;
                }
            degree = best;
        } else {
            double u = rnd.unit();
            degree += u < 0.35 ? 1 : u < 0.7 ? -1 : u < 0.85 ? 2 : -2;
        }
        degree = std::clamp(degree, 0, 11);
        bool rest = !strong && rnd.unit() < 0.12;
        if (!rest)
            out.push_back({step, r[k], degree});
        step += r[k];
    }
    return out;
}

Samples render(const Song& s)
{
    const double beat = 60.0 / s.bpm;
    const double bar = beat * 4;
    int bars = int(std::ceil(s.minSeconds / bar));
    const int unit = int(s.progression.size());
    bars = (bars + unit - 1) / unit * unit;
    if (bars % 8)
        bars += unit * ((8 - bars % 8 + unit - 1) / unit);
    const double ending = s.loops ? 0.0 : bar * 2;
    Samples out(std::size_t(samplesFor(bars * bar + ending)), 0.0f);
    // Three buses: harmony and bass, the tune (with an echo), and the drums.
    Samples tune(out.size(), 0.0f), drumBus(out.size(), 0.0f);
    Mixer mix{out, s.loops}, tuneMix{tune, s.loops}, drumMix{drumBus, s.loops};
    Noise rnd(s.seed);
    auto at = [&](int b, double beats) { return long(std::lround((b * bar + beats * beat) * kSampleRate)); };

    // Phrases: A A' B A over each stretch of eight bars, so the tune comes back.
    std::vector<std::vector<MelodyNote>> phrases;
    for (int k = 0; k < 3; ++k) {
        int c = s.progression[std::size_t(2 * k) % unit], d = s.progression[std::size_t(2 * k + 1) % unit];
        phrases.push_back(phrase(s, c, d, rnd));
    }

    for (int b = 0; b < bars; ++b) {
        const int chord = s.progression[std::size_t(b % unit)];
        const int section = (b / 8) % 4; // 0 intro/verse, 1 theme, 2 break, 3 theme
        const bool quiet = b < 2 && s.loops == false;
        // Harmony.
        std::vector<double> freqs;
        for (int k : {0, 2, 4})
            freqs.push_back(noteFrequency(degreeToNote(s, chord + k, 1)));
        if (s.pad)
            padChord(mix, at(b, 0), bar * 0.98, freqs, section == 2 ? 0.2f : 0.14f);
        // Bass.
        int bassRoot = degreeToNote(s, chord, 0);
        if (s.pulseBass) {
            for (int e = 0; e < 8; ++e)
                bassNote(mix, at(b, e * 0.5), beat * 0.4, noteFrequency(bassRoot + (e == 6 ? 7 : 0)), 0.22f);
        } else {
            bassNote(mix, at(b, 0), beat * 1.8, noteFrequency(bassRoot), 0.26f);
            bassNote(mix, at(b, 2), beat * 0.9, noteFrequency(bassRoot + 7), 0.2f);
            bassNote(mix, at(b, 3), beat * 0.9, noteFrequency(degreeToNote(s, chord + (b % 2 ? 2 : 4), 0)),
                     0.2f);
        }
        // Arpeggio in the break and under the theme.
        if (s.arpeggio && section != 0) {
            for (int e = 0; e < 8; ++e) {
                int tone = chord + std::vector<int>{0, 2, 4, 7, 4, 2, 0, 4}[std::size_t(e)];
                leadNote(tuneMix, at(b, e * 0.5), beat * 0.45, noteFrequency(degreeToNote(s, tone, 2)),
                         Lead::Pluck, 0.12f, s.seed + std::uint32_t(b * 8 + e));
            }
        }
        // Melody over the theme sections, every other verse bar an answer an octave lower.
        if ((section == 1 || section == 3 || (section == 0 && b >= 4)) && !quiet) {
            int pos = (b % 8) / 2; // which phrase of the A A' B A plan
            const std::vector<MelodyNote>& p = phrases[pos == 2 ? 2 : pos == 1 ? 1 : 0];
            int half = b % 2;
            int octave = section == 0 ? 1 : 2;
            for (const MelodyNote& n : p) {
                if (n.step / 8 != half)
                    continue;
                int deg = n.degree;
                if (pos == 1 && n.step >= 12)
                    deg = s.progression[std::size_t(b % unit)] + 7; // A': come home to the chord
                leadNote(tuneMix, at(b, (n.step % 8) * 0.5), beat * 0.5 * n.length * 0.92,
                         noteFrequency(degreeToNote(s, deg, octave)), s.lead, section == 0 ? 0.14f : 0.2f,
                         s.seed + std::uint32_t(b * 16 + n.step));
            }
        }
        // Drums.
        const std::uint32_t ds = s.seed * 31 + std::uint32_t(b) * 7;
        switch (s.drums) {
        case Drums::March:
            kick(drumMix, at(b, 0), 0.5f);
            kick(drumMix, at(b, 2), 0.4f);
            for (int e = 0; e < 8; ++e)
                snare(drumMix, at(b, e * 0.5), e % 2 ? 0.06f : (e % 4 == 2 ? 0.2f : 0.12f), ds + e, 0.05);
            if (b % 4 == 3)
                for (int e = 0; e < 8; ++e)
                    snare(drumMix, at(b, 2 + e * 0.25), 0.12f + e * 0.015f, ds + 20 + e, 0.04);
            break;
        case Drums::Rock:
        case Drums::Driving:
            for (int q = 0; q < 4; ++q) {
                if (q % 2 == 0 || s.drums == Drums::Driving)
                    kick(drumMix, at(b, q), 0.55f);
                if (q % 2 == 1)
                    snare(drumMix, at(b, q), 0.35f, ds + q);
            }
            for (int e = 0; e < 8; ++e)
                hat(drumMix, at(b, e * 0.5), e % 2 ? 0.08f : 0.12f, ds + 10 + e);
            if (b % 8 == 7)
                for (int e = 0; e < 4; ++e)
                    tom(drumMix, at(b, 2 + e * 0.5), 160 - e * 25, 0.3f);
            break;
        case Drums::Tribal:
            for (int e = 0; e < 8; ++e) {
                static const int pattern[8] = {1, 0, 2, 1, 0, 2, 1, 2};
                if (pattern[e] == 1)
                    tom(drumMix, at(b, e * 0.5), 110, 0.35f);
                if (pattern[e] == 2)
                    tom(drumMix, at(b, e * 0.5), 180, 0.25f);
            }
            for (int e = 0; e < 16; ++e)
                hat(drumMix, at(b, e * 0.25), e % 4 == 0 ? 0.07f : 0.035f, ds + e, 0.015);
            break;
        case Drums::Sparse:
            kick(drumMix, at(b, 0), 0.45f);
            if (b % 2)
                snare(drumMix, at(b, 3), 0.15f, ds, 0.06);
            for (int q = 0; q < 4; ++q)
                hat(drumMix, at(b, q + 0.5), 0.05f, ds + q, 0.02);
            break;
        case Drums::Ballad:
            kick(drumMix, at(b, 0), 0.35f);
            snare(drumMix, at(b, 2), 0.14f, ds, 0.08);
            break;
        case Drums::None:
            break;
        }
    }
    if (!s.loops) {
        // A closing chord held over the last two bars.
        std::vector<double> freqs;
        for (int k : {0, 2, 4, 7})
            freqs.push_back(noteFrequency(degreeToNote(s, k, 1)));
        padChord(mix, at(bars, 0), bar * 1.5, freqs, 0.22f);
        bassNote(mix, at(bars, 0), bar * 1.5, noteFrequency(s.root), 0.3f);
        leadNote(tuneMix, at(bars, 0), bar * 1.5, noteFrequency(degreeToNote(s, 7, 2)), s.lead, 0.2f, s.seed);
        kick(drumMix, at(bars, 0), 0.5f);
    }
    // The echo on the tune: a feedback delay of three eighths. A looping piece runs the delay
    // round twice, so that the echoes at its start are those of its end.
    const int delay = samplesFor(beat * 0.75);
    std::vector<float> line(std::size_t(delay), 0.0f);
    std::size_t pos = 0;
    for (int pass = s.loops ? 0 : 1; pass < 2; ++pass)
        for (std::size_t i = 0; i < tune.size(); ++i) {
            float echoed = line[pos] * 0.3f;
            line[pos] = tune[i] + echoed;
            pos = (pos + 1) % line.size();
            if (pass == 1)
                out[i] += tune[i] + echoed * 0.8f;
        }
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] += drumBus[i] * 0.55f;
    // Gentle limiting, then a fixed level.
    for (float& v : out)
        v = float(std::tanh(v * 1.2));
    normalise(out, 0.8f);
    if (!s.loops) {
        // Fade the last bar to silence.
        std::size_t n = std::size_t(samplesFor(bar));
        for (std::size_t i = 0; i < n && i < out.size(); ++i)
            out[out.size() - 1 - i] *= float(i) / float(n);
    }
    return out;
}

// clang-format off
const Song kSongs[] = {
    {"track01.wav", true, 112, 43, kMixolydian, {0, 3, 4, 0, 5, 3, 4, 4}, Drums::March, Lead::Brass, true, false, false, 46, 1},
    {"track02.wav", true, 92, 40, kMinor, {0, 0, 5, 6}, Drums::Sparse, Lead::Bell, true, false, true, 46, 2},
    {"track03.wav", true, 140, 38, kMinor, {0, 5, 2, 6}, Drums::Driving, Lead::Square, false, true, true, 46, 3},
    {"track04.wav", true, 104, 45, kDorian, {0, 3, 0, 4}, Drums::Tribal, Lead::Pluck, false, true, false, 46, 4},
    {"track05.wav", true, 76, 36, kPhrygian, {0, 1, 0, 6}, Drums::Sparse, Lead::Flute, true, false, false, 46, 5},
    {"track06.wav", true, 122, 41, kMajor, {0, 4, 5, 3}, Drums::Rock, Lead::Brass, true, true, false, 46, 6},
    {"track07.wav", true, 98, 40, kPhrygianDominant, {0, 1, 0, 6}, Drums::Tribal, Lead::Pluck, true, false, false, 46, 7},
    {"track08.wav", true, 86, 37, kHarmonicMinor, {0, 3, 4, 0}, Drums::Sparse, Lead::Bell, true, true, true, 46, 8},
    {"track09.wav", true, 150, 40, kMinor, {0, 6, 5, 4}, Drums::Driving, Lead::Square, false, true, true, 46, 9},
    {"track10.wav", true, 70, 38, kMinor, {0, 5, 3, 4}, Drums::Ballad, Lead::Flute, true, false, false, 46, 10},
    {"title.wav", true, 100, 43, kMajor, {0, 5, 3, 4, 0, 5, 1, 4}, Drums::March, Lead::Brass, true, true, false, 46, 11},
    {"fim.wav", false, 84, 41, kMajor, {0, 3, 4, 0, 5, 3, 1, 4}, Drums::Ballad, Lead::Brass, true, true, false, 30, 12},
};
// clang-format on

} // namespace

std::vector<Piece> musicPieces()
{
    std::vector<Piece> out;
    for (const Song& s : kSongs)
        out.push_back({s.file, s.loops, render(s)});
    return out;
}

} // namespace assets
