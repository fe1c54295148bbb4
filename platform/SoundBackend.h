#pragma once
#include <string>

namespace Platform {

// What the sound layer needs from whatever actually makes the noise. Channels are numbered
// 0..count-1 and are chosen by the layer, never by the backend. All calls come from the main
// thread. Loaded sounds are opaque pointers that only the backend that made them understands.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;

    // False with a reason when no output can be made; the layer then runs silent.
    virtual bool Open(int channelCount, std::string& error) = 0;
    virtual void Close() = 0;

    // The whole file decoded into memory; null with a reason when it cannot be read.
    virtual void* Load(const std::string& path, float& seconds, std::string& error) = 0;
    virtual void Free(void* sound) = 0;

    // Starts the sound from its beginning on the channel, audible at once.
    virtual bool Start(int channel, void* sound, bool loop, float volume) = 0;
    virtual void Pause(int channel) = 0;
    virtual void Resume(int channel) = 0;
    virtual void Halt(int channel) = 0;
    virtual void SetVolume(int channel, float volume) = 0;
    // True while the channel still has something to play (paused counts as playing).
    virtual bool IsActive(int channel) = 0;

    // Frame tick; only a backend without a real clock uses the seconds.
    virtual void Advance(float seconds) = 0;
};

}  // namespace Platform
