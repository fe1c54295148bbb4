#include "physics/Physics.h"

namespace Framework {

Physics::Physics() = default;

void Physics::Init() {}

void Physics::Update(float /*dt*/)
{
    timer.Restart();
    timer.Mark();
    timer.Measure();
}

std::string Physics::GetName()
{
    return "Physics System";
}

void Physics::Shutdown() {}

}  // namespace Framework
