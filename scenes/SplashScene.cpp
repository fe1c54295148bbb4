#include "scenes/SplashScene.h"

#include "engine/Camera.h"
#include "engine/InputSystem.h"
#include "engine/KeyTable.h"
#include "engine/SceneRequests.h"
#include "objects/LevelFile.h"
#include "objects/ObjectList.h"

SplashScene::SplashScene(int id) : Scene(id) {}

SplashScene::~SplashScene() = default;

void SplashScene::Load()
{
    LoadLevel("SplashScreen", "../resources/level/SplashScreen.txt");
}

void SplashScene::Init()
{
    gCamera->Update();
    InitObjects();
}

void SplashScene::Finish()
{
    gSplashFinished = true;
    DestroyAll();
}

void SplashScene::Update(float dt)
{
    // The phases follow from the two timers; each test sees what the tests before it left.
    if (firstTimer >= 3.0f)  // first logo held
        firstTimer -= dt;
    if (firstTimer >= 0.0f && firstTimer < 3.0f)  // first logo fades out
        firstTimer -= dt;
    if (secondTimer >= 3.0f && firstTimer <= 0.0f)  // second logo fades in
        secondTimer -= dt;
    if (secondTimer <= 3.0f) {  // second logo fades out; Escape may skip from here on
        if (gInputSystem->IsKeyTriggered(Framework::Keys::Escape))
            Finish();
        secondTimer -= dt;
    }
    if (secondTimer <= 0.0f && !gSplashFinished)
        Finish();

    UpdateObjects(dt);
}
