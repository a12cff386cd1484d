#pragma once
// The sound output: SDL2's audio device (16-bit, 22050 Hz, stereo) fed by our mixer. Opening
// never fails: when the machine's audio cannot be opened the device falls back to SDL's silent
// "dummy" driver, and when even that fails it plays nowhere (buffers still work, nothing is heard).

#include "platform/sound/mixer.h"
#include "platform/sound/sound_buffer.h"

#include <cstddef>
#include <memory>
#include <string>

namespace platform::sound {

// Where the mixed sound goes.
enum class Output {
    Audio, // a real audio driver
    Dummy, // SDL's dummy driver: the mixer is pulled at the real rate, nothing is heard
    None,  // nothing pulls the mixer (a test may call mixer().mix() itself)
};

class SoundDevice
{
public:
    static constexpr int Rate = 22050;
    static constexpr int Channels = 2;

    enum class Mode { Open, NoOutput };

    // Mode::Open opens the audio device with its fallbacks; Mode::NoOutput opens nothing.
    explicit SoundDevice(Mode mode = Mode::Open);
    ~SoundDevice();
    SoundDevice(const SoundDevice&) = delete;
    SoundDevice& operator=(const SoundDevice&) = delete;

    Output output() const { return m_output; }
    int rate() const { return Rate; }
    int channels() const { return Channels; }
    Mixer& mixer() { return *m_mixer; }

    // A buffer holding a whole WAV file converted to the device's format; silent when the file
    // is missing, is no regular file (never waited on) or is not a WAV file that can be read.
    SoundBuffer createFromFile(const std::string& path);
    // The same from a WAV file's bytes in memory.
    SoundBuffer createFromWav(const void* bytes, std::size_t size);
    // A buffer of samples already in the device's format.
    SoundBuffer createFromSamples(Samples samples);

private:
    bool openAudio();
    void closeAudio();

    std::shared_ptr<Mixer> m_mixer;
    Output m_output = Output::None;
    std::uint32_t m_deviceId = 0;
    bool m_subsystemUp = false;
};

} // namespace platform::sound
