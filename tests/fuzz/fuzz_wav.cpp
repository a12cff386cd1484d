// fuzz-libs: platform_sound
// WAV images of any content become a buffer in the device format or a silent buffer.
#include "platform/sound/sound_device.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static platform::sound::SoundDevice device(platform::sound::SoundDevice::Mode::NoOutput);
    platform::sound::SoundBuffer buffer = device.createFromWav(data, size);
    if (!buffer.isSilent()) {
        buffer.setCurrentPosition(buffer.frames() / 2);
        buffer.playLooping();
        std::vector<std::int16_t> out(2 * 256);
        device.mixer().mix(out.data(), 256);
    }
    return 0;
}
