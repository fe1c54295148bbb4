#include "platform/SoundChannelGroup.h"

#include "platform/SoundState.h"

namespace Platform {

namespace {
bool Known(const std::shared_ptr<SoundState>& state, int index)
{
    return state && index >= 0 && index < static_cast<int>(state->groups.size());
}
}  // namespace

bool SoundChannelGroup::IsValid() const
{
    return Known(state.lock(), index);
}

std::string SoundChannelGroup::GetName() const
{
    std::shared_ptr<SoundState> s = state.lock();
    return Known(s, index) ? s->groups[static_cast<size_t>(index)] : std::string();
}

void SoundChannelGroup::Stop()
{
    std::shared_ptr<SoundState> s = state.lock();
    if (Known(s, index)) s->HaltGroup(index);
}

int SoundChannelGroup::PlayingCount() const
{
    std::shared_ptr<SoundState> s = state.lock();
    if (!Known(s, index)) return 0;
    int count = 0;
    for (int i = 0; i < static_cast<int>(s->channels.size()); ++i) {
        s->Refresh(i);
        const SoundChannelSlot& slot = s->channels[static_cast<size_t>(i)];
        if (slot.inUse && slot.group == index) ++count;
    }
    return count;
}

bool SoundChannelGroup::operator==(const SoundChannelGroup& other) const
{
    return index == other.index && state.lock() == other.state.lock();
}

}  // namespace Platform
