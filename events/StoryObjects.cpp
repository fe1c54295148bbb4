#include "events/StoryObjects.h"

#include "audio/Audio.h"
#include "graphics/LightPacking.h"
#include "graphics/LightSource.h"
#include "graphics/Sprite.h"
#include "graphics/TextureSystem.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/Rigidbody.h"

namespace story {

std::shared_ptr<Transform> TransformOf(const std::shared_ptr<GameObject>& object)
{
    return object ? object->GetComponent<Transform>() : nullptr;
}

std::shared_ptr<Sprite> SpriteOf(const std::shared_ptr<GameObject>& object)
{
    return object ? object->GetComponent<Sprite>() : nullptr;
}

std::shared_ptr<Audio> AudioOf(const std::shared_ptr<GameObject>& object)
{
    return object ? object->GetComponent<Audio>() : nullptr;
}

std::shared_ptr<LightSource> LightOf(const std::shared_ptr<GameObject>& object)
{
    return object ? object->GetComponent<LightSource>() : nullptr;
}

std::shared_ptr<Rigidbody> BodyOf(const std::shared_ptr<GameObject>& object)
{
    return object ? object->GetComponent<Rigidbody>() : nullptr;
}

std::shared_ptr<GameObject> FirstChild(const std::shared_ptr<GameObject>& object)
{
    return object && !object->children.empty() ? object->children.front() : nullptr;
}

Vector2 PositionOf(const std::shared_ptr<GameObject>& object)
{
    const std::shared_ptr<Transform> transform = TransformOf(object);
    return transform ? Vector2(transform->position.x, transform->position.y) : Vector2(0.0f, 0.0f);
}

void MoveTo(const std::shared_ptr<GameObject>& object, const Vector2& position)
{
    if (const std::shared_ptr<Transform> transform = TransformOf(object))
        transform->SetPosition(position);
}

bool IsHidden(const std::shared_ptr<GameObject>& object)
{
    const std::shared_ptr<Transform> transform = TransformOf(object);
    return transform && transform->position.x >= kHiddenAt - 1.0f && transform->position.y >= kHiddenAt - 1.0f;
}

void Play(const std::shared_ptr<Audio>& audio)
{
    if (audio)
        audio->Play();
}

void PlayOf(const std::shared_ptr<GameObject>& object)
{
    Play(AudioOf(object));
}

void SetVelocity(const std::shared_ptr<GameObject>& object, const Vector2& velocity)
{
    if (const std::shared_ptr<Rigidbody> body = BodyOf(object))
        body->velocity = velocity;
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

void SwapTextureOnly(const std::shared_ptr<Sprite>& sprite, const std::string& textureName)
{
    if (sprite && gTextureSystem)
        sprite->texture = gTextureSystem->GetTexture(textureName);
}

void SwapTexture(const std::shared_ptr<Sprite>& sprite, const std::string& textureName)
{
    if (!sprite)
        return;
    sprite->textureName = textureName;
    SwapTextureOnly(sprite, textureName);
}

void ShowIcon(const std::shared_ptr<GameObject>& icon, const std::string& textureName)
{
    const std::shared_ptr<Sprite> sprite = SpriteOf(icon);
    SwapTexture(sprite, textureName);
    if (sprite)
        sprite->transparency = 1.0f;
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

void SetLightOn(const std::shared_ptr<GameObject>& object, bool on)
{
    if (const std::shared_ptr<LightSource> light = LightOf(object)) {
        light->Enabled = on;
        gLightsDirty = true;
    }
}

bool LightOn(const std::shared_ptr<GameObject>& object)
{
    const std::shared_ptr<LightSource> light = LightOf(object);
    return light && light->Enabled;
}

}  // namespace story
