#pragma once
#include <vector>

#include "platform/SoundBackend.h"

namespace Platform {

// Output that makes no noise and keeps time only through Advance: a one-shot play ends once the
// frames given to Update add up to its length. Sounds are read (WAV) only to learn that length.
// For headless tests that need plays to end on a known frame.
class SoundNullBackend : public SoundBackend {
public:
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
    struct Voice {
        bool active = false;
        bool paused = false;
        bool loop = false;
        double position = 0.0;
        double length = 0.0;
    };
    bool Valid(int channel) const;
    std::vector<Voice> voices;
};

}  // namespace Platform
