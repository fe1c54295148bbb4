#pragma once

#include <memory>
#include <string>

class GameController;
class GameObject;

// What every examine spot and save point shares: the overlap of its object with the player,
// the interact prompt that follows it, and the rule that the interact press is not taken
// while the player is locked in something else.
class PlayerReach
{
public:
    // True while object overlaps the player; false when either is missing.
    static bool Overlaps(const GameObject* object, const std::shared_ptr<GameObject>& player);

    // Overlaps, plus the prompt: switched on when the overlap starts and off when it ends.
    // promptShown is the caller's own record of having switched it on.
    static bool UpdatePrompt(const std::string& who, const GameObject* object,
                             const std::shared_ptr<GameObject>& player, bool& promptShown);

    // The interact press, only while the player is free: a press made while he is locked
    // belongs to whatever locked him. Nothing without a controller to open the box.
    static bool InteractPressed(const std::shared_ptr<GameController>& controller, const std::string& action);
};
