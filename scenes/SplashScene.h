#pragma once

#include <memory>

#include "engine/Scene.h"

class GameObject;

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

    std::shared_ptr<GameObject> firstLogo;
    std::shared_ptr<GameObject> secondLogo;
    float firstTimer = 8.0f;
    float secondTimer = 6.0f;

private:
    void Finish();
    // The logo's sprite transparency; nullptr when the level lacks the logo or its sprite.
    static float* Alpha(const std::shared_ptr<GameObject>& logo);
};
