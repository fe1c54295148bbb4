#include "ai/LatchingAI.h"

#include <imgui.h>

#include <iostream>

#include "ai/SavedField.h"
#include "editor/FieldOwner.h"
#include "editor/ValueFields.h"
#include "engine/InputSystem.h"
#include "gameplay/GameController.h"
#include "gameplay/LookUp.h"
#include "gameplay/ObjectParts.h"
#include "gameplay/PlayerBehaviour.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"
#include "objects/Transform.h"

namespace {
void Freeze(const std::shared_ptr<GameObject>& player, bool freeze)
{
    if (player)
        if (const std::shared_ptr<PlayerBehaviour> behaviour = player->GetComponent<PlayerBehaviour>())
            behaviour->SetFrozen(freeze);
}

const char* const kWho = "LatchingAI";
}  // namespace

LatchingAI::LatchingAI() : EnemyAIBase(kTypeId)
{
}

void LatchingAI::Init()
{
    typeId = kTypeId;
    mPlayer = FindRequired(kWho, "Player");
    mPlayerSprite = FindRequired(kWho, "PlayerSprite");
    mGameController = FindRequiredComponent<GameController>(kWho, "GameController", "GameController");
}

void LatchingAI::Latch()
{
    StopMoving(mPlayer);
    GameObject* owner = GetOwner();
    if (owner) {
        StopMoving(owner);
        if (const std::shared_ptr<Sprite> sprite = owner->GetComponent<Sprite>()) {
            sprite->transparency = 0.0f;
            sprite->lightAffected = false;
        }
    }
    if (Latched)
        return;
    ShowPlayerFrame(kLatchedFrame, 0, false);
    Freeze(mPlayer, true);
    Timer = TimeToShake;
    Latched = true;
    MashCount = 0;
}

void LatchingAI::Update(float dt)
{
    if (Latched) {
        Timer -= dt;
        if (Timer <= 0.0f && !mDead)
            Kill();
        if (mDead) {
            StopMoving(mPlayer);
        } else if (PressedThisFrame()) {
            const std::shared_ptr<Sprite> sprite = SpriteOf(mPlayerSprite);
            const bool onA = sprite && sprite->startFrame == kStruggleFrameA;
            ShowPlayerFrame(onA ? kStruggleFrameB : kStruggleFrameA, 0, false);
            ++MashCount;
        }
        if (!mDead && MashCount >= BreakFreeCount)
            BreakFree();
    }
    if (mBreakingFree && mPlayerSprite) {
        const std::shared_ptr<Sprite> sprite = SpriteOf(mPlayerSprite);
        if (sprite && sprite->currentFrame == kFreedFrame) {
            mBreakingFree = false;
            Freeze(mPlayer, false);
            ShowPlayerFrame(0, 4, sprite->animateFlag);
        }
    }
}

bool LatchingAI::PressedThisFrame() const
{
    if (!gInputSystem)
        return false;
    // One press counts per frame: the keys after the first pressed one are not asked.
    for (const int key : kMashKeys)
        if (gInputSystem->IsKeyTriggered(key))
            return true;
    // The interact key is only ours while no dialogue or picture holds the player.
    if (mGameController && !mGameController->playerLocked)
        return ActionPressed(mGameController->GetInteractAction());
    return false;
}

void LatchingAI::ShowPlayerFrame(int frame, int count, bool animate)
{
    const std::shared_ptr<Sprite> sprite = SpriteOf(mPlayerSprite);
    if (!sprite)
        return;
    sprite->SetFrame(frame);
    sprite->animationCount = count;
    sprite->animateFlag = animate;
}

void LatchingAI::Kill()
{
    std::cout << "death" << std::endl;
    mDead = true;
    // The death locks the player (which stops his animation), so the death frames come after.
    if (mGameController)
        mGameController->Die();
    ShowPlayerFrame(kDeathFrame, 5, true);
}

void LatchingAI::BreakFree()
{
    ShowPlayerFrame(kBreakFreeFrame, 3, true);
    Latched = false;
    Timer = 0.0f;
    MashCount = 0;
    mBreakingFree = true;
    if (GameObject* owner = GetOwner())
        if (const std::shared_ptr<Transform> transform = owner->GetComponent<Transform>())
            transform->SetPosition(Vector2(10000.0f, 10000.0f));
}

std::shared_ptr<Component> LatchingAI::Clone() const
{
    return std::make_shared<LatchingAI>(*this);
}

void LatchingAI::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteString(stream, "TimeToShake");
    WriteFloat(stream, TimeToShake);
    WriteString(stream, "Timer");
    WriteFloat(stream, Timer);
    WriteString(stream, "Latched");
    stream << (Latched ? 1 : 0) << '\n';
    WriteString(stream, "MashCount");
    stream << MashCount << '\n';
    WriteString(stream, "BreakFreeCount");
    stream << BreakFreeCount << '\n';
}

void LatchingAI::Deserialize(std::istream& stream)
{
    ReadSavedField(stream, TimeToShake) && ReadSavedField(stream, Timer) && ReadSavedField(stream, Latched) &&
        ReadSavedField(stream, MashCount) && ReadSavedField(stream, BreakFreeCount);
}

void LatchingAI::Inspector(int id)
{
    if (!FieldOwner::PanelHeader("Latching AI"))
        return;
    ImGui::Spacing();
    ImGui::Text("Latching AI ID #%d", id);
    ImGui::Text("Please Attach BasicAI Component as well");
    ImGui::Spacing();
    ImGui::PushItemWidth(0.7f * ImGui::GetContentRegionAvail().x);
    ValueFields::InputFloat("Shake Duration", &TimeToShake, 0.0f, 0.0f, "%f");
    ValueFields::InputInt("Break Free Counter", &BreakFreeCount, 1, 100);
    ImGui::PopItemWidth();
}
