#pragma once

#include <memory>
#include <string>

#include "engine/Vector2.h"
#include "engine/Vector3.h"
#include "gameplay/ObjectParts.h"

class Audio;
class GameController;
class GameObject;

// The small acts every story script takes on the objects it found. Each one takes an object
// that may be missing (or may lack the component it needs) and then does nothing, so a broken
// or partial level skips the step instead of crashing. One name, one meaning: where two rooms
// need different things, the two acts have two names.
namespace StoryActs {

// Where story scripts keep what is not in play: Hide puts an object at (kHidden, kHidden).
constexpr float kHidden = 10000.0f;

bool Overlap(const std::shared_ptr<GameObject>& a, const std::shared_ptr<GameObject>& b);

// The whole position, depth included (zero when missing).
Vector3 PositionOf(const std::shared_ptr<GameObject>& object);
// Its x and y: the place MoveTo and the teleports take (zero when missing).
Vector2 PlaceOf(const std::shared_ptr<GameObject>& object);
// A place that is not finite is ignored: it would end up in the save file.
void MoveTo(const std::shared_ptr<GameObject>& object, float x, float y);
void MoveTo(const std::shared_ptr<GameObject>& object, const Vector2& position);
void MoveBy(const std::shared_ptr<GameObject>& object, float dx, float dy);
// The camera moves by step toward a place, stopping exactly on it, and the soft toy pinned to the
// view moves with it: true once the camera is there.
bool PanViewToward(const std::shared_ptr<GameObject>& camera, const std::shared_ptr<GameObject>& softToy,
                   const Vector2& place, float step);
// Out of sight at the hidden place (a save keeps it there, so a reload can tell it was taken).
void Hide(const std::shared_ptr<GameObject>& object);
// At the hidden place, both coordinates: where Hide puts things.
bool IsHidden(const std::shared_ptr<GameObject>& object);
// Out of play by its x alone, whatever its y: also true of a spot such as (kHidden, 1000)
// where a room puts away what it must tell apart from what it hid.
bool IsOutOfPlay(const std::shared_ptr<GameObject>& object);

void SetFrame(const std::shared_ptr<GameObject>& object, int frame);
int FrameOf(const std::shared_ptr<GameObject>& object);
void SetAlpha(const std::shared_ptr<GameObject>& object, float alpha);
float AlphaOf(const std::shared_ptr<GameObject>& object);
// The picture only: the saved texture name (and so the picture after a reload) stays.
void SwapPicture(const std::shared_ptr<GameObject>& object, const std::string& textureName);
// The picture and the texture name the next save writes.
void SwapSavedTexture(const std::shared_ptr<GameObject>& object, const std::string& textureName);

// An inventory icon shows this picture (saved with it), or is cleared.
void ShowIcon(const std::shared_ptr<GameObject>& icon, const std::string& textureName);
void HideIcon(const std::shared_ptr<GameObject>& icon);
// The icon is shown with this picture (what a save keeps of a carried item).
bool IconShows(const std::shared_ptr<GameObject>& icon, const std::string& textureName);

void PlaySound(const std::shared_ptr<GameObject>& object);
void PlaySound(const std::shared_ptr<Audio>& audio);
// The object's sound becomes this one (and stays so), then plays.
void SetSoundAndPlay(const std::shared_ptr<GameObject>& object, const char* soundName, bool effect);
void StopSound(const std::shared_ptr<GameObject>& object);
bool SoundPlaying(const std::shared_ptr<GameObject>& object);

void SetVelocity(const std::shared_ptr<GameObject>& object, float x, float y);
void SetVelocity(const std::shared_ptr<GameObject>& object, const Vector2& velocity);
Vector2 VelocityOf(const std::shared_ptr<GameObject>& object);

std::shared_ptr<GameObject> FirstChild(const std::shared_ptr<GameObject>& object);

// A camera shake of the given length and strength.
void Shake(const std::shared_ptr<GameController>& controller, float duration, float strength);

// Turns a light on or off, marking the lights changed.
void SetLight(const std::shared_ptr<GameObject>& object, bool enabled);
bool LightOn(const std::shared_ptr<GameObject>& object);

}  // namespace StoryActs
