#pragma once
#include <memory>
#include <string>

#include "engine/System.h"
#include "engine/Vector3.h"

class Collider;
class GameObject;

namespace Framework {

// The physics system. There is no simulation step: collision is the static box-overlap query
// that gameplay uses as its trigger test. The update only keeps the system's timer.
class Physics : public System {
public:
    Physics();

    void Init() override;
    void Update(float dt) override;
    std::string GetName() override;
    void Shutdown() override;

    // True when both objects carry a Rigidbody and a Collider and the boxes the colliders last
    // stored overlap in x and y (touching counts); offset shifts a's box. Missing objects never
    // overlap.
    static bool CheckCollision(std::shared_ptr<GameObject> a, std::shared_ptr<GameObject> b,
                               const Vector3& offset = Vector3(0.0f, 0.0f, 0.0f));
    // The same for objects at hand: components own to callers that hold only their owner.
    static bool CheckCollision(const GameObject& a, const GameObject& b,
                               const Vector3& offset = Vector3(0.0f, 0.0f, 0.0f));
    // The box test alone, for callers that hold both colliders already.
    static bool BoxesOverlap(const Collider& a, const Collider& b, const Vector3& offset = Vector3(0.0f, 0.0f, 0.0f));
};

}  // namespace Framework

extern std::shared_ptr<Framework::Physics> gPhysics;
