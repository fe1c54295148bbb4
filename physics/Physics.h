#pragma once
#include <memory>
#include <string>

#include "engine/System.h"

namespace Framework {

// The physics system; its update only keeps its timer.
class Physics : public System {
public:
    Physics();

    void Init() override;
    void Update(float dt) override;
    std::string GetName() override;
    void Shutdown() override;
};

}  // namespace Framework

extern std::shared_ptr<Framework::Physics> gPhysics;
