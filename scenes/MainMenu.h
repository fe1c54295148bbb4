#pragma once

#include <memory>

#include "engine/Scene.h"
#include "scenes/PictureButton.h"

class GameObject;

// Scene 1: the title menu. Four picture buttons worked with the mouse (start, credits, how to
// play, quit) and two panels that Escape closes.
class MainMenu : public Scene {
public:
    explicit MainMenu(int id);
    ~MainMenu() override;

    void Init() override;
    void Update(float dt) override;
    void Load() override;

    std::shared_ptr<GameObject> camera;
    std::shared_ptr<GameObject> music;
    std::shared_ptr<GameObject> sound;
    std::shared_ptr<GameObject> startButton;
    std::shared_ptr<GameObject> creditsButton;
    std::shared_ptr<GameObject> quitButton;
    std::shared_ptr<GameObject> howToPlayButton;
    std::shared_ptr<GameObject> creditsPanel;
    std::shared_ptr<GameObject> howToPlayPanel;
    PictureButton start;
    PictureButton credits;
    PictureButton quit;
    PictureButton howToPlay;
    bool panelOpen = false;

private:
    // True when a button has emptied the scene.
    bool UpdateButtons();
    // Lets go of the scene's objects and empties the list.
    void Leave();
    void OpenPanel(const std::shared_ptr<GameObject>& panel);
};
