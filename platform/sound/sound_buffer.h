#pragma once
// A playable sound: one voice of the device's mixer holding a whole sound in the device's format.
// A buffer without sound (a missing or unreadable file) is silent: every call on it does nothing.
// Destroying or replacing a buffer silences it at once.

#include "platform/sound/mixer.h"

#include <cstddef>
#include <memory>

namespace platform::sound {

class SoundBuffer
{
public:
    SoundBuffer() = default; // silent
    SoundBuffer(std::shared_ptr<Mixer> mixer, Samples samples);
    ~SoundBuffer();

    SoundBuffer(SoundBuffer&& other) noexcept;
    SoundBuffer& operator=(SoundBuffer&& other) noexcept;
    SoundBuffer(const SoundBuffer&) = delete;
    SoundBuffer& operator=(const SoundBuffer&) = delete;

    // True when the buffer holds no sound.
    bool isSilent() const { return m_id == 0; }
    // Length in frames.
    std::size_t frames() const;

    // The frame from which the next play starts (0 rewinds).
    void setCurrentPosition(std::size_t frame);
    std::size_t currentPosition() const;
    // Plays once from the current position to the end.
    void play();
    // Plays from the current position, wrapping from the end to the beginning until stopped.
    void playLooping();
    // Stops at once; the position is kept.
    void stop();
    bool isPlaying() const;

private:
    void release();

    std::shared_ptr<Mixer> m_mixer;
    Mixer::VoiceId m_id = 0;
};

} // namespace platform::sound
