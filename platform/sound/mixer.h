#pragma once
// The mixer of the sound output: sums every playing voice into one block of 16-bit samples,
// clipped to +/-32767. Plain code, no audio library: the device's audio thread pulls blocks from
// it, and a test pulls them into memory. Every call is safe against a concurrent mix().

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace platform::sound {

// Interleaved 16-bit samples in the device's format (one frame = one sample per channel).
using Samples = std::vector<std::int16_t>;

class Mixer
{
public:
    using VoiceId = std::uint32_t; // 0 is never a voice

    explicit Mixer(int channels = 2);

    int channels() const { return m_channels; }

    // Adds a stopped voice at position 0; gives 0 (no voice) for an empty sample block.
    VoiceId addVoice(std::shared_ptr<const Samples> samples);
    // The voice is gone at once: a mix() that runs afterwards no longer hears it.
    void removeVoice(VoiceId id);

    std::size_t frames(VoiceId id) const;
    // Frame from which the next play starts; clamped to the voice's length.
    void setPosition(VoiceId id, std::size_t frame);
    std::size_t position(VoiceId id) const;
    // Starts playing from the current position: once to the end (then the voice stops and its
    // position returns to the beginning), or looping from the end back to the beginning.
    void play(VoiceId id, bool looping);
    // Stops at once; the position is kept.
    void stop(VoiceId id);
    bool isPlaying(VoiceId id) const;

    // Writes `frames` frames into `out` (frames x channels samples): the sum of every playing
    // voice, clipped; silence when nothing plays. Advances the playing voices.
    void mix(std::int16_t* out, std::size_t frames);

private:
    struct Voice
    {
        std::shared_ptr<const Samples> samples;
        std::size_t frames = 0;
        std::size_t position = 0;
        bool playing = false;
        bool looping = false;
    };

    const Voice* find(VoiceId id) const;
    Voice* find(VoiceId id);

    const int m_channels;
    mutable std::mutex m_mutex;
    std::map<VoiceId, Voice> m_voices;
    VoiceId m_nextId = 1;
    std::vector<std::int32_t> m_sum;
};

} // namespace platform::sound
