#pragma once
#include <string>

#include "engine/Scene.h"

// Scene 5, the level editor: opens the level named levelName into the object list. In editing
// mode the game's scripts stand still (F11 held runs them); F12 switches to play mode, in which
// every component runs as in the game.
class Editor : public Scene {
public:
    explicit Editor(int id);
    ~Editor() override;

    void Init() override;
    void Update(float dt) override;
    void Load() override;
    void Unload() override;

    std::string LevelPath() const;

    // The interface's named keys under the Windows virtual-key codes that the window system
    // records key state with.
    static void SetupImGuiKeyMap();

    std::string levelName = "Level1";
    bool playMode = false;
};
