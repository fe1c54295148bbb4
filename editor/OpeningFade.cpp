#include "editor/OpeningFade.h"

#include "gameplay/GameController.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"

namespace {
std::shared_ptr<Sprite> PictureOf(const std::shared_ptr<GameObject>& object)
{
    return object ? object->GetComponent<Sprite>() : nullptr;
}
}  // namespace

void OpeningFade::Hide(const std::vector<std::shared_ptr<GameObject>>& objects)
{
    fade.reset();
    for (const std::shared_ptr<GameObject>& object : objects) {
        const auto controller = object ? object->GetComponent<GameController>() : nullptr;
        const auto picture = controller ? PictureOf(controller->fadeScreen) : nullptr;
        if (!picture)
            continue;
        fade = controller->fadeScreen;
        setUpAlpha = picture->transparency;
        picture->transparency = 0.0f;
        return;
    }
}

void OpeningFade::Restore()
{
    const auto picture = PictureOf(fade.lock());
    if (picture && picture->transparency == 0.0f)
        picture->transparency = setUpAlpha;
}
