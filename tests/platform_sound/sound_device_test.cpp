#include "platform/sound/sound_device.h"

#include "wav_fixture.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using platform::sound::Output;
using platform::sound::SoundBuffer;
using platform::sound::SoundDevice;

namespace fs = std::filesystem;

namespace {

class SoundFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() /
                ("sound_device_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string write(const std::string& name, const std::string& bytes)
    {
        const fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    fs::path m_dir;
};

} // namespace

TEST(SoundDevice, OpensUnderTheDummyDriverWithoutFailing)
{
    SoundDevice device; // the tests run with SDL_AUDIODRIVER=dummy
    EXPECT_NE(device.output(), Output::None);
    EXPECT_EQ(device.rate(), 22050);
    EXPECT_EQ(device.channels(), 2);
}

TEST(SoundDevice, AnUnusableDriverFallsBackToTheDummyOne)
{
    const char* before = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = before ? before : "";
    setenv("SDL_AUDIODRIVER", "no_such_driver", 1);
    {
        SoundDevice device;
        EXPECT_EQ(device.output(), Output::Dummy);
    }
    if (before)
        setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    else
        unsetenv("SDL_AUDIODRIVER");
}

TEST(SoundDevice, TheDeviceConsumesAPlayingBuffer)
{
    SoundDevice device;
    ASSERT_NE(device.output(), Output::None);
    SoundBuffer b = device.createFromSamples(platform::sound::Samples(2 * 441, 1000)); // 20 ms
    b.play();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (b.isPlaying() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_FALSE(b.isPlaying());
}

TEST(SoundDevice, BuffersComeAndGoWhileTheDeviceMixes)
{
    SoundDevice device;
    for (int i = 0; i < 200; ++i) {
        SoundBuffer b = device.createFromSamples(platform::sound::Samples(2 * 64, static_cast<short>(i)));
        b.playLooping();
        if (i % 7 == 0)
            std::this_thread::yield();
    }
    SUCCEED();
}

TEST_F(SoundFiles, AWavFileIsConvertedToTheDeviceFormat)
{
    SoundDevice device(SoundDevice::Mode::NoOutput);
    EXPECT_EQ(device.output(), Output::None);

    // Already in the device format: the samples come through unchanged.
    SoundBuffer same = device.createFromFile(write("same.wav", wavfixture::makeFlatWav(100, 1234)));
    ASSERT_FALSE(same.isSilent());
    EXPECT_EQ(same.frames(), 100u);
    same.play();
    std::vector<std::int16_t> out(4);
    device.mixer().mix(out.data(), 2);
    EXPECT_EQ(out, (std::vector<std::int16_t>{1234, 1234, 1234, 1234}));

    // 8-bit mono at 11025 Hz becomes 16-bit stereo at 22050 Hz: about twice the frames.
    SoundBuffer converted = device.createFromFile(
        write("low.wav", wavfixture::makeWav(std::vector<int>(1000, 200), 11025, 1, 8)));
    ASSERT_FALSE(converted.isSilent());
    EXPECT_NEAR(static_cast<double>(converted.frames()), 2000.0, 40.0);
}

TEST_F(SoundFiles, AMissingOrUnreadableFileGivesASilentBuffer)
{
    SoundDevice device(SoundDevice::Mode::NoOutput);
    EXPECT_TRUE(device.createFromFile((m_dir / "missing.wav").string()).isSilent());
    EXPECT_TRUE(device.createFromFile(write("text.wav", "this is not a sound")).isSilent());
    const std::string wav = wavfixture::makeFlatWav(50, 1);
    EXPECT_TRUE(device.createFromFile(write("cut.wav", wav.substr(0, 30))).isSilent());
    EXPECT_TRUE(device.createFromFile(m_dir.string()).isSilent()); // a folder
    // A FIFO no program writes to is silent at once; the alarm ends a test that would wait.
    ASSERT_EQ(::mkfifo((m_dir / "fifo.wav").c_str(), 0644), 0);
    ::alarm(10);
    EXPECT_TRUE(device.createFromFile((m_dir / "fifo.wav").string()).isSilent());
    ::alarm(0);
}

// Records the largest block SDL is asked for while it lives, and refuses any block above 64 MB
// so that a test of a lying header never takes the memory it claims.
class SdlAllocations
{
public:
    SdlAllocations()
    {
        SDL_GetMemoryFunctions(&s_malloc, &s_calloc, &s_realloc, &s_free);
        s_largest = 0;
        SDL_SetMemoryFunctions(
            [](std::size_t n) { return note(n) ? s_malloc(n) : nullptr; },
            [](std::size_t count, std::size_t n) { return note(count * n) ? s_calloc(count, n) : nullptr; },
            [](void* p, std::size_t n) { return note(n) ? s_realloc(p, n) : nullptr; },
            [](void* p) { s_free(p); });
    }
    ~SdlAllocations() { SDL_SetMemoryFunctions(s_malloc, s_calloc, s_realloc, s_free); }
    SdlAllocations(const SdlAllocations&) = delete;
    SdlAllocations& operator=(const SdlAllocations&) = delete;

    static std::size_t largest() { return s_largest; }

private:
    static bool note(std::size_t n)
    {
        s_largest = std::max(s_largest, n);
        return n <= (std::size_t{64} << 20);
    }
    static inline SDL_malloc_func s_malloc = nullptr;
    static inline SDL_calloc_func s_calloc = nullptr;
    static inline SDL_realloc_func s_realloc = nullptr;
    static inline SDL_free_func s_free = nullptr;
    static inline std::size_t s_largest = 0;
};

void putLength(std::string& wav, std::size_t at, std::uint32_t length)
{
    for (int i = 0; i < 4; ++i)
        wav[at + static_cast<std::size_t>(i)] = static_cast<char>((length >> (8 * i)) & 0xFF);
}

std::string chunk(const std::string& id, std::uint32_t length, const std::string& body)
{
    std::string bytes = id + std::string(4, '\0') + body;
    putLength(bytes, 4, length);
    return bytes;
}

// A WAV file of 100 frames: "RIFF" header, "fmt " chunk at 12, "data" chunk at 36.
constexpr std::size_t DataAt = 36;
constexpr std::size_t DataLengthAt = 40;

TEST_F(SoundFiles, AHeaderClaimingMoreThanTheFileHoldsIsRefusedBeforeAnythingIsAllocated)
{
    const std::string good = wavfixture::makeFlatWav(100, 1234);
    const std::uint32_t claim = 3584u << 20; // 3.5 GB
    auto withLength = [&](std::size_t at, std::uint32_t length) {
        std::string wav = good;
        putLength(wav, at, length);
        return wav;
    };
    auto withChunkBeforeData = [&](const std::string& extra) {
        return good.substr(0, DataAt) + extra + good.substr(DataAt);
    };
    const std::pair<const char*, std::string> lying[] = {
        {"data of 3.5 GB", withLength(DataLengthAt, claim)},
        {"data one byte longer than the file", withLength(DataLengthAt, 401)},
    };
    SoundDevice device(SoundDevice::Mode::NoOutput);
    for (const auto& [what, wav] : lying) {
        SdlAllocations allocations;
        EXPECT_TRUE(device.createFromWav(wav.data(), wav.size()).isSilent()) << what;
        EXPECT_TRUE(device.createFromFile(write("lying.wav", wav)).isSilent()) << what;
        EXPECT_LT(SdlAllocations::largest(), std::size_t{1} << 20) << what;
    }

    // Chunks that fit, an odd one with its pad byte among them, make the sound as usual.
    const std::string padded = withChunkBeforeData(chunk("LIST", 3, std::string("abc\0", 4)));
    SoundBuffer sound = device.createFromFile(write("padded.wav", padded));
    EXPECT_EQ(sound.frames(), 100u);
}

TEST(SoundDevice, AWavImageInMemoryMakesABuffer)
{
    SoundDevice device(SoundDevice::Mode::NoOutput);
    const std::string wav = wavfixture::makeFlatWav(10, -5);
    SoundBuffer b = device.createFromWav(wav.data(), wav.size());
    EXPECT_EQ(b.frames(), 10u);
    EXPECT_TRUE(device.createFromWav(wav.data(), 12).isSilent());
    EXPECT_TRUE(device.createFromWav(nullptr, 0).isSilent());
}
