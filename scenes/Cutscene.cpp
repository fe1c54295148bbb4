#include "scenes/Cutscene.h"

#include "audio/Audio.h"
#include "audio/AudioSystem.h"
#include "engine/Camera.h"
#include "engine/InputSystem.h"
#include "engine/KeyTable.h"
#include "engine/SceneRequests.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/ObjectList.h"

namespace {
std::vector<FadeChain::Step> IntroSteps()
{
    // Picture indices 0..7 are Frame1..Frame8.
    return {
        {3.0f, -1, 0.0f, 0, 0.7f}, {3.0f, 0, 0.8f, 1, 0.7f}, {3.0f, 1, 0.8f, 2, 0.7f},
        {3.0f, 2, 0.8f, 3, 0.7f},  {3.0f, 3, 0.8f, 4, 0.7f}, {1.0f, 4, 3.0f, 5, 2.0f},
        {3.0f, 5, 0.8f, 6, 0.7f},  {3.0f, 6, 0.8f, 7, 0.7f}, {4.0f, 7, 0.8f, -1, 0.0f},
    };
}
}  // namespace

Cutscene::Cutscene(int id) : Scene(id), chain(IntroSteps()) {}

Cutscene::~Cutscene() = default;

void Cutscene::Load()
{
    ReadLevel("Cutscene", "../resources/level/Cutscene.txt");
}

void Cutscene::Init()
{
    gCamera->Update();
    InitObjects();
    chain.FindPictures("Frame", 8);
    HideColliderOutlines();
    const std::shared_ptr<GameObject> first = chain.Picture(0);
    if (const std::shared_ptr<Audio> audio = first ? first->GetComponent<Audio>() : nullptr)
        audio->Play();
}

void Cutscene::Finish()
{
    chain.Reset();
    gCutsceneFinished = true;
    DestroyAll();
    if (gAudioSystem)
        gAudioSystem->bgmGroup.Stop();
}

void Cutscene::Update(float dt)
{
    chain.Update(dt);
    // Escape skips from the first frame on.
    if (chain.Finished() || gInputSystem->IsKeyTriggered(Framework::Keys::Escape)) {
        Finish();
        return;
    }
    UpdateObjects(dt);
}
