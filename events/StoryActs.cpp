#include "events/StoryActs.h"

#include <cmath>

#include "audio/Audio.h"
#include "gameplay/GameController.h"
#include "graphics/LightPacking.h"
#include "graphics/LightSource.h"
#include "graphics/Sprite.h"
#include "graphics/TextureSystem.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/Physics.h"
#include "physics/Rigidbody.h"

namespace StoryActs {

bool Overlap(const std::shared_ptr<GameObject>& a, const std::shared_ptr<GameObject>& b)
{
    return a && b && Framework::Physics::CheckCollision(*a, *b);
}

Vector3 PositionOf(const std::shared_ptr<GameObject>& object)
{
    const std::shared_ptr<Transform> transform = object ? object->GetComponent<Transform>() : nullptr;
    return transform ? transform->GetPosition() : Vector3(0.0f, 0.0f, 0.0f);
}

bool IsHidden(const std::shared_ptr<GameObject>& object)
{
    return object && PositionOf(object).x >= kHidden - 1.0f;
}

void MoveTo(const std::shared_ptr<GameObject>& object, float x, float y)
{
    // A non-finite place would end up in the save file.
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    if (const std::shared_ptr<Transform> transform = object ? object->GetComponent<Transform>() : nullptr)
        transform->SetPosition(Vector2(x, y));
}

void MoveTo(const std::shared_ptr<GameObject>& object, const Vector2& position)
{
    MoveTo(object, position.x, position.y);
}

void HideObject(const std::shared_ptr<GameObject>& object)
{
    MoveTo(object, kHidden, kHidden);
}

std::shared_ptr<Sprite> SpriteOf(const std::shared_ptr<GameObject>& object)
{
    return object ? object->GetComponent<Sprite>() : nullptr;
}

std::shared_ptr<Audio> AudioOf(const std::shared_ptr<GameObject>& object)
{
    return object ? object->GetComponent<Audio>() : nullptr;
}

void SetFrame(const std::shared_ptr<GameObject>& object, int frame)
{
    if (const std::shared_ptr<Sprite> sprite = SpriteOf(object))
        sprite->SetFrame(frame);
}

void SetAlpha(const std::shared_ptr<GameObject>& object, float alpha)
{
    if (const std::shared_ptr<Sprite> sprite = SpriteOf(object))
        sprite->transparency = alpha;
}

float AlphaOf(const std::shared_ptr<GameObject>& object)
{
    const std::shared_ptr<Sprite> sprite = SpriteOf(object);
    return sprite ? sprite->transparency : 0.0f;
}

void SwapTexture(const std::shared_ptr<GameObject>& object, const std::string& textureName)
{
    const std::shared_ptr<Sprite> sprite = SpriteOf(object);
    if (sprite && gTextureSystem)
        sprite->texture = gTextureSystem->GetTexture(textureName);
}

void PlaySound(const std::shared_ptr<GameObject>& object)
{
    PlaySound(AudioOf(object));
}

void PlaySound(const std::shared_ptr<Audio>& audio)
{
    if (audio)
        audio->Play();
}

void StopSound(const std::shared_ptr<GameObject>& object)
{
    if (const std::shared_ptr<Audio> audio = AudioOf(object))
        audio->Stop();
}

bool SoundPlaying(const std::shared_ptr<GameObject>& object)
{
    const std::shared_ptr<Audio> audio = AudioOf(object);
    return audio && audio->isPlaying;
}

void SetVelocity(const std::shared_ptr<GameObject>& object, float x, float y)
{
    if (const std::shared_ptr<Rigidbody> body = object ? object->GetComponent<Rigidbody>() : nullptr)
        body->SetVelocity(Vector2(x, y));
}

Vector2 VelocityOf(const std::shared_ptr<GameObject>& object)
{
    const std::shared_ptr<Rigidbody> body = object ? object->GetComponent<Rigidbody>() : nullptr;
    return body ? body->velocity : Vector2(0.0f, 0.0f);
}

std::shared_ptr<GameObject> FirstChild(const std::shared_ptr<GameObject>& object)
{
    return object && !object->children.empty() ? object->children.front() : nullptr;
}

void Shake(const std::shared_ptr<GameController>& controller, float duration, float strength)
{
    if (!controller)
        return;
    controller->shakeDuration = duration;
    controller->shakeMagnitude = strength;
    controller->shakeTimer = 0.0f;
    controller->shaking = true;
}

void SetLight(const std::shared_ptr<GameObject>& object, bool enabled)
{
    const std::shared_ptr<LightSource> light = object ? object->GetComponent<LightSource>() : nullptr;
    if (!light)
        return;
    light->Enabled = enabled;
    gLightsDirty = true;
}

}  // namespace StoryActs
