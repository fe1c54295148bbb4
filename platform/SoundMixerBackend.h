#pragma once
#include "platform/SoundBackend.h"

namespace Platform {

// The real output: SDL's audio subsystem and SDL2_mixer's channels. SDL2_mixer is one global
// mixer, so only one of these can be open at a time.
class SoundMixerBackend : public SoundBackend {
public:
    ~SoundMixerBackend() override;

    bool Open(int channelCount, std::string& error) override;
    void Close() override;
    void* Load(const std::string& path, float& seconds, std::string& error) override;
    void Free(void* sound) override;
    bool Start(int channel, void* sound, bool loop, float volume) override;
    void Pause(int channel) override;
    void Resume(int channel) override;
    void Halt(int channel) override;
    void SetVolume(int channel, float volume) override;
    bool IsActive(int channel) override;
    void Advance(float seconds) override;

private:
    bool open = false;
    int bytesPerSecond = 0;
};

}  // namespace Platform
