#include "editor/PickMath.h"

#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"

namespace PickMath {

Vector2 ScreenToWorld(const Vector2& screen, float windowWidth, float windowHeight, const Vector3& cameraPosition,
                      const Vector2& cameraSize)
{
    Vector2 world;
    world.x = cameraSize.x != 0.0f ? ((screen.x - windowWidth * 0.5f) - cameraPosition.x) / cameraSize.x : 0.0f;
    world.y = cameraSize.y != 0.0f ? ((screen.y - windowHeight * 0.5f) - cameraPosition.y) / cameraSize.y : 0.0f;
    return world;
}

bool RectangleHolds(const Vector3& p, const Vector3& s, const Vector2& point)
{
    return p.x - s.x * 0.5f <= point.x && point.x <= p.x + s.x * 0.5f && p.y - s.y * 0.5f <= point.y &&
           point.y <= p.y + s.y * 0.5f;
}

bool ClickGoesThrough(const GameObject& object)
{
    constexpr int kHud = 17;
    if (object.objectType != kHud)
        return false;
    const auto picture = object.GetComponent<Sprite>();
    return picture && picture->transparency <= 0.0f;
}

std::shared_ptr<GameObject> Topmost(const std::vector<std::shared_ptr<GameObject>>& objects, const Vector2& point)
{
    std::shared_ptr<GameObject> best;
    float bestDepth = 0.0f;
    for (const auto& object : objects) {
        if (!object || ClickGoesThrough(*object))
            continue;
        const auto transform = object->GetComponent<Transform>();
        if (!transform || !RectangleHolds(transform->position, transform->scale, point))
            continue;
        if (!best || transform->position.z > bestDepth) {
            best = object;
            bestDepth = transform->position.z;
        }
    }
    return best;
}

}  // namespace PickMath
