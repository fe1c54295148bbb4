#include "scenes/SplashScene.h"

#include "engine/Camera.h"
#include "engine/InputSystem.h"
#include "engine/KeyTable.h"
#include "engine/SceneRequests.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/ObjectList.h"

SplashScene::SplashScene(int id) : Scene(id) {}

SplashScene::~SplashScene() = default;

void SplashScene::Load()
{
    ReadLevel("SplashScreen", "../resources/level/SplashScreen.txt");
}

void SplashScene::Init()
{
    gCamera->Update();
    InitObjects();
    firstLogo = FindObjectByName("SchoolLogo");
    secondLogo = FindObjectByName("Tallowin");
    HideColliderOutlines();
}

float* SplashScene::Alpha(const std::shared_ptr<GameObject>& logo)
{
    if (!logo)
        return nullptr;
    auto sprite = logo->GetComponent<Sprite>();
    return sprite ? &sprite->transparency : nullptr;
}

void SplashScene::Finish()
{
    gSplashFinished = true;
    // The logos' sprites go with the list; nothing of them may be reached afterwards.
    firstLogo.reset();
    secondLogo.reset();
    DestroyAll();
}

void SplashScene::Update(float dt)
{
    // A level without a logo still runs its timers; the missing picture just is not faded.
    float unused1 = 0.0f;
    float unused2 = 0.0f;
    float* alpha1 = Alpha(firstLogo);
    float* alpha2 = Alpha(secondLogo);
    if (!alpha1)
        alpha1 = &unused1;
    if (!alpha2)
        alpha2 = &unused2;

    // The phases follow from the two timers; each test sees what the tests before it left.
    if (firstTimer >= 3.0f) {  // first logo held
        *alpha1 = 1.0f;
        firstTimer -= dt;
    }
    if (firstTimer >= 0.0f && firstTimer < 3.0f) {  // first logo fades out
        *alpha1 -= 0.5f * dt;
        firstTimer -= dt;
    }
    if (secondTimer >= 3.0f && firstTimer <= 0.0f) {  // second logo fades in
        *alpha2 += 0.5f * dt;
        secondTimer -= dt;
    }
    if (secondTimer <= 3.0f) {  // second logo fades out; Escape may skip from here on
        *alpha2 -= 0.6f * dt;
        const bool skipped = gInputSystem->IsKeyTriggered(Framework::Keys::Escape);
        secondTimer -= dt;
        if (skipped) {
            Finish();
            return;  // alpha1 and alpha2 point into freed sprites now
        }
    }
    if (*alpha2 <= 0.0f && secondTimer <= 0.0f) {
        Finish();
        return;
    }

    UpdateObjects(dt);
}
