#pragma once

#include <memory>
#include <string>

#include "engine/Vector2.h"
#include "objects/GameObject.h"

class Audio;
class LightSource;
class Rigidbody;
class Sprite;
class Transform;

// The parts of an object that gameplay, the enemies and the story scripts reach for, and the two
// questions they put to the input. An object that is missing, or lacks the part, gives empty
// (and a step on it does nothing), so a gap in a level never crashes a component.

template <class T>
std::shared_ptr<T> ComponentOf(const GameObject* object)
{
    return object ? object->GetComponent<T>() : nullptr;
}

template <class T>
std::shared_ptr<T> ComponentOf(const std::shared_ptr<GameObject>& object)
{
    return ComponentOf<T>(object.get());
}

std::shared_ptr<Sprite> SpriteOf(const std::shared_ptr<GameObject>& object);
std::shared_ptr<Sprite> SpriteOf(const GameObject* object);
std::shared_ptr<Audio> AudioOf(const std::shared_ptr<GameObject>& object);
std::shared_ptr<Transform> TransformOf(const std::shared_ptr<GameObject>& object);
std::shared_ptr<Rigidbody> BodyOf(const std::shared_ptr<GameObject>& object);
std::shared_ptr<LightSource> LightOf(const std::shared_ptr<GameObject>& object);

// Sets the rigid body's velocity; StopMoving sets it to zero.
void SetVelocityOf(const GameObject* object, const Vector2& velocity);
void StopMoving(const GameObject* object);
void StopMoving(const std::shared_ptr<GameObject>& object);
// Walks the object's rigid body at speed toward place. In the frame its step (the body's rule for
// dt) reaches the place, the object is put exactly there and stopped: true then, and while it
// stands there. Whether the body moves before or after the caller in the frame, it never shows
// past the place.
bool WalkTo(const GameObject* object, const Vector2& place, float speed, float dt);
bool WalkTo(const std::shared_ptr<GameObject>& object, const Vector2& place, float speed, float dt);

// The action's key is held / was pressed this frame; false without an input system.
bool ActionHeld(const std::string& action);
bool ActionPressed(const std::string& action);
