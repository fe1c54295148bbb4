#pragma once

#include <string>

#include "engine/Scene.h"

// Scene 3, the game proper: the first level or the save file, every component run each frame.
class Level : public Scene {
public:
    explicit Level(int id);
    ~Level() override;

    void Init() override;
    void Update(float dt) override;
    // Level1 for a new game or a plain start, the save file to continue; then the path-finding
    // tables are rebuilt for what was read.
    void Load() override;

    std::string levelPath = "../resources/level/Level1.txt";
    std::string savePath = "../resources/save/SaveData.txt";
};
