#pragma once

#include "engine/Scene.h"

// Scene 1: the title menu.
class MainMenu : public Scene {
public:
    explicit MainMenu(int id);
    ~MainMenu() override;

    void Init() override;
    void Update(float dt) override;
    void Load() override;
};
