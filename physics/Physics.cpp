#include "physics/Physics.h"

#include "objects/GameObject.h"
#include "physics/Collider.h"
#include "physics/Rigidbody.h"

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

bool Physics::CheckCollision(std::shared_ptr<GameObject> a, std::shared_ptr<GameObject> b,
                             const Vector3& offset)
{
    if (!a || !b)
        return false;
    return CheckCollision(*a, *b, offset);
}

bool Physics::CheckCollision(const GameObject& a, const GameObject& b, const Vector3& offset)
{
    // A Rigidbody is the ticket into the query, even for an object that never moves.
    // Raw look-ups: this runs for many pairs a frame, and reference counts cost more than the test.
    if (!a.FindComponent<Rigidbody>() || !b.FindComponent<Rigidbody>())
        return false;
    const Collider* colliderA = a.FindComponent<Collider>();
    const Collider* colliderB = b.FindComponent<Collider>();
    if (!colliderA || !colliderB)
        return false;

    return BoxesOverlap(*colliderA, *colliderB, offset);
}

bool Physics::BoxesOverlap(const Collider& a, const Collider& b, const Vector3& offset)
{
    const Vector3 minA = a.GetMin() + offset;
    const Vector3 maxA = a.GetMax() + offset;
    const Vector3 minB = b.GetMin();
    const Vector3 maxB = b.GetMax();
    // Strict tests: boxes that only share an edge or a corner overlap.
    if (minB.x > maxA.x || minA.x > maxB.x || minB.y > maxA.y || minA.y > maxB.y)
        return false;
    return true;
}

}  // namespace Framework
