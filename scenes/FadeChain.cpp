#include "scenes/FadeChain.h"

#include <string>

#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"

FadeChain::FadeChain(std::vector<Step> steps_) : steps(std::move(steps_))
{
    Reset();
}

void FadeChain::Reset()
{
    pictures.clear();
    timers.clear();
    for (const Step& step : steps)
        timers.push_back(step.duration);
}

void FadeChain::FindPictures(const char* prefix, int count)
{
    pictures.clear();
    for (int i = 1; i <= count; ++i)
        pictures.push_back(FindObjectByName(prefix + std::to_string(i)));
}

std::shared_ptr<GameObject> FadeChain::Picture(int picture) const
{
    if (picture < 0 || static_cast<std::size_t>(picture) >= pictures.size())
        return nullptr;
    return pictures[static_cast<std::size_t>(picture)];
}

float* FadeChain::Alpha(int picture) const
{
    const std::shared_ptr<GameObject> object = Picture(picture);
    const std::shared_ptr<Sprite> sprite = object ? object->GetComponent<Sprite>() : nullptr;
    return sprite ? &sprite->transparency : nullptr;
}

void FadeChain::Update(float dt)
{
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const bool opened = i == 0 || timers[i - 1] <= 0.0f;
        if (!opened || !(timers[i] >= 0.0f))
            continue;
        if (float* out = Alpha(steps[i].fadingOut))
            *out -= steps[i].outRate * dt;
        if (float* in = Alpha(steps[i].fadingIn))
            *in += steps[i].inRate * dt;
        timers[i] -= dt;
    }
}
