#include "scenes/GameOver.h"

#include "audio/Audio.h"
#include "audio/AudioSystem.h"
#include "engine/Camera.h"
#include "engine/SceneRequests.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/ObjectList.h"

GameOver::GameOver(int id) : Scene(id) {}

GameOver::~GameOver() = default;

void GameOver::Load()
{
    ReadLevel("GameOver", "../resources/level/GameOver.txt");
}

void GameOver::Init()
{
    gCamera->Update();
    InitObjects();
    camera = FindObjectByName("Camera");
    continueButton = FindObjectByName("ButtonContinue");
    restartButton = FindObjectByName("ButtonRestart");
    mainButton = FindObjectByName("ButtonMain");
    sound = FindObjectByName("WorldSFX");
    HideColliderOutlines();
    continueHover = restartHover = mainHover = PictureButton();
    // Whatever the level left playing ends here.
    if (gAudioSystem)
        gAudioSystem->StopAll();
    PlayMenuSound(sound, "game_overPlaceHolder");
}

void GameOver::Choose(bool& flag)
{
    for (const std::shared_ptr<GameObject>& object : gGameObjects) {
        if (const std::shared_ptr<Sprite> sprite = object ? object->GetComponent<Sprite>() : nullptr)
            sprite->transparency = 0.0f;
    }
    flag = true;
    camera.reset();
    continueButton.reset();
    restartButton.reset();
    mainButton.reset();
    sound.reset();
    DestroyAll();
}

void GameOver::Update(float dt)
{
    // Every picture fades in at 0.2 a second; past 1 it simply stays opaque.
    for (const std::shared_ptr<GameObject>& object : gGameObjects) {
        if (const std::shared_ptr<Sprite> sprite = object ? object->GetComponent<Sprite>() : nullptr)
            sprite->transparency += 0.2f * dt;
    }
    UpdateObjects(dt);

    // A choice empties the scene: no button after it is looked at.
    const Vector2 pointer = PointerInWorld(camera);
    if (continueHover.Hover(continueButton, pointer, sound) && PictureButton::Clicked())
        return Choose(gContinueGame);
    if (restartHover.Hover(restartButton, pointer, sound) && PictureButton::Clicked())
        return Choose(gNewGame);
    if (mainHover.Hover(mainButton, pointer, sound) && PictureButton::Clicked())
        return Choose(gGameOverToMenu);
}
