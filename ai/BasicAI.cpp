#include "ai/BasicAI.h"

#include <imgui.h>

#include <ostream>

#include "ai/BearAI.h"
#include "ai/LatchingAI.h"
#include "ai/PathFindingSystem.h"
#include "ai/PatrollingAI.h"
#include "ai/SavedField.h"
#include "editor/FieldOwner.h"
#include "editor/ValueFields.h"
#include "gameplay/GameController.h"
#include "gameplay/LookUp.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"
#include "physics/Physics.h"
#include "physics/Rigidbody.h"

const std::string BasicAI::kNoRoom(1, '\0');

BasicAI::BasicAI() : EnemyAIBase(kTypeId)
{
}

void BasicAI::Init()
{
    typeId = kTypeId;
    mState = EnemyIdle;
    mPlayer = FindRequired(GetTypeName(), "Player");
    mTorch = FindRequired(GetTypeName(), "Torch");
    mPlayerRoom.clear();
    mGameController = FindRequiredComponent<GameController>(GetTypeName(), "GameController", "GameController");
}

void BasicAI::Update(float dt)
{
    mDeltaTime = dt;
    GameObject* owner = GetOwner();
    if (!owner || !owner->GetComponent<Rigidbody>())
        return;
    CatchPlayer();
    FindRooms();
    Dispatch();
}

void BasicAI::CatchPlayer()
{
    GameObject* owner = GetOwner();
    // A latching enemy's touch latches instead (LatchingAI).
    if (!mCatchArmed || mCaught || !mPlayer || !mGameController || owner->GetComponent<LatchingAI>())
        return;
    if (!Framework::Physics::CheckCollision(*owner, *mPlayer))
        return;
    mGameController->Die();
    mCaught = true;
}

void BasicAI::FindRooms()
{
    GameObject* owner = GetOwner();
    mEnemyTile = gPathFindingSystem ? gPathFindingSystem->FloorTileUnder(*owner) : nullptr;
    mPlayerTile = gPathFindingSystem && mPlayer ? gPathFindingSystem->FloorTileUnder(*mPlayer) : nullptr;

    mPlayerRoom = mPlayerTile ? mPlayerTile->name : kNoRoom;
    if (!mPlayerTile)
        mRoute.clear();
    if (!mEnemyTile) {
        mEnemyRoom = kNoRoom;
        mState = EnemyIdle;
        mRoute.clear();
        return;
    }
    mEnemyRoom = mEnemyTile->name;
    const bool sameRoom = mPlayerTile && Framework::PathFindingSystem::RoomKey(mEnemyRoom) ==
                                             Framework::PathFindingSystem::RoomKey(mPlayerRoom);
    mState = sameRoom ? EnemyStalking : mDefaultState;
    if (mPlayer && owner->GetComponent<LatchingAI>() && Framework::Physics::CheckCollision(*owner, *mPlayer))
        mState = EnemyLatch;
}

void BasicAI::Dispatch()
{
    GameObject* owner = GetOwner();
    if (const std::shared_ptr<PatrollingAI> patrol = owner->GetComponent<PatrollingAI>()) {
        patrol->Pace(mDeltaTime);
        return;
    }
    if (const std::shared_ptr<BearAI> bear = owner->GetComponent<BearAI>()) {
        bear->Behave(mDeltaTime);
        return;
    }
    switch (mState) {
    case EnemyPatrol:
        Patrol();
        break;
    case EnemyStalking:
        Stalk();
        break;
    case EnemyLatch:
        // Only a saved or edited default can bring state 10 to an enemy that cannot latch.
        if (const std::shared_ptr<LatchingAI> latch = owner->GetComponent<LatchingAI>())
            latch->Latch();
        else
            Stop();
        break;
    default:
        Stop();
        break;
    }
}

std::shared_ptr<Component> BasicAI::Clone() const
{
    return std::make_shared<BasicAI>(*this);
}

void BasicAI::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteString(stream, "StartPosition");
    WriteVec2(stream, StartPosition);
    WriteString(stream, "PaceSpeed");
    WriteFloat(stream, PaceSpeed);
    WriteString(stream, "PaceDistance");
    WriteFloat(stream, PaceDistance);
    WriteString(stream, "EnemyState");
    stream << mDefaultState << '\n';
}

void BasicAI::Deserialize(std::istream& stream)
{
    ReadSavedField(stream, StartPosition) && ReadSavedField(stream, PaceSpeed) &&
        ReadSavedField(stream, PaceDistance) && ReadSavedField(stream, mDefaultState);
}

void BasicAI::Inspector(int id)
{
    if (!FieldOwner::PanelHeader("Basic AI"))
        return;
    ImGui::Spacing();
    ImGui::Text("Basic AI ID #%d", id);
    ImGui::Spacing();
    ImGui::PushItemWidth(0.7f * ImGui::GetContentRegionAvail().x);
    float start[2] = {StartPosition.x, StartPosition.y};
    if (ValueFields::InputFloat2("Start Position", start, "%.1f"))
        StartPosition = Vector2(start[0], start[1]);
    ValueFields::InputFloat("Pace Speed", &PaceSpeed, 2.0f, 32.0f, "%f");
    ValueFields::InputFloat("Pace Distance", &PaceDistance, 2.0f, 32.0f, "%f");
    ImGui::Spacing();
    const auto named = gEnemyStateNames.find(mDefaultState);
    const std::string label = named != gEnemyStateNames.end() ? named->second : std::to_string(mDefaultState);
    if (ImGui::Button(label.c_str()))
        ImGui::OpenPopup("Enemy State List");
    if (ImGui::BeginPopup("Enemy State List")) {
        for (const auto& [state, name] : gEnemyStateNames)
            if (ImGui::Selectable(name.c_str()))
                mDefaultState = state;
        ImGui::EndPopup();
    }
    ImGui::SameLine();
    ImGui::Text("Enemy State");
    ImGui::Spacing();
    ImGui::PopItemWidth();
}
