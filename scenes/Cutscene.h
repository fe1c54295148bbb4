#pragma once

#include "engine/Scene.h"

// Scene 2: the intro cutscene; leads into the level.
class Cutscene : public Scene {
public:
    explicit Cutscene(int id);
    ~Cutscene() override;

    void Init() override;
    void Update(float dt) override;
    void Load() override;
};
