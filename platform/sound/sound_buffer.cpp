#include "platform/sound/sound_buffer.h"

#include <utility>

namespace platform::sound {

SoundBuffer::SoundBuffer(std::shared_ptr<Mixer> mixer, Samples samples) : m_mixer(std::move(mixer))
{
    if (m_mixer)
        m_id = m_mixer->addVoice(std::make_shared<const Samples>(std::move(samples)));
    if (m_id == 0)
        m_mixer.reset();
}

SoundBuffer::~SoundBuffer()
{
    release();
}

SoundBuffer::SoundBuffer(SoundBuffer&& other) noexcept
    : m_mixer(std::move(other.m_mixer)), m_id(std::exchange(other.m_id, 0))
{
}

SoundBuffer& SoundBuffer::operator=(SoundBuffer&& other) noexcept
{
    if (this != &other) {
        release();
        m_mixer = std::move(other.m_mixer);
        m_id = std::exchange(other.m_id, 0);
    }
    return *this;
}

void SoundBuffer::release()
{
    if (m_mixer && m_id != 0)
        m_mixer->removeVoice(m_id);
    m_mixer.reset();
    m_id = 0;
}

std::size_t SoundBuffer::frames() const
{
    return m_mixer ? m_mixer->frames(m_id) : 0;
}

void SoundBuffer::setCurrentPosition(std::size_t frame)
{
    if (m_mixer)
        m_mixer->setPosition(m_id, frame);
}

std::size_t SoundBuffer::currentPosition() const
{
    return m_mixer ? m_mixer->position(m_id) : 0;
}

void SoundBuffer::play()
{
    if (m_mixer)
        m_mixer->play(m_id, false);
}

void SoundBuffer::playLooping()
{
    if (m_mixer)
        m_mixer->play(m_id, true);
}

void SoundBuffer::stop()
{
    if (m_mixer)
        m_mixer->stop(m_id);
}

bool SoundBuffer::isPlaying() const
{
    return m_mixer && m_mixer->isPlaying(m_id);
}

} // namespace platform::sound
