#include "platform/sound/mixer.h"
#include "platform/sound/sound_buffer.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using platform::sound::Mixer;
using platform::sound::Samples;
using platform::sound::SoundBuffer;

namespace {

// A mono mixer whose output the test reads block by block.
struct MonoMix
{
    std::shared_ptr<Mixer> mixer = std::make_shared<Mixer>(1);

    SoundBuffer buffer(Samples samples) { return SoundBuffer(mixer, std::move(samples)); }

    std::vector<std::int16_t> pull(std::size_t frames)
    {
        std::vector<std::int16_t> out(frames, 12345);
        mixer->mix(out.data(), frames);
        return out;
    }
};

using Block = std::vector<std::int16_t>;

} // namespace

TEST(Mixer, SumsPlayingBuffersAndClipsAtTheLimits)
{
    MonoMix m;
    SoundBuffer a = m.buffer({100, 30000, -30000, -32768, 5});
    SoundBuffer b = m.buffer({20, 30000, -30000, 0, 0});
    SoundBuffer idle = m.buffer({999, 999, 999, 999, 999}); // never played: not heard
    a.play();
    b.play();
    EXPECT_EQ(m.pull(5), (Block{120, 32767, -32767, -32767, 5}));
}

TEST(Mixer, NothingPlayingGivesSilence)
{
    MonoMix m;
    EXPECT_EQ(m.pull(3), (Block{0, 0, 0}));
}

TEST(Mixer, PlayOnceStopsAtTheEndAndRewinds)
{
    MonoMix m;
    SoundBuffer a = m.buffer({1, 2, 3});
    a.play();
    EXPECT_EQ(m.pull(5), (Block{1, 2, 3, 0, 0}));
    EXPECT_FALSE(a.isPlaying());
    EXPECT_EQ(a.currentPosition(), 0u);
    EXPECT_EQ(m.pull(2), (Block{0, 0}));

    // Ending exactly at a block's end also stops it.
    a.play();
    EXPECT_EQ(m.pull(3), (Block{1, 2, 3}));
    EXPECT_FALSE(a.isPlaying());
}

TEST(Mixer, LoopingWrapsToTheBeginning)
{
    MonoMix m;
    SoundBuffer a = m.buffer({1, 2, 3});
    a.setCurrentPosition(1);
    a.playLooping();
    EXPECT_EQ(m.pull(8), (Block{2, 3, 1, 2, 3, 1, 2, 3}));
    EXPECT_TRUE(a.isPlaying());
}

TEST(Mixer, StopKeepsThePositionAndRewindRestarts)
{
    MonoMix m;
    SoundBuffer a = m.buffer({1, 2, 3, 4, 5, 6});
    a.play();
    EXPECT_EQ(m.pull(2), (Block{1, 2}));
    a.stop();
    EXPECT_FALSE(a.isPlaying());
    EXPECT_EQ(a.currentPosition(), 2u);
    EXPECT_EQ(m.pull(2), (Block{0, 0}));

    a.play(); // resumes where it stopped
    EXPECT_EQ(m.pull(2), (Block{3, 4}));

    a.setCurrentPosition(0); // rewinds while playing
    EXPECT_EQ(m.pull(3), (Block{1, 2, 3}));

    a.setCurrentPosition(100); // past the end: clamped
    EXPECT_EQ(a.currentPosition(), 6u);
}

TEST(Mixer, ADroppedOrReplacedBufferIsSilent)
{
    MonoMix m;
    auto a = std::make_unique<SoundBuffer>(m.buffer({7, 7, 7, 7}));
    SoundBuffer b = m.buffer({1, 1, 1, 1});
    a->playLooping();
    b.playLooping();
    EXPECT_EQ(m.pull(1), (Block{8}));
    a.reset();
    EXPECT_EQ(m.pull(1), (Block{1}));

    b = m.buffer({2, 2}); // the old sound of b goes with the assignment
    EXPECT_EQ(m.pull(1), (Block{0}));
    b.playLooping();
    EXPECT_EQ(m.pull(1), (Block{2}));
}

TEST(Mixer, ASilentBufferIgnoresEveryCall)
{
    MonoMix m;
    SoundBuffer none;
    SoundBuffer empty = m.buffer({});
    for (SoundBuffer* b : {&none, &empty}) {
        EXPECT_TRUE(b->isSilent());
        b->setCurrentPosition(3);
        b->playLooping();
        EXPECT_FALSE(b->isPlaying());
        EXPECT_EQ(b->currentPosition(), 0u);
        EXPECT_EQ(b->frames(), 0u);
    }
    EXPECT_EQ(m.pull(2), (Block{0, 0}));
}

TEST(Mixer, StereoFramesKeepTheirChannels)
{
    auto mixer = std::make_shared<Mixer>(2);
    SoundBuffer a(mixer, {10, -10, 20, -20, 30}); // a trailing half frame is not played
    EXPECT_EQ(a.frames(), 2u);
    a.play();
    Block out(6, 1);
    mixer->mix(out.data(), 3);
    EXPECT_EQ(out, (Block{10, -10, 20, -20, 0, 0}));
}
