#pragma once

#include <memory>
#include <string>

#include "engine/Vector2.h"
#include "engine/Vector3.h"

class Audio;
class GameController;
class GameObject;
class Sprite;

// The small acts the story scripts of the later rooms repeat on named objects. Each one takes
// an object that may be missing (or may lack the component it needs) and then does nothing,
// so a broken or partial level skips the step instead of crashing.
namespace StoryActs {

// Where story scripts keep what is not in play.
constexpr float kHidden = 10000.0f;

bool Overlap(const std::shared_ptr<GameObject>& a, const std::shared_ptr<GameObject>& b);
// Position (zero when missing).
Vector3 PositionOf(const std::shared_ptr<GameObject>& object);
bool IsHidden(const std::shared_ptr<GameObject>& object);
void MoveTo(const std::shared_ptr<GameObject>& object, float x, float y);
void MoveTo(const std::shared_ptr<GameObject>& object, const Vector2& position);
void HideObject(const std::shared_ptr<GameObject>& object);
std::shared_ptr<Sprite> SpriteOf(const std::shared_ptr<GameObject>& object);
std::shared_ptr<Audio> AudioOf(const std::shared_ptr<GameObject>& object);
void SetFrame(const std::shared_ptr<GameObject>& object, int frame);
void SetAlpha(const std::shared_ptr<GameObject>& object, float alpha);
float AlphaOf(const std::shared_ptr<GameObject>& object);
// Replaces the loaded picture only; the saved texture name and the grid stay.
void SwapTexture(const std::shared_ptr<GameObject>& object, const std::string& textureName);
void PlaySound(const std::shared_ptr<GameObject>& object);
void PlaySound(const std::shared_ptr<Audio>& audio);
void StopSound(const std::shared_ptr<GameObject>& object);
bool SoundPlaying(const std::shared_ptr<GameObject>& object);
void SetVelocity(const std::shared_ptr<GameObject>& object, float x, float y);
Vector2 VelocityOf(const std::shared_ptr<GameObject>& object);
std::shared_ptr<GameObject> FirstChild(const std::shared_ptr<GameObject>& object);
// A camera shake of the given length and strength.
void Shake(const std::shared_ptr<GameController>& controller, float duration, float strength);
// Turns a light on or off, marking the lights changed.
void SetLight(const std::shared_ptr<GameObject>& object, bool enabled);

}  // namespace StoryActs
