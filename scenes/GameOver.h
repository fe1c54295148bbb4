#pragma once

#include "engine/Scene.h"

// Scene 8: the game-over screen (continue from the save, restart, or the main menu).
class GameOver : public Scene {
public:
    explicit GameOver(int id);
    ~GameOver() override;

    void Init() override;
    void Update(float dt) override;
    void Load() override;
};
