#pragma once
// The game's sounds: the 15 effects with four playable copies each, and the one piece of music
// loaded at a time (title music, a battle track or the end music).
//
// Effects by number: 1 "rifle3.wav" shot, 2 "foot.wav" footstep, 3 "bomb.wav" explosion,
// 4 "cai.wav" wreck landing, 5 "haha.wav" mission failed, 6..10 "grunt1.wav".."grunt5.wav" death
// cries, 11 "palmas.wav", 12 "recharge.wav" reload, 13 "click.wav" typing, 14 "ricochet.wav",
// 15 "menu.wav" clicks and menu choices; all in arquivos/som. Music in arquivos/musica: tracks
// "track01.wav".."track10.wav", "title.wav" and "fim.wav".

#include "game/game_state.h"
#include "platform/sound/sound_device.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace tolvar {

inline constexpr int EffectCount = 15;
inline constexpr int EffectCopies = 4;

// The playable copies of one effect: pool index of the first copy, number of copies, and the copy
// (0..Count-1) played last.
struct SoundSlotRecord
{
    int First = 0;
    int Count = 0;
    int Next = 0;
};

// File name of effect n (1..15); empty for any other number.
std::string effectFileName(int n);
// File name of music track n (1..10): "track01.wav" .. "track10.wav".
std::string trackFileName(int track);

class SoundBank
{
public:
    explicit SoundBank(GameState& state);

    // Opens the sound device, once. Mode::NoOutput gives a device that plays nowhere (tests).
    void InitSound(platform::sound::SoundDevice::Mode mode = platform::sound::SoundDevice::Mode::Open);

    // Loads the four copies of every effect (a missing effect gives silent copies) and finds which
    // music tracks exist (`TrackAvail`, `NoMusic`).
    void LoadSounds();

    // Plays effect n (1..15) on its next copy, rewound, once; nothing when sound effects are off.
    void PlaySound(int n);

    // Music commands, compared in lower case: "start" rewinds and plays looping, "pause" stops
    // keeping the position, "play" plays looping from the position, "stop" stops and rewinds;
    // any other word does nothing.
    void Music(std::string_view cmd);

    // Replaces the music by arquivos/musica/<fileName>; the old music falls silent. A missing file
    // leaves no music (the buffer is silent). True when music was loaded.
    bool loadMusic(const std::string& fileName);
    // The same for music track n.
    bool loadTrack(int track);

    platform::sound::SoundBuffer& musicBuffer() { return m_music; }
    // Pool buffer `index` (0..100; effect n owns 4(n-1) .. 4(n-1)+3).
    const platform::sound::SoundBuffer& soundBuffer(int index) const;
    // The copies of effect n (0..30).
    const SoundSlotRecord& soundSlot(int n) const;
    // The sound device; null before InitSound.
    platform::sound::SoundDevice* device() { return m_device.get(); }

private:
    static constexpr int PoolSize = 101;
    static constexpr int SlotCount = 31;

    std::string soundFolder() const;
    std::string musicFolder() const;

    GameState& m_state;
    std::unique_ptr<platform::sound::SoundDevice> m_device;
    std::array<platform::sound::SoundBuffer, PoolSize> m_buffers;
    std::array<SoundSlotRecord, SlotCount> m_slots;
    platform::sound::SoundBuffer m_music;
};

} // namespace tolvar
