#pragma once

#include <memory>

#include "engine/Scene.h"
#include "scenes/PictureButton.h"

class GameObject;

// Scene 8: the game-over screen. Its pictures fade in; three buttons continue from the save,
// restart the first level or go back to the main menu.
class GameOver : public Scene {
public:
    explicit GameOver(int id);
    ~GameOver() override;

    void Init() override;
    void Update(float dt) override;
    void Load() override;

    std::shared_ptr<GameObject> camera;
    std::shared_ptr<GameObject> continueButton;
    std::shared_ptr<GameObject> restartButton;
    std::shared_ptr<GameObject> mainButton;
    std::shared_ptr<GameObject> sound;
    PictureButton continueHover;
    PictureButton restartHover;
    PictureButton mainHover;

private:
    // Darkens everything, raises the flag, lets go of the scene's objects and empties it.
    void Choose(bool& flag);
};
