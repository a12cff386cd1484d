#include "game/sound_bank.h"

#include "platform/text/codepage.h"
#include "platform/text/text_file.h"
#include "platform/text/vb.h"

namespace tolvar {

namespace {

const std::array<const char*, EffectCount + 1> EffectFiles = {
    "",           "rifle3.wav", "foot.wav",     "bomb.wav",   "cai.wav",
    "haha.wav",   "grunt1.wav", "grunt2.wav",   "grunt3.wav", "grunt4.wav",
    "grunt5.wav", "palmas.wav", "recharge.wav", "click.wav",  "ricochet.wav",
    "menu.wav"};

} // namespace

std::string effectFileName(int n)
{
    if (n < 1 || n > EffectCount)
        return {};
    return EffectFiles[static_cast<std::size_t>(n)];
}

std::string trackFileName(int track)
{
    return "track" + vb::zeroPad(track, 2) + ".wav";
}

SoundBank::SoundBank(GameState& state) : m_state(state) {}

void SoundBank::InitSound(platform::sound::SoundDevice::Mode mode)
{
    if (!m_device)
        m_device = std::make_unique<platform::sound::SoundDevice>(mode);
}

std::string SoundBank::soundFolder() const
{
    return m_state.dataPath("arquivos/som/");
}

std::string SoundBank::musicFolder() const
{
    return m_state.dataPath("arquivos/musica/");
}

void SoundBank::LoadSounds()
{
    InitSound();
    int pool = 0;
    for (int n = 1; n <= EffectCount; ++n) {
        SoundSlotRecord& slot = m_slots[static_cast<std::size_t>(n)];
        slot.First = pool;
        slot.Next = 0;
        slot.Count = EffectCopies;
        const std::string path = soundFolder() + effectFileName(n);
        for (int copy = 0; copy < EffectCopies; ++copy)
            m_buffers[static_cast<std::size_t>(pool++)] = m_device->createFromFile(path);
    }

    m_state.NoMusic = true;
    for (int track = 1; track <= TrackCount; ++track) {
        const bool exists = platform::text::fileExists(musicFolder() + trackFileName(track));
        m_state.TrackAvail[static_cast<std::size_t>(track)] = exists ? "on" : "off";
        if (exists)
            m_state.NoMusic = false;
    }
}

void SoundBank::PlaySound(int n)
{
    if (!m_state.SoundOn)
        return;
    if (n < 0 || n >= SlotCount)
        return;
    SoundSlotRecord& slot = m_slots[static_cast<std::size_t>(n)];
    if (slot.Count <= 0)
        return;
    slot.Next = slot.Next + 1;
    if (slot.Next > slot.Count - 1)
        slot.Next = 0;
    const int index = slot.First + slot.Next;
    if (index < 0 || index >= PoolSize)
        return;
    platform::sound::SoundBuffer& buffer = m_buffers[static_cast<std::size_t>(index)];
    buffer.setCurrentPosition(0);
    buffer.play();
}

void SoundBank::Music(std::string_view cmd)
{
    const std::string command = platform::text::lowerCase(cmd);
    if (command == "start") {
        m_music.setCurrentPosition(0);
        m_music.playLooping();
    } else if (command == "pause") {
        m_music.stop();
    } else if (command == "play") {
        m_music.playLooping();
    } else if (command == "stop") {
        m_music.stop();
        m_music.setCurrentPosition(0);
    }
}

bool SoundBank::loadMusic(const std::string& fileName)
{
    InitSound();
    // The old buffer goes first, so its sound stops even when the new file cannot be loaded.
    m_music = platform::sound::SoundBuffer();
    m_music = m_device->createFromFile(musicFolder() + fileName);
    return !m_music.isSilent();
}

bool SoundBank::loadTrack(int track)
{
    if (track < 1 || track > TrackCount)
        return false;
    return loadMusic(trackFileName(track));
}

const platform::sound::SoundBuffer& SoundBank::soundBuffer(int index) const
{
    static const platform::sound::SoundBuffer silent;
    if (index < 0 || index >= PoolSize)
        return silent;
    return m_buffers[static_cast<std::size_t>(index)];
}

const SoundSlotRecord& SoundBank::soundSlot(int n) const
{
    static const SoundSlotRecord none;
    if (n < 0 || n >= SlotCount)
        return none;
    return m_slots[static_cast<std::size_t>(n)];
}

} // namespace tolvar
