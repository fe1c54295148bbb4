// The state steps of BasicAI: stand, pace about home, stalk along the routes.
#include <algorithm>
#include <cmath>

#include "ai/BasicAI.h"
#include "ai/PathFindingSystem.h"
#include "ai/TorchBeam.h"
#include "engine/FrameSteps.h"
#include "gameplay/ObjectParts.h"
#include "graphics/LightSource.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/Physics.h"

namespace {
Vector2 PositionOf(const GameObject& object)
{
    const std::shared_ptr<Transform> transform = object.GetComponent<Transform>();
    return transform ? Vector2(transform->position.x, transform->position.y) : Vector2();
}
}  // namespace

void BasicAI::Stop()
{
    StopMoving(GetOwner());
}

void BasicAI::Patrol()
{
    GameObject* owner = GetOwner();
    if (!owner)
        return;
    Vector2 velocity;
    if (mDirection.x != 0.0f || mDirection.y != 0.0f) {
        mDirection.Normalize();
        velocity = mDirection * PaceSpeed;
    }
    SetVelocityOf(owner, velocity);
    FaceAlong(velocity.x);

    // The turn is decided now and walked from the next call on.
    const Vector2 position = PositionOf(*owner);
    const float dx = position.x - StartPosition.x;
    const float dy = position.y - StartPosition.y;
    if (position.Distance(StartPosition) >= PaceDistance)
        mDirection.x = -dx;
    mDirection.y = (dy >= 1.0f || dy <= -1.0f) ? -dy : 0.0f;
    if (static_cast<double>(mDirection.x) > -0.1 && static_cast<double>(mDirection.x) < 0.1)
        mDirection.x = dx;
}

void BasicAI::FaceAlong(float velocityX)
{
    // The sheets face right; walking left mirrors the sprite.
    const std::shared_ptr<Sprite> sprite = GetOwner()->GetComponent<Sprite>();
    if (!sprite || velocityX == 0.0f)
        return;
    const bool left = velocityX < 0.0f;
    if (sprite->flipX != left)
        sprite->SetFlip(left, sprite->flipY);
}

void BasicAI::UpdateTorchLight()
{
    mInTorchLight = false;
    if (!mTorch)
        return;
    const std::shared_ptr<Transform> torch = mTorch->GetComponent<Transform>();
    const std::shared_ptr<LightSource> light = mTorch->GetComponent<LightSource>();
    if (!torch || !light)
        return;
    const Vector2 offset = PositionOf(*GetOwner()) - Vector2(torch->position.x, torch->position.y);
    mInTorchLight = InTorchBeam(offset, torch->rotation, light->HalfAngle);
}

void BasicAI::WalkHome()
{
    // It stops on home itself: stepping past it, it would go back and forth around it for ever.
    WalkTo(GetOwner(), StartPosition, PaceSpeed, mDeltaTime);
}

void BasicAI::Stalk()
{
    GameObject* owner = GetOwner();
    if (!owner)
        return;
    mCatchArmed = true;

    // Held in the light it stands, then creeps; a long spell of dark makes it wait again.
    UpdateTorchLight();
    if (mDarkTimer > 3.0f)
        mLightTimer = 0.0f;
    if (mInTorchLight) {
        mLightTimer += mDeltaTime;
        if (mLightTimer > 2.0f) {
            // 0.1 a sixtieth of a second, whatever the frame rate.
            mCreepSpeed += 0.1f * Framework::FramesWorth(mDeltaTime);
            if (mCreepSpeed > PaceSpeed * 0.5f)
                mCreepSpeed = PaceSpeed * 0.5f;
        } else {
            mCreepSpeed = 0.0f;
        }
        mSpeed = mCreepSpeed;
        mDarkTimer = 0.0f;
    } else {
        mDarkTimer += mDeltaTime;
        mSpeed = PaceSpeed;
    }

    const bool sameRoom = mEnemyTile && mPlayerTile &&
                          Framework::PathFindingSystem::RoomKey(mEnemyTile->name) ==
                              Framework::PathFindingSystem::RoomKey(mPlayerTile->name);
    // Once it touches the player's tile the last stretch goes straight at him. The walk counts
    // a touched tile as reached, so the tile it still overlaps behind (a later row or column
    // wins the tile lookup) must not send it back to a route that ends where it stands.
    if (sameRoom && mPlayer &&
        (mEnemyTile == mPlayerTile || Framework::Physics::CheckCollision(*owner, *mPlayerTile))) {
        mRoute.clear();
        const Vector2 way = PositionOf(*mPlayer) - PositionOf(*owner);
        const float length = way.Distance(Vector2());
        SetVelocityOf(owner, length > 0.0f ? way * (mSpeed / length) : Vector2());
        return;
    }
    if (mRoute.empty()) {
        StopMoving(owner);
        if (!sameRoom) {
            WalkHome();
            return;
        }
        // Walked from the back; a pair with no way leaves the enemy standing.
        mRoute = gPathFindingSystem->FindRoute(mEnemyTile.get(), mPlayerTile.get());
        std::reverse(mRoute.begin(), mRoute.end());
        return;
    }

    const std::shared_ptr<GameObject> target = mRoute.back();
    const std::shared_ptr<Transform> targetTransform = target ? target->GetComponent<Transform>() : nullptr;
    const std::shared_ptr<Transform> ownTransform = owner->GetComponent<Transform>();
    if (!targetTransform || !ownTransform) {
        mRoute.clear();
        StopMoving(owner);
        return;
    }
    const Vector3 d = targetTransform->position - ownTransform->position;
    Vector2 velocity;
    if (d.x != 0.0f || d.y != 0.0f) {
        // The depth difference counts in the length, as the walk has always been tuned.
        const float length = d.Length();
        velocity = Vector2(d.x, d.y) * (mSpeed / length);
    }
    SetVelocityOf(owner, velocity);
    if (Framework::Physics::CheckCollision(*owner, *target)) {
        StopMoving(owner);
        mRoute.pop_back();
    }
}
