#pragma once

#include "engine/Scene.h"

// Scene 12, the path-finding test: builds its own grid, player and agents in Init instead of
// loading a file, and keeps its objects when it is left.
class LevelPTHFD : public Scene {
public:
    explicit LevelPTHFD(int id);
    ~LevelPTHFD() override;

    void Init() override;
    void Update(float dt) override;
    void Unload() override;
};
