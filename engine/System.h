#pragma once
#include <string>

#include "engine/SystemTimer.h"

namespace Framework {

// Id 0: the window was destroyed; 4/5: audio flag on/off; 9/10: input on/off.
struct Message {
    int id = 0;
};

class System {
public:
    virtual void HandleMessage(Message* /*message*/) {}
    virtual void Init() {}
    virtual void Update(float dt) = 0;
    virtual std::string GetName() = 0;
    virtual void Shutdown() = 0;
    virtual ~System() = default;

    SystemTimer timer;
};

}  // namespace Framework
