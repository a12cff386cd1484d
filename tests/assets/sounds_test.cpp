// The generated sounds: every wave file parses as PCM the sound device accepts, effects are
// short, music tracks are long enough and loop without a click.

#include "asset_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

using asset_test::loadWav;
using asset_test::Wave;

namespace {

double rms(const Wave& w, std::size_t from, std::size_t count)
{
    double sum = 0;
    count = std::min(count, w.samples.size() - from);
    for (std::size_t i = from; i < from + count; ++i)
        sum += double(w.samples[i]) * w.samples[i];
    return count ? std::sqrt(sum / count) : 0;
}

void expectPlayable(const Wave& w)
{
    ASSERT_TRUE(w.valid);
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.bitsPerSample, 16);
    EXPECT_TRUE(w.channels == 1 || w.channels == 2);
    EXPECT_GE(w.sampleRate, 22050);
    EXPECT_GT(rms(w, 0, w.samples.size()), 200.0); // audible, not silence
}

TEST(Sounds, EffectsAreShortPlayableSounds)
{
    struct Expect
    {
        const char* file;
        double minSeconds, maxSeconds;
    };
    const Expect effects[] = {
        {"rifle3.wav", 0.2, 1.5},  {"foot.wav", 0.05, 0.4},    {"bomb.wav", 1.0, 3.5},
        {"cai.wav", 0.3, 1.5},     {"haha.wav", 0.6, 2.5},     {"grunt1.wav", 0.3, 1.5},
        {"grunt2.wav", 0.3, 1.5},  {"grunt3.wav", 0.3, 1.5},   {"grunt4.wav", 0.3, 1.5},
        {"grunt5.wav", 0.3, 1.5},  {"palmas.wav", 1.5, 5.0},   {"recharge.wav", 0.3, 1.2},
        {"click.wav", 0.01, 0.15}, {"ricochet.wav", 0.3, 1.5}, {"menu.wav", 0.03, 0.3},
    };
    for (const Expect& e : effects) {
        SCOPED_TRACE(e.file);
        Wave w = loadWav(std::string("som/") + e.file);
        expectPlayable(w);
        EXPECT_GE(w.seconds(), e.minSeconds);
        EXPECT_LE(w.seconds(), e.maxSeconds);
        // Starts and ends quietly, so that a restart of a playing copy does not crack.
        EXPECT_LT(std::abs(w.samples.front()), 600);
        EXPECT_LT(std::abs(w.samples.back()), 600);
    }
}

TEST(Sounds, EachDeathCryIsItsOwnSound)
{
    for (int a = 1; a <= 5; ++a)
        for (int b = a + 1; b <= 5; ++b)
            EXPECT_NE(loadWav("som/grunt" + std::to_string(a) + ".wav").samples,
                      loadWav("som/grunt" + std::to_string(b) + ".wav").samples)
                << a << " and " << b;
}

TEST(Sounds, MusicTracksAreLongAndLoopWithoutAClick)
{
    for (const char* name :
         {"track01.wav", "track02.wav", "track03.wav", "track04.wav", "track05.wav", "track06.wav",
          "track07.wav", "track08.wav", "track09.wav", "track10.wav", "title.wav"}) {
        SCOPED_TRACE(name);
        Wave w = loadWav(std::string("musica/") + name);
        expectPlayable(w);
        EXPECT_GE(w.seconds(), 45.0);
        // Looping plays the last sample next to the first: the jump between them must be no
        // larger than the ordinary steps of the music.
        const std::size_t c = std::size_t(w.channels);
        double typical = 0;
        for (std::size_t i = c; i < w.samples.size(); i += c)
            typical += std::abs(w.samples[i] - w.samples[i - c]);
        typical /= double(w.samples.size() / c);
        int jump = std::abs(w.samples.front() - w.samples[w.samples.size() - c]);
        EXPECT_LT(jump, typical * 4 + 300);
        // It keeps playing through to its end instead of trailing off into silence.
        EXPECT_GT(
            rms(w, w.samples.size() - 5 * std::size_t(w.sampleRate) * c, 5 * std::size_t(w.sampleRate) * c),
            rms(w, 0, w.samples.size()) * 0.3);
    }
}

TEST(Sounds, TracksHaveDifferentMusic)
{
    // Ten different pieces: no two tracks are the same music, not even nearly.
    std::vector<Wave> tracks;
    for (int i = 1; i <= 10; ++i)
        tracks.push_back(
            loadWav(std::string("musica/track") + (i < 10 ? "0" : "") + std::to_string(i) + ".wav"));
    for (std::size_t a = 0; a < tracks.size(); ++a)
        for (std::size_t b = a + 1; b < tracks.size(); ++b) {
            const Wave &wa = tracks[a], &wb = tracks[b];
            std::size_t n = std::min(wa.samples.size(), wb.samples.size());
            double dot = 0, ea = 0, eb = 0;
            for (std::size_t i = 0; i < n; i += 7) {
                dot += double(wa.samples[i]) * wb.samples[i];
                ea += double(wa.samples[i]) * wa.samples[i];
                eb += double(wb.samples[i]) * wb.samples[i];
            }
            EXPECT_LT(std::fabs(dot) / std::sqrt(ea * eb + 1), 0.5) << "tracks " << a + 1 << " and " << b + 1;
        }
}

TEST(Sounds, EndMusicPlaysOnceAndFadesOut)
{
    Wave w = loadWav("musica/fim.wav");
    expectPlayable(w);
    EXPECT_GE(w.seconds(), 20.0);
    const std::size_t tail = std::size_t(w.sampleRate / 10) * std::size_t(w.channels);
    EXPECT_LT(rms(w, w.samples.size() - tail, tail), 100.0);
}

} // namespace
