#pragma once

#include "engine/Scene.h"

// Scene 9: the ending sequence; leads back to the main menu.
class Ending : public Scene {
public:
    explicit Ending(int id);
    ~Ending() override;

    void Init() override;
    void Update(float dt) override;
    void Load() override;
};
