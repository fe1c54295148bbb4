#include "gameplay/ObjectParts.h"

#include <cmath>

#include "audio/Audio.h"
#include "engine/InputSystem.h"
#include "graphics/LightSource.h"
#include "graphics/Sprite.h"
#include "objects/Transform.h"
#include "physics/Rigidbody.h"

std::shared_ptr<Sprite> SpriteOf(const std::shared_ptr<GameObject>& object)
{
    return ComponentOf<Sprite>(object);
}

std::shared_ptr<Sprite> SpriteOf(const GameObject* object)
{
    return ComponentOf<Sprite>(object);
}

std::shared_ptr<Audio> AudioOf(const std::shared_ptr<GameObject>& object)
{
    return ComponentOf<Audio>(object);
}

std::shared_ptr<Transform> TransformOf(const std::shared_ptr<GameObject>& object)
{
    return ComponentOf<Transform>(object);
}

std::shared_ptr<Rigidbody> BodyOf(const std::shared_ptr<GameObject>& object)
{
    return ComponentOf<Rigidbody>(object);
}

std::shared_ptr<LightSource> LightOf(const std::shared_ptr<GameObject>& object)
{
    return ComponentOf<LightSource>(object);
}

void SetVelocityOf(const GameObject* object, const Vector2& velocity)
{
    if (const std::shared_ptr<Rigidbody> body = ComponentOf<Rigidbody>(object))
        body->velocity = velocity;
}

void StopMoving(const GameObject* object)
{
    SetVelocityOf(object, Vector2());
}

void StopMoving(const std::shared_ptr<GameObject>& object)
{
    StopMoving(object.get());
}

bool WalkTo(const GameObject* object, const Vector2& place, float speed, float dt)
{
    const std::shared_ptr<Transform> transform = ComponentOf<Transform>(object);
    if (!transform || !std::isfinite(place.x) || !std::isfinite(place.y))
        return false;
    const Vector2 at(transform->position.x, transform->position.y);
    const Vector2 way = place - at;
    // Along one axis the velocity is exactly the speed, as the walks set it by hand.
    const float distance = way.y == 0.0f ? std::fabs(way.x) : way.x == 0.0f ? std::fabs(way.y) : at.Distance(place);
    Vector2 velocity;
    if (distance > 0.0f && speed > 0.0f) {
        if (way.y == 0.0f)
            velocity = Vector2(std::copysign(speed, way.x), 0.0f);
        else if (way.x == 0.0f)
            velocity = Vector2(0.0f, std::copysign(speed, way.y));
        else
            velocity = way * (speed / distance);
    }
    const Vector2 step = Rigidbody::StepFor(velocity, dt);
    if (distance > step.Distance(Vector2())) {
        SetVelocityOf(object, velocity);
        return false;
    }
    transform->SetPosition(place);
    StopMoving(object);
    return true;
}

bool WalkTo(const std::shared_ptr<GameObject>& object, const Vector2& place, float speed, float dt)
{
    return WalkTo(object.get(), place, speed, dt);
}

bool ActionHeld(const std::string& action)
{
    return gInputSystem && gInputSystem->IsActionDown(action);
}

bool ActionPressed(const std::string& action)
{
    return gInputSystem && gInputSystem->IsActionTriggered(action);
}
