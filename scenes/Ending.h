#pragma once

#include "engine/Scene.h"
#include "scenes/FadeChain.h"

// Scene 9: the ending, fourteen pictures cross-fading; the last one rises to its mark, the music
// fades out and so does the picture. It reads no key, so it cannot be skipped.
class Ending : public Scene {
public:
    // Seconds after the chain has run out by which the last picture must have begun its final
    // fade; a picture that cannot rise (a broken level) would otherwise hold the ending for ever.
    static constexpr float kWatchdogSeconds = 40.0f;
    static constexpr float kMarkY = 90.0f;

    explicit Ending(int id);
    ~Ending() override;

    void Init() override;
    void Update(float dt) override;
    void Load() override;

    FadeChain chain;
    bool finalFade = false;
    float sinceChainEnded = 0.0f;

private:
    void StartFinalFade();
    void Finish();
};
