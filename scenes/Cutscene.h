#pragma once

#include "engine/Scene.h"
#include "scenes/FadeChain.h"

// Scene 2: the intro, eight pictures cross-fading for about 26 s. Escape skips it at any moment.
class Cutscene : public Scene {
public:
    explicit Cutscene(int id);
    ~Cutscene() override;

    void Init() override;
    void Update(float dt) override;
    void Load() override;

    FadeChain chain;

private:
    void Finish();
};
