#pragma once
#include <memory>
#include <string>

#include "engine/System.h"

namespace Framework {

// Owns the sound backend: two channel groups and the named sound and music lists.
class AudioSystem : public System {
public:
    AudioSystem();

    void HandleMessage(Message* message) override;  // 4 sets messageFlag, 5 clears it
    void Init() override;
    void Update(float dt) override;
    std::string GetName() override;
    void Shutdown() override;

    bool messageFlag = false;
    int maxChannels = 32;
};

}  // namespace Framework

extern std::shared_ptr<Framework::AudioSystem> gAudioSystem;
