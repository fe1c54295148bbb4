#pragma once

#include "engine/Scene.h"

// Scene 0, the first of every run: two logos one after the other, each on its own countdown.
// Escape skips only from the second logo's fade-out on. The timers are set at construction
// only, so the splash plays once per run.
class SplashScene : public Scene {
public:
    explicit SplashScene(int id);
    ~SplashScene() override;

    void Init() override;
    void Update(float dt) override;
    void Load() override;

    float firstTimer = 8.0f;
    float secondTimer = 6.0f;

private:
    void Finish();
};
