#include "gameplay/ObjectParts.h"

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

bool ActionHeld(const std::string& action)
{
    return gInputSystem && gInputSystem->IsActionDown(action);
}

bool ActionPressed(const std::string& action)
{
    return gInputSystem && gInputSystem->IsActionTriggered(action);
}
