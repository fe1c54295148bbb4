#pragma once
#include <cstdint>
#include <memory>

namespace Platform {

class SoundState;

// Handle to one play of a sound on a mixer channel, as SoundSystem::Play hands it out. A plain
// value: copies act on the same play. The handle stays tied to that play only: once the sound has
// ended, been stopped, or its channel has been taken by another play, every call does nothing and
// IsPlaying answers false. A default handle is invalid the same way.
class SoundChannel {
public:
    SoundChannel() = default;

    // Made by a play of a still open system and not yet superseded on its channel (it may have
    // ended; IsPlaying tells).
    bool IsValid() const;
    // Still has sound to play: true while paused, false once ended or stopped.
    bool IsPlaying() const;

    void SetPaused(bool paused);
    bool GetPaused() const;

    // Linear, 0 silent to 1 full; anything outside is clamped (NaN counts as 0).
    void SetVolume(float volume);
    float GetVolume() const;

    void Stop();

    // Mixer channel number, -1 for an invalid handle (for diagnostics).
    int Index() const;

    bool operator==(const SoundChannel& other) const;
    bool operator!=(const SoundChannel& other) const { return !(*this == other); }

private:
    friend class SoundSystem;
    SoundChannel(std::weak_ptr<SoundState> state, int index, std::uint32_t generation)
        : state(std::move(state)), index(index), generation(generation) {}

    std::weak_ptr<SoundState> state;
    int index = -1;
    std::uint32_t generation = 0;
};

}  // namespace Platform
