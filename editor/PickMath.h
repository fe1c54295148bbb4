#pragma once
#include <memory>
#include <vector>

#include "engine/Vector2.h"
#include "engine/Vector3.h"

class GameObject;

// Turning the mouse into world units and finding the object under it.
namespace PickMath {

// Window pixels (y up from the bottom) to world units through the camera's offset (pixels)
// and size (pixels per unit). A camera size of 0 on an axis gives 0 on that axis.
Vector2 ScreenToWorld(const Vector2& screen, float windowWidth, float windowHeight, const Vector3& cameraPosition,
                      const Vector2& cameraSize);

// The Transform rectangle (rotation ignored, edges included) holds the point.
bool RectangleHolds(const Vector3& position, const Vector3& scale, const Vector2& point);

// A screen picture (object type Hud: the fade, a dialogue box, a full-screen image) that is fully
// transparent shows nothing: a click goes through it to what lies under it.
bool ClickGoesThrough(const GameObject& object);

// The object with the greatest depth whose rectangle holds the point, passing over those a click
// goes through; empty when none.
std::shared_ptr<GameObject> Topmost(const std::vector<std::shared_ptr<GameObject>>& objects, const Vector2& point);

}  // namespace PickMath
