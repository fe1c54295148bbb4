#include "ai/BearAI.h"

#include <imgui.h>

#include <cmath>
#include <ostream>

#include "ai/SavedField.h"
#include "audio/Audio.h"
#include "editor/FieldOwner.h"
#include "editor/ValueFields.h"
#include "engine/FrameSteps.h"
#include "gameplay/GameController.h"
#include "gameplay/LookUp.h"
#include "gameplay/ObjectParts.h"
#include "graphics/LightSource.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"
#include "objects/Transform.h"
#include "physics/Physics.h"

namespace {
const char* const kWho = "BearAI";
}  // namespace

BearAI::BearAI() : EnemyAIBase(kTypeId)
{
}

void BearAI::Init()
{
    typeId = kTypeId;
    mOwnerObject = GetOwner();
    mTorch = FindRequired(kWho, "Torch");
    mPlayer = FindRequired(kWho, "Player");
    mTeddyDetector = FindRequired(kWho, "TeddyDetector");
    mGameController = FindRequired(kWho, "GameController");
    if (const std::shared_ptr<Sprite> sprite = SpriteOf(mOwnerObject))
        sprite->UpdateUV();
}

std::shared_ptr<GameController> BearAI::Controller() const
{
    return mGameController ? mGameController->GetComponent<GameController>() : nullptr;
}

void BearAI::Flicker(bool on, float lit, float dark) const
{
    const std::shared_ptr<GameController> controller = Controller();
    const std::shared_ptr<LightSource> light = mTorch ? mTorch->GetComponent<LightSource>() : nullptr;
    if (controller && light)
        controller->TorchSpark(light, on, lit, dark);
}

void BearAI::ShowFrame(int frame) const
{
    if (const std::shared_ptr<Sprite> sprite = SpriteOf(mOwnerObject)) {
        sprite->SetFrame(frame);
        sprite->animationCount = 0;
    }
}

void BearAI::EnterBand(bool& band)
{
    mInFarBand = false;
    mInMiddleBand = false;
    mInNearBand = false;
    band = true;
}

void BearAI::Behave(float dt)
{
    // The pattern repeats every hundred; kept within it, the count never grows too large to step.
    mFrameCounter = std::fmod(mFrameCounter + Framework::FramesWorth(dt), 100.0f);
    const int frame = static_cast<int>(mFrameCounter);
    if (mAttacking || !mOwnerObject || !mPlayer || !mTeddyDetector)
        return;
    if (!Framework::Physics::CheckCollision(mPlayer, mTeddyDetector))
        return;
    const std::shared_ptr<Transform> own = mOwnerObject->GetComponent<Transform>();
    const std::shared_ptr<Transform> player = mPlayer->GetComponent<Transform>();
    if (!own || !player)
        return;
    const float dx = own->position.x - player->position.x;
    const float dy = own->position.y - player->position.y;
    const float d2 = dx * dx + dy * dy;
    // Nearest first; each band includes its edge.
    if (d2 <= mTriggerDistance3 * mTriggerDistance3) {
        if (!mInNearBand)
            EnterBand(mInNearBand);
        if (frame <= 70)
            Flicker(true, 0.4f, 0.8f);
        else
            Flicker(true, 0.5f, 0.3f);
        ShowFrame(2);
        if (!mNearSoundPlayed) {
            if (const std::shared_ptr<Audio> growl = mOwnerObject->GetComponent<Audio>())
                growl->Play();
            mNearSoundPlayed = true;
        }
    } else if (d2 <= mTriggerDistance2 * mTriggerDistance2) {
        if (!mInMiddleBand)
            EnterBand(mInMiddleBand);
        if (frame <= 50)
            Flicker(true, 0.6f, 0.4f);
        else
            Flicker(true, 1.0f, 0.3f);
        ShowFrame(1);
        mNearSoundPlayed = false;
    } else if (d2 <= mTriggerDistance1 * mTriggerDistance1) {
        if (!mInFarBand) {
            EnterBand(mInFarBand);
            // Only coming into the far band calms the torch.
            Flicker(false, 1.5f, 0.5f);
        }
        ShowFrame(0);
        mNearSoundPlayed = false;
    }
}

void BearAI::Update(float dt)
{
    (void)dt;
    const std::shared_ptr<Sprite> sprite = SpriteOf(mOwnerObject);
    if (!mOwnerObject || !sprite)
        return;
    if (!mAttacking && mPlayer && Framework::Physics::CheckCollision(*mOwnerObject, *mPlayer)) {
        if (const std::shared_ptr<GameController> controller = Controller())
            controller->LockPlayer(true);
        sprite->animationCount = kAttackFrames;
        sprite->animateFlag = true;
        mAttacking = true;
    }
    if (mAttacking && sprite->currentFrame > kLastLungeFrame) {
        sprite->animateFlag = false;
        sprite->transparency = 0.0f;
        if (!mKilled) {
            if (const std::shared_ptr<GameController> controller = Controller())
                controller->Die();
            mKilled = true;
        }
    }
}

std::shared_ptr<Component> BearAI::Clone() const
{
    return std::make_shared<BearAI>(*this);
}

void BearAI::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteString(stream, "mTriggerDistance1");
    WriteFloat(stream, mTriggerDistance1);
    WriteString(stream, "mTriggerDistance2");
    WriteFloat(stream, mTriggerDistance2);
    WriteString(stream, "mTriggerDistance3");
    WriteFloat(stream, mTriggerDistance3);
}

void BearAI::Deserialize(std::istream& stream)
{
    ReadSavedField(stream, mTriggerDistance1) && ReadSavedField(stream, mTriggerDistance2) &&
        ReadSavedField(stream, mTriggerDistance3);
}

void BearAI::Inspector(int id)
{
    if (!FieldOwner::PanelHeader("Bear AI"))
        return;
    ImGui::Spacing();
    ImGui::Text("Bear AI ID #%d", id);
    ImGui::Text("Please Attach BasicAI Component as well");
    ImGui::Spacing();
    ImGui::PushItemWidth(0.7f * ImGui::GetContentRegionAvail().x);
    ValueFields::InputFloat("Farthest Trigger Distance", &mTriggerDistance1, 0.0f, 0.0f, "%f");
    ValueFields::InputFloat("Middle Trigger Distance", &mTriggerDistance2, 0.0f, 0.0f, "%f");
    ValueFields::InputFloat("Nearest Trigger Distance", &mTriggerDistance3, 0.0f, 0.0f, "%f");
    ImGui::PopItemWidth();
}
