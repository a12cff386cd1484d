#include "platform/sound/sound_device.h"

#include "platform/text/text_file.h"

#include <SDL.h>

#include <cstdint>
#include <cstring>
#include <string_view>

namespace platform::sound {

namespace {

constexpr std::size_t MaxConvertedBytes = std::size_t{1} << 30;

void audioCallback(void* userdata, Uint8* stream, int len)
{
    auto* mixer = static_cast<Mixer*>(userdata);
    const std::size_t frameBytes = sizeof(std::int16_t) * static_cast<std::size_t>(mixer->channels());
    const std::size_t frames = static_cast<std::size_t>(len) / frameBytes;
    mixer->mix(reinterpret_cast<std::int16_t*>(stream), frames);
    const std::size_t filled = frames * frameBytes;
    if (filled < static_cast<std::size_t>(len))
        std::memset(stream + filled, 0, static_cast<std::size_t>(len) - filled);
}

std::uint32_t littleEndian32(const Uint8* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

// True when the image is a RIFF WAVE file whose chunks, up to its format and data chunks, each
// fit in the bytes that follow their headers. A header that claims more than the file holds
// would have the reader allocate what it claims before finding out; such a file is refused
// before anything is read. Leaves the source at its start.
bool chunksFitTheFile(SDL_RWops* source)
{
    const Sint64 size = SDL_RWsize(source);
    Uint8 header[12];
    if (size < 12 || SDL_RWseek(source, 0, RW_SEEK_SET) != 0 || SDL_RWread(source, header, 1, 12) != 12 ||
        std::memcmp(header, "RIFF", 4) != 0 || std::memcmp(header + 8, "WAVE", 4) != 0)
        return false;
    bool format = false;
    bool data = false;
    Sint64 position = 12;
    while (!(format && data) && size - position >= 8) {
        Uint8 chunk[8];
        if (SDL_RWseek(source, position, RW_SEEK_SET) != position || SDL_RWread(source, chunk, 1, 8) != 8)
            return false;
        const std::uint32_t length = littleEndian32(chunk + 4);
        if (length > size - position - 8)
            return false;
        format = format || std::memcmp(chunk, "fmt ", 4) == 0;
        data = data || std::memcmp(chunk, "data", 4) == 0;
        // Chunks start on even positions: an odd length is followed by a pad byte.
        position += 8 + static_cast<Sint64>(length) + (length & 1);
    }
    return SDL_RWseek(source, 0, RW_SEEK_SET) == 0;
}

// Reads a WAV image and converts it to 16-bit samples at the device's rate and channel count.
// Gives an empty block when the data is not a readable WAV file.
Samples loadWav(SDL_RWops* source)
{
    Samples samples;
    if (!source)
        return samples;
    if (!chunksFitTheFile(source)) {
        SDL_RWclose(source);
        return samples;
    }
    SDL_AudioSpec spec;
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(source, 1, &spec, &data, &length))
        return samples;

    SDL_AudioCVT cvt;
    const int built = SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, AUDIO_S16SYS,
                                        SoundDevice::Channels, SoundDevice::Rate);
    if (built < 0) {
        SDL_FreeWAV(data);
        return samples;
    }
    // A header that claims an absurd rate change would need more memory than any sound of the
    // game: such a file is treated as unreadable.
    const std::size_t workBytes =
        static_cast<std::size_t>(length) * static_cast<std::size_t>(cvt.len_mult < 1 ? 1 : cvt.len_mult) + 16;
    if (workBytes > MaxConvertedBytes) {
        SDL_FreeWAV(data);
        return samples;
    }
    std::vector<Uint8> work(workBytes);
    if (length > 0)
        std::memcpy(work.data(), data, length);
    SDL_FreeWAV(data);
    std::size_t bytes = length;
    if (built == 1) {
        cvt.buf = work.data();
        cvt.len = static_cast<int>(length);
        if (SDL_ConvertAudio(&cvt) != 0)
            return samples;
        bytes = static_cast<std::size_t>(cvt.len_cvt);
    }
    const std::size_t frameBytes = sizeof(std::int16_t) * SoundDevice::Channels;
    const std::size_t frames = bytes / frameBytes;
    samples.resize(frames * SoundDevice::Channels);
    if (frames > 0)
        std::memcpy(samples.data(), work.data(), frames * frameBytes);
    return samples;
}

} // namespace

SoundDevice::SoundDevice(Mode mode) : m_mixer(std::make_shared<Mixer>(Channels))
{
    if (mode == Mode::Open)
        openAudio();
}

SoundDevice::~SoundDevice()
{
    closeAudio();
}

bool SoundDevice::openAudio()
{
    // The programs own their windows and their ending: SDL must not take over SIGINT and SIGTERM,
    // or a program asked to stop would wait for an SDL quit event nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    auto tryOpen = [this]() -> bool {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return false;
        m_subsystemUp = true;
        SDL_AudioSpec want;
        SDL_zero(want);
        want.freq = Rate;
        want.format = AUDIO_S16SYS;
        want.channels = Channels;
        want.samples = 1024;
        want.callback = audioCallback;
        want.userdata = m_mixer.get();
        SDL_AudioSpec have;
        m_deviceId = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
        if (m_deviceId == 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            m_subsystemUp = false;
            return false;
        }
        const char* driver = SDL_GetCurrentAudioDriver();
        m_output = driver && std::string_view(driver) == "dummy" ? Output::Dummy : Output::Audio;
        SDL_PauseAudioDevice(m_deviceId, 0);
        return true;
    };

    if (tryOpen())
        return true;
    // No usable audio: SDL's dummy driver keeps the timing of a real device without a sound card.
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    const bool opened = tryOpen();
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    if (!opened)
        m_output = Output::None;
    return opened;
}

void SoundDevice::closeAudio()
{
    if (m_deviceId != 0) {
        // Closing waits for a running callback, so the mixer is never used after this.
        SDL_CloseAudioDevice(m_deviceId);
        m_deviceId = 0;
    }
    if (m_subsystemUp) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_subsystemUp = false;
    }
    m_output = Output::None;
}

SoundBuffer SoundDevice::createFromFile(const std::string& path)
{
    std::string bytes;
    if (!platform::text::readFile(path, bytes, INT32_MAX))
        return SoundBuffer();
    return createFromWav(bytes.data(), bytes.size());
}

SoundBuffer SoundDevice::createFromWav(const void* bytes, std::size_t size)
{
    if (!bytes || size == 0 || size > static_cast<std::size_t>(INT32_MAX))
        return SoundBuffer();
    return SoundBuffer(m_mixer, loadWav(SDL_RWFromConstMem(bytes, static_cast<int>(size))));
}

SoundBuffer SoundDevice::createFromSamples(Samples samples)
{
    return SoundBuffer(m_mixer, std::move(samples));
}

} // namespace platform::sound
