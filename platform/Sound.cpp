#include "platform/Sound.h"

#include "platform/SoundState.h"

namespace Platform {

namespace {
const SoundEntry* Find(const std::shared_ptr<SoundState>& state, int id)
{
    if (!state || id < 0 || id >= static_cast<int>(state->sounds.size())) return nullptr;
    const SoundEntry& entry = state->sounds[static_cast<size_t>(id)];
    return entry.data ? &entry : nullptr;
}
}  // namespace

bool Sound::IsValid() const
{
    return Find(state.lock(), id) != nullptr;
}

float Sound::Length() const
{
    const SoundEntry* entry = Find(state.lock(), id);
    return entry ? entry->seconds : 0.0f;
}

std::string Sound::Path() const
{
    const SoundEntry* entry = Find(state.lock(), id);
    return entry ? entry->path : std::string();
}

}  // namespace Platform
