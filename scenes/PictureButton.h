#pragma once

#include <memory>
#include <string>

#include "engine/Vector2.h"

class GameObject;

// The picture buttons of the menus, worked with the mouse alone: frame 1 while the pointer is
// over one, frame 0 otherwise, a sound once each time the pointer enters it, a click on the
// left mouse button's press.

// The pointer in world units under the camera object's view, wherever the camera stands.
Vector2 PointerInWorld(const std::shared_ptr<GameObject>& camera);

// Plays a menu sound on the object's Audio as a sound effect; nothing when it has none.
void PlayMenuSound(const std::shared_ptr<GameObject>& soundObject, const std::string& name);

// Shows frame on the object's sprite; nothing for a missing object or sprite.
void ShowButtonFrame(const std::shared_ptr<GameObject>& button, int frame);

class PictureButton {
public:
    // The pointer lies within the button's collider box, edges included.
    static bool Contains(const std::shared_ptr<GameObject>& button, const Vector2& pointer);

    // One frame of hover handling: sets the frame and plays "menu_select" on entry. Returns
    // whether the pointer is over the button.
    bool Hover(const std::shared_ptr<GameObject>& button, const Vector2& pointer,
               const std::shared_ptr<GameObject>& soundObject);
    // The left mouse button's press, used up when it counts.
    static bool Clicked();

    bool hovering = false;
};
