#include "platform/SoundChannel.h"

#include "platform/SoundState.h"

namespace Platform {

bool SoundChannel::IsValid() const
{
    std::shared_ptr<SoundState> s = state.lock();
    return s && s->Matches(index, generation);
}

bool SoundChannel::IsPlaying() const
{
    std::shared_ptr<SoundState> s = state.lock();
    return s && s->Owns(index, generation);
}

void SoundChannel::SetPaused(bool paused)
{
    std::shared_ptr<SoundState> s = state.lock();
    if (!s || !s->Owns(index, generation)) return;
    SoundChannelSlot& slot = s->channels[static_cast<size_t>(index)];
    if (slot.paused == paused) return;
    slot.paused = paused;
    if (paused) {
        if (slot.started) s->backend->Pause(index);
    } else if (!slot.started) {
        // A play made paused starts for real on its first resume, so none of it is lost.
        s->StartPending(index);
    } else {
        s->backend->Resume(index);
    }
}

bool SoundChannel::GetPaused() const
{
    std::shared_ptr<SoundState> s = state.lock();
    if (!s || !s->Owns(index, generation)) return false;
    return s->channels[static_cast<size_t>(index)].paused;
}

void SoundChannel::SetVolume(float volume)
{
    std::shared_ptr<SoundState> s = state.lock();
    if (!s || !s->Owns(index, generation)) return;
    s->channels[static_cast<size_t>(index)].volume = ClampSoundVolume(volume);
    s->ApplyVolume(index);
}

float SoundChannel::GetVolume() const
{
    std::shared_ptr<SoundState> s = state.lock();
    if (!s || !s->Owns(index, generation)) return 0.0f;
    return s->channels[static_cast<size_t>(index)].volume;
}

void SoundChannel::Stop()
{
    std::shared_ptr<SoundState> s = state.lock();
    if (!s || !s->Owns(index, generation)) return;
    s->Halt(index);
}

int SoundChannel::Index() const
{
    return IsValid() ? index : -1;
}

bool SoundChannel::operator==(const SoundChannel& other) const
{
    return index == other.index && generation == other.generation &&
           state.lock() == other.state.lock();
}

}  // namespace Platform
