#pragma once
#include <memory>
#include <vector>

class GameObject;

// The game controller's fade picture ("FadeScreen") covers the whole view, black, until the game
// fades the level in. The editor shows the level as it looks once faded in: the set-up's black is
// cleared while editing and handed back when play starts, so a run still opens with its fade.
class OpeningFade {
public:
    // After the objects' Init: finds the controller's fade and clears it.
    void Hide(const std::vector<std::shared_ptr<GameObject>>& objects);
    // Play starts: the fade gets back the alpha its set-up gave it, unless it was changed since.
    void Restore();

private:
    std::weak_ptr<GameObject> fade;
    float setUpAlpha = 0.0f;
};
