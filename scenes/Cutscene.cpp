#include "scenes/Cutscene.h"

#include "engine/Camera.h"
#include "engine/InputSystem.h"
#include "engine/KeyTable.h"
#include "engine/SceneRequests.h"
#include "objects/LevelFile.h"
#include "objects/ObjectList.h"

Cutscene::Cutscene(int id) : Scene(id) {}

Cutscene::~Cutscene() = default;

void Cutscene::Load()
{
    LoadLevel("Cutscene", "../resources/level/Cutscene.txt");
}

void Cutscene::Init()
{
    gCamera->Update();
    InitObjects();
}

void Cutscene::Update(float dt)
{
    // Escape skips the cutscene from its first frame on.
    if (gInputSystem->IsKeyTriggered(Framework::Keys::Escape)) {
        gCutsceneFinished = true;
        DestroyAll();
    }
    UpdateObjects(dt);
}
