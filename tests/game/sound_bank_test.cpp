#include "game/sound_bank.h"

#include "program_folder_fixture.h"
#include "tests/platform_sound/wav_fixture.h"

#include <vector>

using namespace tolvar;
using platform::sound::SoundDevice;

namespace {

// A sound bank on a device that plays nowhere: buffers move only when the test mixes.
class SoundBankTest : public ProgramFolderTest
{
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        state.SoundOn = true;
        bank.InitSound(SoundDevice::Mode::NoOutput);
    }

    void writeEffects(int except = 0)
    {
        for (int n = 1; n <= EffectCount; ++n)
            if (n != except)
                write("arquivos/som/" + effectFileName(n), wavfixture::makeFlatWav(1000, n));
    }

    void mix(std::size_t frames)
    {
        std::vector<std::int16_t> out(frames * 2);
        bank.device()->mixer().mix(out.data(), frames);
    }

    SoundBank bank{state};
};

} // namespace

TEST(SoundFiles, NamesOfEffectsAndTracks)
{
    EXPECT_EQ(effectFileName(1), "rifle3.wav");
    EXPECT_EQ(effectFileName(6), "grunt1.wav");
    EXPECT_EQ(effectFileName(15), "menu.wav");
    EXPECT_EQ(effectFileName(16), "");
    EXPECT_EQ(trackFileName(3), "track03.wav");
    EXPECT_EQ(trackFileName(10), "track10.wav");
}

TEST_F(SoundBankTest, EveryEffectGetsFourCopiesAndAMissingOneIsSilent)
{
    writeEffects(11);
    bank.LoadSounds();
    for (int n = 1; n <= EffectCount; ++n) {
        const SoundSlotRecord& slot = bank.soundSlot(n);
        EXPECT_EQ(slot.First, 4 * (n - 1));
        EXPECT_EQ(slot.Count, 4);
        EXPECT_EQ(slot.Next, 0);
        for (int copy = 0; copy < 4; ++copy)
            EXPECT_EQ(bank.soundBuffer(slot.First + copy).isSilent(), n == 11) << n;
    }
    EXPECT_TRUE(bank.soundBuffer(60).isSilent());
    bank.PlaySound(11); // silent, and harmless
    EXPECT_FALSE(bank.soundBuffer(41).isPlaying());
}

TEST_F(SoundBankTest, PlaySoundCyclesThroughTheCopies)
{
    writeEffects();
    bank.LoadSounds();
    const int expected[] = {1, 2, 3, 0, 1};
    for (int copy : expected) {
        mix(100); // every playing copy moves on
        bank.PlaySound(1);
        EXPECT_EQ(bank.soundSlot(1).Next, copy);
        const auto& buffer = bank.soundBuffer(copy);
        EXPECT_TRUE(buffer.isPlaying()) << copy;
        EXPECT_EQ(buffer.currentPosition(), 0u) << copy; // the oldest copy is restarted
    }
    EXPECT_EQ(bank.soundBuffer(2).currentPosition(), 300u);
    EXPECT_FALSE(bank.soundBuffer(4).isPlaying()); // effect 2 untouched
}

TEST_F(SoundBankTest, PlaySoundDoesNothingWithEffectsOffOrForAnUnknownNumber)
{
    writeEffects();
    bank.LoadSounds();
    state.SoundOn = false;
    bank.PlaySound(13);
    EXPECT_EQ(bank.soundSlot(13).Next, 0);
    state.SoundOn = true;
    for (int n : {0, 16, 30, 31, -1, 1000})
        bank.PlaySound(n);
    for (int i = 0; i < 60; ++i)
        EXPECT_FALSE(bank.soundBuffer(i).isPlaying()) << i;
}

TEST_F(SoundBankTest, MusicCommands)
{
    write("arquivos/musica/title.wav", wavfixture::makeFlatWav(1000, 9));
    ASSERT_TRUE(bank.loadMusic("title.wav"));
    auto& music = bank.musicBuffer();

    bank.Music("Start"); // compared in lower case
    EXPECT_TRUE(music.isPlaying());
    mix(1500); // looping: wraps past the end
    EXPECT_TRUE(music.isPlaying());
    EXPECT_EQ(music.currentPosition(), 500u);

    bank.Music("PAUSE");
    EXPECT_FALSE(music.isPlaying());
    EXPECT_EQ(music.currentPosition(), 500u);

    for (const char* word : {"rewind", "", "starts", "st art"}) {
        bank.Music(word);
        EXPECT_FALSE(music.isPlaying()) << word;
        EXPECT_EQ(music.currentPosition(), 500u) << word;
    }

    bank.Music("play"); // from where it paused
    EXPECT_TRUE(music.isPlaying());
    mix(100);
    EXPECT_EQ(music.currentPosition(), 600u);

    bank.Music("start");
    EXPECT_EQ(music.currentPosition(), 0u);

    bank.Music("Stop");
    EXPECT_FALSE(music.isPlaying());
    EXPECT_EQ(music.currentPosition(), 0u);
}

TEST_F(SoundBankTest, MissingMusicIsNoMusic)
{
    write("arquivos/musica/track01.wav", wavfixture::makeFlatWav(1000, 9));
    ASSERT_TRUE(bank.loadTrack(1));
    bank.Music("start");
    EXPECT_FALSE(bank.loadMusic("fim.wav")); // the old music is dropped and falls silent
    EXPECT_TRUE(bank.musicBuffer().isSilent());
    bank.Music("start");
    std::vector<std::int16_t> out(20, 1);
    bank.device()->mixer().mix(out.data(), 10);
    EXPECT_EQ(out, std::vector<std::int16_t>(20, 0));
    EXPECT_FALSE(bank.loadTrack(0));
    EXPECT_FALSE(bank.loadTrack(11));
}

TEST_F(SoundBankTest, FindsWhichTracksExist)
{
    write("arquivos/musica/track03.wav", wavfixture::makeFlatWav(10, 1));
    write("arquivos/musica/title.wav", wavfixture::makeFlatWav(10, 1));
    bank.LoadSounds();
    for (int t = 1; t <= TrackCount; ++t)
        EXPECT_EQ(state.TrackAvail[static_cast<std::size_t>(t)], t == 3 ? "on" : "off") << t;
    EXPECT_FALSE(state.NoMusic);

    std::filesystem::remove(path("arquivos/musica/track03.wav"));
    bank.LoadSounds();
    EXPECT_EQ(state.TrackAvail[3], "off");
    EXPECT_TRUE(state.NoMusic);
}
