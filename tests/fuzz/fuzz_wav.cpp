// fuzz-libs: platform_sound
// fuzz-run: -dict=dictionaries/wav.dict -max_len=4096
// WAV images of any content become a buffer in the device format or a silent buffer, and a
// buffer that holds sound plays and mixes.
#include "fuzz_support.h"
#include "platform/sound/sound_device.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

using fuzz::classOf;
using fuzz::littleEndian;

// The sound decoder lies outside the instrumented code, so the fuzzer cannot see which of its
// ways an input took. The kind of sound the format chunk announces (encoding, channels, bits per
// sample) and whether it gave sound are counted here as features of their own, so that an input
// of each kind is kept and worked on.
constexpr int Encodings = 8, ChannelKinds = 3, BitKinds = 6;
__attribute__((section("__libfuzzer_extra_counters")))
std::uint8_t kindsSeen[2 * Encodings * ChannelKinds * BitKinds];

void noteKind(const std::uint8_t* data, std::size_t size, bool sound)
{
    const void* found = size >= 4 ? ::memmem(data, size, "fmt ", 4) : nullptr;
    const std::size_t at =
        found ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(found) - data) : size;
    const std::uint32_t encoding = littleEndian(data, size, at + 8, 2);
    const std::uint32_t channels = littleEndian(data, size, at + 10, 2);
    const std::uint32_t bits = littleEndian(data, size, at + 22, 2);
    const int kind =
        ((classOf(encoding, {1, 2, 3, 6, 7, 0x11, 0xFFFE}) * ChannelKinds + classOf(channels, {1, 2})) *
             BitKinds +
         classOf(bits, {4, 8, 16, 24, 32})) *
            2 +
        (sound ? 1 : 0);
    ++kindsSeen[kind];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static platform::sound::SoundDevice device(platform::sound::SoundDevice::Mode::NoOutput);
    platform::sound::SoundBuffer buffer = device.createFromWav(data, size);
    noteKind(data, size, !buffer.isSilent());
    if (!buffer.isSilent()) {
        buffer.setCurrentPosition(buffer.frames() / 2);
        buffer.playLooping();
        std::vector<std::int16_t> out(2 * 256);
        device.mixer().mix(out.data(), 256);
    }
    return 0;
}
