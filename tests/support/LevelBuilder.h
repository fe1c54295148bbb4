#pragma once
// Builds small levels in memory for gameplay tests; a test saves them as the level file and
// plays them through the harness, so the files go through the real reader as well.
#include <memory>
#include <string>

class GameObject;

namespace testsupport {

// Appends a listed object; its parent name links it when the scene starts.
GameObject& AddLevelObject(const std::string& name, int objectType, const std::string& parent = "None");
void GiveTransform(GameObject& object, float x, float y, float z = 1.0f, float scaleX = 1.0f, float scaleY = 1.0f);
void GiveSprite(GameObject& object, const std::string& texture, int rows = 1, int columns = 1, float alpha = 1.0f);
// A Collider of that size and a Rigidbody: what the overlap test needs.
void GiveBox(GameObject& object, float width, float height);
void GiveAudio(GameObject& object, const std::string& name, bool sfx, bool looping = false);

// Everything the game controller and the player look up: the player at (0, 0) with his sprite,
// prompt, red screen and the four mouse zones, the torch, the camera (zoom 50) with the
// dialogue objects, the fade screen and the choice boxes, the picture, the controller with its
// music, and the death, door and world sounds.
void BuildPlayerRig();
// The pause menu's buttons and pictures as children of "Camera" (hidden), and "TBC".
void BuildPauseMenu();
// A wall (object type 11) centred at (x, y).
GameObject& AddWall(const std::string& name, float x, float y, float width, float height);
// A door named name at (x, y) and its target "<name>link" at (targetX, targetY).
GameObject& AddDoor(const std::string& name, float x, float y, float targetX, float targetY);

}  // namespace testsupport
