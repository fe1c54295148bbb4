#pragma once

#include <memory>
#include <vector>

class GameObject;

// A chain of timed cross-fades between numbered pictures, as the intro and the ending play
// them. Step i runs while the step before it has run out (its timer at or below 0) and its own
// timer has not: it lowers one picture's alpha and raises the next one's, at fixed rates per
// second, unclamped. On the frame a timer runs out the next step already runs.
class FadeChain {
public:
    struct Step {
        float duration;
        int fadingOut;  // picture index, or -1
        float outRate;
        int fadingIn;   // picture index, or -1
        float inRate;
    };

    explicit FadeChain(std::vector<Step> steps);

    // Finds "<prefix>1" .. "<prefix>N" as the pictures.
    void FindPictures(const char* prefix, int count);
    void Update(float dt);
    // Every timer back to its full duration, and the pictures let go (the scene is over).
    void Reset();
    bool Finished() const { return !timers.empty() && timers.back() <= 0.0f; }

    // Alpha of a picture's sprite; null when the level lacks it (its fades are then skipped).
    float* Alpha(int picture) const;
    std::shared_ptr<GameObject> Picture(int picture) const;

    std::vector<Step> steps;
    std::vector<float> timers;
    std::vector<std::shared_ptr<GameObject>> pictures;
};
