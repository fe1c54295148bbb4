#include "scenes/PictureButton.h"

#include "audio/Audio.h"
#include "engine/InputSystem.h"
#include "engine/KeyTable.h"
#include "engine/WindowSystem.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/Collider.h"

Vector2 PointerInWorld(const std::shared_ptr<GameObject>& camera)
{
    const float mouseX = gInputSystem ? static_cast<float>(gInputSystem->mouseX) : 0.0f;
    const float mouseY = gInputSystem ? static_cast<float>(gInputSystem->mouseY) : 0.0f;
    const float width = gWindowSystem ? static_cast<float>(gWindowSystem->width) : 1920.0f;
    const float height = gWindowSystem ? static_cast<float>(gWindowSystem->height) : 1080.0f;
    const std::shared_ptr<Transform> transform = camera ? camera->GetComponent<Transform>() : nullptr;
    Vector3 position;
    Vector3 scale(1.0f, 1.0f, 1.0f);
    if (transform) {
        position = transform->GetPosition();
        scale = transform->GetScale();
    }
    // A zero zoom shows nothing: treat it as no zoom rather than divide by it.
    if (scale.x == 0.0f)
        scale.x = 1.0f;
    if (scale.y == 0.0f)
        scale.y = 1.0f;
    // Screen offset from the centre in world units, added to where the camera looks.
    return Vector2(position.x + (mouseX - width * 0.5f) / scale.x,
                   position.y - (mouseY - height * 0.5f) / scale.y);
}

void PlayMenuSound(const std::shared_ptr<GameObject>& soundObject, const std::string& name)
{
    const std::shared_ptr<Audio> audio = soundObject ? soundObject->GetComponent<Audio>() : nullptr;
    if (!audio)
        return;
    audio->bgmOrSfx = true;
    audio->audioName = name;
    audio->Play();
}

void ShowButtonFrame(const std::shared_ptr<GameObject>& button, int frame)
{
    if (const std::shared_ptr<Sprite> sprite = button ? button->GetComponent<Sprite>() : nullptr)
        sprite->SetFrame(frame);
}

bool PictureButton::Contains(const std::shared_ptr<GameObject>& button, const Vector2& pointer)
{
    const std::shared_ptr<Collider> collider = button ? button->GetComponent<Collider>() : nullptr;
    if (!collider)
        return false;
    const Vector3 lo = collider->GetMin();
    const Vector3 hi = collider->GetMax();
    return lo.x <= pointer.x && pointer.x <= hi.x && lo.y <= pointer.y && pointer.y <= hi.y;
}

bool PictureButton::Hover(const std::shared_ptr<GameObject>& button, const Vector2& pointer,
                          const std::shared_ptr<GameObject>& soundObject)
{
    if (!Contains(button, pointer)) {
        ShowButtonFrame(button, 0);
        hovering = false;
        return false;
    }
    if (!hovering) {
        PlayMenuSound(soundObject, "menu_select");
        hovering = true;
    }
    ShowButtonFrame(button, 1);
    return true;
}

bool PictureButton::Clicked()
{
    return gInputSystem && gInputSystem->IsKeyTriggered(Framework::Keys::MouseLeft);
}
