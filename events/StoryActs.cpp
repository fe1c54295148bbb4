#include "events/StoryActs.h"

#include <cmath>

#include "audio/Audio.h"
#include "engine/StepToward.h"
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
    const std::shared_ptr<Transform> transform = TransformOf(object);
    return transform ? transform->position : Vector3(0.0f, 0.0f, 0.0f);
}

Vector2 PlaceOf(const std::shared_ptr<GameObject>& object)
{
    const Vector3 at = PositionOf(object);
    return Vector2(at.x, at.y);
}

void MoveTo(const std::shared_ptr<GameObject>& object, float x, float y)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    if (const std::shared_ptr<Transform> transform = TransformOf(object))
        transform->SetPosition(Vector2(x, y));
}

void MoveTo(const std::shared_ptr<GameObject>& object, const Vector2& position)
{
    MoveTo(object, position.x, position.y);
}

void MoveBy(const std::shared_ptr<GameObject>& object, float dx, float dy)
{
    const Vector2 at = PlaceOf(object);
    MoveTo(object, at.x + dx, at.y + dy);
}

bool PanViewToward(const std::shared_ptr<GameObject>& camera, const std::shared_ptr<GameObject>& softToy,
                   const Vector2& place, float step)
{
    if (!TransformOf(camera))
        return false;
    const Vector2 at = PlaceOf(camera);
    const Vector2 to = Framework::StepToward(at, place, step);
    MoveTo(camera, to);
    MoveBy(softToy, to.x - at.x, to.y - at.y);
    return to.x == place.x && to.y == place.y;
}

void Hide(const std::shared_ptr<GameObject>& object)
{
    MoveTo(object, kHidden, kHidden);
}

bool IsHidden(const std::shared_ptr<GameObject>& object)
{
    const std::shared_ptr<Transform> transform = TransformOf(object);
    return transform && transform->position.x >= kHidden - 1.0f && transform->position.y >= kHidden - 1.0f;
}

bool IsOutOfPlay(const std::shared_ptr<GameObject>& object)
{
    const std::shared_ptr<Transform> transform = TransformOf(object);
    return transform && transform->position.x >= kHidden - 1.0f;
}

void SetFrame(const std::shared_ptr<GameObject>& object, int frame)
{
    if (const std::shared_ptr<Sprite> sprite = SpriteOf(object))
        sprite->SetFrame(frame);
}

int FrameOf(const std::shared_ptr<GameObject>& object)
{
    const std::shared_ptr<Sprite> sprite = SpriteOf(object);
    return sprite ? sprite->currentFrame : 0;
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

void SwapPicture(const std::shared_ptr<GameObject>& object, const std::string& textureName)
{
    const std::shared_ptr<Sprite> sprite = SpriteOf(object);
    if (sprite && gTextureSystem)
        sprite->texture = gTextureSystem->GetTexture(textureName);
}

void SwapSavedTexture(const std::shared_ptr<GameObject>& object, const std::string& textureName)
{
    if (const std::shared_ptr<Sprite> sprite = SpriteOf(object))
        sprite->textureName = textureName;
    SwapPicture(object, textureName);
}

void ShowIcon(const std::shared_ptr<GameObject>& icon, const std::string& textureName)
{
    SwapSavedTexture(icon, textureName);
    SetAlpha(icon, 1.0f);
}

void HideIcon(const std::shared_ptr<GameObject>& icon)
{
    SetAlpha(icon, 0.0f);
}

bool IconShows(const std::shared_ptr<GameObject>& icon, const std::string& textureName)
{
    const std::shared_ptr<Sprite> sprite = SpriteOf(icon);
    return sprite && sprite->transparency > 0.5f && sprite->textureName == textureName;
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

void SetSoundAndPlay(const std::shared_ptr<GameObject>& object, const char* soundName, bool effect)
{
    if (const std::shared_ptr<Audio> audio = AudioOf(object)) {
        audio->SetAudio(soundName, effect);
        audio->Play();
    }
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
    SetVelocityOf(object.get(), Vector2(x, y));
}

void SetVelocity(const std::shared_ptr<GameObject>& object, const Vector2& velocity)
{
    SetVelocityOf(object.get(), velocity);
}

Vector2 VelocityOf(const std::shared_ptr<GameObject>& object)
{
    const std::shared_ptr<Rigidbody> body = BodyOf(object);
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
    const std::shared_ptr<LightSource> light = LightOf(object);
    if (!light)
        return;
    light->Enabled = enabled;
    gLightsDirty = true;
}

bool LightOn(const std::shared_ptr<GameObject>& object)
{
    const std::shared_ptr<LightSource> light = LightOf(object);
    return light && light->Enabled;
}

}  // namespace StoryActs
