#pragma once
#include <memory>
#include <string>

namespace Platform {

class SoundState;

// A named set of channels ("Sound Channel Group", "BGM Channel Group"): every play names its
// group, and the group can stop all of its plays at once. A plain value handle; a default one,
// or one of a system that has shut down, does nothing.
class SoundChannelGroup {
public:
    SoundChannelGroup() = default;

    bool IsValid() const;
    std::string GetName() const;

    // Stops every play of the group, paused ones included.
    void Stop();

    // Plays of the group that still have sound to play.
    int PlayingCount() const;

    bool operator==(const SoundChannelGroup& other) const;
    bool operator!=(const SoundChannelGroup& other) const { return !(*this == other); }

private:
    friend class SoundSystem;
    SoundChannelGroup(std::weak_ptr<SoundState> state, int index)
        : state(std::move(state)), index(index) {}

    std::weak_ptr<SoundState> state;
    int index = -1;
};

}  // namespace Platform
