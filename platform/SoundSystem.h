#pragma once
#include <memory>
#include <string>

#include "platform/Sound.h"
#include "platform/SoundBackendKind.h"
#include "platform/SoundChannel.h"
#include "platform/SoundChannelGroup.h"

namespace Platform {

class SoundState;

// The game's sound output over SDL2_mixer: a fixed number of channels, named channel groups,
// sounds loaded whole from files, and plays that start paused so the caller can set the volume
// first. Without an audio device it runs silent: every call still succeeds, loads give null
// sounds and plays give invalid channels. Main thread only.
//
//   system.Init(32);
//   SoundChannelGroup effects = system.CreateChannelGroup("Sound Channel Group");
//   Sound step = system.LoadSound("../resources/sfx/default_footstep1.wav");
//   SoundChannel channel = system.Play(step, effects, /*loop*/ false);  // comes back paused
//   channel.SetVolume(0.1f);
//   channel.SetPaused(false);
//   ... every frame: system.Update(dt); channel.IsPlaying() turns false once it has ended.
class SoundSystem {
public:
    SoundSystem() = default;
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;
    ~SoundSystem();

    // Backend used by later Init calls (tests pick Null or Unavailable); Mixer by default.
    static void SetBackendKind(SoundBackendKind kind);

    // Opens output with channelCount mixer channels (at least 1). Returns true when sound is
    // audible; false means the silent game (one message on the console), never a failed start.
    // A second Init shuts the first down.
    bool Init(int channelCount);
    // Stops everything and frees every sound; handles given out before go quiet.
    void Shutdown();

    bool IsInitialized() const { return state != nullptr; }
    bool IsAudible() const;
    // The backend this system really runs on (Unavailable when silent or not started).
    SoundBackendKind ActiveBackend() const { return active; }

    // A group keyed by name: asking again for the same name gives the same group.
    SoundChannelGroup CreateChannelGroup(const std::string& name);

    // The file decoded whole; a null sound (with a console message) when it cannot be read.
    Sound LoadSound(const std::string& path);
    // Stops its plays and frees it; copies of the handle become null sounds.
    void ReleaseSound(const Sound& sound);

    // Starts sound from its beginning on a free channel of group (the oldest one-shot is cut
    // off when every channel is busy). paused: the play waits for SetPaused(false) before any
    // of it is heard. loop: over and over until stopped; otherwise once.
    SoundChannel Play(const Sound& sound, const SoundChannelGroup& group, bool loop,
                      bool paused = true);

    // Once per frame. The mixer keeps its own time; the Null backend advances its clock by dt.
    void Update(float dt);

private:
    std::shared_ptr<SoundState> state;
    SoundBackendKind active = SoundBackendKind::Unavailable;
};

}  // namespace Platform
