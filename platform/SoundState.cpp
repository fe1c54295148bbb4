#include "platform/SoundState.h"

#include <cmath>

namespace Platform {

float ClampSoundVolume(float volume)
{
    if (!(volume > 0.0f)) return 0.0f;  // also catches NaN
    if (volume > 1.0f) return 1.0f;
    return volume;
}

SoundState::SoundState(std::unique_ptr<SoundBackend> backendIn, int channelCount)
    : backend(std::move(backendIn))
{
    if (backend) channels.resize(static_cast<size_t>(channelCount));
}

SoundState::~SoundState()
{
    ReleaseAll();
    if (backend) backend->Close();
}

bool SoundState::Matches(int channel, std::uint32_t generation) const
{
    return channel >= 0 && channel < static_cast<int>(channels.size()) &&
           channels[static_cast<size_t>(channel)].generation == generation;
}

bool SoundState::Owns(int channel, std::uint32_t generation)
{
    if (!Matches(channel, generation)) return false;
    Refresh(channel);
    return channels[static_cast<size_t>(channel)].inUse;
}

void SoundState::Refresh(int channel)
{
    SoundChannelSlot& slot = channels[static_cast<size_t>(channel)];
    if (slot.inUse && slot.started && !backend->IsActive(channel)) {
        slot.inUse = false;
        slot.started = false;
        slot.paused = false;
    }
}

void SoundState::RefreshAll()
{
    for (int i = 0; i < static_cast<int>(channels.size()); ++i) Refresh(i);
}

int SoundState::Claim()
{
    if (channels.empty()) return -1;
    int victim = -1;
    int oldestAny = -1;
    for (int i = 0; i < static_cast<int>(channels.size()); ++i) {
        Refresh(i);
        const SoundChannelSlot& slot = channels[static_cast<size_t>(i)];
        if (!slot.inUse) {
            victim = i;
            break;
        }
        if (oldestAny < 0 || slot.playOrder < channels[static_cast<size_t>(oldestAny)].playOrder)
            oldestAny = i;
    }
    if (victim < 0) {
        // Every channel is busy: take the oldest sound that would end anyway, music last.
        for (int i = 0; i < static_cast<int>(channels.size()); ++i) {
            const SoundChannelSlot& slot = channels[static_cast<size_t>(i)];
            if (slot.looping) continue;
            if (victim < 0 || slot.playOrder < channels[static_cast<size_t>(victim)].playOrder)
                victim = i;
        }
        if (victim < 0) victim = oldestAny;
        Halt(victim);
    }
    SoundChannelSlot& slot = channels[static_cast<size_t>(victim)];
    slot = SoundChannelSlot{slot.generation + 1};
    slot.playOrder = ++playCounter;
    return victim;
}

void SoundState::StartPending(int channel)
{
    SoundChannelSlot& slot = channels[static_cast<size_t>(channel)];
    if (!slot.inUse || slot.started) return;
    const SoundEntry& sound = sounds[static_cast<size_t>(slot.sound)];
    if (sound.data && backend->Start(channel, sound.data, slot.looping, slot.volume)) {
        slot.started = true;
    } else {
        slot.inUse = false;
    }
}

void SoundState::Halt(int channel)
{
    SoundChannelSlot& slot = channels[static_cast<size_t>(channel)];
    if (slot.started) backend->Halt(channel);
    slot.inUse = false;
    slot.started = false;
    slot.paused = false;
}

void SoundState::ApplyVolume(int channel)
{
    const SoundChannelSlot& slot = channels[static_cast<size_t>(channel)];
    if (!slot.started) return;  // a waiting play takes its volume when it starts
    backend->SetVolume(channel, slot.volume);
}

void SoundState::HaltGroup(int group)
{
    for (int i = 0; i < static_cast<int>(channels.size()); ++i) {
        SoundChannelSlot& slot = channels[static_cast<size_t>(i)];
        if (slot.inUse && slot.group == group) Halt(i);
    }
}

void SoundState::ReleaseSound(int sound)
{
    if (sound < 0 || sound >= static_cast<int>(sounds.size())) return;
    SoundEntry& entry = sounds[static_cast<size_t>(sound)];
    if (!entry.data) return;
    // Nothing may keep playing memory that is about to go.
    for (int i = 0; i < static_cast<int>(channels.size()); ++i) {
        SoundChannelSlot& slot = channels[static_cast<size_t>(i)];
        if (slot.inUse && slot.sound == sound) Halt(i);
    }
    backend->Free(entry.data);
    entry.data = nullptr;
}

void SoundState::ReleaseAll()
{
    if (!backend) return;
    for (int i = 0; i < static_cast<int>(channels.size()); ++i) Halt(i);
    for (int s = 0; s < static_cast<int>(sounds.size()); ++s) ReleaseSound(s);
}

}  // namespace Platform
