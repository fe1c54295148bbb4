#pragma once
// What the content checks read of a loaded level's objects: their components by name and the
// boxes their colliders hold.
#include <memory>
#include <string>

#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/Collider.h"

namespace levelcheck {

using Object = std::shared_ptr<GameObject>;

struct Box {
    float minX, minY, maxX, maxY;
    // Touching boxes overlap, as in the game's own test.
    bool Overlaps(const Box& o) const { return minX <= o.maxX && o.minX <= maxX && minY <= o.maxY && o.minY <= maxY; }
};

inline bool Has(const GameObject& object, const std::string& componentName)
{
    for (const auto& component : object.components)
        if (component && component->GetName() == componentName)
            return true;
    return false;
}

// The box the collider holds once the scene has run a frame.
inline Box BoxOf(const GameObject& object)
{
    const Vector3 p = object.GetComponent<Transform>()->position;
    const auto collider = object.GetComponent<Collider>();
    const float cx = p.x + collider->offset.x;
    const float cy = p.y + collider->offset.y;
    return {cx - collider->scale.x / 2, cy - collider->scale.y / 2, cx + collider->scale.x / 2,
            cy + collider->scale.y / 2};
}

}  // namespace levelcheck
