#pragma once

#include <memory>
#include <string>

#include "engine/Vector2.h"

class Audio;
class GameObject;
class LightSource;
class Rigidbody;
class Sprite;
class Transform;

// Null-safe steps the story rooms take on the objects they found: a missing object or
// component makes the step do nothing, so a gap in a level never crashes a room.
namespace story {

// Where scripts park what is not in play.
constexpr float kHiddenAt = 10000.0f;

std::shared_ptr<Transform> TransformOf(const std::shared_ptr<GameObject>& object);
std::shared_ptr<Sprite> SpriteOf(const std::shared_ptr<GameObject>& object);
std::shared_ptr<Audio> AudioOf(const std::shared_ptr<GameObject>& object);
std::shared_ptr<LightSource> LightOf(const std::shared_ptr<GameObject>& object);
std::shared_ptr<Rigidbody> BodyOf(const std::shared_ptr<GameObject>& object);
std::shared_ptr<GameObject> FirstChild(const std::shared_ptr<GameObject>& object);

// (0, 0) for a missing object.
Vector2 PositionOf(const std::shared_ptr<GameObject>& object);
void MoveTo(const std::shared_ptr<GameObject>& object, const Vector2& position);
// Parked at the hidden place (a save keeps it there, so a reload can tell it was taken).
bool IsHidden(const std::shared_ptr<GameObject>& object);

void Play(const std::shared_ptr<Audio>& audio);
void PlayOf(const std::shared_ptr<GameObject>& object);
void SetVelocity(const std::shared_ptr<GameObject>& object, const Vector2& velocity);

void SetFrame(const std::shared_ptr<GameObject>& object, int frame);
int FrameOf(const std::shared_ptr<GameObject>& object);
void SetAlpha(const std::shared_ptr<GameObject>& object, float alpha);
float AlphaOf(const std::shared_ptr<GameObject>& object);
// Shows another picture on the sprite's grid; the name goes into the next save as well.
void SwapTexture(const std::shared_ptr<Sprite>& sprite, const std::string& textureName);
// The picture only: a save keeps the sprite's former name.
void SwapTextureOnly(const std::shared_ptr<Sprite>& sprite, const std::string& textureName);
// An inventory icon shows this picture, or is cleared.
void ShowIcon(const std::shared_ptr<GameObject>& icon, const std::string& textureName);
void HideIcon(const std::shared_ptr<GameObject>& icon);
// The icon is shown with this picture (what a save keeps of a carried item).
bool IconShows(const std::shared_ptr<GameObject>& icon, const std::string& textureName);

void SetLightOn(const std::shared_ptr<GameObject>& object, bool on);
bool LightOn(const std::shared_ptr<GameObject>& object);

}  // namespace story
