#include "platform/SoundSystem.h"

#include <algorithm>
#include <iostream>

#include "platform/SoundMixerBackend.h"
#include "platform/PrintableText.h"
#include "platform/SoundNullBackend.h"
#include "platform/SoundState.h"

namespace Platform {

namespace {
SoundBackendKind gBackendKind = SoundBackendKind::Mixer;
constexpr int kMaxChannels = 256;
}  // namespace

SoundSystem::~SoundSystem()
{
    Shutdown();
}

void SoundSystem::SetBackendKind(SoundBackendKind kind)
{
    gBackendKind = kind;
}

bool SoundSystem::Init(int channelCount)
{
    Shutdown();
    channelCount = std::clamp(channelCount, 1, kMaxChannels);

    std::unique_ptr<SoundBackend> backend;
    if (gBackendKind == SoundBackendKind::Mixer)
        backend = std::make_unique<SoundMixerBackend>();
    else if (gBackendKind == SoundBackendKind::Null)
        backend = std::make_unique<SoundNullBackend>();

    std::string error = "sound output is switched off";
    if (backend && !backend->Open(channelCount, error)) backend.reset();
    if (!backend) {
        std::cerr << "Sound: no audio device (" << error << "); the game runs silent\n";
        state = std::make_shared<SoundState>(nullptr, 0);
        active = SoundBackendKind::Unavailable;
        return false;
    }
    state = std::make_shared<SoundState>(std::move(backend), channelCount);
    active = gBackendKind;
    return true;
}

void SoundSystem::Shutdown()
{
    // The state's destructor halts, frees and closes; handles only hold it weakly.
    state.reset();
    active = SoundBackendKind::Unavailable;
}

bool SoundSystem::IsAudible() const
{
    return state && state->Audible();
}

SoundChannelGroup SoundSystem::CreateChannelGroup(const std::string& name)
{
    if (!state) return SoundChannelGroup();
    for (size_t i = 0; i < state->groups.size(); ++i) {
        if (state->groups[i] == name) return SoundChannelGroup(state, static_cast<int>(i));
    }
    state->groups.push_back(name);
    return SoundChannelGroup(state, static_cast<int>(state->groups.size() - 1));
}

Sound SoundSystem::LoadSound(const std::string& path)
{
    if (!state || !state->Audible()) return Sound();
    float seconds = 0.0f;
    std::string error;
    void* data = state->backend->Load(path, seconds, error);
    if (!data) {
        std::cerr << "Sound: cannot load \"" << Printable(path) << "\": " << Printable(error) << "\n";
        return Sound();
    }
    state->sounds.push_back(SoundEntry{data, seconds, path});
    return Sound(state, static_cast<int>(state->sounds.size() - 1));
}

void SoundSystem::ReleaseSound(const Sound& sound)
{
    if (!state || sound.state.lock() != state) return;
    state->ReleaseSound(sound.id);
}

SoundChannel SoundSystem::Play(const Sound& sound, const SoundChannelGroup& group, bool loop,
                               bool paused)
{
    if (!state || !state->Audible() || !sound.IsValid() || sound.state.lock() != state)
        return SoundChannel();
    int groupIndex = -1;
    if (group.IsValid() && group.state.lock() == state) groupIndex = group.index;

    int channel = state->Claim();
    if (channel < 0) return SoundChannel();
    SoundChannelSlot& slot = state->channels[static_cast<size_t>(channel)];
    slot.inUse = true;
    slot.sound = sound.id;
    slot.group = groupIndex;
    slot.looping = loop;
    slot.paused = paused;
    slot.volume = 1.0f;
    SoundChannel handle(state, channel, slot.generation);
    if (!paused) {
        state->StartPending(channel);
        if (!slot.inUse) return SoundChannel();
    }
    return handle;
}

void SoundSystem::Update(float dt)
{
    if (!state || !state->Audible()) return;
    state->backend->Advance(dt > 0.0f ? dt : 0.0f);
    state->RefreshAll();
}

}  // namespace Platform
