#include "platform/sound/mixer.h"

#include <algorithm>

namespace platform::sound {

namespace {
constexpr std::int32_t SampleLimit = 32767;
}

Mixer::Mixer(int channels) : m_channels(channels < 1 ? 1 : channels) {}

const Mixer::Voice* Mixer::find(VoiceId id) const
{
    auto it = m_voices.find(id);
    return it == m_voices.end() ? nullptr : &it->second;
}

Mixer::Voice* Mixer::find(VoiceId id)
{
    auto it = m_voices.find(id);
    return it == m_voices.end() ? nullptr : &it->second;
}

Mixer::VoiceId Mixer::addVoice(std::shared_ptr<const Samples> samples)
{
    if (!samples)
        return 0;
    const std::size_t frames = samples->size() / static_cast<std::size_t>(m_channels);
    if (frames == 0)
        return 0;
    std::lock_guard lock(m_mutex);
    const VoiceId id = m_nextId++;
    if (m_nextId == 0)
        m_nextId = 1;
    Voice voice;
    voice.samples = std::move(samples);
    voice.frames = frames;
    m_voices.emplace(id, std::move(voice));
    return id;
}

void Mixer::removeVoice(VoiceId id)
{
    std::lock_guard lock(m_mutex);
    m_voices.erase(id);
}

std::size_t Mixer::frames(VoiceId id) const
{
    std::lock_guard lock(m_mutex);
    const Voice* voice = find(id);
    return voice ? voice->frames : 0;
}

void Mixer::setPosition(VoiceId id, std::size_t frame)
{
    std::lock_guard lock(m_mutex);
    if (Voice* voice = find(id))
        voice->position = std::min(frame, voice->frames);
}

std::size_t Mixer::position(VoiceId id) const
{
    std::lock_guard lock(m_mutex);
    const Voice* voice = find(id);
    return voice ? voice->position : 0;
}

void Mixer::play(VoiceId id, bool looping)
{
    std::lock_guard lock(m_mutex);
    if (Voice* voice = find(id)) {
        voice->playing = true;
        voice->looping = looping;
    }
}

void Mixer::stop(VoiceId id)
{
    std::lock_guard lock(m_mutex);
    if (Voice* voice = find(id))
        voice->playing = false;
}

bool Mixer::isPlaying(VoiceId id) const
{
    std::lock_guard lock(m_mutex);
    const Voice* voice = find(id);
    return voice && voice->playing;
}

void Mixer::mix(std::int16_t* out, std::size_t frames)
{
    const std::size_t channels = static_cast<std::size_t>(m_channels);
    const std::size_t count = frames * channels;
    std::lock_guard lock(m_mutex);
    m_sum.assign(count, 0);

    for (auto& [id, voice] : m_voices) {
        if (!voice.playing)
            continue;
        const std::int16_t* data = voice.samples->data();
        std::size_t done = 0;
        while (done < frames && voice.playing) {
            if (voice.position >= voice.frames) {
                if (voice.looping) {
                    voice.position = 0;
                } else {
                    voice.playing = false;
                    voice.position = 0;
                    break;
                }
            }
            const std::size_t run = std::min(frames - done, voice.frames - voice.position);
            const std::int16_t* src = data + voice.position * channels;
            std::int32_t* dst = m_sum.data() + done * channels;
            for (std::size_t i = 0; i < run * channels; ++i)
                dst[i] += src[i];
            done += run;
            voice.position += run;
        }
        // A one-shot voice that ended exactly at the block's end stops now, not a block later.
        if (voice.playing && !voice.looping && voice.position >= voice.frames) {
            voice.playing = false;
            voice.position = 0;
        }
    }

    for (std::size_t i = 0; i < count; ++i)
        out[i] = static_cast<std::int16_t>(std::clamp(m_sum[i], -SampleLimit, SampleLimit));
}

} // namespace platform::sound
