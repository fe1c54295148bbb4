#include "scenes/Ending.h"

#include "audio/Audio.h"
#include "audio/AudioSystem.h"
#include "engine/Camera.h"
#include "engine/FrameSteps.h"
#include "engine/SceneRequests.h"
#include "engine/StepToward.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"

namespace {
constexpr int kLast = 13;  // Frame14
constexpr float kRisePerFrame = 0.1f;

std::vector<FadeChain::Step> EndingSteps()
{
    return {
        {1.0f, -1, 0.0f, 0, 2.0f},  {1.0f, 0, 2.5f, 1, 2.0f},   {1.0f, 1, 2.5f, 2, 2.0f},
        {1.0f, 2, 2.5f, 3, 2.0f},   {2.0f, 3, 1.5f, 4, 1.0f},   {3.0f, 4, 1.2f, 5, 0.7f},
        {3.0f, 5, 1.2f, 6, 0.7f},   {1.0f, 6, 2.5f, 7, 2.0f},   {2.0f, 7, 1.5f, 8, 1.0f},
        {3.0f, 8, 1.2f, 9, 0.7f},   {3.0f, 9, 1.2f, 10, 0.7f},  {3.0f, 10, 1.2f, 11, 0.7f},
        {5.0f, 11, 1.2f, 12, 0.7f}, {5.0f, 12, 1.2f, 13, 0.7f},
    };
}
}  // namespace

Ending::Ending(int id) : Scene(id), chain(EndingSteps()) {}

Ending::~Ending() = default;

void Ending::Load()
{
    ReadLevel("Ending", "../resources/level/Ending.txt");
}

void Ending::Init()
{
    gCamera->Update();
    InitObjects();
    chain.FindPictures("Frame", 14);
    const std::shared_ptr<GameObject> first = chain.Picture(0);
    if (const std::shared_ptr<Audio> audio = first ? first->GetComponent<Audio>() : nullptr)
        audio->Play();
}

void Ending::StartFinalFade()
{
    const std::shared_ptr<GameObject> first = chain.Picture(0);
    if (const std::shared_ptr<Audio> audio = first ? first->GetComponent<Audio>() : nullptr) {
        audio->fadeOutTime = 12.0f;
        audio->fadingOut = true;
    }
    finalFade = true;
}

void Ending::Finish()
{
    gEndingFinished = true;
    DestroyAll();
    if (gAudioSystem)
        gAudioSystem->bgmGroup.Stop();
    chain.Reset();
    finalFade = false;
    sinceChainEnded = 0.0f;
}

void Ending::Update(float dt)
{
    chain.Update(dt);

    const std::shared_ptr<GameObject> last = chain.Picture(kLast);
    const std::shared_ptr<Transform> transform = last ? last->GetComponent<Transform>() : nullptr;
    float* alpha = chain.Alpha(kLast);
    // A tenth of a unit for each sixtieth of a second, however long the frames are; uncapped, as
    // nothing stands in its way, so that the rise is over long before the watchdog's time. It
    // stops on the mark.
    if (alpha && transform && *alpha >= 1.0f && transform->position.y < kMarkY && dt > 0.0f)
        transform->SetPosition(Vector2(transform->position.x,
                                       Framework::StepToward(transform->position.y, kMarkY,
                                                             kRisePerFrame * (dt * Framework::kRuleFramesPerSecond))));
    if (transform && transform->position.y >= kMarkY && !finalFade)
        StartFinalFade();

    if (chain.Finished())
        sinceChainEnded += dt;
    if (!finalFade && sinceChainEnded >= kWatchdogSeconds)
        StartFinalFade();

    if (finalFade && alpha)
        *alpha -= 0.3f * dt;
    if (finalFade && (!alpha || *alpha <= 0.0f)) {
        Finish();
        return;
    }

    UpdateObjects(dt);
}
