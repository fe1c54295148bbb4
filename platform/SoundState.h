#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/SoundBackend.h"

namespace Platform {

// One mixer channel as the layer sees it. A slot is "in use" from the play that claims it until
// its sound ends or is stopped; the generation counts the plays, so a handle made for an earlier
// play no longer matches once the slot has been claimed again.
struct SoundChannelSlot {
    std::uint32_t generation = 0;
    bool inUse = false;
    bool started = false;  // handed to the backend (a paused play waits until its first resume)
    bool paused = false;
    bool looping = false;
    int sound = -1;
    int group = -1;
    float volume = 1.0f;
    std::uint64_t playOrder = 0;
};

struct SoundEntry {
    void* data = nullptr;  // null once released
    float seconds = 0.0f;
    std::string path;
};

// Everything one open SoundSystem shares with the handles it gave out. Handles hold it weakly,
// so they go quiet (and harmless) once the system shuts down.
class SoundState {
public:
    explicit SoundState(std::unique_ptr<SoundBackend> backend, int channelCount);
    ~SoundState();

    bool Audible() const { return backend != nullptr; }

    // True when the handle (index, generation) still owns its slot and the slot still holds a
    // sound that may play. Finished slots are freed on the way.
    bool Owns(int channel, std::uint32_t generation);
    bool Matches(int channel, std::uint32_t generation) const;

    void Refresh(int channel);
    void RefreshAll();

    // Claims a slot for a new play, stealing the oldest one-shot (else the oldest) when all
    // are busy. Returns -1 when there are no channels at all.
    int Claim();

    void StartPending(int channel);
    void Halt(int channel);
    void ApplyVolume(int channel);
    void HaltGroup(int group);
    void ReleaseSound(int sound);
    void ReleaseAll();

    std::unique_ptr<SoundBackend> backend;
    std::vector<SoundChannelSlot> channels;
    std::vector<SoundEntry> sounds;
    std::vector<std::string> groups;  // names, by group index
    std::uint64_t playCounter = 0;
};

// NaN and anything outside 0..1 never reaches a mixer.
float ClampSoundVolume(float volume);

}  // namespace Platform
