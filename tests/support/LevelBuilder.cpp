#include "support/LevelBuilder.h"

#include "audio/Audio.h"
#include "gameplay/GameController.h"
#include "gameplay/PlayerBehaviour.h"
#include "graphics/LightSource.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "physics/Rigidbody.h"

namespace testsupport {

namespace {
template <class T>
void Give(GameObject& object, std::shared_ptr<T> component)
{
    component->SetOwner(&object);
    object.components.push_back(component);
}
}  // namespace

GameObject& AddLevelObject(const std::string& name, int objectType, const std::string& parent)
{
    auto object = std::make_shared<GameObject>(name, objectType, gObjectIdCounter);
    object->parentName = parent;
    AddObject(object);
    return *object;
}

void GiveTransform(GameObject& object, float x, float y, float z, float scaleX, float scaleY)
{
    Give(object, std::make_shared<Transform>(x, y, z, scaleX, scaleY));
}

void GiveSprite(GameObject& object, const std::string& texture, int rows, int columns, float alpha)
{
    auto sprite = std::make_shared<Sprite>(texture);
    sprite->numRows = rows;
    sprite->numColumns = columns;
    sprite->frameCount = rows * columns;
    sprite->transparency = alpha;
    Give(object, sprite);
}

void GiveBox(GameObject& object, float width, float height)
{
    Give(object, std::make_shared<Collider>(Vector2(width, height)));
    Give(object, std::make_shared<Rigidbody>(1.0f));
}

void GiveAudio(GameObject& object, const std::string& name, bool sfx, bool looping)
{
    auto audio = std::make_shared<Audio>();
    audio->audioName = name;
    audio->bgmOrSfx = sfx;
    audio->looping = looping;
    audio->loopText = looping ? "True" : "False";
    Give(object, audio);
}

void BuildPlayerRig()
{
    GameObject& camera = AddLevelObject("Camera", 10);
    GiveTransform(camera, 0.0f, 0.0f, 0.0f, 50.0f, 50.0f);
    Give(camera, std::make_shared<Collider>(Vector2(1920.0f, 1080.0f)));
    const struct {
        const char* name;
        const char* texture;
        int columns;
        float y;
        float alpha;
    } screen[] = {
        {"ChatBox", "DialogueBox.png", 1, -8.0f, 0.0f},     {"TextBox", "TextBox_4x3.png", 3, -8.0f, 0.0f},
        {"PlayerPortrait", "Portraits_1x2.png", 2, -8.0f, 0.0f}, {"FadeScreen", "Empty_1x1.png", 1, 0.0f, 1.0f},
        {"YesSelect", "YesSelect_1x2.png", 2, -6.0f, 0.0f},  {"NoSelect", "NoSelect_1x2.png", 2, -6.0f, 0.0f},
    };
    for (const auto& item : screen) {
        GameObject& object = AddLevelObject(item.name, 17, "Camera");
        GiveTransform(object, 0.0f, item.y, 3.9f, 10.0f, 4.0f);
        GiveSprite(object, item.texture, 1, item.columns, item.alpha);
    }

    GameObject& player = AddLevelObject("Player", 0);
    GiveTransform(player, 0.0f, 0.0f, 1.0f);
    GiveBox(player, 0.8f, 1.2f);
    GiveAudio(player, "default_footstep1", true);
    Give(player, std::make_shared<PlayerBehaviour>());

    GameObject& sprite = AddLevelObject("PlayerSprite", 0, "Player");
    GiveTransform(sprite, 0.0f, 0.0f, 1.0f, 1.0f, 1.5f);
    GiveSprite(sprite, "Father_21x6.png", 21, 6);
    GameObject& prompt = AddLevelObject("PlayerE", 17, "Player");
    GiveTransform(prompt, 0.0f, 1.2f, 1.5f, 0.5f, 0.5f);
    GiveSprite(prompt, "PlayerE.png", 1, 1, 0.0f);
    GameObject& red = AddLevelObject("RedScreen", 17, "Player");
    GiveTransform(red, 0.0f, 0.0f, 3.8f, 38.4f, 21.6f);
    GiveSprite(red, "Empty_1x1.png", 1, 1, 0.0f);

    // Mouse zones: up and down between x -6 and 6, left and right beyond.
    const struct {
        const char* name;
        float x, y, width, height;
    } zones[] = {
        {"DirectionUp", 0.0f, 5.5f, 12.0f, 11.0f},
        {"DirectionDown", 0.0f, -5.5f, 12.0f, 11.0f},
        {"DirectionLeft", -13.0f, 0.0f, 14.0f, 22.0f},
        {"DirectionRight", 13.0f, 0.0f, 14.0f, 22.0f},
    };
    for (const auto& zone : zones) {
        GameObject& object = AddLevelObject(zone.name, 3, "Player");
        GiveTransform(object, zone.x, zone.y);
        Give(object, std::make_shared<Collider>(Vector2(zone.width, zone.height)));
    }

    GameObject& torch = AddLevelObject("Torch", 1);
    GiveTransform(torch, -0.7f, -0.5f, 1.1f);
    torch.GetComponent<Transform>()->mouseTracking = true;
    auto light = std::make_shared<LightSource>(0.5f);
    light->Position = Vector3(0.0f, 0.0f, 1.0f);
    Give(torch, light);
    GiveAudio(torch, "torch_click", true);

    GameObject& controller = AddLevelObject("GameController", 4);
    GiveTransform(controller, 0.0f, 0.0f, 0.0f);
    Give(controller, std::make_shared<GameController>());
    GiveAudio(controller, "bgm1", false, true);

    GameObject& image = AddLevelObject("DisplayImage", 17);
    GiveTransform(image, 0.0f, -20.0f, 3.85f, 20.0f, 15.0f);
    GiveSprite(image, "Note.png", 1, 1, 0.0f);

    GiveAudio(AddLevelObject("DeathAudio", 7), "death", true);
    GiveAudio(AddLevelObject("DoorAudio", 7), "door_open", true);
    GiveAudio(AddLevelObject("WorldSFX", 7), "paper", true);
}

void BuildPauseMenu()
{
    // World units under the rig's camera (zoom 50): the buttons stand in a column at the centre.
    const struct {
        const char* name;
        const char* texture;
        int columns;
        float y;
        bool box;
    } items[] = {
        {"ResumeGame", "ButtonResume_1x2.png", 2, 3.0f, true}, {"HowToPlay", "ButtonHTP_1x2.png", 2, 0.0f, true},
        {"QuitGame", "ButtonQuit_1x2.png", 2, -3.0f, true},    {"Yes", "ButtonYes_1x2.png", 2, -4.0f, true},
        {"No", "ButtonNo_1x2.png", 2, -7.0f, true},            {"HTP", "HTP.png", 1, 0.0f, false},
        {"AreYouSure", "AreYouSure.png", 1, 2.0f, false},
    };
    for (const auto& item : items) {
        GameObject& object = AddLevelObject(item.name, 17, "Camera");
        GiveTransform(object, 0.0f, item.y, 0.0f, 8.0f, 2.0f);
        GiveSprite(object, item.texture, 1, item.columns, 0.0f);
        if (item.box)
            Give(object, std::make_shared<Collider>(Vector2(8.0f, 2.0f)));
    }
    GiveTransform(AddLevelObject("TBC", 17), 0.0f, 0.0f, 0.0f);
}

GameObject& AddWall(const std::string& name, float x, float y, float width, float height)
{
    GameObject& wall = AddLevelObject(name, 11);
    GiveTransform(wall, x, y, 0.5f, width, height);
    GiveBox(wall, width, height);
    return wall;
}

GameObject& AddDoor(const std::string& name, float x, float y, float targetX, float targetY)
{
    GameObject& door = AddLevelObject(name, 14);
    GiveTransform(door, x, y, 0.5f);
    GiveBox(door, 1.0f, 1.0f);
    GameObject& link = AddLevelObject(name + "link", 4);
    GiveTransform(link, targetX, targetY, 0.0f);
    return door;
}

}  // namespace testsupport
